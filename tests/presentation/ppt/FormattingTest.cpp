// Character formatting: the run's own properties over the master's styles,
// fonts from the font collection, colours as RGB or from the scheme.
#include <gtest/gtest.h>

#include "PptBuilder.h"
#include "PptTestSupport.h"

namespace sw::test::ppt {
namespace {

DeckSpec styledDeck() {
    DeckSpec deck;
    deck.fonts = {"Arial", "Georgia", "Symbol"};
    deck.masterStyles = {textMasterStyle(0, {CharSpec{.bold = true, .fontRef = 1, .size = 44}}),
                         textMasterStyle(1, {CharSpec{.fontRef = 0, .size = 32}, CharSpec{.size = 28, .schemeIndex = 1}})};
    deck.colorScheme = std::vector<std::uint32_t>{0xFFFFFF, 0x112233, 0x808080, 0x000000, 0x00CC99, 0x3333CC, 0xCCCCFF, 0xB2B2B2};
    return deck;
}

std::string runLines(const std::string& trace) {
    std::string out;
    std::size_t pos = 0;
    while ((pos = trace.find("run", pos)) != std::string::npos) {
        auto end = trace.find('\n', pos);
        out += trace.substr(pos, end - pos) + "\n";
        pos = end;
    }
    return out;
}

TEST(PptFormatting, RunsOverMasterStyles) {
    DeckSpec deck = styledDeck();
    SlideSpec s;
    const std::u16string body = u"plain bold it under strike\rbig red sym sup\rsecond level";
    CharSpec master{};  // nothing but explicit "off" style bits
    s.listBlocks.push_back({0, u"Title", false, {}, {}});
    s.listBlocks.push_back(
        {1, body, false,
         styleTextProp(paragraphRuns(body, {0, 0, 1}),
                       charRuns(body, {{6, master},
                                       {5, {.bold = true}},
                                       {3, {.italic = true}},
                                       {6, {.underline = true}},
                                       {7, {.strike = true}},
                                       {4, {.size = 40}},
                                       {4, {.rgb = 0xFF0000}},
                                       {4, {.fontRef = 2}},
                                       {4, {.position = 30}},
                                       {0, {}}})),
         {}});
    deck.slides.push_back(s);
    auto r = readBytes(buildPpt(deck));
    EXPECT_EQ(runLines(r.trace),
              "run b sz=88 font=Georgia\n"          // title: all from the master
              "run sz=64 font=Arial\n"              // body level 1 master
              "run b sz=64 font=Arial\n"
              "run i sz=64 font=Arial\n"
              "run u sz=64 font=Arial\n"
              "run strike sz=64 font=Arial\n"
              "run sz=80 font=Arial\n"
              "run sz=64 font=Arial color=FF0000\n"
              "run sz=64 font=Symbol symbol\n"
              "run super sz=64 font=Arial\n"
              "run sz=56 color=112233\n")           // second master level: size and scheme colour
        << r.trace;
}

TEST(PptFormatting, TextBeyondTheCharacterRunsTakesTheMasterFormat) {
    DeckSpec deck = styledDeck();
    SlideSpec s;
    s.listBlocks.push_back({1, u"abcdef", false, styleTextProp(paragraphRuns(u"abcdef", {0}), {charRun(3, {.italic = true})}), {}});
    deck.slides.push_back(s);
    auto r = readBytes(buildPpt(deck));
    EXPECT_EQ(runLines(r.trace), "run i sz=64 font=Arial\nrun sz=64 font=Arial\n") << r.trace;
    EXPECT_EQ(r.text, "1: abcdef\n");
}

TEST(PptFormatting, UnreadableMasterStyleOnlyCostsFormatting) {
    DeckSpec deck;
    deck.masterStyles = {atom(0x0FA3, u16le(1) + u32le(0x00800000), 1)};  // reserved paragraph bits
    SlideSpec s;
    s.listBlocks.push_back({1, u"Text", false, {}, {}});
    deck.slides.push_back(s);
    EXPECT_EQ(readBytes(buildPpt(deck)).text, "1: Text\n");
}

}  // namespace
}  // namespace sw::test::ppt
