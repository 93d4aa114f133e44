#include "search/FileUrl.h"

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// "%41" becomes "A"; a "%" not followed by two hex digits stays as it is.
std::string percentDecoded(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 && hexValue(text[i + 2]) >= 0) {
            out += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

bool isLocalhost(std::string_view host) {
    constexpr std::string_view local = "localhost";
    if (host.size() != local.size()) return false;
    for (std::size_t i = 0; i < host.size(); ++i)
        if ((host[i] | 0x20) != local[i]) return false;
    return true;
}

}  // namespace

std::string FileUrlToPath(std::string_view Text) {
    constexpr std::string_view scheme = "file:";
    if (Text.substr(0, scheme.size()) != scheme) return std::string(Text);
    std::string_view rest = Text.substr(scheme.size());
    if (rest.substr(0, 2) != "//") return percentDecoded(rest);  // file:/a/b, or the odd file:a/b
    rest.remove_prefix(2);
    std::size_t slash = rest.find('/');
    std::string_view host = rest.substr(0, slash);
    std::string_view path = slash == std::string_view::npos ? std::string_view() : rest.substr(slash);
    if (host.empty() || isLocalhost(host)) return percentDecoded(path);
    // Another computer: the share path, which no local call can reach; the
    // conversion of each file then fails with its own message.
    return "//" + percentDecoded(host) + percentDecoded(path);
}
