#include "presentation/pptx/XmlPart.h"

#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

#include "presentation/EngineError.h"

namespace sw::pres {
namespace {

struct KnownNamespace {
    const char* uri;
    const char* prefix;
};

constexpr KnownNamespace kNamespaces[] = {
    {"http://schemas.openxmlformats.org/presentationml/2006/main", "p"},
    {"http://purl.oclc.org/ooxml/presentationml/main", "p"},
    {"http://schemas.openxmlformats.org/drawingml/2006/main", "a"},
    {"http://purl.oclc.org/ooxml/drawingml/main", "a"},
    {"http://schemas.openxmlformats.org/officeDocument/2006/relationships", "r"},
    {"http://purl.oclc.org/ooxml/officeDocument/relationships", "r"},
    {"http://schemas.openxmlformats.org/markup-compatibility/2006", "mc"},
    {"http://schemas.openxmlformats.org/package/2006/relationships", "pr"},
};

const char* canonicalPrefix(std::string_view uri) {
    for (const auto& ns : kNamespaces)
        if (uri == ns.uri) return ns.prefix;
    return "~";
}

// Namespaces whose markup this reader handles, for mc:Choice@Requires.
bool understood(std::string_view canonical) {
    return canonical == "p" || canonical == "a" || canonical == "r";
}

// The in-scope prefix bindings while walking the tree.
class Scope {
public:
    void bind(std::string prefix, const char* canonical) { bindings_.emplace_back(std::move(prefix), canonical); }
    std::size_t mark() const { return bindings_.size(); }
    void release(std::size_t mark) { bindings_.resize(mark); }
    // Canonical prefix for a prefix ("" = default namespace); nullptr when unbound.
    const char* lookup(std::string_view prefix) const {
        for (auto it = bindings_.rbegin(); it != bindings_.rend(); ++it)
            if (it->first == prefix) return it->second;
        return nullptr;
    }

private:
    std::vector<std::pair<std::string, const char*>> bindings_;
};

// The canonical form of a name, or an empty string when the name already is
// canonical (the usual case: producers mostly write p:, a: and r:).
std::string canonicalName(const Scope& scope, std::string_view name, bool isAttribute) {
    auto colon = name.find(':');
    if (colon == std::string_view::npos) {
        if (isAttribute) return {};  // unprefixed attributes are in no namespace
        const char* c = scope.lookup("");
        if (!c) return {};
        return std::string(c) + ":" + std::string(name);
    }
    std::string_view prefix = name.substr(0, colon);
    if (prefix == "xml") return {};
    const char* c = scope.lookup(prefix);
    if (c && prefix == c) return {};
    return std::string(c ? c : "~") + std::string(name.substr(colon));
}

void resolveAlternateContent(pugi::xml_node ac) {
    pugi::xml_node chosen;
    for (pugi::xml_node branch : ac.children()) {
        std::string_view n = branch.name();
        if (n == "mc:Choice" && std::string_view(branch.attribute("Requires").value()) == "ok") {
            chosen = branch;
            break;
        }
        if (n == "mc:Fallback" && !chosen) chosen = branch;
    }
    pugi::xml_node parent = ac.parent();
    if (chosen) {
        while (pugi::xml_node child = chosen.first_child()) parent.insert_move_before(child, ac);
    }
    parent.remove_child(ac);
}

}  // namespace

bool xmlBool(const pugi::xml_attribute& attr, bool fallback) {
    if (!attr) return fallback;
    std::string_view v = attr.value();
    if (v == "1" || v == "true" || v == "on") return true;
    if (v == "0" || v == "false" || v == "off") return false;
    return fallback;
}

XmlPart::XmlPart(std::string bytes, const std::string& fileName, const std::string& partName)
    : partName_(partName), bytes_(std::move(bytes)) {
    // Whitespace-only text is kept where it is an element's only content: a
    // run whose text is " " is real text.
    const unsigned options = pugi::parse_default | pugi::parse_ws_pcdata_single;
    pugi::xml_parse_result result = doc_.load_buffer_inplace(bytes_.data(), bytes_.size(), options);
    if (!result || !doc_.document_element()) {
        std::string reason = result ? "it holds no element" : result.description();
        throw EngineError(ErrorKind::Damaged, "\"" + fileName + "\": the package is damaged: part " + partName +
                                                  " is not well-formed XML: " + reason + " at byte " +
                                                  std::to_string(result.offset));
    }
    canonicalize();
}

void XmlPart::canonicalize() {
    Scope scope;
    std::vector<std::size_t> marks;  // one per open element: an explicit stack, no recursion
    std::vector<pugi::xml_node> alternates;
    pugi::xml_node node = doc_.document_element();
    while (node) {
        // Enter the element: bind its namespace declarations, then rename.
        marks.push_back(scope.mark());
        for (pugi::xml_attribute a : node.attributes()) {
            std::string_view n = a.name();
            if (n == "xmlns") scope.bind("", canonicalPrefix(a.value()));
            else if (n.starts_with("xmlns:")) scope.bind(std::string(n.substr(6)), canonicalPrefix(a.value()));
        }
        if (std::string name = canonicalName(scope, node.name(), false); !name.empty()) node.set_name(name.c_str());
        for (pugi::xml_attribute a : node.attributes()) {
            std::string_view n = a.name();
            if (n.find(':') == std::string_view::npos || n.starts_with("xmlns:")) continue;
            if (std::string name = canonicalName(scope, n, true); !name.empty()) a.set_name(name.c_str());
        }
        std::string_view name = node.name();
        if (name == "mc:AlternateContent") alternates.push_back(node);
        if (name == "mc:Choice") {
            // Requires lists prefixes, which are only meaningful here.
            bool ok = true;
            std::string_view req = node.attribute("Requires").value();
            while (!req.empty()) {
                auto sp = req.find(' ');
                std::string_view prefix = req.substr(0, sp);
                req = sp == std::string_view::npos ? std::string_view() : req.substr(sp + 1);
                if (prefix.empty()) continue;
                const char* c = scope.lookup(prefix);
                if (!c || !understood(c)) ok = false;
            }
            pugi::xml_attribute r = node.attribute("Requires");
            if (!r) r = node.append_attribute("Requires");
            r.set_value(ok ? "ok" : "no");
        }

        pugi::xml_node child = node.first_child();
        while (child && child.type() != pugi::node_element) child = child.next_sibling();
        if (child) {
            node = child;
            continue;
        }
        // Leave elements until one has a next element sibling.
        while (node) {
            scope.release(marks.back());
            marks.pop_back();
            pugi::xml_node next = node.next_sibling();
            while (next && next.type() != pugi::node_element) next = next.next_sibling();
            if (next) {
                node = next;
                break;
            }
            node = node.parent();
            if (node.type() != pugi::node_element) node = pugi::xml_node();
        }
    }
    // Innermost first: an inner element may sit in a branch the outer one drops.
    for (auto it = alternates.rbegin(); it != alternates.rend(); ++it) resolveAlternateContent(*it);
}

}  // namespace sw::pres
