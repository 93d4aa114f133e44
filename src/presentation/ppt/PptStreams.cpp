#include "presentation/ppt/PptStreams.h"

#include "presentation/EngineError.h"
#include "presentation/ppt/ByteReader.h"

namespace sw::pres::ppt {
namespace {

constexpr std::uint32_t headerTokenPlain = 0xE391C05F;
constexpr std::uint32_t headerTokenEncrypted = 0xF3D1C4DF;
// Current User holds one small atom; anything this large is not one.
constexpr std::uint64_t maxCurrentUser = 128 * 1024;

std::string quoted(const CompoundFile& f) { return "\"" + f.name() + "\""; }

[[noreturn]] void encrypted(const CompoundFile& f) {
    throw EngineError(ErrorKind::Encrypted, quoted(f) + " is encrypted (password-protected)");
}

[[noreturn]] void oldVersion(const CompoundFile& f) {
    throw EngineError(ErrorKind::Unsupported,
                      quoted(f) + " was saved by PowerPoint 95 or earlier, which is not supported");
}

}  // namespace

PptStreams PptStreams::load(const CompoundFile& file) {
    // An encrypted OOXML package keeps its parts in these two streams.
    if (file.hasStream({"EncryptionInfo"}) || file.hasStream({"EncryptedPackage"})) encrypted(file);

    // Files saved for both PowerPoint 95 and 97 keep the 97 presentation in
    // this storage; the root then holds the 95 one.
    CompoundFile::Path base;
    if (file.hasStorage({"PP97_DUALSTORAGE"}) && file.hasStream({"PP97_DUALSTORAGE", "PowerPoint Document"}))
        base = {"PP97_DUALSTORAGE"};
    auto in = [&](const char* name) {
        CompoundFile::Path p = base;
        p.emplace_back(name);
        return p;
    };

    if (!file.hasStream(in("PowerPoint Document"))) {
        if (file.hasStream({"PP40"})) oldVersion(file);
        if (file.hasRawStreamEntry(u"PowerPoint Document"))
            throw EngineError(ErrorKind::Damaged, quoted(file) +
                                                      " is damaged: the directory entry of the \"PowerPoint Document\" "
                                                      "stream cannot be used (its size or first sector is wrong)");
        throw EngineError(ErrorKind::NotAPresentation,
                          quoted(file) + " is not a presentation: the compound file holds no \"PowerPoint Document\" stream");
    }

    CompoundFile::Path userPath = in("Current User");
    if (!file.hasStream(userPath)) userPath = {"Current User"};
    auto user = file.read(userPath, maxCurrentUser);
    if (!user)
        throw EngineError(ErrorKind::Damaged, quoted(file) + " is damaged: it has no \"Current User\" stream");

    // PowerPoint 95 writes a shorter Current User that starts with its own size.
    const auto& cu = *user;
    if (cu.size() < 28) oldVersion(file);
    ByteReader r(cu);
    if (std::uint64_t{r.u32()} + 4 == cu.size()) oldVersion(file);
    r.seek(12);
    const std::uint32_t token = r.u32();
    if (token == headerTokenEncrypted) encrypted(file);
    if (token != headerTokenPlain)
        throw EngineError(ErrorKind::Damaged, quoted(file) + " is damaged: the \"Current User\" stream is not valid");

    PptStreams out;
    out.offsetToCurrentEdit = r.u32();
    out.document = std::move(*file.read(in("PowerPoint Document"), CompoundFile::maxFileSize));
    out.vbaStorage = file.hasStorage({"_VBA_PROJECT_CUR"}) || file.hasStorage(in("_VBA_PROJECT_CUR"));
    return out;
}

}  // namespace sw::pres::ppt
