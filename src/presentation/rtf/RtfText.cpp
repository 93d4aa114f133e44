#include "presentation/rtf/RtfText.h"

#include <array>

#include "presentation/Utf8.h"

namespace sw::pres {
namespace {

// Printable ASCII other than backslash and braces: copied as it is.
constexpr auto kPlain = [] {
    std::array<bool, 256> plain{};
    for (int c = 0x20; c < 0x7F; ++c) plain[static_cast<std::size_t>(c)] = c != '\\' && c != '{' && c != '}';
    return plain;
}();

void appendUnit(std::string& out, unsigned unit) {
    // RTF parameters are signed 16-bit: units above 0x7FFF are written negative.
    int n = unit > 0x7FFF ? static_cast<int>(unit) - 0x10000 : static_cast<int>(unit);
    out += "\\u";
    out += std::to_string(n);
    // A hex-escaped '?' as the one fallback character (\uc1): a bare '?' would
    // be taken as the delimiter by some readers, which then skip the next
    // real character as the fallback.
    out += "\\'3f";
}

}  // namespace

void appendRtfText(std::string& out, std::string_view utf8) {
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        // Plain printable ASCII, the bulk of most text, is copied as it is.
        std::size_t plain = pos;
        while (plain < utf8.size() && kPlain[static_cast<unsigned char>(utf8[plain])]) ++plain;
        if (plain != pos) {
            out.append(utf8.data() + pos, plain - pos);
            pos = plain;
            continue;
        }
        char32_t cp = decodeUtf8(utf8, pos);
        if (cp == '\\' || cp == '{' || cp == '}') {
            out += '\\';
            out += static_cast<char>(cp);
        } else if (cp == '\t') {
            out += "\\tab ";
        } else if (cp < 0x20 || cp == 0x7F) {
            // Paragraph ends and line breaks are events of their own.
        } else if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x10000) {
            appendUnit(out, static_cast<unsigned>(cp));
        } else {
            char32_t v = cp - 0x10000;
            appendUnit(out, 0xD800 + static_cast<unsigned>(v >> 10));
            appendUnit(out, 0xDC00 + static_cast<unsigned>(v & 0x3FF));
        }
    }
}

}  // namespace sw::pres
