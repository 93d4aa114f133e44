#include "presentation/pptx/ColorSpec.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "presentation/pptx/XmlPart.h"

namespace sw::pres {
namespace {

std::optional<std::uint32_t> parseHex(std::string_view v) {
    if (v.size() != 6) return std::nullopt;
    std::uint32_t out = 0;
    for (char c : v) {
        int d = (c >= '0' && c <= '9') ? c - '0' : (c >= 'a' && c <= 'f') ? c - 'a' + 10 : (c >= 'A' && c <= 'F') ? c - 'A' + 10 : -1;
        if (d < 0) return std::nullopt;
        out = out * 16 + static_cast<std::uint32_t>(d);
    }
    return out;
}

// A few preset colour names (a:prstClr); others stay automatic.
std::optional<std::uint32_t> presetColor(std::string_view name) {
    static const std::pair<const char*, std::uint32_t> table[] = {
        {"black", 0x000000}, {"white", 0xFFFFFF}, {"red", 0xFF0000}, {"green", 0x008000}, {"blue", 0x0000FF},
        {"yellow", 0xFFFF00}, {"cyan", 0x00FFFF}, {"magenta", 0xFF00FF}, {"gray", 0x808080}, {"grey", 0x808080},
        {"orange", 0xFFA500}, {"purple", 0x800080}, {"darkBlue", 0x00008B}, {"darkRed", 0x8B0000},
    };
    for (const auto& [n, rgb] : table)
        if (name == n) return rgb;
    return std::nullopt;
}

struct Hsl {
    double h, s, l;
};

Hsl toHsl(std::uint32_t rgb) {
    double r = ((rgb >> 16) & 0xFF) / 255.0, g = ((rgb >> 8) & 0xFF) / 255.0, b = (rgb & 0xFF) / 255.0;
    double mx = std::max({r, g, b}), mn = std::min({r, g, b});
    double l = (mx + mn) / 2, h = 0, s = 0;
    if (mx != mn) {
        double d = mx - mn;
        s = l > 0.5 ? d / (2 - mx - mn) : d / (mx + mn);
        if (mx == r) h = (g - b) / d + (g < b ? 6 : 0);
        else if (mx == g) h = (b - r) / d + 2;
        else h = (r - g) / d + 4;
        h /= 6;
    }
    return {h, s, l};
}

double hueToRgb(double p, double q, double t) {
    if (t < 0) t += 1;
    if (t > 1) t -= 1;
    if (t < 1.0 / 6) return p + (q - p) * 6 * t;
    if (t < 0.5) return q;
    if (t < 2.0 / 3) return p + (q - p) * (2.0 / 3 - t) * 6;
    return p;
}

std::uint32_t fromHsl(Hsl c) {
    double r, g, b;
    if (c.s == 0) {
        r = g = b = c.l;
    } else {
        double q = c.l < 0.5 ? c.l * (1 + c.s) : c.l + c.s - c.l * c.s;
        double p = 2 * c.l - q;
        r = hueToRgb(p, q, c.h + 1.0 / 3);
        g = hueToRgb(p, q, c.h);
        b = hueToRgb(p, q, c.h - 1.0 / 3);
    }
    auto byte = [](double v) { return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
    return (byte(r) << 16) | (byte(g) << 8) | byte(b);
}

const char* defaultMapping(std::string_view name) {
    if (name == "tx1") return "dk1";
    if (name == "bg1") return "lt1";
    if (name == "tx2") return "dk2";
    if (name == "bg2") return "lt2";
    return nullptr;
}

}  // namespace

std::uint32_t ColorSpec::apply(std::uint32_t rgb, Modifier modifier, int value) {
    const double v = value / 100000.0;
    if (modifier == Modifier::LumMod || modifier == Modifier::LumOff) {
        Hsl c = toHsl(rgb);
        c.l = modifier == Modifier::LumMod ? c.l * v : c.l + v;
        c.l = std::clamp(c.l, 0.0, 1.0);
        return fromHsl(c);
    }
    // tint moves towards white, shade towards black (per channel, a simple
    // approximation of the linear-light rule; close enough for an outline).
    auto channel = [&](int shift) {
        double x = ((rgb >> shift) & 0xFF) / 255.0;
        x = modifier == Modifier::Tint ? 1 - (1 - x) * v : x * v;
        return static_cast<std::uint32_t>(std::lround(std::clamp(x, 0.0, 1.0) * 255)) << shift;
    };
    return channel(16) | channel(8) | channel(0);
}

std::optional<ColorSpec> ColorSpec::fromFill(const pugi::xml_node& fill) {
    for (pugi::xml_node c : fill.children())
        if (auto spec = fromColor(c)) return spec;
    return std::nullopt;
}

std::optional<ColorSpec> ColorSpec::fromColor(const pugi::xml_node& c) {
    std::string_view n = c.name();
    ColorSpec spec;
    if (n == "a:srgbClr") {
        auto rgb = parseHex(c.attribute("val").value());
        if (!rgb) return std::nullopt;
        spec.rgb_ = *rgb;
    } else if (n == "a:sysClr") {
        auto rgb = parseHex(c.attribute("lastClr").value());
        if (!rgb) rgb = std::string_view(c.attribute("val").value()) == "window" ? 0xFFFFFF : 0x000000;
        spec.rgb_ = *rgb;
    } else if (n == "a:prstClr") {
        auto rgb = presetColor(c.attribute("val").value());
        if (!rgb) return std::nullopt;
        spec.rgb_ = *rgb;
    } else if (n == "a:scrgbClr") {
        auto pct = [&](const char* a) {
            return static_cast<std::uint32_t>(std::clamp(xmlPercent(c.attribute(a)) / 100000.0, 0.0, 1.0) * 255 + 0.5);
        };
        spec.rgb_ = (pct("r") << 16) | (pct("g") << 8) | pct("b");
    } else if (n == "a:schemeClr") {
        spec.kind_ = Kind::Scheme;
        spec.scheme_ = c.attribute("val").value();
    } else {
        return std::nullopt;
    }
    for (pugi::xml_node m : c.children()) {
        std::string_view mn = m.name();
        Modifier modifier;
        if (mn == "a:lumMod") modifier = Modifier::LumMod;
        else if (mn == "a:lumOff") modifier = Modifier::LumOff;
        else if (mn == "a:tint") modifier = Modifier::Tint;
        else if (mn == "a:shade") modifier = Modifier::Shade;
        else continue;
        spec.addModifier(modifier, xmlPercent(m.attribute("val")));
    }
    return spec;
}

void ColorSpec::addModifier(Modifier modifier, int value) {
    if (firstCount_ < kInline) firstModifiers_[firstCount_++] = {modifier, value};
    else moreModifiers_.push_back({modifier, value});
}

std::optional<std::uint32_t> ColorSpec::resolve(const ColorContext& context) const {
    std::uint32_t rgb = rgb_;
    if (kind_ == Kind::Scheme) {
        if (!context.scheme) return std::nullopt;
        std::string_view slot = scheme_;
        if (context.colorMap) {
            if (auto it = context.colorMap->find(slot); it != context.colorMap->end()) slot = it->second;
            else if (const char* d = defaultMapping(slot)) slot = d;
        } else if (const char* d = defaultMapping(slot)) {
            slot = d;
        }
        auto it = context.scheme->find(slot);
        if (it == context.scheme->end()) return std::nullopt;  // phClr and unknown slots stay automatic
        rgb = it->second;
    }
    for (std::size_t i = 0; i < firstCount_; ++i) rgb = apply(rgb, firstModifiers_[i].modifier, firstModifiers_[i].value);
    for (const auto& [modifier, value] : moreModifiers_) rgb = apply(rgb, modifier, value);
    return rgb;
}

ColorScheme readColorScheme(const pugi::xml_node& clrScheme) {
    ColorScheme out;
    ColorContext none;
    for (pugi::xml_node slot : clrScheme.children()) {
        std::string_view n = slot.name();
        if (!n.starts_with("a:")) continue;
        for (pugi::xml_node c : slot.children()) {
            auto spec = ColorSpec::fromColor(c);
            if (!spec) continue;
            if (auto rgb = spec->resolve(none)) out[std::string(n.substr(2))] = *rgb;
            break;
        }
    }
    return out;
}

}  // namespace sw::pres
