#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "presentation/ppt/ByteReader.h"

namespace sw::pres::ppt {

// Character properties as stored in a TextCFException: only the fields whose
// mask bit is set are present; the rest come from the master.
struct CharProps {
    std::uint16_t styleMask = 0;  // which fontStyle bits are given
    std::uint16_t style = 0;      // bold 0x1, italic 0x2, underline 0x4, strike 0x100
    std::optional<std::uint16_t> fontRef;
    std::optional<std::uint16_t> symbolFontRef;
    std::optional<std::uint16_t> size;      // points
    std::optional<std::uint32_t> color;     // ColorIndexStruct: red, green, blue, index (0xFE: RGB; 0-7: scheme)
    std::optional<std::int16_t> position;   // baseline offset in percent; >0 super, <0 sub

    // Fills what this run leaves open from base (the master's level).
    void inheritFrom(const CharProps& base);
};

// One paragraph run of a StyleTextPropAtom.
struct ParaRun {
    std::uint32_t count = 0;   // characters, the paragraph mark included
    std::uint16_t indent = 0;  // indentLevel 0-4: the outline level within a body
};

struct CharRun {
    std::uint32_t count = 0;
    CharProps props;
};

// Readers of the exceptions and of whole StyleTextPropAtoms. They throw
// FormatError on anything they cannot size (then the caller keeps the text
// and drops the formatting).
namespace textprops {

// Skips a TextPFException (mask and the fields it announces).
void skipParagraphException(ByteReader& r);
CharProps readCharException(ByteReader& r);

struct Runs {
    std::vector<ParaRun> paragraphs;
    std::vector<CharRun> characters;
};
// textLength: characters in the text atom. The runs cover textLength + 1
// (the last paragraph's mark is not stored in the text).
Runs readStyleTextPropAtom(ByteReader::Bytes body, std::uint64_t bodyOffset, std::size_t textLength);

}  // namespace textprops
}  // namespace sw::pres::ppt
