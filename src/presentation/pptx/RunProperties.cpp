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
    // One pass over the attributes and the children: this runs for every
    // run. As with a lookup by name, the first of repeated attributes counts.
    unsigned seen = 0;
    const auto first = [&](unsigned bit) {
        const bool isFirst = !(seen & bit);
        seen |= bit;
        return isFirst;
    };
    for (pugi::xml_attribute a = rPr.first_attribute(); a; a = a.next_attribute()) {
        const std::string_view n = a.name();
        if (n == "b") {
            if (first(1)) p.bold = xmlBool(a, false);
        } else if (n == "i") {
            if (first(2)) p.italic = xmlBool(a, false);
        } else if (n == "strike") {
            if (first(4)) p.strike = std::string_view(a.value()) != "noStrike";
        } else if (n == "u") {
            if (first(8)) p.underline = underlineKind(a.value());
        } else if (n == "sz") {
            int sz = a.as_int();
            if (first(16) && sz >= 100 && sz <= 400000) p.sizeHundredths = sz;
        } else if (n == "baseline") {
            if (first(32)) p.baseline = xmlPercent(a);
        }
    }
    bool latinSeen = false, fillSeen = false;
    for (pugi::xml_node c = rPr.first_child(); c; c = c.next_sibling()) {
        const std::string_view n = c.name();
        if (n == "a:latin" && !latinSeen) {
            latinSeen = true;
            if (auto tf = c.attribute("typeface"); tf && *tf.value()) p.typeface = tf.value();
            // Character set 2 is the symbol set (DrawingML keeps the Windows value).
            if (auto cs = c.attribute("charset")) p.symbolCharset = cs.as_int() == 2;
        } else if (n == "a:solidFill" && !fillSeen) {
            fillSeen = true;
            p.color = ColorSpec::fromFill(c);
        }
    }
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
