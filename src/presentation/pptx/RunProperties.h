#pragma once
#include <array>
#include <optional>
#include <string>

#include <pugixml.hpp>

#include "presentation/CharFormat.h"
#include "presentation/pptx/ColorSpec.h"

namespace sw::pres {

// Character properties as one level of the inheritance chain states them:
// every field is optional, so a more specific level can be completed from a
// more general one.
struct RunProperties {
    std::optional<bool> bold, italic, strike;
    std::optional<Underline> underline;
    std::optional<int> sizeHundredths;  // a:rPr@sz, 1/100 pt
    std::optional<int> baseline;        // 1/1000 %
    std::optional<std::string> typeface;
    std::optional<bool> symbolCharset;
    std::optional<ColorSpec> color;

    // From a:rPr, a:defRPr or a:endParaRPr (a null node gives nothing).
    static RunProperties read(const pugi::xml_node& rPr);
    // True when the element states nothing this reader uses (only lang,
    // dirty and the like): the run then looks exactly like its level.
    bool empty() const {
        return !bold && !italic && !strike && !underline && !sizeHundredths && !baseline && !typeface &&
               !symbolCharset && !color;
    }
    // Fills the fields this one leaves open from a more general level.
    void inheritFrom(const RunProperties& general);

    bool operator==(const RunProperties&) const = default;
};

// The default run properties of the nine paragraph levels of a list style
// (a:lstStyle, p:titleStyle, p:bodyStyle, p:otherStyle, p:defaultTextStyle):
// a:lvlNpPr/a:defRPr, completed from a:defPPr/a:defRPr.
struct LevelStyles {
    std::array<RunProperties, 9> levels;

    static LevelStyles read(const pugi::xml_node& listStyle);
    void inheritFrom(const LevelStyles& general);
};

}  // namespace sw::pres
