#pragma once
#include <cstdint>
#include <optional>

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

}  // namespace sw::pres::ppt
