#include "RecordBuilder.h"

namespace sw::test::ppt {

std::string u8le(std::uint8_t v) { return std::string(1, static_cast<char>(v)); }
std::string u16le(std::uint16_t v) { return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)}; }
std::string u32le(std::uint32_t v) { return u16le(static_cast<std::uint16_t>(v)) + u16le(static_cast<std::uint16_t>(v >> 16)); }

std::string utf16le(std::u16string_view text) {
    std::string out;
    for (char16_t c : text) out += u16le(static_cast<std::uint16_t>(c));
    return out;
}

std::string atom(std::uint16_t type, std::string_view body, std::uint16_t instance, std::uint8_t version) {
    return u16le(static_cast<std::uint16_t>((instance << 4) | (version & 0xF))) + u16le(type) +
           u32le(static_cast<std::uint32_t>(body.size())) + std::string(body);
}

std::string concat(const std::vector<std::string>& parts) {
    std::string out;
    for (const auto& p : parts) out += p;
    return out;
}

std::string container(std::uint16_t type, const std::vector<std::string>& children, std::uint16_t instance) {
    return atom(type, concat(children), instance, 0xF);
}

std::string textHeader(std::uint32_t textType) { return atom(0x0F9F, u32le(textType)); }
std::string textChars(std::u16string_view text) { return atom(0x0FA0, utf16le(text)); }
std::string textBytes(std::string_view latin1) { return atom(0x0FA8, latin1); }
std::string slideNumberField(std::uint32_t position) { return atom(0x0FD8, u32le(position)); }
std::string dateTimeField(std::uint32_t position) { return atom(0x0FF7, u32le(position) + u8le(0) + std::string(3, '\0')); }

std::string paraRun(std::uint32_t count, std::uint16_t indent, std::string_view pfBody) {
    return u32le(count) + u16le(indent) + (pfBody.empty() ? u32le(0) : std::string(pfBody));
}

std::string charException(const CharSpec& s) {
    std::uint32_t mask = 0;
    std::uint16_t style = 0;
    if (s.bold) style |= 0x1;
    if (s.italic) style |= 0x2;
    if (s.underline) style |= 0x4;
    if (s.strike) style |= 0x100;
    // Give the style bits explicitly (also when off) so that runs override the master.
    mask |= 0x0107;
    std::string fields = u16le(style);
    if (s.fontRef >= 0) {
        mask |= 0x10000;
        fields += u16le(static_cast<std::uint16_t>(s.fontRef));
    }
    if (s.size > 0) {
        mask |= 0x20000;
        fields += u16le(static_cast<std::uint16_t>(s.size));
    }
    if (s.rgb >= 0) {
        mask |= 0x40000;
        const auto v = static_cast<std::uint32_t>(s.rgb);
        fields += u8le(v >> 16) + u8le((v >> 8) & 0xFF) + u8le(v & 0xFF) + u8le(0xFE);
    } else if (s.schemeIndex >= 0) {
        mask |= 0x40000;
        fields += std::string(3, '\0') + u8le(static_cast<std::uint8_t>(s.schemeIndex));
    }
    if (s.position != 0) {
        mask |= 0x80000;
        fields += u16le(static_cast<std::uint16_t>(static_cast<std::int16_t>(s.position)));
    }
    return u32le(mask) + fields;
}

std::string charRun(std::uint32_t count, const CharSpec& spec) { return u32le(count) + charException(spec); }

std::string styleTextProp(const std::vector<std::string>& paraRuns, const std::vector<std::string>& charRuns) {
    return atom(0x0FA1, concat(paraRuns) + concat(charRuns));
}

}  // namespace sw::test::ppt

namespace sw::test::ppt {

std::vector<std::string> paragraphRuns(std::u16string_view text, const std::vector<std::uint16_t>& indents) {
    std::vector<std::string> out;
    std::size_t start = 0, para = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == u'\r') {
            const std::uint16_t indent = para < indents.size() ? indents[para] : 0;
            out.push_back(paraRun(static_cast<std::uint32_t>(i + 1 - start), indent));
            start = i + 1;
            ++para;
        }
    }
    return out;
}

std::vector<std::string> charRuns(std::u16string_view text, const std::vector<std::pair<std::uint32_t, CharSpec>>& runs) {
    std::vector<std::string> out;
    std::uint32_t used = 0;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        std::uint32_t count = runs[i].first;
        if (i + 1 == runs.size()) count = static_cast<std::uint32_t>(text.size() + 1) - used;
        used += count;
        out.push_back(charRun(count, runs[i].second));
    }
    return out;
}

}  // namespace sw::test::ppt
