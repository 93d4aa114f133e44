#include "presentation/PresentationEngine.h"

#include <new>
#include <sstream>

#include "presentation/AtomicFileWriter.h"
#include "presentation/EngineError.h"
#include "presentation/OutlineModel.h"
#include "presentation/pptx/PptxReader.h"
#include "presentation/rtf/RtfWriter.h"
#include "presentation/ppt/PptReader.h"

namespace sw::pres {

OpenedPresentation::OpenedPresentation(std::unique_ptr<OutlineModel> outline, bool hasVbaProject)
    : outline_(std::move(outline)), hasVbaProject_(hasVbaProject) {}

OpenedPresentation::~OpenedPresentation() = default;

void OpenedPresentation::replay(OutlineSink& sink) const { outline_->replay(sink); }

void OpenedPresentation::saveAsRtf(const std::filesystem::path& target) const {
    std::ostringstream rtf;
    RtfWriter writer(rtf);
    outline_->replay(writer);
    AtomicFileWriter::write(target, rtf.view());
}

namespace {

EngineError fileError(ErrorKind kind, const ByteSource& source, const std::string& why) {
    return EngineError(kind, "\"" + source.name() + "\" " + why);
}

}  // namespace

std::unique_ptr<OpenedPresentation> openPresentation(const ByteSource& source) {
    auto model = std::make_unique<OutlineModel>();
    bool vba = false;
    try {
        // The signature decides the reader. A compound file is parsed once, by
        // the binary reader, which also tells encrypted packages, old
        // versions and compound files of other programs apart.
        switch (signature(source)) {
        case FileKind::Package: vba = readPptx(source, *model).hasVbaProject; break;
        case FileKind::CompoundFile: vba = readPpt(source, *model).hasVbaProject; break;
        default:
            throw fileError(ErrorKind::NotAPresentation, source,
                            source.size() == 0 ? "is not a presentation: the file is empty"
                                               : "is not a presentation: it is neither a package nor a compound "
                                                 "document");
        }
    } catch (const std::bad_alloc&) {
        throw fileError(ErrorKind::TooLarge, source, "is too large to read: out of memory");
    }
    return std::make_unique<OpenedPresentation>(std::move(model), vba);
}

std::unique_ptr<OpenedPresentation> openPresentation(const std::filesystem::path& file) {
    auto source = openFileSource(file);
    return openPresentation(*source);
}

}  // namespace sw::pres
