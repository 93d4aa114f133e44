#pragma once
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "TempDir.h"

namespace sw::test {

// The real program, copied into a folder of its own so that the files it
// keeps beside itself (counters, recent projects, default project) belong to
// one test only; the shell opener records what would be opened.
class ProgramRunner {
public:
    ProgramRunner();

    struct Result {
        int exitCode = -1;
        std::string err;
    };
    // Runs the program with one argument (none when empty) and waits for it.
    Result Run(const std::string& argument = "", bool withArgument = true) const;

    // What the shell was asked to open, in order (waits for `count` entries).
    std::vector<std::string> Opened(std::size_t count = 0) const;
    // The counters file as Name=Value lines.
    std::vector<std::string> Counters() const;

    const TempDir& dir() const { return home_; }
    std::string exe() const { return exe_; }

private:
    TempDir home_;
    std::string exe_;
    std::string opener_;
    std::string openedLog_;
};

}  // namespace sw::test
