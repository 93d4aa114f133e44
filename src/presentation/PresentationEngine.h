#pragma once
#include <filesystem>
#include <memory>

#include "presentation/ByteSource.h"
#include "presentation/OutlineSink.h"

namespace sw::pres {

// What the first bytes of a file say it is.
enum class FileKind {
    Package,             // a zip package (.pptx/.pptm, or another zip)
    EncryptedPackage,    // a compound file wrapping an encrypted OOXML package
    BinaryPresentation,  // a compound file holding a binary presentation (.ppt)
    CompoundFile,        // a compound file that holds no presentation
    Unknown,             // anything else (empty, text, ...)
};

// What the file holds, from its signature and, for a compound file, its streams.
FileKind probe(const ByteSource& source);
// The signature alone: Package, CompoundFile or Unknown.
FileKind signature(const ByteSource& source);

class OutlineModel;

// One presentation read into memory: its outline and a few facts about it.
class OpenedPresentation {
public:
    explicit OpenedPresentation(std::unique_ptr<OutlineModel> outline, bool hasVbaProject);
    ~OpenedPresentation();

    bool hasVbaProject() const { return hasVbaProject_; }
    // Replays the outline into any sink.
    void replay(OutlineSink& sink) const;
    // Writes the RTF outline to target atomically: a temporary file in the
    // target's folder, renamed over target only once it is complete. Throws
    // EngineError naming the target on failure; an existing target is then
    // left as it was and no partial file remains.
    void saveAsRtf(const std::filesystem::path& target) const;

private:
    std::unique_ptr<OutlineModel> outline_;
    bool hasVbaProject_;
};

// Probes and reads a presentation file. Throws EngineError with a message that
// names the file and the cause (not a presentation, encrypted, damaged part,
// unsupported format, too large).
std::unique_ptr<OpenedPresentation> openPresentation(const std::filesystem::path& file);
// The same from bytes; `source.name()` is used in messages.
std::unique_ptr<OpenedPresentation> openPresentation(const ByteSource& source);

}  // namespace sw::pres
