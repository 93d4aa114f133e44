// Which text makes the outline: slide-list blocks and drawing shapes, roles
// by placeholder, each block once, titles first.
#include <gtest/gtest.h>

#include "PptBuilder.h"
#include "PptTestSupport.h"

namespace sw::test::ppt {
namespace {

std::string deckOf(SlideSpec slide) {
    DeckSpec deck;
    deck.slides.push_back(std::move(slide));
    return buildPpt(deck);
}

BlockSpec block(std::uint32_t type, std::u16string text) { return {type, std::move(text), false, {}, {}}; }

TEST(PptPlaceholders, TextOnlyInTheDrawing) {
    SlideSpec s;
    s.shapes.push_back({16, block(5, u"Subtitle"), std::nullopt});
    s.shapes.push_back({15, block(6, u"Centred title"), std::nullopt});
    auto r = readBytes(deckOf(s));
    EXPECT_EQ(r.text, "0: Centred title\n1: Subtitle\n");
    EXPECT_NE(r.trace.find("title\n      para 0\n        run\n          text \"Centred title\""), std::string::npos) << r.trace;
}

TEST(PptPlaceholders, RolesComeFromThePlaceholderNotTheTextType) {
    struct Case {
        const char* what;
        ShapeSpec shape;
        std::string text;
    } cases[] = {
        {"title placeholder 13", {13, block(4, u"T"), std::nullopt}, "0: T\n"},
        {"vertical title 17", {17, block(4, u"T"), std::nullopt}, "0: T\n"},
        {"body 14", {14, block(4, u"B"), std::nullopt}, "1: B\n"},
        {"vertical body 18", {18, block(4, u"B"), std::nullopt}, "1: B\n"},
        {"object 19", {19, block(7, u"B"), std::nullopt}, "1: B\n"},
        {"text box typed as title, no placeholder", {std::nullopt, block(0, u"Box"), std::nullopt}, ""},
        {"text box typed as half body", {std::nullopt, block(7, u"Box"), std::nullopt}, ""},
        {"date placeholder 7", {7, block(4, u"Today"), std::nullopt}, ""},
        {"footer placeholder 9", {9, block(4, u"Footer"), std::nullopt}, ""},
        {"table placeholder 21", {21, block(1, u"Cell"), std::nullopt}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SlideSpec s;
        s.shapes.push_back(c.shape);
        auto r = readBytes(deckOf(s));
        EXPECT_EQ(r.text, c.text);
        EXPECT_EQ(countOf(r.trace, "slide 1"), 1);  // the slide is there even without outline text
    }
}

TEST(PptPlaceholders, OutlineReferencesTakeEachBlockOnce) {
    SlideSpec s;
    s.listBlocks = {block(0, u"Listed title"), block(1, u"Listed body"), block(1, u"Unreferenced body"),
                    block(4, u"Other text")};
    // Body shape first, then the title, each pointing into the list; the
    // body points at its block twice (a second shape), which must not repeat it.
    s.shapes.push_back({14, std::nullopt, 1u});
    s.shapes.push_back({13, std::nullopt, 0u});
    s.shapes.push_back({14, std::nullopt, 1u});
    s.shapes.push_back({std::nullopt, std::nullopt, 99u});  // out of range: ignored
    auto r = readBytes(deckOf(s));
    EXPECT_EQ(r.text, "0: Listed title\n1: Listed body\n1: Unreferenced body\n");
}

TEST(PptPlaceholders, ReferencesFromOtherPlaceholders) {
    SlideSpec s;
    s.listBlocks = {block(0, u"Title"), block(1, u"Shown in a footer"), block(1, u"Body of a shape without a role")};
    s.shapes.push_back({9, std::nullopt, 1u});  // footer: the block is taken and left out
    s.shapes.push_back({0, std::nullopt, 2u});  // PT_None: no placeholder, the block's type decides
    EXPECT_EQ(readBytes(deckOf(s)).text, "0: Title\n1: Body of a shape without a role\n");
}

TEST(PptPlaceholders, ListAndDrawingTextTogether) {
    SlideSpec s;
    s.listBlocks = {block(0, u"From the list")};
    s.shapes.push_back({13, std::nullopt, 0u});
    s.shapes.push_back({14, block(1, u"From the drawing"), std::nullopt});
    EXPECT_EQ(readBytes(deckOf(s)).text, "0: From the list\n1: From the drawing\n");
}

TEST(PptPlaceholders, HiddenSlidesAreKeptAndFlagged) {
    DeckSpec deck;
    deck.slides.resize(3);
    deck.slides[1].hidden = true;
    for (auto& s : deck.slides) s.listBlocks = {block(0, u"T")};
    auto r = readBytes(buildPpt(deck));
    EXPECT_NE(r.trace.find("slide 1\n"), std::string::npos);
    EXPECT_NE(r.trace.find("slide 2 hidden\n"), std::string::npos) << r.trace;
    EXPECT_NE(r.trace.find("slide 3\n"), std::string::npos);
    EXPECT_EQ(countOf(r.trace, "hidden"), 1);
}

}  // namespace
}  // namespace sw::test::ppt
