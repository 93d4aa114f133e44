#include "presentation/pptx/PartName.h"


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
    std::string decoded;
    if (target.find('%') != std::string_view::npos || target.find('\\') != std::string_view::npos) {
        decoded = percentDecode(target);
        for (char& c : decoded)
            if (c == '\\') c = '/';
        target = decoded;
    }
    // The segments are appended to out one by one: "." is skipped and ".."
    // takes the last one back off (never above the package root).
    std::string out;
    out.reserve(sourcePart.size() + target.size());
    const auto add = [&](std::string_view path) {
        while (!path.empty()) {
            auto slash = path.find('/');
            std::string_view seg = path.substr(0, slash);
            path = slash == std::string_view::npos ? std::string_view() : path.substr(slash + 1);
            if (seg.empty() || seg == ".") continue;
            if (seg == "..") {
                auto last = out.rfind('/');
                out.resize(last == std::string::npos ? 0 : last);
                continue;
            }
            if (!out.empty()) out += '/';
            out += seg;
        }
    };
    if (target.empty() || target[0] != '/') {
        auto slash = sourcePart.rfind('/');
        if (slash != std::string_view::npos) add(sourcePart.substr(0, slash + 1));
    }
    add(target);
    return out;
}

std::string relationshipsPartOf(std::string_view part) {
    auto slash = part.rfind('/');
    if (slash == std::string_view::npos) return "_rels/" + std::string(part) + ".rels";
    return std::string(part.substr(0, slash + 1)) + "_rels/" + std::string(part.substr(slash + 1)) + ".rels";
}

}  // namespace sw::pres
