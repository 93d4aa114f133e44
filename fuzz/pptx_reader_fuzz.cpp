// Feeds arbitrary bytes to the .pptx reader. Clear EngineErrors are the
// expected outcome for most inputs; anything else (a crash, a sanitizer
// report, another exception type, a hang) is a finding.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "presentation/EngineError.h"
#include "presentation/OutlineSink.h"
#include "presentation/TraceSink.h"
#include "presentation/pptx/PptxReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto source = sw::pres::memorySource(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.pptx");
    sw::pres::NullSink sink;
    try {
        sw::pres::readPptx(*source, sink);
    } catch (const sw::pres::EngineError&) {
    }
    return 0;
}
