#pragma once
#include <cstdint>
#include <optional>
#include <span>

#include "presentation/ppt/Record.h"

namespace sw::pres::ppt {

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
