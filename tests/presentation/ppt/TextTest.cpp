// Text of the slide list: paragraphs, levels, special characters, fields,
// and style records that do or do not parse.
#include <gtest/gtest.h>

#include "PptBuilder.h"
#include "PptTestSupport.h"

namespace sw::test::ppt {
namespace {

std::string oneSlide(std::vector<BlockSpec> blocks, int slidesBefore = 0) {
    DeckSpec deck;
    for (int i = 0; i < slidesBefore; ++i) deck.slides.emplace_back();
    SlideSpec s;
    s.listBlocks = std::move(blocks);
    deck.slides.push_back(std::move(s));
    return buildPpt(deck);
}

TEST(PptText, ParagraphsTakeTheirLevelFromTheParagraphRuns) {
    const std::u16string body = u"One\rTwo\rThree\rFour";  // the last paragraph has no CR
    auto r = readBytes(oneSlide({{0, u"Title", false, {}, {}},
                                 {1, body, false, styleTextProp(paragraphRuns(body, {0, 1, 4, 2}), {}), {}}}));
    EXPECT_EQ(r.text, "0: Title\n1: One\n2: Two\n5: Three\n3: Four\n");
    EXPECT_NE(r.trace.find("slide 1\n    title\n      para 0\n"), std::string::npos) << r.trace;
}

TEST(PptText, LastRunCoversTheUnstoredParagraphMark) {
    // "A\rB": runs of 2 and 2 (= length + 1); an off-by-one would read the
    // second paragraph's level from nowhere.
    const std::u16string body = u"A\rB";
    auto r = readBytes(oneSlide({{1, body, false, styleTextProp({paraRun(2, 3), paraRun(2, 1)}, {}), {}}}));
    EXPECT_EQ(r.text, "4: A\n2: B\n");
    // A trailing CR is an empty last paragraph.
    const std::u16string trailing = u"A\r";
    r = readBytes(oneSlide({{1, trailing, false, styleTextProp({paraRun(2, 0), paraRun(1, 2)}, {}), {}}}));
    EXPECT_EQ(r.text, "1: A\n3: \n");
}

TEST(PptText, SpecialCharacters) {
    struct Case {
        const char* what;
        BlockSpec block;
        std::string text;
    } cases[] = {
        {"Latin-1 bytes: 0x80 is U+0080, not the euro sign", {0, u"\u0080 caf\u00e9 \u00ff", true, {}, {}},
         "0: \xC2\x80 caf\xC3\xA9 \xC3\xBF\n"},
        {"UTF-16 with a surrogate pair", {0, u"\u0416 \U0001F600", false, {}, {}}, "0: \xD0\x96 \xF0\x9F\x98\x80\n"},
        {"a line break stays inside the title", {0, u"Two\vlines", false, {}, {}}, "0: Two\\nlines\n"},
        {"tabs", {1, u"a\tb", false, {}, {}}, "1: a\tb\n"},
        {"other control characters are dropped", {1, u"a\u0001b\u001Fc", false, {}, {}}, "1: abc\n"},
        {"empty text is one empty paragraph", {1, u"", false, {}, {}}, "1: \n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(readBytes(oneSlide({c.block})).text, c.text);
    }
    // The title's line break is a "br" event in one paragraph.
    auto r = readBytes(oneSlide({{0, u"Two\vlines", false, {}, {}}}));
    EXPECT_EQ(countOf(r.trace, "para 0"), 1);
    EXPECT_NE(r.trace.find("text \"Two\"\n          br\n          text \"lines\""), std::string::npos) << r.trace;
}

TEST(PptText, FieldsAreReplacedByTheirText) {
    // Slide 3: "*" at 5 is the slide number, "*" at 10 a date (dropped: the
    // file keeps no text for it).
    auto r = readBytes(oneSlide({{1, u"Page * of *x", false, {}, {slideNumberField(5), dateTimeField(10)}}}, 2));
    EXPECT_EQ(r.text, "1: Page 3 of x\n");
}

TEST(PptText, ParagraphMasksWithTabStopsAndOtherFieldsAreSkipped) {
    // First run: mask with bullet flags+char, alignment, tab stops (2 stops)
    // and wrap flags; second run plain. The second level must still be read.
    const std::string pf = u32le(0x0001 | 0x0080 | 0x0800 | 0x100000 | 0x20000) + u16le(1) + u16le(0x2022) + u16le(1) +
                           u16le(2) + u32le(100) + u32le(200) + u16le(0);
    const std::u16string body = u"Tabbed\rNext";
    auto r = readBytes(oneSlide({{1, body, false, styleTextProp({paraRun(7, 0, pf), paraRun(5, 2)},
                                                               charRuns(body, {{0, {.bold = true}}})), {}}}));
    EXPECT_EQ(r.text, "1: Tabbed\n3: Next\n");
    EXPECT_EQ(countOf(r.trace, "run b"), 2) << r.trace;
}

TEST(PptText, UnreadableStyleKeepsTheText) {
    const std::u16string body = u"Kept\rAlso kept";
    struct Case {
        const char* what;
        std::string style;
    } cases[] = {
        {"reserved paragraph mask bits", styleTextProp({paraRun(5, 2, u32le(0x00800000)), paraRun(10, 3)}, {})},
        {"reserved character mask bits", styleTextProp(paragraphRuns(body, {2, 3}), {u32le(15) + u32le(0x01000000)})},
        {"a run cut short", atom(0x0FA1, u32le(5) + u16le(2) + u32le(0x0001))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DeckSpec deck;
        deck.masterStyles = {textMasterStyle(1, {CharSpec{.bold = true, .size = 20}})};
        deck.slides.emplace_back();
        deck.slides[0].listBlocks = {{1, body, false, c.style, {}}};
        auto r = readBytes(buildPpt(deck));
        EXPECT_EQ(r.text, "1: Kept\n1: Also kept\n");
        EXPECT_EQ(countOf(r.trace, "run\n"), 2) << r.trace;  // no formatting, not even the master's
    }
    // The same master does format readable text.
    DeckSpec deck;
    deck.masterStyles = {textMasterStyle(1, {CharSpec{.bold = true, .size = 20}})};
    deck.slides.emplace_back();
    deck.slides[0].listBlocks = {{1, body, false, styleTextProp(paragraphRuns(body, {0, 0}), {}), {}}};
    EXPECT_EQ(countOf(readBytes(buildPpt(deck)).trace, "run b sz=40\n"), 2);
}

}  // namespace
}  // namespace sw::test::ppt
