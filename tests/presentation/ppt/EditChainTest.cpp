// The edit chain: only the newest save's objects may show, however many
// saves the stream holds; broken chains fail as damaged.
#include <gtest/gtest.h>

#include "PptBuilder.h"
#include "PptTestSupport.h"

namespace sw::test::ppt {
namespace {

using sw::pres::ErrorKind;

SlideSpec titled(std::u16string title) {
    SlideSpec s;
    s.listBlocks.push_back({0, std::move(title), false, {}, {}});
    return s;
}

SlideSpec drawn(std::u16string title) {
    SlideSpec s;
    s.shapes.push_back({13, BlockSpec{0, std::move(title), false, {}, {}}, std::nullopt});
    return s;
}

// Three saves appended to one stream, as fast saves do. The first writes a
// deck with one slide whose title is in the slide list; the second rewrites
// the document (new list text) and the slide; the third moves the document
// to a new persist id, adds a slide and puts the first title in the drawing.
struct ThreeSaves {
    PptStreamWriter w;
    std::uint32_t edits[3];

    ThreeSaves() {
        DeckSpec deck;
        deck.slides = {titled(u"First version")};
        w.setPersist(1, w.append(documentContainer(deck, {3}, 2)));
        w.setPersist(2, w.append(mainMaster(deck)));
        w.setPersist(3, w.append(slideContainer(deck.slides[0])));
        edits[0] = w.commit(1);

        deck.slides = {titled(u"Second version")};
        w.setPersist(1, w.append(documentContainer(deck, {3}, 2)));
        w.setPersist(3, w.append(slideContainer(deck.slides[0])));
        edits[1] = w.commit(1);

        deck.slides = {drawn(u"Third version"), titled(u"Added slide")};
        w.setPersist(4, w.append(documentContainer(deck, {3, 5}, 2)));
        w.setPersist(3, w.append(slideContainer(deck.slides[0])));
        w.setPersist(5, w.append(slideContainer(deck.slides[1])));
        edits[2] = w.commit(4);
    }
    std::string file(std::uint32_t edit) const { return compoundFile({w.bytes(), currentUserStream(edit)}); }
};

TEST(PptEditChain, OnlyTheNewestSaveShows) {
    ThreeSaves s;
    const char* expected[3] = {"0: First version\n", "0: Second version\n", "0: Third version\n0: Added slide\n"};
    const char* all[4] = {"First version", "Second version", "Third version", "Added slide"};
    for (int save = 0; save < 3; ++save) {
        SCOPED_TRACE(save);
        ReadResult r = readBytes(s.file(s.edits[save]));
        EXPECT_EQ(r.text, expected[save]);
        for (const char* t : all) {
            if (std::string(expected[save]).find(t) == std::string::npos) {
                EXPECT_EQ(r.trace.find(t), std::string::npos) << t;
            }
        }
    }
}

TEST(PptEditChain, EditsSharingADirectoryRead) {
    // A second UserEditAtom that reuses the first save's directory: merged
    // once, the deck reads as saved.
    ThreeSaves s;
    std::string stream = s.w.bytes();
    const std::uint32_t firstDir = [&] {
        const std::uint8_t* p = reinterpret_cast<const std::uint8_t*>(stream.data()) + s.edits[0] + 20;
        return std::uint32_t(p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t{p[3]} << 24));
    }();
    const auto extra = static_cast<std::uint32_t>(stream.size());
    stream += atom(0x0FF5, u32le(256) + u16le(0) + u8le(0) + u8le(3) + u32le(s.edits[0]) + u32le(firstDir) + u32le(1) +
                               u32le(4) + u16le(1) + u16le(0));
    EXPECT_EQ(readBytes(compoundFile({stream, currentUserStream(extra)})).text, "0: First version\n");
}

TEST(PptEditChain, LoopAndOutOfRangeOffsetsAreDamaged) {
    ThreeSaves s;
    // Let the oldest edit point back at the newest: offsetLastEdit is 16
    // bytes into the UserEditAtom (8 header + lastSlideIdRef + version).
    std::string looped = s.w.bytes();
    const std::uint32_t target = s.edits[2];
    looped.replace(s.edits[0] + 16, 4, u32le(target));
    auto f = failureOf(compoundFile({looped, currentUserStream(s.edits[2])}), "deck.ppt");
    ASSERT_TRUE(f);
    EXPECT_EQ(f->kind, ErrorKind::Damaged);
    EXPECT_EQ(f->message, "\"deck.ppt\" is damaged: the edit chain loops at offset " + std::to_string(target));

    // The current edit past the end of the stream.
    f = failureOf(compoundFile({s.w.bytes(), currentUserStream(static_cast<std::uint32_t>(s.w.bytes().size()) + 100)}));
    ASSERT_TRUE(f);
    EXPECT_EQ(f->kind, ErrorKind::Damaged);
    EXPECT_NE(f->message.find("past the end"), std::string::npos) << f->message;

    // An offset that lands inside a record instead of on a UserEditAtom.
    f = failureOf(compoundFile({s.w.bytes(), currentUserStream(s.edits[2] + 4)}));
    ASSERT_TRUE(f);
    EXPECT_EQ(f->kind, ErrorKind::Damaged);
}

}  // namespace
}  // namespace sw::test::ppt
