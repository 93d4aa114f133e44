#include "presentation/pptx/RunFormats.h"

#include <cmath>
#include <string_view>

#include "presentation/Utf8.h"

namespace sw::pres {
namespace {

// Fonts drawn from a symbol character set even when the part does not say so.
bool isSymbolFontName(std::string_view name) {
    return name == "Symbol" || name.starts_with("Wingdings") || name == "Webdings" || name == "Marlett" ||
           name == "MT Extra";
}

// How many distinct run property sets are remembered per level: real decks
// use a handful; hostile ones must not grow the cache without bound.
constexpr std::size_t kKnownPerLevel = 64;

}  // namespace

LevelStyles RunFormats::inherited(LevelStyles own, const PlaceholderStyle* layoutPlaceholder, const Master* master,
                                  bool title) const {
    if (layoutPlaceholder) own.inheritFrom(layoutPlaceholder->list);
    if (master) {
        // Layout placeholders map onto the master's title or body placeholder.
        for (const auto& p : master->placeholders) {
            if (title ? (p.type == "title" || p.type == "ctrTitle") : p.type == "body") {
                own.inheritFrom(p.list);
                break;
            }
        }
        own.inheritFrom(title ? master->titleStyle : master->bodyStyle);
    }
    own.inheritFrom(defaults_);
    return own;
}

const LevelStyles& RunFormats::inherited(const PlaceholderStyle* layoutPlaceholder, const Master* master,
                                         bool title) {
    auto& slot = chains_[{layoutPlaceholder, master, title}];
    if (!slot) slot = std::make_unique<const LevelStyles>(inherited(LevelStyles{}, layoutPlaceholder, master, title));
    return *slot;
}

CharFormat RunFormats::resolve(const RunProperties& own, const RunProperties& level, BlockRole role,
                               const Theme* theme, const ColorContext& colors) {
    // As RunProperties::inheritFrom would merge the two, without copying either.
    CharFormat f;
    f.bold = own.bold.value_or(level.bold.value_or(false));
    f.italic = own.italic.value_or(level.italic.value_or(false));
    f.strike = own.strike.value_or(level.strike.value_or(false));
    f.underline = own.underline.value_or(level.underline.value_or(Underline::None));
    if (const auto& b = own.baseline ? own.baseline : level.baseline)
        f.baseline = *b > 0 ? Baseline::Super : *b < 0 ? Baseline::Sub : Baseline::Normal;
    if (const auto& sz = own.sizeHundredths ? own.sizeHundredths : level.sizeHundredths)
        f.sizeHalfPoints = static_cast<int>(std::lround(*sz / 50.0));
    // The typeface and its character set come as a pair from one level.
    const bool ownFace = own.typeface || !level.typeface;
    const std::optional<std::string>& typeface = ownFace ? own.typeface : level.typeface;
    const std::optional<bool>& symbolCharset = ownFace ? own.symbolCharset : level.symbolCharset;
    std::string_view face = typeface ? std::string_view(*typeface) : role == BlockRole::Title ? "+mj-lt" : "+mn-lt";
    // Theme fonts: +mj-xx is the major (heading) font, +mn-xx the minor one.
    if (face.starts_with("+mj-") || face.starts_with("+mn-")) face = theme ? theme->font(face) : std::string_view();
    f.font = isValidUtf8(face) ? std::string(face) : validUtf8(face);
    f.symbolFont = !f.font.empty() && (symbolCharset.value_or(false) || isSymbolFontName(f.font));
    if (const auto& color = own.color ? own.color : level.color) f.color = color->resolve(colors);
    return f;
}

const CharFormat& RunFormats::cached(const RunProperties& own, const RunProperties& level, BlockRole role,
                                     const Theme* theme, const ColorContext& colors) {
    auto& known = formats_[{&level, role, theme, colors.colorMap, colors.scheme}];
    for (const Known& k : known)
        if (k.own == own) return k.format;
    if (known.size() == kKnownPerLevel) known.erase(known.begin());  // the oldest goes
    known.push_back({own, resolve(own, level, role, theme, colors)});
    return known.back().format;
}

}  // namespace sw::pres
