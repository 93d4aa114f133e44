#pragma once
#include <algorithm>
#include <string_view>

// Comparison without regard to (ASCII) letter case, as option keys, switch
// letters and failure messages are compared.
inline bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}
