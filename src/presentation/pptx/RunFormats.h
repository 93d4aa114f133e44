#pragma once
#include <map>
#include <memory>
#include <tuple>
#include <vector>

#include "presentation/CharFormat.h"
#include "presentation/OutlineSink.h"
#include "presentation/pptx/ColorSpec.h"
#include "presentation/pptx/RunProperties.h"
#include "presentation/pptx/StyleParts.h"

namespace sw::pres {

// Effective run formats, and what they inherit, worked out once per package
// rather than once per run: a deck repeats the same few placeholders and
// run properties on every slide.
//
// Everything cached is keyed by objects that live as long as the package's
// StyleParts and defaults (layouts, masters, themes, their colour maps), so
// a key can never be taken over by another object while this lives.
class RunFormats {
public:
    explicit RunFormats(const LevelStyles& presentationDefaults) : defaults_(presentationDefaults) {}

    // What a placeholder's runs inherit when its shape has no list style of
    // its own: the layout placeholder (may be null), the master's title or
    // body placeholder and text style, then the presentation defaults.
    const LevelStyles& inherited(const PlaceholderStyle* layoutPlaceholder, const Master* master, bool title);
    // The same chain below a shape's own list style (not cached).
    LevelStyles inherited(LevelStyles own, const PlaceholderStyle* layoutPlaceholder, const Master* master,
                          bool title) const;

    // The effective format of a run: its own properties completed from its
    // level's, theme fonts and scheme colours resolved.
    static CharFormat resolve(const RunProperties& own, const RunProperties& level, BlockRole role,
                              const Theme* theme, const ColorContext& colors);
    // The same, remembered: `level` must come from inherited(...) above and
    // the colour context from the package's style parts.
    const CharFormat& cached(const RunProperties& own, const RunProperties& level, BlockRole role,
                             const Theme* theme, const ColorContext& colors);

private:
    const LevelStyles& defaults_;
    std::map<std::tuple<const PlaceholderStyle*, const Master*, bool>, std::unique_ptr<const LevelStyles>> chains_;
    struct Known {
        RunProperties own;
        CharFormat format;
    };
    using FormatKey = std::tuple<const RunProperties*, BlockRole, const Theme*, const ColorMap*, const ColorScheme*>;
    std::map<FormatKey, std::vector<Known>> formats_;
};

}  // namespace sw::pres
