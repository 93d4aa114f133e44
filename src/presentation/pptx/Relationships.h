#pragma once
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace sw::pres {

class ZipPackage;

struct Relationship {
    std::string id;
    std::string type;
    std::string target;  // resolved part name; empty for external, "NULL" and unusable targets
};

// The relationships of one part (its .rels part), targets already resolved.
class Relationships {
public:
    // A missing .rels part means no relationships. Throws EngineError when the
    // .rels part exists but cannot be read or parsed.
    static Relationships read(const ZipPackage& package, const std::string& sourcePart);

    const Relationship* byId(std::string_view id) const;
    // The first internal relationship of a type (see isRelationshipType).
    const Relationship* byType(std::string_view name) const;
    // Whether some relationship has exactly this type URI.
    bool hasExactType(std::string_view typeUri) const;

private:
    std::vector<Relationship> items_;
    // Id -> position of its first relationship: a presentation's own part
    // lists every slide, and each slide is looked up by id. Only parts with
    // many relationships get the map; a slide's few are searched in order.
    static constexpr std::size_t kSearchedInOrder = 16;
    std::unordered_map<std::string, std::size_t> positions_;
};

// True when type is the officeDocument relationship type `name` ("slide",
// "slideLayout", "officeDocument", ...) in its transitional or Strict form.
bool isRelationshipType(std::string_view type, std::string_view name);

}  // namespace sw::pres
