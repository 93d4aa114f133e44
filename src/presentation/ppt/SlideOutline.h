#pragma once
#include <optional>
#include <vector>

#include "presentation/OutlineSink.h"
#include "presentation/ppt/SlideDrawing.h"
#include "presentation/ppt/TextBlock.h"

namespace sw::pres::ppt {

// Decides which text blocks of a slide make its outline and in which role.
// Text lives in two places: blocks in the slide list, and text boxes in the
// slide's drawing (whose shape may instead point at a slide-list block).
//  - A drawing shape counts by its placeholder: 13/15/17 title, 14/16/18/19
//    body; its text is its own or the slide-list block it points at.
//  - A shape without a placeholder is a plain text box and never counts,
//    whatever type its text claims, unless it points into the slide list,
//    whose blocks are outline text by definition: the block's type decides.
//  - Slide-list blocks no shape points at count by their text type.
// Every block is taken at most once. Titles come first, then bodies, each in
// drawing order followed by the remaining slide-list order.
class SlideOutline {
public:
    struct Entry {
        const TextBlock* block;
        BlockRole role;
    };

    static std::vector<Entry> build(const std::vector<TextBlock>& listBlocks, const std::vector<DrawingShape>& shapes);

    static std::optional<BlockRole> roleOfPlacement(std::uint8_t placementId);
    static std::optional<BlockRole> roleOfTextType(std::uint32_t textType);
};

}  // namespace sw::pres::ppt
