#include "presentation/Utf8.h"

#include "platform/Utf8.h"

#include <cstdint>
#include <cstring>

namespace sw::pres {

char32_t decodeUtf8(std::string_view s, std::size_t& pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    unsigned char c = byte(pos);
    if (c < 0x80) {
        ++pos;
        return c;
    }
    int extra = 0;
    char32_t cp = 0;
    char32_t min = 0;
    if ((c & 0xE0) == 0xC0) { extra = 1; cp = c & 0x1F; min = 0x80; }
    else if ((c & 0xF0) == 0xE0) { extra = 2; cp = c & 0x0F; min = 0x800; }
    else if ((c & 0xF8) == 0xF0) { extra = 3; cp = c & 0x07; min = 0x10000; }
    else { ++pos; return 0xFFFD; }
    if (pos + static_cast<std::size_t>(extra) >= s.size()) {
        ++pos;
        return 0xFFFD;
    }
    for (int i = 1; i <= extra; ++i) {
        unsigned char cc = byte(pos + static_cast<std::size_t>(i));
        if ((cc & 0xC0) != 0x80) { ++pos; return 0xFFFD; }
        cp = (cp << 6) | (cc & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) { ++pos; return 0xFFFD; }
    pos += static_cast<std::size_t>(extra) + 1;
    return cp;
}

std::string validUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        std::size_t start = pos;
        char32_t cp = decodeUtf8(utf8, pos);
        if (cp == 0xFFFD && !(pos - start == 3 && utf8.substr(start, 3) == "\xEF\xBF\xBD"))
            out += "\xEF\xBF\xBD";
        else
            out.append(utf8.substr(start, pos - start));
    }
    return out;
}

bool isValidUtf8(std::string_view utf8) {
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        if (static_cast<unsigned char>(utf8[pos]) < 0x80) {  // ASCII, the common case, needs no decoding
            ++pos;
            continue;
        }
        std::size_t start = pos;
        if (decodeUtf8(utf8, pos) == 0xFFFD && pos - start != 3) return false;
    }
    return true;
}

namespace {

constexpr std::uint64_t kOnes = 0x0101010101010101ull;
constexpr std::uint64_t kHighs = 0x8080808080808080ull;

// Whether some byte of x is zero (exact as a yes or no).
constexpr bool hasZeroByte(std::uint64_t x) { return ((x - kOnes) & ~x & kHighs) != 0; }
// Whether some byte of x is below n (n <= 0x80; exact as a yes or no).
constexpr bool hasByteBelow(std::uint64_t x, std::uint8_t n) { return ((x - kOnes * n) & ~x & kHighs) != 0; }

}  // namespace

std::size_t printableAsciiPrefix(std::string_view text) {
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t x;
        std::memcpy(&x, text.data() + i, 8);
        if ((x & kHighs) != 0 || hasByteBelow(x, 0x20) || hasZeroByte(x ^ (kOnes * 0x7F))) break;
    }
    while (i < text.size() && static_cast<unsigned char>(text[i] - 0x20) < 0x5F) ++i;
    return i;
}

std::string utf16ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        platform::AppendUtf8(out, c);
    }
    return out;
}

}  // namespace sw::pres
