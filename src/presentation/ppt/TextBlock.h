#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace sw::pres::ppt {

// TextTypeEnum values of a TextHeaderAtom.
enum TextType : std::uint32_t {
    TxTitle = 0, TxBody = 1, TxNotes = 2, TxOther = 4, TxCenterBody = 5, TxCenterTitle = 6,
    TxHalfBody = 7, TxQuarterBody = 8,
};

// The text of one text block, as found after a TextHeaderAtom in the slide
// list or in a shape's client textbox: the characters, the raw style atom and
// where the metacharacters of fields are.
struct TextBlock {
    std::uint32_t textType = TxOther;
    std::u16string text;
    std::span<const std::uint8_t> style;  // StyleTextPropAtom body; empty when absent
    std::uint64_t styleOffset = 0;
    bool hasStyle = false;
    std::vector<std::uint32_t> slideNumberAt;  // positions replaced by the slide number
    std::vector<std::uint32_t> droppedAt;      // date, header and footer metacharacters
};

}  // namespace sw::pres::ppt
