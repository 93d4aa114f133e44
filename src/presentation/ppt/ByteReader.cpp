#include "presentation/ppt/ByteReader.h"

#include <string>

#include "presentation/ppt/FormatError.h"

namespace sw::pres::ppt {

void ByteReader::shortRead(std::size_t wanted) const {
    throw FormatError("a field of " + std::to_string(wanted) + " bytes at offset " + std::to_string(base_ + pos_) +
                      " runs past the end of its record");
}

ByteReader::Bytes ByteReader::bytes(std::size_t count) {
    if (count > remaining()) shortRead(count);
    Bytes out = bytes_.subspan(pos_, count);
    pos_ += count;
    return out;
}

std::u16string ByteReader::utf16(std::size_t units) {
    if (units > remaining() / 2) shortRead(units * 2);
    Bytes b = bytes(units * 2);
    std::u16string out(units, u'\0');
    for (std::size_t i = 0; i < units; ++i) out[i] = static_cast<char16_t>(b[2 * i] | (b[2 * i + 1] << 8));
    return out;
}

std::uint8_t ByteReader::u8() { return bytes(1)[0]; }

std::uint16_t ByteReader::u16() {
    Bytes b = bytes(2);
    return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}

std::uint32_t ByteReader::u32() {
    Bytes b = bytes(4);
    return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
           (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}

void ByteReader::seek(std::size_t pos) {
    if (pos > bytes_.size()) throw FormatError("offset " + std::to_string(base_ + pos) + " lies past the end of its record");
    pos_ = pos;
}

}  // namespace sw::pres::ppt
