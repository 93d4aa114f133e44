#pragma once
#include <string>
#include <string_view>

namespace sw::pres::ppt {

// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string utf16ToUtf8(std::u16string_view text);
void appendUtf8(std::string& out, char32_t c);

}  // namespace sw::pres::ppt
