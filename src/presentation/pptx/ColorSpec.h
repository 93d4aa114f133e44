#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <pugixml.hpp>

namespace sw::pres {

// Looked up with string views, so that no key is copied per run.
using ColorMap = std::map<std::string, std::string, std::less<>>;    // p:clrMap: tx1 -> dk1 ...
using ColorScheme = std::map<std::string, std::uint32_t, std::less<>>;  // a:clrScheme: dk1 -> 0xRRGGBB ...

// What a slide needs to turn scheme colours into RGB: the colour map in
// effect (slide override, else layout override, else the master's map) and
// the theme's colour scheme.
struct ColorContext {
    const ColorMap* colorMap = nullptr;     // tx1 -> dk1 ...
    const ColorScheme* scheme = nullptr;     // dk1 -> 0xRRGGBB ...
};

// A DrawingML colour as written (a:srgbClr, a:schemeClr, a:sysClr,
// a:prstClr, a:scrgbClr, a:hslClr) with its modifiers, resolved to RGB once
// the slide's colour context is known.
class ColorSpec {
public:
    // From a fill element such as a:solidFill; nullopt when it holds no colour.
    static std::optional<ColorSpec> fromFill(const pugi::xml_node& fill);
    // From the colour element itself (a:srgbClr ...).
    static std::optional<ColorSpec> fromColor(const pugi::xml_node& color);

    std::optional<std::uint32_t> resolve(const ColorContext& context) const;

    bool operator==(const ColorSpec&) const = default;

private:
    enum class Kind { Rgb, Scheme };
    Kind kind_ = Kind::Rgb;
    std::uint32_t rgb_ = 0;
    std::string scheme_;
    enum class Modifier : std::uint8_t { LumMod, LumOff, Tint, Shade };
    struct Adjustment {
        Modifier modifier;
        int value;  // 1/1000 %
        bool operator==(const Adjustment&) const = default;
    };
    // In document order. Colours mostly carry one or two modifiers: the first
    // ones are kept inline, so that reading a run's colour allocates nothing.
    static constexpr std::size_t kInline = 3;
    std::array<Adjustment, kInline> firstModifiers_{};
    std::size_t firstCount_ = 0;
    std::vector<Adjustment> moreModifiers_;
    void addModifier(Modifier modifier, int value);
    static std::uint32_t apply(std::uint32_t rgb, Modifier modifier, int value);
};

// The colour scheme of a theme (a:clrScheme): dk1, lt1, ..., accent1..6, hlink, folHlink.
ColorScheme readColorScheme(const pugi::xml_node& clrScheme);

}  // namespace sw::pres
