// Writes a few small packages made by the builder into a folder, as seeds
// for the .pptx fuzz target: pptx_fuzz_seeds <folder>.
#include <filesystem>
#include <iostream>

#include "PptxBuilder.h"

using namespace sw::test;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: pptx_fuzz_seeds <folder>\n";
        return 2;
    }
    std::filesystem::path dir = argv[1];
    std::filesystem::create_directories(dir);
    auto title = [](const std::string& t) { return placeholder("type=\"title\"", para(run(t))); };
    int n = 0;
    auto save = [&](const PptxBuilder& b) {
        PptxBuilder::zipToFile(b.parts(), dir / ("seed" + std::to_string(++n) + ".pptx"));
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
