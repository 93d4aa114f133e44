// Broken packages: each fails with a clear error of the right kind, never a
// crash or a hang.
#include <gtest/gtest.h>

#include <cstring>

#include "PptxTestSupport.h"
#include "presentation/EngineError.h"

namespace sw::pres {
namespace {

using test::para;
using test::PptxBuilder;
using test::run;
using test::title;

std::string deck() {
    PptxBuilder b;
    b.addSlide(title("fine"));
    return b.build();
}

std::string withPart(const std::string& name, const std::string& content) {
    PptxBuilder b;
    b.addSlide(title("fine"));
    auto parts = b.parts();
    parts[name] = content;
    return PptxBuilder::zip(parts);
}

std::string withoutPart(const std::string& name) {
    PptxBuilder b;
    b.addSlide(title("fine"));
    auto parts = b.parts();
    parts.erase(name);
    return PptxBuilder::zip(parts);
}

// Sets the inflated size that the central directory declares for a part.
std::string withDeclaredSize(std::string zip, const std::string& part, std::uint32_t size) {
    std::size_t name = zip.rfind(part);
    std::size_t header = name - 46;
    if (zip.compare(header, 4, "PK\x01\x02") != 0) throw std::runtime_error("no central directory entry for " + part);
    std::memcpy(&zip[header + 24], &size, 4);  // little-endian host
    return zip;
}

// Flips bytes inside a part's compressed data (found through its local header).
std::string withCorruptData(std::string zip, const std::string& part) {
    std::size_t name = zip.find(part);
    std::size_t header = name - 30;
    if (zip.compare(header, 4, "PK\x03\x04") != 0) throw std::runtime_error("no local header for " + part);
    auto u16 = [&](std::size_t at) { return static_cast<unsigned char>(zip[at]) | static_cast<unsigned char>(zip[at + 1]) << 8; };
    std::size_t data = name + u16(header + 26) + u16(header + 28);
    for (std::size_t i = data + 4; i < data + 40; ++i) zip[i] = static_cast<char>(zip[i] ^ 0x5A);
    return zip;
}

struct BrokenCase {
    const char* name;
    std::string bytes;
    ErrorKind kind;
    const char* messagePart;  // text the message must contain
};

class PptxBrokenInput : public ::testing::TestWithParam<BrokenCase> {};

TEST_P(PptxBrokenInput, FailsWithAClearError) {
    const BrokenCase& c = GetParam();
    TextSink sink;
    try {
        readPptx(*memorySource(c.bytes, "broken.pptx"), sink);
        FAIL() << "no error";
    } catch (const EngineError& e) {
        EXPECT_EQ(e.kind(), c.kind) << e.what();
        EXPECT_NE(std::string(e.what()).find("\"broken.pptx\""), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find(c.messagePart), std::string::npos) << e.what();
    }
}

std::string nestedXml(int depth) {
    std::string open, close;
    for (int i = 0; i < depth; ++i) {
        open += "<a:x>";
        close += "</a:x>";
    }
    return open + close;
}

INSTANTIATE_TEST_SUITE_P(
    Table, PptxBrokenInput,
    ::testing::Values(
        BrokenCase{"EmptyZip", "", ErrorKind::NotAPresentation, "officeDocument"},
        BrokenCase{"Truncated", deck().substr(0, deck().size() / 2), ErrorKind::Damaged, "the package is damaged"},
        BrokenCase{"LocalHeaderOnly", std::string("PK\x03\x04", 4) + std::string(100, 'x'), ErrorKind::Damaged,
                   "the package is damaged"},
        BrokenCase{"NoPackageRelationships", withoutPart("_rels/.rels"), ErrorKind::NotAPresentation,
                   "officeDocument"},
        BrokenCase{"MainPartIsNotAPresentation",
                   withPart("ppt/presentation.xml",
                            "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"/>"),
                   ErrorKind::NotAPresentation, "not a presentation"},
        BrokenCase{"MainPartMissing", withoutPart("ppt/presentation.xml"), ErrorKind::Damaged,
                   "ppt/presentation.xml is missing"},
        BrokenCase{"SlideNotWellFormed", withPart("ppt/slides/slide1.xml", "<p:sld><p:cSld>"), ErrorKind::Damaged,
                   "part ppt/slides/slide1.xml is not well-formed XML"},
        BrokenCase{"RelationshipsNotWellFormed", withPart("ppt/_rels/presentation.xml.rels", "<Relationships"),
                   ErrorKind::Damaged, "ppt/_rels/presentation.xml.rels"},
        BrokenCase{"DeclaredZipBomb", withDeclaredSize(deck(), "ppt/slides/slide1.xml", 0x7FFFFFFF),
                   ErrorKind::TooLarge, "ppt/slides/slide1.xml"},
        BrokenCase{"CorruptDeflateData", withCorruptData(deck(), "ppt/slides/slide1.xml"), ErrorKind::Damaged,
                   "cannot read part ppt/slides/slide1.xml: "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PptxHostileInput, DeepNestingAndHugeRunsAreRead) {
    PptxBuilder b;
    b.addSlide(title("deep") + "<p:sp>" + nestedXml(200000) + "</p:sp>");
    std::string big(8 << 20, 'x');
    b.addSlide(title(big));
    TextSink sink;
    readPptx(*memorySource(b.build()), sink);
    EXPECT_EQ(sink.str().substr(0, 9), "0: deep\n0");
    EXPECT_EQ(sink.str().size(), 8u + 3 + big.size() + 1);
}

}  // namespace
}  // namespace sw::pres
