#pragma once
#include <string>
#include <string_view>

namespace sw::pres {

// Appends UTF-8 text as 7-bit RTF text: `\`, `{` and `}` escaped, everything
// beyond ASCII as `\uN\'3f` (N the signed 16-bit UTF-16 unit; surrogate pairs
// beyond the BMP), TAB as `\tab`. Other control characters are dropped and
// malformed UTF-8 becomes U+FFFD. Every control word written here ends in a
// delimiter, so any text may follow.
void appendRtfText(std::string& out, std::string_view utf8);

}  // namespace sw::pres
