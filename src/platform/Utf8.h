#pragma once
#include <string>

namespace sw::platform {

// Appends the UTF-8 form of one code point.
void AppendUtf8(std::string& out, char32_t c);

}  // namespace sw::platform
