#pragma once
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "presentation/CharFormat.h"
#include "presentation/ppt/Record.h"
#include "presentation/ppt/CharProps.h"

namespace sw::pres::ppt {

// What a run needs to become a CharFormat: the document's fonts, a master's
// text styles per text type and level, and the colour scheme in force.
class StyleSheet {
public:
    struct Font {
        std::string name;
        bool symbol = false;  // SYMBOL_CHARSET (2)
    };
    using ColorScheme = std::array<std::uint32_t, 8>;  // 0xRRGGBB

    // FontCollection (from the Environment): one FontEntityAtom per fontRef.
    void readFonts(const Record& fontCollection);
    // A master's TextMasterStyleAtom (instance = text type). Throws
    // FormatError when it cannot be sized.
    void readMasterStyle(const Record& atom);
    static std::optional<ColorScheme> readColorScheme(const Record& atom);

    // The effective format of a run: its own properties, then the master's
    // for the text type and level, then the master's for the base type
    // (centred title → title, the other bodies → body).
    CharFormat resolve(const CharProps& run, std::uint32_t textType, int level,
                       const std::optional<ColorScheme>& scheme) const;

    const std::vector<Font>& fonts() const { return fonts_; }

private:
    const CharProps* masterLevel(std::uint32_t textType, int level) const;
    std::vector<Font> fonts_;
    std::map<std::uint32_t, std::vector<CharProps>> master_;  // text type → levels
};

}  // namespace sw::pres::ppt
