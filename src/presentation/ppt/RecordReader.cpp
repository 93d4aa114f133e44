#include "presentation/ppt/RecordReader.h"

#include <string>

#include "presentation/ppt/ByteReader.h"
#include "presentation/ppt/FormatError.h"

namespace sw::pres::ppt {
namespace {

Record parseHeader(std::span<const std::uint8_t> bytes, std::size_t pos, std::uint64_t base, int depth) {
    if (bytes.size() - pos < 8)
        throw FormatError("a record header at offset " + std::to_string(base + pos) + " is cut short");
    ByteReader r(bytes.subspan(pos, 8), base + pos);
    Record rec;
    std::uint16_t verInst = r.u16();
    rec.version = verInst & 0x000F;
    rec.instance = static_cast<std::uint16_t>(verInst >> 4);
    rec.type = r.u16();
    std::uint32_t len = r.u32();
    rec.offset = base + pos;
    rec.depth = depth;
    if (len > bytes.size() - pos - 8)
        throw FormatError("record " + hexType(rec.type) + " at offset " + std::to_string(rec.offset) + " claims " + std::to_string(len) +
                          " bytes, more than its parent holds");
    rec.body = bytes.subspan(pos + 8, len);
    return rec;
}

}  // namespace

RecordReader::RecordReader(std::span<const std::uint8_t> bytes, std::uint64_t baseOffset, int depth)
    : bytes_(bytes), base_(baseOffset), depth_(depth) {
    if (depth_ > maxDepth)
        throw FormatError("records nest deeper than " + std::to_string(maxDepth) + " levels at offset " +
                          std::to_string(baseOffset));
}

RecordReader::RecordReader(const Record& parent) : RecordReader(parent.body, parent.bodyOffset(), parent.depth + 1) {}

std::optional<Record> RecordReader::next() {
    if (pos_ >= bytes_.size()) return std::nullopt;
    Record rec = parseHeader(bytes_, pos_, base_, depth_);
    pos_ += 8 + rec.body.size();
    return rec;
}

Record RecordReader::at(std::span<const std::uint8_t> stream, std::uint64_t offset) {
    if (offset >= stream.size())
        throw FormatError("a reference points to offset " + std::to_string(offset) + ", past the end of the stream");
    return parseHeader(stream, static_cast<std::size_t>(offset), 0, 0);
}

}  // namespace sw::pres::ppt
