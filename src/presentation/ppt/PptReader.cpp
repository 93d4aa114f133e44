#include "presentation/ppt/PptReader.h"

#include <string>

#include "presentation/EngineError.h"
#include "presentation/ppt/ByteReader.h"
#include "presentation/ppt/CompoundFile.h"
#include "presentation/ppt/DocumentStreamReader.h"
#include "presentation/ppt/FormatError.h"
#include "presentation/ppt/PptDocument.h"
#include "presentation/ppt/PptStreams.h"
#include "presentation/ppt/RecordReader.h"
#include "presentation/ppt/RecordTypes.h"
#include "presentation/ppt/SlideDrawing.h"
#include "presentation/ppt/SlideOutline.h"
#include "presentation/ppt/TextBlockWriter.h"

namespace sw::pres {
namespace {

using namespace ppt;

// What the SlideContainer itself says about a slide beyond its text.
struct SlideFacts {
    bool hidden = false;
    std::uint32_t masterId = 0;
    std::optional<StyleSheet::ColorScheme> scheme;  // the slide's own scheme, if it has one
};

SlideFacts readSlideFacts(const Record& slide) {
    SlideFacts facts;
    bool masterScheme = false;
    RecordReader children(slide);
    while (auto rec = children.next()) {
        if (rec->type == rt::SlideShowSlideInfoAtom && rec->body.size() >= 12) {
            // slideTime, soundIdRef, effectDirection, effectType, then flags.
            ByteReader r(rec->body, rec->bodyOffset());
            r.seek(10);
            facts.hidden = r.u16() & 0x0004;
        } else if (rec->type == rt::SlideAtom && rec->body.size() >= 22) {
            // geom and placement types (12 bytes), masterIdRef, notesIdRef, slideFlags.
            ByteReader r(rec->body, rec->bodyOffset());
            r.seek(12);
            facts.masterId = r.u32();
            r.skip(4);
            const std::uint16_t flags = r.u16();
            // fMasterScheme (0x2): the slide follows its master's scheme.
            masterScheme = flags & 0x0002;
        } else if (rec->type == rt::ColorSchemeAtom && rec->instance == 1) {
            facts.scheme = StyleSheet::readColorScheme(*rec);
        }
    }
    if (masterScheme) facts.scheme.reset();
    return facts;
}

}  // namespace

namespace ppt {

PptInfo readDocumentStream(std::span<const std::uint8_t> stream, std::uint32_t offsetToCurrentEdit,
                           const std::string& name, OutlineSink& sink) {
    PptDocument doc(stream, offsetToCurrentEdit);
    if (doc.encrypted()) throw EngineError(ErrorKind::Encrypted, "\"" + name + "\" is encrypted (password-protected)");

    PptInfo info;
    info.hasVbaProject = doc.hasVbaProject();

    // Everything that can fail is read before the first event, so that a
    // damaged file never leaves a half outline in the sink.
    struct SlideData {
        SlideFacts facts;
        std::vector<DrawingShape> shapes;
    };
    std::vector<SlideData> slides;
    slides.reserve(doc.slides().size());
    for (const PptDocument::Slide& slide : doc.slides()) {
        Record rec = doc.slideRecord(slide);
        SlideData data{readSlideFacts(rec), {}};
        try {
            SlideDrawing::read(rec, data.shapes);
        } catch (const FormatError&) {
            // A broken drawing keeps the shapes read before the break and
            // the slide-list text.
        }
        slides.push_back(std::move(data));
    }

    sink.beginPresentation();
    for (std::size_t i = 0; i < slides.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        const SlideFacts& facts = slides[i].facts;
        const PptDocument::Master& master = doc.masterFor(facts.masterId);
        const std::optional<StyleSheet::ColorScheme> scheme = facts.scheme ? facts.scheme : master.scheme;
        TextBlockWriter writer(master.styles, scheme, number);

        sink.beginSlide(number, facts.hidden);
        for (const SlideOutline::Entry& e : SlideOutline::build(doc.slides()[i].blocks, slides[i].shapes))
            writer.write(*e.block, e.role, sink);
        sink.endSlide();
    }
    sink.endPresentation();
    return info;
}

}  // namespace ppt

PptInfo readPpt(const ByteSource& source, OutlineSink& sink) {
    CompoundFile file(source);
    try {
        PptStreams streams = PptStreams::load(file);
        PptInfo info = readDocumentStream(streams.document, streams.offsetToCurrentEdit, source.name(), sink);
        info.hasVbaProject = info.hasVbaProject || streams.vbaStorage;
        return info;
    } catch (const FormatError& e) {
        throw EngineError(ErrorKind::Damaged, "\"" + source.name() + "\" is damaged: " + e.what());
    }
}

}  // namespace sw::pres
