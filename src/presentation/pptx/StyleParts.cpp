#include "presentation/pptx/StyleParts.h"

#include "presentation/pptx/Relationships.h"
#include "presentation/pptx/ShapeTree.h"
#include "presentation/pptx/XmlPart.h"
#include "presentation/pptx/ZipPackage.h"

namespace sw::pres {
namespace {

std::vector<PlaceholderStyle> readPlaceholders(const pugi::xml_node& root) {
    std::vector<PlaceholderStyle> out;
    forEachShape(root.child("p:cSld").child("p:spTree"), [&](const pugi::xml_node& sp) {
        pugi::xml_node ph = placeholderOf(sp);
        if (!ph) return;
        const char* idx = ph.attribute("idx").value();
        out.push_back({placeholderType(ph), *idx ? idx : "0", LevelStyles::read(sp.child("p:txBody").child("a:lstStyle"))});
    });
    return out;
}

}  // namespace

ColorMap readColorMap(const pugi::xml_node& map) {
    ColorMap out;
    for (pugi::xml_attribute a : map.attributes()) out[a.name()] = a.value();
    return out;
}

std::optional<ColorMap> readColorMapOverride(const pugi::xml_node& partRoot) {
    pugi::xml_node o = partRoot.child("p:clrMapOvr").child("a:overrideClrMapping");
    if (!o) return std::nullopt;
    return readColorMap(o);
}

std::string_view Theme::font(std::string_view reference) const {
    const bool major = reference.starts_with("+mj-");
    const std::string& latin = major ? majorLatin : minorLatin;
    const std::string_view script = reference.substr(4);
    const std::string& other = script == "ea" ? (major ? majorEastAsian : minorEastAsian)
                               : script == "cs" ? (major ? majorComplex : minorComplex)
                                                : latin;
    return other.empty() ? latin : other;
}

std::shared_ptr<const Layout> StyleParts::layout(const std::string& part) {
    if (auto it = layouts_.find(part); it != layouts_.end()) return it->second;
    std::shared_ptr<Layout> layout;
    if (auto bytes = package_.read(part)) {
        XmlPart xml(std::move(*bytes), package_.fileName(), part);
        layout = std::make_shared<Layout>();
        layout->placeholders = readPlaceholders(xml.root());
        layout->colorMapOverride = readColorMapOverride(xml.root());
        auto rels = Relationships::read(package_, part);
        if (auto* r = rels.byType("slideMaster")) layout->master = master(r->target);
    }
    layouts_[part] = layout;
    return layout;
}

std::shared_ptr<const Master> StyleParts::master(const std::string& part) {
    if (auto it = masters_.find(part); it != masters_.end()) return it->second;
    std::shared_ptr<Master> master;
    if (auto bytes = package_.read(part)) {
        XmlPart xml(std::move(*bytes), package_.fileName(), part);
        master = std::make_shared<Master>();
        pugi::xml_node root = xml.root();
        master->placeholders = readPlaceholders(root);
        pugi::xml_node styles = root.child("p:txStyles");
        master->titleStyle = LevelStyles::read(styles.child("p:titleStyle"));
        master->bodyStyle = LevelStyles::read(styles.child("p:bodyStyle"));
        master->otherStyle = LevelStyles::read(styles.child("p:otherStyle"));
        master->colorMap = readColorMap(root.child("p:clrMap"));
        auto rels = Relationships::read(package_, part);
        if (auto* r = rels.byType("theme")) master->theme = theme(r->target);
    }
    masters_[part] = master;
    return master;
}

std::shared_ptr<const Theme> StyleParts::theme(const std::string& part) {
    if (auto it = themes_.find(part); it != themes_.end()) return it->second;
    std::shared_ptr<Theme> theme;
    if (auto bytes = package_.read(part)) {
        XmlPart xml(std::move(*bytes), package_.fileName(), part);
        theme = std::make_shared<Theme>();
        pugi::xml_node elements = xml.root().child("a:themeElements");
        theme->colors = readColorScheme(elements.child("a:clrScheme"));
        pugi::xml_node fonts = elements.child("a:fontScheme");
        pugi::xml_node major = fonts.child("a:majorFont"), minor = fonts.child("a:minorFont");
        theme->majorLatin = major.child("a:latin").attribute("typeface").value();
        theme->majorEastAsian = major.child("a:ea").attribute("typeface").value();
        theme->majorComplex = major.child("a:cs").attribute("typeface").value();
        theme->minorLatin = minor.child("a:latin").attribute("typeface").value();
        theme->minorEastAsian = minor.child("a:ea").attribute("typeface").value();
        theme->minorComplex = minor.child("a:cs").attribute("typeface").value();
    }
    themes_[part] = theme;
    return theme;
}

}  // namespace sw::pres
