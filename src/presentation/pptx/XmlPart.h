#pragma once
#include <string>

#include <pugixml.hpp>

namespace sw::pres {

// One parsed XML part with namespace prefixes made canonical: every element
// and attribute in a namespace the reader understands is renamed to a fixed
// prefix, whatever prefix the producer chose and whether the namespace is
// the transitional or the Strict one:
//   p:  PresentationML   a:  DrawingML   r:  relationships (in markup)
//   mc: markup compatibility   pr: package relationships
// Names in other namespaces get the prefix "~", so they never match.
// mc:AlternateContent is replaced by the content of the branch the reader
// understands (a Choice whose Requires names only the namespaces above,
// else the Fallback).
class XmlPart {
public:
    // Throws EngineError (Damaged) naming the file and the part when the
    // bytes are not well-formed XML.
    XmlPart(std::string bytes, const std::string& fileName, const std::string& partName);

    pugi::xml_node root() const { return doc_.document_element(); }
    const std::string& name() const { return partName_; }

private:
    void canonicalize();
    std::string partName_;
    std::string bytes_;  // parsed in place: the tree points into it
    pugi::xml_document doc_;
};

// Attribute helpers for xsd types.
bool xmlBool(const pugi::xml_attribute& attr, bool fallback);
// A percentage in thousandths of a percent, as transitional packages write
// it ("50000"); Strict packages write "50%", which gives the same 50000.
int xmlPercent(const pugi::xml_attribute& attr);

}  // namespace sw::pres
