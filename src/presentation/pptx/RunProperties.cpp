#include "presentation/pptx/RunProperties.h"

#include <string_view>

#include "presentation/pptx/XmlPart.h"

namespace sw::pres {
namespace {

Underline underlineKind(std::string_view v) {
    if (v == "none") return Underline::None;
    if (v == "dbl") return Underline::Double;
    if (v == "heavy") return Underline::Thick;
    if (v.starts_with("dotted")) return Underline::Dotted;
    if (v.starts_with("dash") || v.starts_with("dotDash") || v.starts_with("dotDotDash")) return Underline::Dash;
    if (v.starts_with("wavy")) return Underline::Wave;
    return Underline::Single;  // sng, words
}

template <class T>
void inherit(std::optional<T>& mine, const std::optional<T>& general) {
    if (!mine && general) mine = general;
}

}  // namespace

RunProperties RunProperties::read(const pugi::xml_node& rPr) {
    RunProperties p;
    if (!rPr) return p;
    if (auto a = rPr.attribute("b")) p.bold = xmlBool(a, false);
    if (auto a = rPr.attribute("i")) p.italic = xmlBool(a, false);
    if (auto a = rPr.attribute("strike")) p.strike = std::string_view(a.value()) != "noStrike";
    if (auto a = rPr.attribute("u")) p.underline = underlineKind(a.value());
    if (auto a = rPr.attribute("sz")) {
        int sz = a.as_int();
        if (sz >= 100 && sz <= 400000) p.sizeHundredths = sz;
    }
    if (auto a = rPr.attribute("baseline")) p.baseline = a.as_int();
    if (auto latin = rPr.child("a:latin")) {
        if (auto tf = latin.attribute("typeface"); tf && *tf.value()) p.typeface = tf.value();
        // Character set 2 is the symbol set (DrawingML keeps the Windows value).
        if (auto cs = latin.attribute("charset")) p.symbolCharset = cs.as_int() == 2;
    }
    if (auto fill = rPr.child("a:solidFill")) p.color = ColorSpec::fromFill(fill);
    return p;
}

void RunProperties::inheritFrom(const RunProperties& g) {
    inherit(bold, g.bold);
    inherit(italic, g.italic);
    inherit(strike, g.strike);
    inherit(underline, g.underline);
    inherit(sizeHundredths, g.sizeHundredths);
    inherit(baseline, g.baseline);
    if (!typeface && g.typeface) {
        typeface = g.typeface;
        symbolCharset = g.symbolCharset;
    }
    inherit(color, g.color);
}

LevelStyles LevelStyles::read(const pugi::xml_node& listStyle) {
    LevelStyles s;
    if (!listStyle) return s;
    RunProperties defaults = RunProperties::read(listStyle.child("a:defPPr").child("a:defRPr"));
    static const char* const names[] = {"a:lvl1pPr", "a:lvl2pPr", "a:lvl3pPr", "a:lvl4pPr", "a:lvl5pPr",
                                        "a:lvl6pPr", "a:lvl7pPr", "a:lvl8pPr", "a:lvl9pPr"};
    for (std::size_t i = 0; i < s.levels.size(); ++i) {
        s.levels[i] = RunProperties::read(listStyle.child(names[i]).child("a:defRPr"));
        s.levels[i].inheritFrom(defaults);
    }
    return s;
}

void LevelStyles::inheritFrom(const LevelStyles& general) {
    for (std::size_t i = 0; i < levels.size(); ++i) levels[i].inheritFrom(general.levels[i]);
}

}  // namespace sw::pres
