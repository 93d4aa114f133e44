#include "PptStreamWriter.h"

#include <algorithm>

#include "RecordBuilder.h"

namespace sw::test::ppt {

std::uint32_t PptStreamWriter::append(const std::string& record) {
    const auto offset = static_cast<std::uint32_t>(stream_.size());
    stream_ += record;
    return offset;
}

std::uint32_t PptStreamWriter::commit(std::uint32_t docPersistId, std::optional<std::uint32_t> encryptSession) {
    std::string dir;
    for (auto it = pending_.begin(); it != pending_.end();) {
        // Consecutive ids share one entry: first id | count << 20, offsets.
        auto run = it;
        std::uint32_t count = 0;
        std::string offsets;
        while (run != pending_.end() && run->first == it->first + count) {
            offsets += u32le(run->second);
            ++count;
            ++run;
        }
        dir += u32le(it->first | (count << 20)) + offsets;
        for (auto i = it; i != run; ++i) maxId_ = std::max(maxId_, i->first);
        it = run;
    }
    pending_.clear();
    const std::uint32_t dirOffset = append(atom(0x1772, dir));
    const std::uint32_t editOffset = static_cast<std::uint32_t>(stream_.size());
    append(atom(0x0FF5, u32le(256) + u16le(0) + u8le(0) + u8le(3) + u32le(lastEdit_) + u32le(dirOffset) +
                            u32le(docPersistId) + u32le(maxId_ + 1) + u16le(1) + u16le(0) +
                            (encryptSession ? u32le(*encryptSession) : std::string())));
    lastEdit_ = editOffset;
    return editOffset;
}

}  // namespace sw::test::ppt
