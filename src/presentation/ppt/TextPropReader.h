#pragma once
#include <cstdint>
#include <vector>

#include "presentation/ppt/ByteReader.h"
#include "presentation/ppt/CharProps.h"

namespace sw::pres::ppt {

// One paragraph run of a StyleTextPropAtom.
struct ParaRun {
    std::uint32_t count = 0;   // characters, the paragraph mark included
    std::uint16_t indent = 0;  // indentLevel 0-4: the outline level within a body
};

struct CharRun {
    std::uint32_t count = 0;
    CharProps props;
};

// Reads the text property exceptions and whole StyleTextPropAtoms. Throws
// FormatError on anything it cannot size (then the caller keeps the text
// and drops the formatting).
class TextPropReader {
public:
    struct Runs {
        std::vector<ParaRun> paragraphs;
        std::vector<CharRun> characters;
    };

    // Skips a TextPFException (mask and the fields it announces).
    static void skipParagraphException(ByteReader& r);
    static CharProps readCharException(ByteReader& r);
    // textLength: characters in the text atom. The runs cover textLength + 1
    // (the last paragraph's mark is not stored in the text).
    static Runs readStyleTextPropAtom(ByteReader::Bytes body, std::uint64_t bodyOffset, std::size_t textLength);
};

}  // namespace sw::pres::ppt
