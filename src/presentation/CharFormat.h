#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace sw::pres {

enum class Underline : std::uint8_t { None, Single, Double, Thick, Dotted, Dash, Wave };
enum class Baseline : std::uint8_t { Normal, Super, Sub };

// The effective character formatting of a run, after inheritance. Unset
// fields (0, empty, nullopt) mean "the reader's default": the writer then
// writes nothing for them.
struct CharFormat {
    bool bold = false;
    bool italic = false;
    bool strike = false;
    Underline underline = Underline::None;
    Baseline baseline = Baseline::Normal;
    int sizeHalfPoints = 0;              // 0: not known
    std::string font;                    // typeface name; empty: not known
    bool symbolFont = false;             // font has a symbol character set
    std::optional<std::uint32_t> color;  // 0xRRGGBB; nullopt: automatic

    bool operator==(const CharFormat&) const = default;
};

}  // namespace sw::pres
