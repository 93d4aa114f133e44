#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

// The file-name test of the folder listing, standing in for the file system's
// own wildcard matching: "*" is any run of characters, "?" one character or
// none, every other character stands for itself without regard to letter case.
// Characters are UTF-8 code points; a byte that is not part of valid UTF-8
// counts as one character of its own. Letter case is folded for ASCII and
// Latin-1 letters.
class FileNameMask {
public:
    explicit FileNameMask(std::string_view mask);
    bool Matches(std::string_view name) const;

private:
    bool MatchesShort(std::string_view name) const;

    std::vector<std::uint32_t> mask_;  // folded characters; Star and Optional for the wildcards
    // For masks of fewer than 64 characters, one bit per mask position:
    std::uint64_t star_ = 0;           // "*" positions (stay on any character)
    std::uint64_t wild_ = 0;           // "*" and "?" positions (may match nothing)
    std::uint64_t optional_ = 0;       // "?" positions (step on any character)
    std::uint64_t ascii_[128] = {};    // positions a folded ASCII character steps over
};
