#include "search/FileNameMask.h"

#include <algorithm>

namespace {

// Code points lie below 0x110000; the wildcards and stray bytes live above.
constexpr std::uint32_t Star = 0x200000;
constexpr std::uint32_t Optional = 0x200001;
constexpr std::uint32_t StrayByte = 0x110000;  // + the byte's value

std::uint32_t fold(std::uint32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;  // Latin-1 capitals
    return c;
}

// Decodes one character at text[pos]; advances pos.
std::uint32_t nextChar(std::string_view text, std::size_t& pos) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char b = byte(pos);
    int length = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
    if (length == 1) return byte(pos++);
    if (length == 0 || pos + length > text.size()) return StrayByte + byte(pos++);
    std::uint32_t c = b & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        unsigned char cont = byte(pos + i);
        if ((cont & 0xC0) != 0x80) return StrayByte + byte(pos++);
        c = (c << 6) | (cont & 0x3F);
    }
    // Overlong forms and surrogates are not valid UTF-8 either.
    static constexpr std::uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < smallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return StrayByte + byte(pos++);
    pos += length;
    return c;
}

}  // namespace

FileNameMask::FileNameMask(std::string_view mask) {
    for (std::size_t pos = 0; pos < mask.size();) {
        if (mask[pos] == '*') {
            ++pos;
            if (mask_.empty() || mask_.back() != Star) mask_.push_back(Star);  // "**" is "*"
        } else if (mask[pos] == '?') {
            ++pos;
            mask_.push_back(Optional);
        } else {
            mask_.push_back(fold(nextChar(mask, pos)));
        }
    }
    if (mask_.size() >= 64) return;
    for (std::size_t i = 0; i < mask_.size(); ++i) {
        const std::uint64_t bit = std::uint64_t(1) << i;
        if (mask_[i] == Star) star_ |= bit;
        else if (mask_[i] == Optional) optional_ |= bit;
        else if (mask_[i] < 128) ascii_[mask_[i]] |= bit;
    }
    wild_ = star_ | optional_;
}

bool FileNameMask::MatchesShort(std::string_view name) const {
    // Shift-and over the live mask positions, one bit each: a few word
    // operations per name character.
    const std::size_t n = mask_.size();
    auto close = [&](std::uint64_t set) {
        // A wildcard may match nothing: its position lets the next one live.
        for (;;) {
            std::uint64_t grown = set | ((set & wild_) << 1);
            if (grown == set) return set;
            set = grown;
        }
    };
    std::uint64_t live = close(1);
    for (std::size_t pos = 0; pos < name.size();) {
        const std::uint32_t c = fold(nextChar(name, pos));
        std::uint64_t steps = optional_;
        if (c < 128) {
            steps |= ascii_[c];
        } else {
            for (std::size_t i = 0; i < n; ++i)
                if (mask_[i] == c) steps |= std::uint64_t(1) << i;
        }
        const std::uint64_t next = (live & star_) | ((live & steps) << 1);
        if (!next) return false;
        live = close(next);
    }
    return (live >> n) & 1;
}

bool FileNameMask::Matches(std::string_view name) const {
    // The same set of live mask positions, kept in a vector for long masks;
    // linear in the name for every mask, with no backtracking to blow up.
    const std::size_t n = mask_.size();
    if (n < 64) return MatchesShort(name);
    std::vector<char> live(n + 1, 0), next(n + 1, 0);
    auto close = [&](std::vector<char>& set) {
        for (std::size_t i = 0; i < n; ++i)
            if (set[i] && (mask_[i] == Star || mask_[i] == Optional)) set[i + 1] = 1;
    };
    live[0] = 1;
    close(live);
    for (std::size_t pos = 0; pos < name.size();) {
        std::uint32_t c = fold(nextChar(name, pos));
        std::fill(next.begin(), next.end(), 0);
        bool any = false;
        for (std::size_t i = 0; i < n; ++i) {
            if (!live[i]) continue;
            if (mask_[i] == Star) next[i] = any = 1;
            else if (mask_[i] == Optional || mask_[i] == c) next[i + 1] = any = 1;
        }
        if (!any) return false;
        close(next);
        live.swap(next);
    }
    return live[n] != 0;
}
