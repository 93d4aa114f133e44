#pragma once
#include <cstdint>
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

}  // namespace sw::pres::ppt
