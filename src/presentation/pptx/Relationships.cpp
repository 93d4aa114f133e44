#include "presentation/pptx/Relationships.h"

#include "presentation/pptx/PartName.h"
#include "presentation/pptx/XmlPart.h"
#include "presentation/pptx/ZipPackage.h"

namespace sw::pres {

bool isRelationshipType(std::string_view type, std::string_view name) {
    constexpr std::string_view transitional = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
    constexpr std::string_view strict = "http://purl.oclc.org/ooxml/officeDocument/relationships/";
    if (type.starts_with(transitional)) return type.substr(transitional.size()) == name;
    if (type.starts_with(strict)) return type.substr(strict.size()) == name;
    return false;
}

Relationships Relationships::read(const ZipPackage& package, const std::string& sourcePart) {
    Relationships rels;
    const std::string relsPart = relationshipsPartOf(sourcePart);
    auto bytes = package.read(relsPart);
    if (!bytes) return rels;
    XmlPart xml(std::move(*bytes), package.fileName(), relsPart);
    for (pugi::xml_node r : xml.root().children("pr:Relationship")) {
        Relationship rel{r.attribute("Id").value(), r.attribute("Type").value(), {}};
        std::string_view target = r.attribute("Target").value();
        std::string_view mode = r.attribute("TargetMode").value();
        // Some producers write the literal "NULL" for a relationship to nothing.
        if (mode != "External" && !target.empty() && target != "NULL")
            rel.target = resolvePartTarget(sourcePart, target);
        rels.items_.push_back(std::move(rel));
    }
    if (rels.items_.size() > kSearchedInOrder)
        for (std::size_t i = 0; i < rels.items_.size(); ++i)
            rels.positions_.emplace(rels.items_[i].id, i);  // a repeated id keeps its first target
    return rels;
}

const Relationship* Relationships::byId(std::string_view id) const {
    if (items_.size() <= kSearchedInOrder) {
        for (const auto& r : items_)
            if (r.id == id) return &r;
        return nullptr;
    }
    auto it = positions_.find(std::string(id));
    return it == positions_.end() ? nullptr : &items_[it->second];
}

const Relationship* Relationships::byType(std::string_view name) const {
    for (const auto& r : items_)
        if (!r.target.empty() && isRelationshipType(r.type, name)) return &r;
    return nullptr;
}

bool Relationships::hasExactType(std::string_view typeUri) const {
    for (const auto& r : items_)
        if (r.type == typeUri) return true;
    return false;
}

}  // namespace sw::pres
