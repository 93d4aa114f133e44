#include "presentation/ppt/CharProps.h"

namespace sw::pres::ppt {

void CharProps::inheritFrom(const CharProps& base) {
    const std::uint16_t open = static_cast<std::uint16_t>(~styleMask);
    style = static_cast<std::uint16_t>((style & styleMask) | (base.style & base.styleMask & open));
    styleMask = static_cast<std::uint16_t>(styleMask | base.styleMask);
    if (!fontRef) fontRef = base.fontRef;
    if (!symbolFontRef) symbolFontRef = base.symbolFontRef;
    if (!size) size = base.size;
    if (!color) color = base.color;
    if (!position) position = base.position;
}

}  // namespace sw::pres::ppt
