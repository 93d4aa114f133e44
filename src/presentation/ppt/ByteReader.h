#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace sw::pres::ppt {

// Little-endian reads over a span of bytes. Every read is checked here and
// only here: a read past the end throws FormatError naming what was read and
// where, so callers never index raw bytes themselves.
class ByteReader {
public:
    using Bytes = std::span<const std::uint8_t>;

    // base: the offset of bytes[0] in the stream, for messages.
    explicit ByteReader(Bytes bytes, std::uint64_t base = 0) : bytes_(bytes), base_(base) {}

    std::uint8_t u8();
    std::uint16_t u16();
    std::uint32_t u32();
    std::int16_t i16() { return static_cast<std::int16_t>(u16()); }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    Bytes bytes(std::size_t count);
    // `units` UTF-16LE code units.
    std::u16string utf16(std::size_t units);
    void skip(std::size_t count) { (void)bytes(count); }

    std::size_t pos() const { return pos_; }
    std::size_t remaining() const { return bytes_.size() - pos_; }
    bool atEnd() const { return pos_ >= bytes_.size(); }
    void seek(std::size_t pos);

private:
    [[noreturn]] void shortRead(std::size_t wanted) const;
    Bytes bytes_;
    std::uint64_t base_;
    std::size_t pos_ = 0;
};

}  // namespace sw::pres::ppt
