#include <gtest/gtest.h>

#include <sstream>

#include "RtfReaders.h"
#include "TempDir.h"
#include "presentation/rtf/RtfWriter.h"

namespace sw::pres {
namespace {

// Drives a writer with a small outline written as code.
class Outline {
public:
    Outline() : writer_(out_) { writer_.beginPresentation(); }
    Outline& slide() {
        closeSlide();
        writer_.beginSlide(++slides_, false);
        inSlide_ = true;
        return *this;
    }
    Outline& block(BlockRole role) {
        closeBlock();
        writer_.beginTextBlock(role);
        inBlock_ = true;
        return *this;
    }
    Outline& para(int level, const std::string& text, const CharFormat& f = {}) {
        writer_.beginParagraph(level);
        if (!text.empty()) {
            writer_.beginRun(f);
            writer_.text(text);
            writer_.endRun();
        }
        writer_.endParagraph();
        return *this;
    }
    OutlineSink& sink() { return writer_; }
    std::string finish() {
        closeSlide();
        writer_.endPresentation();
        return out_.str();
    }

private:
    void closeBlock() {
        if (inBlock_) writer_.endTextBlock();
        inBlock_ = false;
    }
    void closeSlide() {
        closeBlock();
        if (inSlide_) writer_.endSlide();
        inSlide_ = false;
    }
    std::ostringstream out_;
    RtfWriter writer_;
    int slides_ = 0;
    bool inSlide_ = false, inBlock_ = false;
};

std::string body(const std::string& rtf) { return rtf.substr(rtf.find("heading 9;}")); }

struct EscapeCase {
    const char* name;
    std::string text;
    std::string expected;
};

class RtfEscaping : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(RtfEscaping, RunTextIsWrittenAsSevenBitRtf) {
    const EscapeCase& c = GetParam();
    CharFormat bold;
    bold.bold = true;
    bold.sizeHalfPoints = 24;
    std::string rtf = Outline().slide().block(BlockRole::Title).para(0, c.text, bold).finish();
    EXPECT_NE(body(rtf).find("{\\b\\fs24 " + c.expected + "}"), std::string::npos) << body(rtf);
    for (unsigned char ch : rtf) ASSERT_LT(ch, 0x80) << "8-bit byte in the output";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RtfEscaping,
    ::testing::Values(EscapeCase{"Backslash", "a\\b", "a\\\\b"}, EscapeCase{"Braces", "{x}", "\\{x\\}"},
                      EscapeCase{"Tab", "a\tb", "a\\tab b"},
                      EscapeCase{"EAcute", "caf\xC3\xA9", "caf\\u233\\'3f"},
                      EscapeCase{"Euro", "\xE2\x82\xAC" "5", "\\u8364\\'3f5"},
                      EscapeCase{"Cyrillic", "\xD0\x96", "\\u1046\\'3f"},
                      EscapeCase{"Cjk", "\xE4\xB8\xAD", "\\u20013\\'3f"},
                      EscapeCase{"PrivateUseSymbol", "\xEF\x80\xA0", "\\u-4064\\'3f"},
                      EscapeCase{"Emoji", "\xF0\x9F\x98\x80", "\\u-10179\\'3f\\u-8704\\'3f"},
                      EscapeCase{"DigitsAfterControlWord", "2024", "2024"},
                      EscapeCase{"OtherControlCharsDropped", "a\x01\x0B" "b", "ab"},
                      EscapeCase{"MalformedUtf8", "a\xC3(", "a\\u-3\\'3f("}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RtfWriter, LineBreakAndTabEventsBecomeControlWords) {
    Outline o;
    o.slide().block(BlockRole::Title);
    OutlineSink& s = o.sink();
    s.beginParagraph(0);
    s.beginRun({});
    s.text("a");
    s.lineBreak();
    s.text("1");
    s.tab();
    s.text("2");
    s.endRun();
    s.endParagraph();
    EXPECT_NE(body(o.finish()).find("{a\\line 1\\tab 2}"), std::string::npos);
}

TEST(RtfWriter, HeaderAndStylesheetAreCompactAndComplete) {
    std::string rtf = Outline().slide().block(BlockRole::Title).para(0, "T").finish();
    EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg1252\\uc1\\deff0\\deflang1033", 0), 0u);
    EXPECT_NE(rtf.find("{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}"), std::string::npos);
    EXPECT_NE(rtf.find("{\\colortbl;}"), std::string::npos);
    for (int n = 1; n <= 9; ++n) {
        std::string style = "{\\s" + std::to_string(n) + "\\outlinelevel" + std::to_string(n - 1);
        EXPECT_NE(rtf.find(style), std::string::npos) << style;
        EXPECT_NE(rtf.find(" heading " + std::to_string(n) + ";}"), std::string::npos);
    }
    EXPECT_EQ(rtf.substr(rtf.size() - 3), "}\r\n");
}

TEST(RtfWriter, EverySlideHasExactlyOneLevelZeroParagraph) {
    // Slide 1: no title at all; slide 2: a title of two paragraphs; slide 3: empty.
    std::string rtf = Outline()
                          .slide().block(BlockRole::Body).para(1, "only body").para(2, "deeper")
                          .slide().block(BlockRole::Title).para(0, "first").para(0, "second")
                          .block(BlockRole::Body).para(1, "b")
                          .slide()
                          .finish();
    std::string b = body(rtf);
    std::size_t headings = 0;
    for (std::size_t p = b.find("\\outlinelevel0 "); p != std::string::npos; p = b.find("\\outlinelevel0 ", p + 1))
        ++headings;
    EXPECT_EQ(headings, 3u);
    EXPECT_NE(b.find("\\pard\\plain\\s1\\outlinelevel0 \\par"), std::string::npos);
    EXPECT_NE(b.find("{first}\\line {second}\\par"), std::string::npos);
    EXPECT_NE(b.find("\\pard\\plain\\s2\\outlinelevel1\\li360 {only body}\\par"), std::string::npos);
    EXPECT_NE(b.find("\\pard\\plain\\s3\\outlinelevel2\\li720 {deeper}\\par"), std::string::npos);
}

TEST(RtfWriter, FontAndColorTablesAreDeduplicated) {
    CharFormat red;
    red.font = "Georgia";
    red.color = 0xFF0000;
    CharFormat symbol;
    symbol.font = "Wingdings";
    symbol.symbolFont = true;
    symbol.color = 0x00FF00;
    symbol.underline = Underline::Double;
    std::string rtf = Outline()
                          .slide().block(BlockRole::Title).para(0, "a", red)
                          .block(BlockRole::Body).para(1, "b", symbol).para(1, "c", red).para(1, "d", symbol)
                          .finish();
    EXPECT_NE(rtf.find("{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\fnil\\fcharset0 Georgia;}"
                       "{\\f2\\fnil\\fcharset2 Wingdings;}}"),
              std::string::npos);
    EXPECT_NE(rtf.find("{\\colortbl;\\red255\\green0\\blue0;\\red0\\green255\\blue0;}"), std::string::npos);
    EXPECT_NE(rtf.find("{\\uldb\\f2\\cf2 d}"), std::string::npos);
    EXPECT_NE(rtf.find("{\\f1\\cf1 c}"), std::string::npos);
}

TEST(RtfWriter, IndependentReadersGetHeadingsAndText) {
    test::TempDir dir;
    CharFormat bold;
    bold.bold = true;
    std::string rtf = Outline()
                          .slide().block(BlockRole::Title).para(0, "Caf\xC3\xA9 {1}")
                          .block(BlockRole::Body).para(1, "Point \xD0\x96", bold).para(2, "Sub\\point")
                          .slide().block(BlockRole::Body).para(1, "2024")
                          .finish();
    auto file = dir.write("out.rtf", rtf);

    auto native = test::pandocNative(file);
    if (!native) GTEST_SKIP() << "pandoc is not installed: the round trip through pandoc is not checked";
    // pandoc's native form writes non-ASCII characters as Haskell escapes
    // (\233 = é, \1046 = Ж), and drops bold when a whole heading is bold.
    std::string n = test::flatten(*native);
    EXPECT_NE(n.find("Header 1 ( \"\" , [] , [] ) [ Str \"Caf\\233\" , Space , Str \"{1}\" ]"), std::string::npos) << n;
    EXPECT_NE(n.find("Header 2 ( \"\" , [] , [] ) [ Str \"Point\" , Space , Str \"\\1046\" ]"), std::string::npos) << n;
    EXPECT_NE(n.find("Header 3 ( \"\" , [] , [] ) [ Str \"Sub\\\\point\" ]"), std::string::npos) << n;
    EXPECT_NE(n.find("Header 2 ( \"\" , [] , [] ) [ Str \"2024\" ]"), std::string::npos) << n;

    auto text = test::unrtfText(file);
    if (!text) GTEST_SKIP() << "unrtf is not installed: the round trip through unrtf is not checked";
    // unrtf's text output shows every non-ASCII character as "?".
    EXPECT_NE(text->find("Caf? {1}"), std::string::npos) << *text;
    EXPECT_NE(text->find("Point ?"), std::string::npos) << *text;
    EXPECT_NE(text->find("Sub\\point"), std::string::npos) << *text;
    EXPECT_NE(text->find("2024"), std::string::npos) << *text;
}

}  // namespace
}  // namespace sw::pres
