// Writes a few small packages made by the builder into a folder, as seeds
// for the .pptx fuzz targets:
//   pptx_fuzz_seeds <folder>        whole packages (pptx_reader_fuzz)
//   pptx_fuzz_seeds <folder> parts  one part each, after the byte that
//                                   chooses it (pptx_xml_fuzz)
#include <filesystem>
#include <fstream>
#include <string_view>
#include <iostream>

#include "PptxBuilder.h"

using namespace sw::test;

int main(int argc, char** argv) {
    if (argc != 2 && !(argc == 3 && std::string_view(argv[2]) == "parts")) {
        std::cerr << "usage: pptx_fuzz_seeds <folder> [parts]\n";
        return 2;
    }
    const bool partSeeds = argc == 3;
    // The order of pptx_xml_fuzz's part table.
    const char* const partNames[] = {
        "ppt/slides/slide1.xml", "ppt/presentation.xml", "ppt/_rels/presentation.xml.rels",
        "ppt/slides/_rels/slide1.xml.rels", "ppt/slideLayouts/slideLayout1.xml", "ppt/slideMasters/slideMaster1.xml",
        "ppt/theme/theme1.xml", "_rels/.rels", "ppt/slideLayouts/_rels/slideLayout1.xml.rels",
        "ppt/slideMasters/_rels/slideMaster1.xml.rels",
    };
    std::filesystem::path dir = argv[1];
    std::filesystem::create_directories(dir);
    auto title = [](const std::string& t) { return placeholder("type=\"title\"", para(run(t))); };
    int n = 0;
    auto save = [&](const PptxBuilder& b) {
        if (!partSeeds) {
            PptxBuilder::zipToFile(b.parts(), dir / ("seed" + std::to_string(++n) + ".pptx"));
            return;
        }
        const auto parts = b.parts();
        for (std::size_t i = 0; i < std::size(partNames); ++i) {
            auto it = parts.find(partNames[i]);
            if (it == parts.end()) continue;
            std::ofstream out(dir / ("part" + std::to_string(++n) + ".bin"), std::ios::binary);
            out << static_cast<char>(i) << it->second;
        }
    };
    {
        PptxBuilder b;
        b.addSlide(title("Hello") + placeholder("idx=\"1\"", para(run("one", "b=\"1\" sz=\"2400\"")) + para(run("two\tx"), 1)));
        save(b);
    }
    {
        PptxBuilder b(true);
        b.setMasterTextStyles("<p:titleStyle><a:lvl1pPr><a:defRPr sz=\"4400\"><a:latin typeface=\"+mj-lt\"/>"
                              "<a:solidFill><a:schemeClr val=\"tx2\"><a:lumMod val=\"50000\"/></a:schemeClr></a:solidFill>"
                              "</a:defRPr></a:lvl1pPr></p:titleStyle>");
        b.setLayoutShapes(placeholder("type=\"title\"", listStyle("a:lstStyle", 0, "i=\"1\"")));
        b.addSlide(title("Strict") + "<p:grpSp>" + placeholder("type=\"subTitle\" idx=\"1\"", para(run("sub"))) + "</p:grpSp>",
                   "show=\"0\"");
        save(b);
    }
    {
        PptxBuilder b;
        b.addSlide(placeholder("type=\"ctrTitle\"",
                               para(run("a") + "<a:br/><a:fld type=\"slidenum\"><a:t>1</a:t></a:fld>")) +
                   "<mc:AlternateContent xmlns:mc=\"http://schemas.openxmlformats.org/markup-compatibility/2006\">"
                   "<mc:Choice Requires=\"a\">" + placeholder("idx=\"1\"", para(run("c"))) + "</mc:Choice>"
                   "<mc:Fallback/></mc:AlternateContent>");
        b.addSlide(title("second"));
        b.addImage(2, std::string(64, '\x89'));
        b.setMacroProject();
        save(b);
    }
    std::cout << n << " seeds written to " << dir << "\n";
}
