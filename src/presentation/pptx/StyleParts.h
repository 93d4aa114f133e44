#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "presentation/pptx/RunProperties.h"

namespace sw::pres {

class ZipPackage;

struct Theme {
    ColorScheme colors;  // dk1, lt1, accent1, ...
    std::string majorLatin, majorEastAsian, majorComplex;  // +mj-lt, +mj-ea, +mj-cs
    std::string minorLatin, minorEastAsian, minorComplex;  // +mn-lt, +mn-ea, +mn-cs

    // The typeface a theme font reference (+mj-lt, +mn-ea, ...) stands for;
    // an East Asian or complex script slot the theme leaves empty falls back
    // to the Latin font of the same group.
    std::string_view font(std::string_view reference) const;
};

// The list style of one placeholder of a layout or master.
struct PlaceholderStyle {
    std::string type;  // "obj" when the placeholder names none
    std::string idx;   // "0" when the placeholder names none
    LevelStyles list;
};

struct Master {
    std::vector<PlaceholderStyle> placeholders;
    LevelStyles titleStyle, bodyStyle, otherStyle;
    ColorMap colorMap;  // p:clrMap: tx1 -> dk1 ...
    std::shared_ptr<const Theme> theme;
};

struct Layout {
    std::vector<PlaceholderStyle> placeholders;
    std::optional<ColorMap> colorMapOverride;
    std::shared_ptr<const Master> master;
};

// The layouts, masters and themes of one package, each parsed once however
// many slides use it. Missing parts give null pointers: formatting then
// falls back to what is known.
class StyleParts {
public:
    explicit StyleParts(const ZipPackage& package) : package_(package) {}

    std::shared_ptr<const Layout> layout(const std::string& part);

private:
    std::shared_ptr<const Master> master(const std::string& part);
    std::shared_ptr<const Theme> theme(const std::string& part);

    const ZipPackage& package_;
    std::map<std::string, std::shared_ptr<const Layout>> layouts_;
    std::map<std::string, std::shared_ptr<const Master>> masters_;
    std::map<std::string, std::shared_ptr<const Theme>> themes_;
};

// A colour map element's attributes (p:clrMap, a:overrideClrMapping).
ColorMap readColorMap(const pugi::xml_node& map);
// The colour-map override of a slide or layout (p:clrMapOvr), if it has one.
std::optional<ColorMap> readColorMapOverride(const pugi::xml_node& partRoot);

}  // namespace sw::pres
