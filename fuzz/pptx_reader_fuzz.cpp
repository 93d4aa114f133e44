// Feeds arbitrary bytes to the .pptx reader. Clear EngineErrors are the
// expected outcome for most inputs; anything else (a crash, a sanitizer
// report, another exception type, a hang) is a finding.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "presentation/EngineError.h"
#include "presentation/OutlineSink.h"
#include "presentation/pptx/PptxReader.h"

namespace {

class NullSink final : public sw::pres::OutlineSink {
public:
    void beginPresentation() override {}
    void endPresentation() override {}
    void beginSlide(int, bool) override {}
    void endSlide() override {}
    void beginTextBlock(sw::pres::BlockRole) override {}
    void endTextBlock() override {}
    void beginParagraph(int) override {}
    void endParagraph() override {}
    void beginRun(const sw::pres::CharFormat&) override {}
    void endRun() override {}
    void text(std::string_view) override {}
    void tab() override {}
    void lineBreak() override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto source = sw::pres::memorySource(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.pptx");
    NullSink sink;
    try {
        sw::pres::readPptx(*source, sink);
    } catch (const sw::pres::EngineError&) {
    }
    return 0;
}
