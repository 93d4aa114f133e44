#include "PptTestSupport.h"

#include "presentation/ByteSource.h"
#include "presentation/TraceSink.h"

namespace sw::test::ppt {
namespace {

// Feeds one event stream to a trace and a text sink at once.
class TeeSink final : public sw::pres::OutlineSink {
public:
    sw::pres::TraceSink trace;
    sw::pres::TextSink plain;
    void beginPresentation() override { trace.beginPresentation(); plain.beginPresentation(); }
    void endPresentation() override { trace.endPresentation(); plain.endPresentation(); }
    void beginSlide(int n, bool h) override { trace.beginSlide(n, h); plain.beginSlide(n, h); }
    void endSlide() override { trace.endSlide(); plain.endSlide(); }
    void beginTextBlock(sw::pres::BlockRole r) override { trace.beginTextBlock(r); plain.beginTextBlock(r); }
    void endTextBlock() override { trace.endTextBlock(); plain.endTextBlock(); }
    void beginParagraph(int l) override { trace.beginParagraph(l); plain.beginParagraph(l); }
    void endParagraph() override { trace.endParagraph(); plain.endParagraph(); }
    void beginRun(const sw::pres::CharFormat& f) override { trace.beginRun(f); plain.beginRun(f); }
    void endRun() override { trace.endRun(); plain.endRun(); }
    void text(std::string_view s) override { trace.text(s); plain.text(s); }
    void tab() override { trace.tab(); plain.tab(); }
    void lineBreak() override { trace.lineBreak(); plain.lineBreak(); }
};

}  // namespace

ReadResult readBytes(const std::string& bytes, const std::string& name) {
    auto source = sw::pres::memorySource(std::string_view(bytes), name);
    TeeSink sink;
    ReadResult r;
    r.info = sw::pres::readPpt(*source, sink);
    r.trace = sink.trace.str();
    r.text = sink.plain.str();
    return r;
}

std::optional<Failure> failureOf(const std::string& bytes, const std::string& name) {
    try {
        readBytes(bytes, name);
    } catch (const sw::pres::EngineError& e) {
        return Failure{e.kind(), e.what()};
    }
    return std::nullopt;
}

int countOf(const std::string& haystack, const std::string& needle) {
    int n = 0;
    for (auto pos = haystack.find(needle); pos != std::string::npos; pos = haystack.find(needle, pos + needle.size())) ++n;
    return n;
}

}  // namespace sw::test::ppt
