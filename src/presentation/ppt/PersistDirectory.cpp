#include "presentation/ppt/PersistDirectory.h"

#include <string>
#include <unordered_set>

#include "presentation/ppt/ByteReader.h"
#include "presentation/ppt/FormatError.h"
#include "presentation/ppt/RecordReader.h"
#include "presentation/ppt/RecordTypes.h"

namespace sw::pres::ppt {
namespace {

Record expect(std::span<const std::uint8_t> stream, std::uint64_t offset, std::uint16_t type, const char* what) {
    if (offset >= stream.size())
        throw FormatError(std::string("the ") + what + " offset " + std::to_string(offset) +
                          " points past the end of the stream");
    Record rec = RecordReader::at(stream, offset);
    if (rec.type != type)
        throw FormatError(std::string("no ") + what + " at offset " + std::to_string(offset) + " (found record " +
                          hexType(rec.type) + ")");
    return rec;
}

}  // namespace

PersistDirectory PersistDirectory::load(std::span<const std::uint8_t> stream, std::uint32_t offsetToCurrentEdit) {
    PersistDirectory dir;
    dir.streamSize_ = stream.size();
    std::unordered_set<std::uint32_t> seenEdits, seenDirs;
    std::uint32_t offset = offsetToCurrentEdit;
    bool newest = true;
    for (;;) {
        if (!seenEdits.insert(offset).second)
            throw FormatError("the edit chain loops at offset " + std::to_string(offset));
        if (++dir.edits_ > maxEdits) throw FormatError("the edit chain is longer than " + std::to_string(maxEdits) + " saves");
        Record edit = expect(stream, offset, rt::UserEditAtom, "UserEditAtom");
        ByteReader r(edit.body, edit.bodyOffset());
        r.skip(4);  // lastSlideIdRef
        r.skip(4);  // version, minor and major version
        std::uint32_t offsetLastEdit = r.u32();
        std::uint32_t offsetPersistDir = r.u32();
        std::uint32_t docPersistIdRef = r.u32();
        if (newest) {
            dir.docPersistId_ = docPersistIdRef;
            // The encryption session reference follows lastView (recLen 0x20).
            if (edit.body.size() >= 32) {
                r.seek(28);
                dir.encryptSessionId_ = r.u32();
            }
        }
        newest = false;

        // Edits may share a directory; merging one twice changes nothing
        // and would let a crafted chain repeat a large directory thousands
        // of times.
        if (!seenDirs.insert(offsetPersistDir).second) {
            if (offsetLastEdit == 0) break;
            offset = offsetLastEdit;
            continue;
        }
        Record persist = expect(stream, offsetPersistDir, rt::PersistDirectoryAtom, "PersistDirectoryAtom");
        ByteReader p(persist.body, persist.bodyOffset());
        while (!p.atEnd()) {
            std::uint32_t head = p.u32();
            std::uint32_t first = head & 0x000FFFFF;
            std::uint32_t count = head >> 20;
            for (std::uint32_t i = 0; i < count; ++i) {
                std::uint32_t objectOffset = p.u32();
                // Older saves never override what a newer one already set.
                dir.offsets_.emplace(first + i, objectOffset);
            }
        }
        if (offsetLastEdit == 0) break;
        offset = offsetLastEdit;
    }
    return dir;
}

std::uint32_t PersistDirectory::offsetOf(std::uint32_t persistId) const {
    auto it = offsets_.find(persistId);
    if (it == offsets_.end())
        throw FormatError("persist object " + std::to_string(persistId) + " is missing from the persist directory");
    if (it->second >= streamSize_)
        throw FormatError("persist object " + std::to_string(persistId) + " points to offset " +
                          std::to_string(it->second) + ", past the end of the stream");
    return it->second;
}

}  // namespace sw::pres::ppt
