// Writes the example presentations of the README into a folder:
//   write_examples <folder>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "ExampleDecks.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: write_examples <folder>\n";
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::filesystem::create_directories(dir / "archive");
    const std::pair<const char*, std::string> files[] = {
        {"talk.pptx", sw::test::exampleTalkPptx()},
        {"archive/project-status.pptx", sw::test::exampleProjectPptx()},
        {"quarterly-review.ppt", sw::test::examplePpt()},
    };
    for (const auto& [name, bytes] : files) {
        std::ofstream out(dir / name, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            std::cerr << "write_examples: cannot write " << (dir / name) << "\n";
            return 1;
        }
    }
    return 0;
}
