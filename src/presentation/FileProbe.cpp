// probe(): what the first bytes of a file say it is.
#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>

#include <array>
#include <cstring>
#include <string_view>
#include <vector>

#include "presentation/PresentationEngine.h"

namespace sw::pres {
namespace {

constexpr std::array<unsigned char, 4> kZipLocalHeader{0x50, 0x4B, 0x03, 0x04};
constexpr std::array<unsigned char, 8> kCompoundFile{0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

// Streams of the root storage that say what a compound file holds.
// "PP97_DUALSTORAGE" and "PP40" mark PowerPoint 95/4.0 files; the binary
// reader sorts out which versions it reads.
FileKind classifyCompoundFile(const ByteSource& source) {
    // libgsf reads from memory here; compound files are read whole by the
    // binary reader anyway.
    std::vector<guint8> bytes(static_cast<std::size_t>(source.size()));
    std::size_t got = source.readAt(0, std::as_writable_bytes(std::span(bytes)));
    bytes.resize(got);
    GsfInput* input = gsf_input_memory_new(bytes.data(), static_cast<gsf_off_t>(bytes.size()), FALSE);
    if (!input) return FileKind::CompoundFile;
    GError* error = nullptr;
    GsfInfile* ole = gsf_infile_msole_new(input, &error);
    g_object_unref(input);
    if (!ole) {
        if (error) g_error_free(error);
        return FileKind::CompoundFile;
    }
    bool encrypted = false, presentation = false;
    for (int i = 0, n = gsf_infile_num_children(ole); i < n; ++i) {
        const char* name = gsf_infile_name_by_index(ole, i);
        if (!name) continue;
        std::string_view s = name;
        if (s == "EncryptionInfo" || s == "EncryptedPackage") encrypted = true;
        if (s == "PowerPoint Document" || s == "PP97_DUALSTORAGE" || s == "PP40") presentation = true;
    }
    g_object_unref(ole);
    if (presentation) return FileKind::BinaryPresentation;
    if (encrypted) return FileKind::EncryptedPackage;
    return FileKind::CompoundFile;
}

}  // namespace

FileKind probe(const ByteSource& source) {
    std::array<unsigned char, 8> head{};
    std::size_t got = source.readAt(0, std::as_writable_bytes(std::span(head)));
    if (got >= kZipLocalHeader.size() && std::memcmp(head.data(), kZipLocalHeader.data(), kZipLocalHeader.size()) == 0)
        return FileKind::Package;
    if (got == kCompoundFile.size() && head == kCompoundFile) return classifyCompoundFile(source);
    return FileKind::Unknown;
}

}  // namespace sw::pres
