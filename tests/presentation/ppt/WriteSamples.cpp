// Writes sample .ppt files made by the test builder into a folder:
//   ppt_write_samples <folder>          example.ppt (three slides)
//   ppt_write_samples <folder> --seeds  also fuzz seeds (small decks that
//                                       exercise each part of the reader),
//                                       as compound files (*.ppt) and as bare
//                                       streams (*.stream: edit offset, then
//                                       the PowerPoint Document stream)
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "PptBuilder.h"

using namespace sw::test::ppt;

namespace {

bool write(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: ppt_write_samples <folder> [--seeds]\n";
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::filesystem::create_directories(dir);
    bool ok = write(dir / "example.ppt", examplePresentation());
    if (argc > 2 && std::string(argv[2]) == "--seeds") {
        ok &= write(dir / "typical3.ppt", buildPpt(typicalDeck(3)));
        ok &= write(dir / "typical3-v4.ppt", compoundFile(buildStreams(typicalDeck(3)), 4096));
        DeckSpec hidden = typicalDeck(2);
        hidden.slides[1].hidden = true;
        hidden.vbaAtom = true;
        ok &= write(dir / "hidden-vba.ppt", buildPpt(hidden));
        DeckSpec fields;
        SlideSpec s;
        s.listBlocks.push_back({0, u"Bytes \u00e9\u0080 and fields *", true, {}, {slideNumberField(22), dateTimeField(0)}});
        s.shapes.push_back({13, std::nullopt, 0u});
        s.shapes.push_back({14, BlockSpec{1, u"Drawing\vtext\tend", false, {}, {}}, std::nullopt});
        s.shapes.push_back({std::nullopt, BlockSpec{0, u"Text box", false, {}, {}}, std::nullopt});
        fields.slides.push_back(s);
        ok &= write(dir / "fields-drawing.ppt", buildPpt(fields));
        const std::pair<const char*, DeckSpec> decks[] = {{"typical3", typicalDeck(3)}, {"hidden-vba", hidden}, {"fields-drawing", fields}};
        for (const auto& [name, deck] : decks) {
            PptStreams s = buildStreams(deck);
            // The edit offset as Current User holds it, then the stream.
            ok &= write(dir / (std::string(name) + ".stream"), s.currentUser.substr(16, 4) + s.document);
        }
    }
    if (!ok) {
        std::cerr << "cannot write into " << dir << "\n";
        return 1;
    }
    return 0;
}
