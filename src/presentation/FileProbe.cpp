// probe(): what the first bytes of a file say it is.
#include <array>
#include <span>
#include <cstring>

#include "presentation/EngineError.h"
#include "presentation/PresentationEngine.h"
#include "presentation/ppt/CompoundFile.h"

namespace sw::pres {
namespace {

constexpr std::array<unsigned char, 4> kZipLocalHeader{0x50, 0x4B, 0x03, 0x04};
constexpr std::array<unsigned char, 8> kCompoundFile{0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

// Streams of the root storage that say what a compound file holds.
// "PP97_DUALSTORAGE" and "PP40" mark PowerPoint 95/4.0 files; the binary
// reader sorts out which versions it reads.
FileKind classifyCompoundFile(const ByteSource& source) {
    try {
        const ppt::CompoundFile file(source);
        for (const char* name : {"PowerPoint Document", "PP97_DUALSTORAGE", "PP40"})
            if (file.find({name})) return FileKind::BinaryPresentation;
        for (const char* name : {"EncryptionInfo", "EncryptedPackage"})
            if (file.find({name})) return FileKind::EncryptedPackage;
    } catch (const EngineError&) {
        // A damaged container is still a compound file; reading it says why.
    }
    return FileKind::CompoundFile;
}

}  // namespace

FileKind signature(const ByteSource& source) {
    std::array<unsigned char, 8> head{};
    std::size_t got = source.readAt(0, std::as_writable_bytes(std::span(head)));
    if (got >= kZipLocalHeader.size() && std::memcmp(head.data(), kZipLocalHeader.data(), kZipLocalHeader.size()) == 0)
        return FileKind::Package;
    if (got == kCompoundFile.size() && head == kCompoundFile) return FileKind::CompoundFile;
    return FileKind::Unknown;
}

FileKind probe(const ByteSource& source) {
    const FileKind kind = signature(source);
    return kind == FileKind::CompoundFile ? classifyCompoundFile(source) : kind;
}

}  // namespace sw::pres
