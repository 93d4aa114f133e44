#include "presentation/ppt/TextPropReader.h"

#include <string>

#include "presentation/ppt/FormatError.h"

namespace sw::pres::ppt {


void TextPropReader::skipParagraphException(ByteReader& r) {
    const std::uint32_t mask = r.u32();
    if (mask & 0x000F) r.skip(2);      // bulletFlags
    if (mask & 0x0080) r.skip(2);      // bulletChar
    if (mask & 0x0010) r.skip(2);      // bulletFontRef
    if (mask & 0x0040) r.skip(2);      // bulletSize
    if (mask & 0x0020) r.skip(4);      // bulletColor
    if (mask & 0x0800) r.skip(2);      // textAlignment
    if (mask & 0x1000) r.skip(2);      // lineSpacing
    if (mask & 0x2000) r.skip(2);      // spaceBefore
    if (mask & 0x4000) r.skip(2);      // spaceAfter
    if (mask & 0x0100) r.skip(2);      // leftMargin
    if (mask & 0x0400) r.skip(2);      // indent
    if (mask & 0x8000) r.skip(2);      // defaultTabSize
    if (mask & 0x100000) {             // tabStops: count, then position + type each
        const std::uint16_t count = r.u16();
        r.skip(static_cast<std::size_t>(count) * 4);
    }
    if (mask & 0x10000) r.skip(2);     // fontAlign
    if (mask & 0xE0000) r.skip(2);     // wrapFlags
    if (mask & 0x200000) r.skip(2);    // textDirection
    // The bullet picture and scheme live in the extension atoms; a file
    // that sets these bits here gives fields of unknown size.
    if (mask & 0x03800000) throw FormatError("a paragraph style sets reserved mask bits");
}

CharProps TextPropReader::readCharException(ByteReader& r) {
    CharProps p;
    const std::uint32_t mask = r.u32();
    // Fields of the extension atoms; their presence here is a broken record.
    if (mask & 0x07100000) throw FormatError("a character style sets reserved mask bits");
    if (mask & 0xFFFF) {
        p.styleMask = static_cast<std::uint16_t>(mask & 0xFFFF);
        p.style = r.u16();
    }
    if (mask & 0x10000) p.fontRef = r.u16();
    if (mask & 0x200000) r.skip(2);   // oldEAFontRef
    if (mask & 0x400000) r.skip(2);   // ansiFontRef
    if (mask & 0x800000) p.symbolFontRef = r.u16();
    if (mask & 0x20000) p.size = r.u16();
    if (mask & 0x40000) p.color = r.u32();
    if (mask & 0x80000) p.position = r.i16();
    return p;
}

TextPropReader::Runs TextPropReader::readStyleTextPropAtom(ByteReader::Bytes body, std::uint64_t bodyOffset, std::size_t textLength) {
    Runs runs;
    ByteReader r(body, bodyOffset);
    const std::uint64_t covered = static_cast<std::uint64_t>(textLength) + 1;
    std::uint64_t total = 0;
    // Every pass consumes bytes, so odd counts (0, huge) cannot make it spin.
    while (total < covered && !r.atEnd()) {
        ParaRun run;
        run.count = r.u32();
        run.indent = r.u16();
        skipParagraphException(r);
        total += run.count;
        runs.paragraphs.push_back(run);
    }
    total = 0;
    // Some writers stop the character runs early (the rest of the text then
    // takes the master's formatting); stop quietly when the atom ends.
    while (total < covered && r.remaining() >= 4) {
        CharRun run;
        run.count = r.u32();
        run.props = readCharException(r);
        total += run.count;
        runs.characters.push_back(run);
    }
    return runs;
}

}  // namespace sw::pres::ppt
