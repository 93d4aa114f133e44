// Feeds arbitrary bytes to the .pptx reader as the content of ONE part of
// an otherwise valid package, so that mutations reach the XML readers
// instead of dying at zip checksums. The first byte chooses the part (see
// kParts); the rest is its content. The package around it is built in
// memory by the test package builder: one slide with a title, a body with
// two levels, a layout and a master with list styles, and a theme.
// Clear EngineErrors are the expected outcome for broken XML; a crash, a
// sanitizer report, another exception type or a hang is a finding.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "PptxBuilder.h"
#include "presentation/ByteSource.h"
#include "presentation/EngineError.h"
#include "presentation/OutlineSink.h"
#include "presentation/TraceSink.h"
#include "presentation/pptx/PptxReader.h"

namespace {

// The parts an input can replace, by its first byte (modulo the count).
// The seed writer (pptx_fuzz_seeds ... parts) uses the same order.
constexpr const char* kParts[] = {
    "ppt/slides/slide1.xml",
    "ppt/presentation.xml",
    "ppt/_rels/presentation.xml.rels",
    "ppt/slides/_rels/slide1.xml.rels",
    "ppt/slideLayouts/slideLayout1.xml",
    "ppt/slideMasters/slideMaster1.xml",
    "ppt/theme/theme1.xml",
    "_rels/.rels",
    "ppt/slideLayouts/_rels/slideLayout1.xml.rels",
    "ppt/slideMasters/_rels/slideMaster1.xml.rels",
};

const std::map<std::string, std::string>& baseParts() {
    static const std::map<std::string, std::string> parts = [] {
        using namespace sw::test;
        PptxBuilder b;
        b.setMasterTextStyles("<p:titleStyle><a:lvl1pPr><a:defRPr sz=\"4400\"><a:latin typeface=\"+mj-lt\"/>"
                              "</a:defRPr></a:lvl1pPr></p:titleStyle><p:bodyStyle><a:lvl2pPr><a:defRPr b=\"1\">"
                              "<a:solidFill><a:schemeClr val=\"tx2\"/></a:solidFill></a:defRPr></a:lvl2pPr>"
                              "</p:bodyStyle>");
        b.setLayoutShapes(placeholder("type=\"title\"", listStyle("a:lstStyle", 0, "i=\"1\"")) +
                          placeholder("idx=\"1\"", listStyle("a:lstStyle", 1, "sz=\"2000\"")));
        b.setMasterShapes(placeholder("type=\"body\"", listStyle("a:lstStyle", 0, "u=\"sng\"")));
        b.addSlide(placeholder("type=\"title\"", para(run("Title"))) +
                   placeholder("idx=\"1\"", para(run("one")) + para(run("two"), 1)));
        return b.parts();
    }();
    return parts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    std::map<std::string, std::string> parts = baseParts();
    parts[kParts[data[0] % std::size(kParts)]] = std::string(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::string package = sw::test::PptxBuilder::zip(parts);
    auto source = sw::pres::memorySource(package, "fuzz.pptx");
    sw::pres::NullSink sink;
    try {
        sw::pres::readPptx(*source, sink);
    } catch (const sw::pres::EngineError&) {
    }
    return 0;
}
