// Files that are not readable presentations fail with the right kind and a
// message that names the file and the cause; odd but valid containers read.
#include <gtest/gtest.h>

#include <functional>

#include "PptBuilder.h"
#include "PptTestSupport.h"
#include "presentation/ByteSource.h"
#include "presentation/TraceSink.h"

namespace sw::test::ppt {
namespace {

using sw::pres::ErrorKind;

DeckSpec oneSlideDeck() {
    DeckSpec deck;
    deck.slides.emplace_back();
    deck.slides[0].listBlocks.push_back({0, u"Hello", false, {}, {}});
    return deck;
}

std::string withDocument(const std::string& document, std::uint32_t edit) {
    return compoundFile({{"Current User", currentUserStream(edit)}, {"PowerPoint Document", document}});
}

// One save whose persist directory is built by hand.
std::string customSave(const std::function<void(PptStreamWriter&)>& fill, std::uint32_t docId,
                       std::optional<std::uint32_t> session = std::nullopt) {
    PptStreamWriter w;
    fill(w);
    std::uint32_t edit = w.commit(docId, session);
    return withDocument(w.bytes(), edit);
}

struct BrokenCase {
    const char* what;
    std::function<std::string()> make;
    ErrorKind kind;
    const char* messagePart;
};

TEST(PptDetection, BrokenAndForeignInputs) {
    const PptStreams good = buildStreams(oneSlideDeck());
    const DeckSpec deck = oneSlideDeck();
    const BrokenCase cases[] = {
        {"empty file", [] { return std::string(); }, ErrorKind::NotAPresentation, "is not a presentation"},
        {"text file", [] { return std::string(600, 'x'); }, ErrorKind::NotAPresentation, "not a compound file"},
        {"compound file of another kind", [] { return compoundFile({{"WordDocument", std::string(100, 'w')}}); },
         ErrorKind::NotAPresentation, "holds no \"PowerPoint Document\" stream"},
        {"encrypted binary (Current User token)",
         [&] { return compoundFile({{"Current User", currentUserStream(0, 0xF3D1C4DF)}, {"PowerPoint Document", good.document}}); },
         ErrorKind::Encrypted, "\"test.ppt\" is encrypted (password-protected)"},
        {"encrypted OOXML package",
         [] { return compoundFile({{"EncryptionInfo", std::string(200, 'i')}, {"EncryptedPackage", std::string(5000, 'p')}}); },
         ErrorKind::Encrypted, "is encrypted (password-protected)"},
        {"encryption session in the edit",
         [&] {
             return customSave([&](PptStreamWriter& w) {
                 w.setPersist(1, w.append(documentContainer(deck, {3}, 2)));
                 w.setPersist(3, w.append(slideContainer(deck.slides[0])));
                 w.setPersist(4, w.append(container(0x2F14, {atom(0x2F15, std::string(40, '\0'))})));
             }, 1, 4u);
         },
         ErrorKind::Encrypted, "is encrypted"},
        {"PowerPoint 4.0 (PP40 only)", [] { return compoundFile({{"PP40", std::string(3000, '4')}}); }, ErrorKind::Unsupported,
         "\"test.ppt\" was saved by PowerPoint 95 or earlier, which is not supported"},
        {"PowerPoint 95 (short Current User)",
         [&] { return compoundFile({{"Current User", u32le(16) + std::string(16, 'u')}, {"PowerPoint Document", good.document}}); },
         ErrorKind::Unsupported, "PowerPoint 95 or earlier"},
        {"no Current User", [&] { return compoundFile({{"PowerPoint Document", good.document}}); }, ErrorKind::Damaged,
         "no \"Current User\" stream"},
        {"Current User with a garbage token",
         [&] { return compoundFile({{"Current User", currentUserStream(0, 0x12345678)}, {"PowerPoint Document", good.document}}); },
         ErrorKind::Damaged, "\"Current User\" stream is not valid"},
        {"document persist id leads to a slide",
         [&] {
             return customSave([&](PptStreamWriter& w) {
                 w.setPersist(1, w.append(documentContainer(deck, {3}, 2)));
                 w.setPersist(3, w.append(slideContainer(deck.slides[0])));
             }, 3);
         },
         ErrorKind::Damaged, "the document record is missing"},
        {"slide persist id missing from the directory",
         [&] { return customSave([&](PptStreamWriter& w) { w.setPersist(1, w.append(documentContainer(deck, {9}, 2))); }, 1); },
         ErrorKind::Damaged, "persist object 9 is missing"},
        {"slide list names one record for two slides",
         [&] {
             DeckSpec two = deck;
             two.slides.push_back(deck.slides[0]);
             return customSave([&](PptStreamWriter& w) {
                 w.setPersist(1, w.append(documentContainer(two, {3, 3}, 2)));
                 w.setPersist(3, w.append(slideContainer(deck.slides[0])));
             }, 1);
         },
         ErrorKind::Damaged, "names persist object 3 twice"},
        {"persist offset past the end",
         [&] {
             return customSave([&](PptStreamWriter& w) {
                 w.setPersist(1, w.append(documentContainer(deck, {3}, 2)));
                 w.setPersist(3, 0x7FFFFFF0);
             }, 1);
         },
         ErrorKind::Damaged, "past the end of the stream"},
        {"document record longer than the stream",
         [&] {
             std::string doc = good.document;
             doc.replace(4, 4, u32le(0x7FFFFFF0));  // the DocumentContainer's recLen
             return withDocument(doc, static_cast<std::uint32_t>(good.document.size()) - 36);
         },
         ErrorKind::Damaged, "more than its parent holds"},
        {"child record longer than its container",
         [&] {
             PptStreams s = good;
             // The first child of the document (DocumentAtom) claims more than the document.
             s.document.replace(8 + 4, 4, u32le(0x00100000));
             return compoundFile(s);
         },
         ErrorKind::Damaged, "more than its parent holds"},
    };
    for (const BrokenCase& c : cases) {
        SCOPED_TRACE(c.what);
        auto f = failureOf(c.make());
        ASSERT_TRUE(f) << "read without error";
        EXPECT_EQ(f->kind, c.kind) << f->message;
        EXPECT_NE(f->message.find(c.messagePart), std::string::npos) << f->message;
        EXPECT_EQ(f->message.rfind("\"test.ppt\" ", 0), 0u) << f->message;
    }
}

TEST(PptDetection, DamageFoundLateLeavesNoHalfOutline) {
    // Slide 1 is fine; slide 2's persist id is missing.
    DeckSpec deck = oneSlideDeck();
    deck.slides.push_back(deck.slides[0]);
    PptStreamWriter w;
    w.setPersist(1, w.append(documentContainer(deck, {3, 4}, 2)));
    w.setPersist(3, w.append(slideContainer(deck.slides[0])));
    const std::uint32_t edit = w.commit(1);
    auto source = sw::pres::memorySource(std::string_view(withDocument(w.bytes(), edit)), "late.ppt");
    sw::pres::TraceSink sink;
    EXPECT_THROW(sw::pres::readPpt(*source, sink), sw::pres::EngineError);
    EXPECT_EQ(sink.str(), "");
}

TEST(PptDetection, ContainerVariantsRead) {
    const PptStreams s = buildStreams(oneSlideDeck());
    struct Case {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"version 4 (4096-byte sectors)", compoundFile(s, 4096)},
        {"dual storage: the inner presentation is read",
         compoundFile({{"Current User", currentUserStream(0, 0)},
                       {"PowerPoint Document", std::string(5000, '9')},
                       {"PP97_DUALSTORAGE/Current User", s.currentUser},
                       {"PP97_DUALSTORAGE/PowerPoint Document", s.document}})},
        {"names in other letter case", compoundFile({{"CURRENT USER", s.currentUser}, {"powerpoint document", s.document}})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(readBytes(c.bytes).text, "0: Hello\n");
    }
}

TEST(PptDetection, VbaProjects) {
    const PptStreams s = buildStreams(oneSlideDeck());
    EXPECT_FALSE(readBytes(compoundFile(s)).info.hasVbaProject);
    DeckSpec withAtom = oneSlideDeck();
    withAtom.vbaAtom = true;
    EXPECT_TRUE(readBytes(buildPpt(withAtom)).info.hasVbaProject);
    EXPECT_TRUE(readBytes(compoundFile({{"Current User", s.currentUser},
                                        {"PowerPoint Document", s.document},
                                        {"_VBA_PROJECT_CUR/PROJECT", "ID=\"{0}\""}}))
                    .info.hasVbaProject);
}

TEST(PptDetection, ExamplePresentationReads) {
    auto r = readBytes(examplePresentation());
    EXPECT_EQ(r.text,
              "0: Slidewright Converter\n1: Outlines from presentations, caf\xC3\xA9 edition\n"
              "0: What it does\n1: Reads .ppt and .pptx\n2: Binary files\n2: Packages\n1: Writes RTF outlines\n"
              "0: Na\xC3\xAFve questions\n1: Gr\xC3\xBC\xC3\x9F" "e from Z\xC3\xBCrich\n2: Titles become headings\n2: Bullets keep their level\n");
    EXPECT_NE(r.trace.find("run b sz=56 font=Arial"), std::string::npos) << r.trace;
    EXPECT_NE(r.trace.find("run i sz=48 font=Arial"), std::string::npos) << r.trace;
}

}  // namespace
}  // namespace sw::test::ppt
