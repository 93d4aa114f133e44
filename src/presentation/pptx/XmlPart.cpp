#include "presentation/pptx/XmlPart.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
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

// The in-scope prefix bindings while walking the tree. Prefixes are views of
// the xmlns attribute names, which live in the document and are never renamed.
class Scope {
public:
    void bind(std::string_view prefix, const char* canonical) { bindings_.emplace_back(prefix, canonical); }
    std::size_t mark() const { return bindings_.size(); }
    void release(std::size_t mark) { bindings_.resize(mark); }
    // Canonical prefix for a prefix ("" = default namespace); nullptr when unbound.
    const char* lookup(std::string_view prefix) const {
        for (auto it = bindings_.rbegin(); it != bindings_.rend(); ++it)
            if (it->first == prefix) return it->second;
        return nullptr;
    }

private:
    std::vector<std::pair<std::string_view, const char*>> bindings_;
};

// Renames an element or attribute to its canonical form. Nothing is written
// when the name already is canonical (the usual case: producers mostly
// write p:, a: and r:).
template <class Named>
void makeCanonical(const Scope& scope, Named named, bool isAttribute) {
    std::string_view name = named.name();
    auto colon = name.find(':');
    const char* c;
    if (colon == std::string_view::npos) {
        if (isAttribute) return;  // unprefixed attributes are in no namespace
        c = scope.lookup("");
        if (!c) return;
        colon = 0;
    } else {
        std::string_view prefix = name.substr(0, colon);
        if (prefix == "xml") return;
        c = scope.lookup(prefix);
        if (c && prefix == c) return;
        if (!c) c = "~";
        name.remove_prefix(colon + 1);
    }
    std::string renamed;
    renamed.reserve(std::strlen(c) + 1 + name.size());
    renamed += c;
    renamed += ':';
    renamed += name;
    named.set_name(renamed.c_str());
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

// What the raw bytes tell before parsing: where namespaces are declared and
// which names could need a rename. Parsing in place changes the bytes, so
// this is gathered first.
struct RawFacts {
    std::size_t declarations = 0;          // occurrences of "xmlns"
    bool defaultNamespace = false;         // some xmlns="..." (every unprefixed name then changes)
    bool alternateContent = false;         // the text "AlternateContent" occurs
    bool usesUndeclaredOwnPrefix = false;  // e.g. "<p:sp" with no xmlns:p in the part
};

bool isNameStop(char c) { return c == '=' || c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool isNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-' ||
           c == '.' || static_cast<unsigned char>(c) >= 0x80;
}

// Whether a name somewhere (after '<', '/' or white space) has one of the
// prefixes: one pass over the colons of the part.
bool usesPrefix(std::string_view bytes, const std::vector<std::string_view>& prefixes) {
    for (std::size_t colon = bytes.find(':'); colon != std::string_view::npos; colon = bytes.find(':', colon + 1)) {
        std::size_t start = colon;
        while (start > 0 && colon - start < 3 && isNameChar(bytes[start - 1])) --start;
        if (start == 0 || start == colon) continue;
        const char before = bytes[start - 1];
        if (before != '<' && before != '/' && before != ' ' && before != '\t' && before != '\r' && before != '\n')
            continue;
        const std::string_view prefix = bytes.substr(start, colon - start);
        if (std::find(prefixes.begin(), prefixes.end(), prefix) != prefixes.end()) return true;
    }
    return false;
}

// relationshipsPart: the part is a .rels part, the only kind whose pr: names
// the reader asks for.
RawFacts scanRaw(std::string_view bytes, bool relationshipsPart) {
    RawFacts f;
    std::vector<std::string_view> declared;  // prefixes declared anywhere
    for (std::size_t at = bytes.find("xmlns"); at != std::string_view::npos; at = bytes.find("xmlns", at + 5)) {
        ++f.declarations;
        std::size_t p = at + 5;
        if (p < bytes.size() && bytes[p] == ':') {
            std::size_t end = p + 1;
            while (end < bytes.size() && !isNameStop(bytes[end])) ++end;
            declared.push_back(bytes.substr(p + 1, end - p - 1));
        } else if (p < bytes.size() && isNameStop(bytes[p])) {
            f.defaultNamespace = true;
        }
    }
    f.alternateContent = bytes.find("AlternateContent") != std::string_view::npos;
    if (f.defaultNamespace || f.alternateContent) return f;  // the full walk runs anyway
    // Only prefixes whose names the reader asks for matter: p, a and r
    // everywhere, pr in .rels parts. mc: names are only looked at while
    // mc:AlternateContent is resolved, which the full walk does.
    std::vector<std::string_view> undeclared;
    for (std::string_view own : {"p", "a", "r", "pr"}) {
        if (own == "pr" && !relationshipsPart) continue;
        if (std::find(declared.begin(), declared.end(), own) == declared.end()) undeclared.push_back(own);
    }
    f.usesUndeclaredOwnPrefix = !undeclared.empty() && usesPrefix(bytes, undeclared);
    return f;
}

// True when the full walk would change nothing the reader can see: all
// declarations sit on the root element, each binds one of the reader's
// prefixes to its own namespace or a foreign prefix to a foreign namespace,
// no name the reader asks for uses its prefix unbound, and there is no
// mc:AlternateContent. A foreign prefix then stays as written instead of
// becoming "~": it never matches a name the reader asks for either way.
bool alreadyCanonical(const RawFacts& raw, const pugi::xml_node& root) {
    if (raw.defaultNamespace || raw.alternateContent || raw.usesUndeclaredOwnPrefix) return false;
    std::size_t onRoot = 0;
    for (pugi::xml_attribute a = root.first_attribute(); a; a = a.next_attribute()) {
        std::string_view n = a.name();
        if (!n.starts_with("xmlns")) continue;
        if (n.size() < 7 || n[5] != ':') return false;
        ++onRoot;
        std::string_view prefix = n.substr(6);
        std::string_view canonical = canonicalPrefix(a.value());
        if (canonical == prefix) continue;
        if (canonical != "~") return false;  // a reader prefix under another name
        for (const auto& ns : kNamespaces)
            if (prefix == ns.prefix) return false;  // a reader prefix bound to a foreign namespace
    }
    return onRoot == raw.declarations;
}

}  // namespace

bool xmlBool(const pugi::xml_attribute& attr, bool fallback) {
    if (!attr) return fallback;
    std::string_view v = attr.value();
    if (v == "1" || v == "true" || v == "on") return true;
    if (v == "0" || v == "false" || v == "off") return false;
    return fallback;
}

int xmlPercent(const pugi::xml_attribute& attr) {
    std::string_view v = attr.value();
    if (!v.ends_with('%')) return attr.as_int();
    const double percent = std::strtod(std::string(v.substr(0, v.size() - 1)).c_str(), nullptr);
    if (std::isnan(percent)) return 0;
    // Far beyond any meaningful value, but kept inside int.
    return static_cast<int>(std::lround(std::clamp(percent, -1e6, 1e6) * 1000));
}

XmlPart::XmlPart(std::string bytes, const std::string& fileName, const std::string& partName)
    : partName_(partName), bytes_(std::move(bytes)) {
    const RawFacts raw = scanRaw(bytes_, partName.ends_with(".rels"));
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
    // Most parts are written with the usual prefixes declared once on the
    // root: the walk over every element is then skipped.
    if (!alreadyCanonical(raw, doc_.document_element())) canonicalize();
}

void XmlPart::canonicalize() {
    Scope scope;
    std::vector<std::size_t> marks;  // one per open element: an explicit stack, no recursion
    std::vector<pugi::xml_node> alternates;
    pugi::xml_node node = doc_.document_element();
    while (node) {
        // Enter the element: bind its namespace declarations, then rename.
        marks.push_back(scope.mark());
        bool prefixedAttribute = false;
        for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute()) {
            std::string_view n = a.name();
            if (n.starts_with("xmlns")) {
                if (n.size() == 5) scope.bind("", canonicalPrefix(a.value()));
                else if (n[5] == ':') scope.bind(n.substr(6), canonicalPrefix(a.value()));
                else prefixedAttribute |= n.find(':') != std::string_view::npos;
            } else {
                prefixedAttribute |= n.find(':') != std::string_view::npos;
            }
        }
        makeCanonical(scope, node, false);
        if (prefixedAttribute) {
            for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute()) {
                std::string_view n = a.name();
                if (n.find(':') == std::string_view::npos || n.starts_with("xmlns:")) continue;
                makeCanonical(scope, a, true);
            }
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
