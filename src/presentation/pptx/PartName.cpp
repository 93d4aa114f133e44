#include "presentation/pptx/PartName.h"

#include <vector>

namespace sw::pres {
namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string percentDecode(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '%' && i + 2 < s.size() && hexValue(s[i + 1]) >= 0 &&
            hexValue(s[i + 2]) >= 0) {
            out += static_cast<char>(hexValue(s[i + 1]) * 16 + hexValue(s[i + 2]));
            i += 2;
        } else {
            out += s[i];
        }
    }
    return out;
}

}  // namespace

std::string resolvePartTarget(std::string_view sourcePart, std::string_view target) {
    if (auto hash = target.find('#'); hash != std::string_view::npos) target = target.substr(0, hash);
    std::string t = percentDecode(target);
    for (char& c : t)
        if (c == '\\') c = '/';
    std::string path;
    if (!t.empty() && t[0] == '/') {
        path = t;
    } else {
        auto slash = sourcePart.rfind('/');
        path = slash == std::string_view::npos ? std::string() : std::string(sourcePart.substr(0, slash + 1));
        path += t;
    }
    std::vector<std::string_view> segments;
    std::string_view rest = path;
    while (!rest.empty()) {
        auto slash = rest.find('/');
        std::string_view seg = rest.substr(0, slash);
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
        if (seg.empty() || seg == ".") continue;
        if (seg == "..") {
            if (!segments.empty()) segments.pop_back();
            continue;
        }
        segments.push_back(seg);
    }
    std::string out;
    for (auto seg : segments) {
        if (!out.empty()) out += '/';
        out += seg;
    }
    return out;
}

std::string relationshipsPartOf(std::string_view part) {
    auto slash = part.rfind('/');
    if (slash == std::string_view::npos) return "_rels/" + std::string(part) + ".rels";
    return std::string(part.substr(0, slash + 1)) + "_rels/" + std::string(part.substr(slash + 1)) + ".rels";
}

}  // namespace sw::pres
