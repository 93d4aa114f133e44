#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Writers of raw PowerPoint records for tests: bytes are std::string.
namespace sw::test::ppt {

std::string u8le(std::uint8_t v);
std::string u16le(std::uint16_t v);
std::string u32le(std::uint32_t v);
std::string utf16le(std::u16string_view text);

// An atom (recVer 0 unless given) and a container (recVer 0xF).
std::string atom(std::uint16_t type, std::string_view body, std::uint16_t instance = 0, std::uint8_t version = 0);
std::string container(std::uint16_t type, const std::vector<std::string>& children, std::uint16_t instance = 0);
std::string concat(const std::vector<std::string>& parts);

// Text records.
std::string textHeader(std::uint32_t textType);
std::string textChars(std::u16string_view text);
std::string textBytes(std::string_view latin1);
std::string slideNumberField(std::uint32_t position);
std::string dateTimeField(std::uint32_t position);

// StyleTextPropAtom pieces. A paragraph run: count, indent level, then an
// empty TextPFException unless pfBody (mask + fields) is given.
std::string paraRun(std::uint32_t count, std::uint16_t indent, std::string_view pfBody = {});
// A TextCFException: mask then fields.
struct CharSpec {
    bool bold = false, italic = false, underline = false, strike = false;
    int fontRef = -1;
    int size = 0;               // points
    std::int64_t rgb = -1;      // 0xRRGGBB
    int schemeIndex = -1;       // 0..7
    int position = 0;
};
std::string charException(const CharSpec& spec);
std::string charRun(std::uint32_t count, const CharSpec& spec);
std::string styleTextProp(const std::vector<std::string>& paraRuns, const std::vector<std::string>& charRuns);

}  // namespace sw::test::ppt

namespace sw::test::ppt {
// Paragraph runs for text split at CR, with the given indent per paragraph
// (the last paragraph's run covers its mark that is not stored: length + 1).
std::vector<std::string> paragraphRuns(std::u16string_view text, const std::vector<std::uint16_t>& indents);
// Character runs; the last one is stretched to cover text length + 1.
std::vector<std::string> charRuns(std::u16string_view text, const std::vector<std::pair<std::uint32_t, CharSpec>>& runs);
}  // namespace sw::test::ppt
