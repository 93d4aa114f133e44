// Writes a corpus of generated presentations for the whole-run benchmark:
//   make_bench_corpus <folder> <count> [every-nth-is-ppt]
// Decks of 20 slides with titles, bullets on two levels and formatting,
// spread over ten sub-folders; every n-th deck (default 4) is a binary .ppt.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "PptBuilder.h"
#include "PptxBuilder.h"

namespace {

std::string pptxDeck(int seed) {
    using namespace sw::test;
    PptxBuilder deck;
    for (int s = 1; s <= 20; ++s) {
        const std::string n = std::to_string(seed) + "." + std::to_string(s);
        deck.addSlide(placeholder("type=\"title\"", para(run("Section " + n, "b=\"1\""))) +
                      placeholder("idx=\"1\"",
                                  para(run("First point of " + n + ", ") + run("emphasised", "i=\"1\"")) +
                                      para(run("A detail with colour", "", "<a:solidFill><a:srgbClr val=\"1F4E79\"/></a:solidFill>"), 1) +
                                      para(run("Second point, with a longer sentence that carries the argument on")) +
                                      para(run("Another detail"), 1)) +
                      textBox(para(run("Footnote " + n))));
    }
    return deck.build();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: make_bench_corpus <folder> <count> [every-nth-is-ppt]\n";
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    const int count = std::stoi(argv[2]);
    const int nth = argc > 3 ? std::stoi(argv[3]) : 4;
    const std::string ppt = sw::test::ppt::buildPpt(sw::test::ppt::typicalDeck(20));
    for (int i = 0; i < count; ++i) {
        const auto folder = dir / ("part" + std::to_string(i % 10));
        std::filesystem::create_directories(folder);
        const bool binary = nth > 0 && i % nth == nth - 1;
        const auto file = folder / ("deck" + std::to_string(i) + (binary ? ".ppt" : ".pptx"));
        const std::string bytes = binary ? ppt : pptxDeck(i);
        std::ofstream out(file, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            std::cerr << "make_bench_corpus: cannot write " << file << "\n";
            return 1;
        }
    }
    return 0;
}
