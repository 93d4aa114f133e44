#pragma once
#include <string>
#include <string_view>

namespace sw::pres {

// Decodes one code point from utf8 at pos and advances pos; malformed or
// overlong sequences, surrogates and values beyond U+10FFFF give U+FFFD and
// advance by one byte.
char32_t decodeUtf8(std::string_view utf8, std::size_t& pos);

// The text with every malformed sequence replaced by U+FFFD.
std::string validUtf8(std::string_view utf8);
bool isValidUtf8(std::string_view utf8);

}  // namespace sw::pres
