#include "presentation/ppt/TextBlockCollector.h"

#include "presentation/ppt/ByteReader.h"
#include "presentation/ppt/RecordReader.h"
#include "presentation/ppt/RecordTypes.h"

namespace sw::pres::ppt {

bool TextBlockCollector::add(const Record& rec) {
    if (rec.type == rt::TextHeaderAtom) {
        ByteReader r(rec.body, rec.bodyOffset());
        TextBlock block;
        block.textType = r.u32();
        blocks_.push_back(std::move(block));
        return true;
    }
    if (blocks_.empty()) return false;
    TextBlock& block = blocks_.back();
    switch (rec.type) {
    case rt::TextCharsAtom: {
        // UTF-16LE; an odd last byte is no character.
        ByteReader r(rec.body, rec.bodyOffset());
        block.text = r.utf16(rec.body.size() / 2);
        return true;
    }
    case rt::TextBytesAtom:
        // Each byte is the low half of a UTF-16 unit: ISO 8859-1, not cp1252.
        block.text.assign(rec.body.begin(), rec.body.end());
        return true;
    case rt::StyleTextPropAtom:
        block.style = rec.body;
        block.styleOffset = rec.bodyOffset();
        block.hasStyle = true;
        return true;
    case rt::SlideNumberMCAtom:
    case rt::DateTimeMCAtom:
    case rt::GenericDateMCAtom:
    case rt::RtfDateTimeMCAtom:
    case rt::HeaderMCAtom:
    case rt::FooterMCAtom: {
        // A field atom too short for its position marks nothing.
        if (rec.body.size() < 4) return true;
        ByteReader r(rec.body, rec.bodyOffset());
        const std::uint32_t position = r.u32();
        (rec.type == rt::SlideNumberMCAtom ? block.slideNumberAt : block.droppedAt).push_back(position);
        return true;
    }
    default:
        return false;
    }
}

}  // namespace sw::pres::ppt
