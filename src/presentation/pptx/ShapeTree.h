#pragma once
#include <functional>

#include <pugixml.hpp>

namespace sw::pres {

// Group shapes nested deeper than this are ignored: no producer nests that
// deep, and the walk must stay bounded on hostile input.
constexpr int kMaxGroupDepth = 32;

// Calls visit for every p:sp of a shape tree (p:spTree or p:grpSp) in
// document order, descending into p:grpSp groups up to kMaxGroupDepth.
void forEachShape(const pugi::xml_node& tree, const std::function<void(const pugi::xml_node&)>& visit);

// The placeholder element (p:nvSpPr/p:nvPr/p:ph) of a shape, or a null node.
pugi::xml_node placeholderOf(const pugi::xml_node& shape);

// A placeholder's type, "obj" when the attribute is absent.
const char* placeholderType(const pugi::xml_node& ph);

}  // namespace sw::pres
