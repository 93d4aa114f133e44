#pragma once
#include <cstdint>
#include <optional>
#include <span>

namespace sw::pres::ppt {

// One record: the 8-byte header and a body that is known to lie inside the
// record's parent (RecordReader checks that before handing it out).
struct Record {
    std::uint16_t version = 0;   // low 4 bits of the first header word
    std::uint16_t instance = 0;  // high 12 bits
    std::uint16_t type = 0;
    std::uint64_t offset = 0;    // of the header, in the stream
    std::span<const std::uint8_t> body;
    int depth = 0;               // nesting depth below the record the walk started from

    // recVer 0xF marks a container whose body is a sequence of records.
    bool isContainer() const { return version == 0xF; }
    std::uint64_t bodyOffset() const { return offset + 8; }
};

// Walks the records that make up a span (a container's body or a whole
// stream). A header that does not fit, or a length that runs past the end of
// the span, throws FormatError; so does nesting deeper than maxDepth.
class RecordReader {
public:
    static constexpr int maxDepth = 32;

    RecordReader(std::span<const std::uint8_t> bytes, std::uint64_t baseOffset, int depth = 0);
    // The children of a container.
    explicit RecordReader(const Record& parent);

    std::optional<Record> next();

    // The record that starts at offset in stream (used for persist offsets).
    static Record at(std::span<const std::uint8_t> stream, std::uint64_t offset);

private:
    std::span<const std::uint8_t> bytes_;
    std::uint64_t base_;
    std::size_t pos_ = 0;
    int depth_;
};

}  // namespace sw::pres::ppt
