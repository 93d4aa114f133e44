#include "presentation/pptx/ShapeTree.h"

#include <string_view>

namespace sw::pres {
namespace {

void walk(const pugi::xml_node& tree, const std::function<void(const pugi::xml_node&)>& visit, int depth) {
    for (pugi::xml_node child : tree.children()) {
        std::string_view n = child.name();
        if (n == "p:sp") visit(child);
        else if (n == "p:grpSp" && depth < kMaxGroupDepth) walk(child, visit, depth + 1);
    }
}

}  // namespace

void forEachShape(const pugi::xml_node& tree, const std::function<void(const pugi::xml_node&)>& visit) {
    walk(tree, visit, 0);
}

pugi::xml_node placeholderOf(const pugi::xml_node& shape) {
    return shape.child("p:nvSpPr").child("p:nvPr").child("p:ph");
}

const char* placeholderType(const pugi::xml_node& ph) {
    const char* t = ph.attribute("type").value();
    return *t ? t : "obj";
}

}  // namespace sw::pres
