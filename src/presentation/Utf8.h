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
// How many bytes at the start of text are printable ASCII (0x20-0x7E).
// Eight bytes are tested at a time: this runs over every text of a deck.
std::size_t printableAsciiPrefix(std::string_view text);
// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string utf16ToUtf8(std::u16string_view text);

}  // namespace sw::pres
