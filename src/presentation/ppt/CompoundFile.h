#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "presentation/ByteSource.h"

namespace sw::pres::ppt {

// An OLE compound file (the container of .ppt files), read through libgsf.
// The whole file is read into memory first; streams are then read whole,
// never larger than the file itself. Names are compared without regard to
// letter case, as Office does. Errors are EngineErrors that name the file.
class CompoundFile {
public:
    // A path of entry names from the root, e.g. {"PP97_DUALSTORAGE", "PowerPoint Document"}.
    using Path = std::vector<std::string>;

    struct Entry {
        std::string name;
        bool storage = false;
        std::uint64_t size = 0;
    };

    // Largest file read into memory; larger ones fail as TooLarge.
    static constexpr std::uint64_t maxFileSize = 1ull << 30;

    // Throws EngineError: NotAPresentation when the bytes are no compound
    // file, Damaged when its header, FAT or directory are broken.
    explicit CompoundFile(const ByteSource& source);
    ~CompoundFile();
    CompoundFile(const CompoundFile&) = delete;
    CompoundFile& operator=(const CompoundFile&) = delete;

    // The entries of a storage (the root when path is empty).
    std::vector<Entry> list(const Path& storage = {}) const;
    std::optional<Entry> find(const Path& path) const;
    bool hasStream(const Path& path) const;
    bool hasStorage(const Path& path) const;
    // The whole stream; throws Damaged when it cannot be read in full (its
    // size is larger than its sector chain, the chain is broken), TooLarge
    // beyond maxSize. nullopt when there is no such stream.
    std::optional<std::vector<std::uint8_t>> read(const Path& path, std::uint64_t maxSize) const;

    // Whether the raw directory holds a stream entry of this name, even one
    // that libgsf dropped as unusable (a size or start sector that lies).
    // Tells a damaged presentation from a compound file of another kind.
    bool hasRawStreamEntry(std::u16string_view name) const;

    const std::string& name() const { return name_; }

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    std::string name_;
};

}  // namespace sw::pres::ppt
