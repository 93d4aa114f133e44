#include "presentation/ppt/SlideOutline.h"

namespace sw::pres::ppt {

std::optional<BlockRole> SlideOutline::roleOfPlacement(std::uint8_t placementId) {
    switch (placementId) {
    case 13: case 15: case 17: return BlockRole::Title;  // title, centred title, vertical title
    case 14: case 16: case 18: case 19: return BlockRole::Body;  // body, subtitle, vertical body, object
    default: return std::nullopt;
    }
}

std::optional<BlockRole> SlideOutline::roleOfTextType(std::uint32_t textType) {
    switch (textType) {
    case TxTitle: case TxCenterTitle: return BlockRole::Title;
    case TxBody: case TxCenterBody: case TxHalfBody: case TxQuarterBody: return BlockRole::Body;
    default: return std::nullopt;
    }
}

std::vector<SlideOutline::Entry> SlideOutline::build(const std::vector<TextBlock>& listBlocks,
                                                     const std::vector<DrawingShape>& shapes) {
    std::vector<Entry> found;
    std::vector<bool> taken(listBlocks.size(), false);
    for (const DrawingShape& shape : shapes) {
        // placementId 0 (PT_None) marks a shape that is no placeholder.
        const bool placeholder = shape.placementId && *shape.placementId != 0;
        std::optional<BlockRole> role;
        if (placeholder) role = roleOfPlacement(*shape.placementId);
        const TextBlock* block = nullptr;
        if (shape.text) {
            block = &*shape.text;
        } else if (shape.outlineRef && *shape.outlineRef < listBlocks.size() && !taken[*shape.outlineRef]) {
            block = &listBlocks[*shape.outlineRef];
            taken[*shape.outlineRef] = true;
            if (!placeholder) role = roleOfTextType(block->textType);
        }
        if (block && role) found.push_back({block, *role});
    }
    for (std::size_t i = 0; i < listBlocks.size(); ++i)
        if (!taken[i])
            if (auto role = roleOfTextType(listBlocks[i].textType)) found.push_back({&listBlocks[i], *role});

    std::vector<Entry> out;
    out.reserve(found.size());
    for (const Entry& e : found)
        if (e.role == BlockRole::Title) out.push_back(e);
    for (const Entry& e : found)
        if (e.role == BlockRole::Body) out.push_back(e);
    return out;
}

}  // namespace sw::pres::ppt
