// Feeds arbitrary bytes to the binary .ppt reader. Two shapes of input:
//  - a compound file (it starts with the compound-file signature): the whole
//    reader, container included;
//  - anything else: 4 bytes of "offset to the current edit", then a
//    PowerPoint Document stream, read without a container, so that most
//    mutations reach the records rather than break the container.
// Clear EngineErrors are the expected outcome for most inputs; a crash, a
// sanitizer report, another exception type or a hang is a finding.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>

#include "presentation/ByteSource.h"
#include "presentation/EngineError.h"
#include "presentation/OutlineSink.h"
#include "presentation/TraceSink.h"
#include "presentation/ppt/DocumentStreamReader.h"
#include "presentation/ppt/FormatError.h"
#include "presentation/ppt/PptReader.h"

namespace {

constexpr std::uint8_t cfbMagic[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    sw::pres::NullSink sink;
    if (size >= 8 && std::memcmp(data, cfbMagic, 8) == 0) {
        auto source = sw::pres::memorySource(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.ppt");
        try {
            sw::pres::readPpt(*source, sink);
        } catch (const sw::pres::EngineError&) {
        }
        return 0;
    }
    if (size < 4) return 0;
    const std::uint32_t edit = data[0] | (data[1] << 8) | (data[2] << 16) | (std::uint32_t{data[3]} << 24);
    try {
        sw::pres::ppt::readDocumentStream(std::span(data + 4, size - 4), edit, "fuzz.ppt", sink);
    } catch (const sw::pres::ppt::FormatError&) {
    } catch (const sw::pres::EngineError&) {
    }
    return 0;
}
