#include "CfbPatcher.h"

#include <stdexcept>

namespace sw::test::ppt {

CfbPatcher::CfbPatcher(std::string file) : file_(std::move(file)) {
    sectorSize_ = 1u << (static_cast<unsigned char>(file_.at(0x1E)) | (static_cast<unsigned char>(file_.at(0x1F)) << 8));
}

std::uint32_t CfbPatcher::get32(std::size_t at) const {
    if (at + 4 > file_.size()) throw std::out_of_range("CfbPatcher read past the end");
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(file_[at + i]);
    return v;
}

void CfbPatcher::put32(std::size_t at, std::uint32_t v) {
    if (at + 4 > file_.size()) throw std::out_of_range("CfbPatcher write past the end");
    for (int i = 0; i < 4; ++i) file_[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

// Only the 109 FAT sectors listed in the header are supported: enough for
// files of a few megabytes.
std::uint32_t CfbPatcher::fat(std::uint32_t sector) const {
    const std::uint32_t perSector = sectorSize_ / 4;
    const std::uint32_t fatSector = get32(0x4C + 4 * (sector / perSector));
    return get32(sectorOffset(fatSector) + 4 * (sector % perSector));
}

void CfbPatcher::setFat(std::uint32_t sector, std::uint32_t value) {
    const std::uint32_t perSector = sectorSize_ / 4;
    const std::uint32_t fatSector = get32(0x4C + 4 * (sector / perSector));
    put32(sectorOffset(fatSector) + 4 * (sector % perSector), value);
}

std::vector<std::uint32_t> CfbPatcher::chain(std::uint32_t start) const {
    std::vector<std::uint32_t> out;
    for (std::uint32_t s = start; s < 0xFFFFFFFA && out.size() < 100000; s = fat(s)) out.push_back(s);
    return out;
}

void CfbPatcher::setMiniFat(std::uint32_t sector, std::uint32_t value) {
    const std::uint32_t perSector = sectorSize_ / 4;
    auto sectors = chain(get32(0x3C));
    put32(sectorOffset(sectors.at(sector / perSector)) + 4 * (sector % perSector), value);
}

std::size_t CfbPatcher::entryOffset(int entry) const {
    const std::uint32_t perSector = sectorSize_ / 128;
    auto sectors = chain(get32(0x30));
    return sectorOffset(sectors.at(static_cast<std::size_t>(entry) / perSector)) + 128 * (static_cast<std::size_t>(entry) % perSector);
}

int CfbPatcher::find(const std::u16string& name) const {
    const std::size_t entries = chain(get32(0x30)).size() * (sectorSize_ / 128);
    for (std::size_t i = 0; i < entries; ++i) {
        const std::size_t at = entryOffset(static_cast<int>(i));
        std::u16string n;
        for (std::size_t k = 0; k < 31; ++k) {
            char16_t c = static_cast<char16_t>(static_cast<unsigned char>(file_[at + 2 * k]) |
                                               (static_cast<unsigned char>(file_[at + 2 * k + 1]) << 8));
            if (!c) break;
            n.push_back(c);
        }
        if (n == name) return static_cast<int>(i);
    }
    throw std::runtime_error("no such directory entry");
}

}  // namespace sw::test::ppt
