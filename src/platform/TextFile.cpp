#include "platform/TextFile.h"

#include "platform/Utf8.h"

#include <cerrno>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <system_error>

namespace sw::platform {
namespace {

std::string decodeUtf16(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size());
    auto unit = [&](std::size_t i) {
        auto b0 = static_cast<std::uint8_t>(bytes[i]), b1 = static_cast<std::uint8_t>(bytes[i + 1]);
        return static_cast<char16_t>(bigEndian ? (b0 << 8 | b1) : (b1 << 8 | b0));
    };
    const std::size_t n = bytes.size() & ~std::size_t{1};  // an odd last byte is dropped
    for (std::size_t i = 0; i < n; i += 2) {
        char32_t c = unit(i);
        if (c >= 0xD800 && c <= 0xDBFF && i + 3 < n) {
            char32_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            } else {
                c = 0xFFFD;
            }
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        AppendUtf8(out, c);
    }
    return out;
}

bool isValidUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        auto c = static_cast<std::uint8_t>(s[i]);
        int extra;
        char32_t cp;
        if (c < 0x80) { ++i; continue; }
        if ((c & 0xE0) == 0xC0) { extra = 1; cp = c & 0x1F; }
        else if ((c & 0xF0) == 0xE0) { extra = 2; cp = c & 0x0F; }
        else if ((c & 0xF8) == 0xF0) { extra = 3; cp = c & 0x07; }
        else return false;
        if (i + static_cast<std::size_t>(extra) >= s.size()) return false;
        for (int k = 1; k <= extra; ++k) {
            auto cc = static_cast<std::uint8_t>(s[i + k]);
            if ((cc & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        static constexpr char32_t minimum[] = {0, 0x80, 0x800, 0x10000};
        if (cp < minimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

// Windows-1252 bytes 0x80..0x9F; the five undefined ones map to the C1 control of the same value.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::string decodeCp1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (char ch : bytes) {
        auto b = static_cast<std::uint8_t>(ch);
        if (b < 0x80) out += ch;
        else if (b < 0xA0) AppendUtf8(out, kCp1252High[b - 0x80]);
        else AppendUtf8(out, b);
    }
    return out;
}

[[noreturn]] void fail(const std::filesystem::path& path, const char* what, int err) {
    throw std::system_error(err ? err : EIO, std::generic_category(),
                            std::string(what) + " \"" + path.string() + "\"");
}

}  // namespace

std::string DecodeText(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        std::string_view body = bytes.substr(3);
        return isValidUtf8(body) ? std::string(body) : decodeCp1252(body);
    }
    if (bytes.starts_with("\xFF\xFE")) return decodeUtf16(bytes.substr(2), false);
    if (bytes.starts_with("\xFE\xFF")) return decodeUtf16(bytes.substr(2), true);
    return isValidUtf8(bytes) ? std::string(bytes) : decodeCp1252(bytes);
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

std::string ReadFileBytes(const std::filesystem::path& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) fail(path, "Cannot read", EISDIR);
    std::ifstream in(path, std::ios::binary);
    if (!in) fail(path, "Cannot open", errno);
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) fail(path, "Cannot read", errno);
    return bytes;
}

std::string ReadTextFile(const std::filesystem::path& path) { return DecodeText(ReadFileBytes(path)); }

void WriteTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) fail(path, "Cannot create", errno);
    const std::string text = JoinLines(lines);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (!out) fail(path, "Cannot write", errno);
}

}  // namespace sw::platform
