#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace sw::test::ppt {

// Edits the structures of a version-3 compound file in place, to make
// broken containers: FAT and mini-FAT entries, directory links and sizes.
class CfbPatcher {
public:
    explicit CfbPatcher(std::string file);

    static constexpr std::uint32_t endOfChain = 0xFFFFFFFE;
    static constexpr std::uint32_t noStream = 0xFFFFFFFF;

    std::uint32_t fat(std::uint32_t sector) const;
    void setFat(std::uint32_t sector, std::uint32_t value);
    std::vector<std::uint32_t> chain(std::uint32_t start) const;
    void setMiniFat(std::uint32_t sector, std::uint32_t value);

    // Directory entries by index; fields as in the file.
    int find(const std::u16string& name) const;
    std::uint32_t startSector(int entry) const { return get32(entryOffset(entry) + 116); }
    std::uint32_t size(int entry) const { return get32(entryOffset(entry) + 120); }
    std::uint32_t child(int entry) const { return get32(entryOffset(entry) + 76); }
    void setSize(int entry, std::uint32_t size) { put32(entryOffset(entry) + 120, size); }
    void setStart(int entry, std::uint32_t sector) { put32(entryOffset(entry) + 116, sector); }
    void setLeft(int entry, std::uint32_t id) { put32(entryOffset(entry) + 68, id); }
    void setRight(int entry, std::uint32_t id) { put32(entryOffset(entry) + 72, id); }
    void setChild(int entry, std::uint32_t id) { put32(entryOffset(entry) + 76, id); }
    void setHeader32(std::size_t offset, std::uint32_t v) { put32(offset, v); }
    std::uint32_t header32(std::size_t offset) const { return get32(offset); }

    const std::string& bytes() const { return file_; }

private:
    std::uint32_t get32(std::size_t at) const;
    void put32(std::size_t at, std::uint32_t v);
    std::size_t sectorOffset(std::uint32_t sector) const { return (static_cast<std::size_t>(sector) + 1) * sectorSize_; }
    std::size_t entryOffset(int entry) const;
    std::string file_;
    std::uint32_t sectorSize_;
};

}  // namespace sw::test::ppt
