#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "presentation/ppt/Record.h"
#include "presentation/ppt/TextBlock.h"

namespace sw::pres::ppt {

// The shapes of a slide's drawing that matter for the outline, in drawing
// order (groups flattened): the placeholder they fill and their text, held
// either in the shape itself or, by index, in the slide list.
struct DrawingShape {
    std::optional<std::uint8_t> placementId;   // PlaceholderAtom
    std::optional<TextBlock> text;             // own text (client textbox)
    std::optional<std::uint32_t> outlineRef;   // OutlineTextRefAtom: index into the slide-list blocks
};

class SlideDrawing {
public:
    // slideContainer: the SlideContainer record. Appends to out, so that a
    // FormatError on a record that does not fit its parent leaves the shapes
    // read before it.
    static void read(const Record& slideContainer, std::vector<DrawingShape>& out);
};

}  // namespace sw::pres::ppt
