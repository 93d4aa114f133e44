// Markup as different producers write it: placeholder forms, shapes that
// are never outline, markup-compatibility branches, run forms, relationship
// oddities, theme font slots, symbol runs and Strict attribute values.
#include <gtest/gtest.h>

#include <functional>

#include "PptxTestSupport.h"

namespace sw::pres {
namespace {

using test::bodyText;
using test::para;
using test::placeholder;
using test::PptxBuilder;
using test::run;
using test::textOf;
using test::title;
using test::traceOf;

const std::string kMc = "xmlns:mc=\"http://schemas.openxmlformats.org/markup-compatibility/2006\"";
const std::string kP14 = "xmlns:p14=\"http://schemas.microsoft.com/office/powerpoint/2010/main\"";

std::string replaced(std::string s, const std::string& from, const std::string& to) {
    auto at = s.find(from);
    if (at == std::string::npos) throw std::runtime_error("fixture text not found: " + from);
    return s.replace(at, from.size(), to);
}

struct TextCase {
    const char* name;
    std::string shapes;    // the first slide's shapes
    std::string expected;  // its plain text (TextSink)
};

class PptxShapeVariants : public ::testing::TestWithParam<TextCase> {};

TEST_P(PptxShapeVariants, GiveTheExpectedOutline) {
    PptxBuilder b;
    b.addSlide(GetParam().shapes);
    EXPECT_EQ(textOf(b.build()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PptxShapeVariants,
    ::testing::Values(
        TextCase{"IdxOnlyPlaceholderIsBody", placeholder("idx=\"13\"", para(run("content"))), "1: content\n"},
        TextCase{"PlaceholderOnGraphicFrameOrPictureIsNotOutline",
                 "<p:graphicFrame><p:nvGraphicFramePr><p:cNvPr id=\"4\" name=\"T\"/><p:cNvGraphicFramePr/><p:nvPr>"
                 "<p:ph type=\"tbl\" idx=\"1\"/></p:nvPr></p:nvGraphicFramePr><a:graphic><a:graphicData><a:tbl><a:tr>"
                 "<a:tc><p:txBody><a:p><a:r><a:t>cell</a:t></a:r></a:p></p:txBody></a:tc></a:tr></a:tbl>"
                 "</a:graphicData></a:graphic></p:graphicFrame>"
                 "<p:pic><p:nvPicPr><p:cNvPr id=\"5\" name=\"P\"/><p:cNvPicPr/><p:nvPr><p:ph idx=\"2\"/></p:nvPr>"
                 "</p:nvPicPr><p:txBody><a:p><a:r><a:t>pic</a:t></a:r></a:p></p:txBody></p:pic>" +
                     title("t"),
                 "0: t\n"},
        TextCase{"AlternateContentInAGroupTakesTheFirstUnderstoodChoice",
                 "<p:grpSp><mc:AlternateContent " + kMc + " " + kP14 + "><mc:Choice Requires=\"p14\">" +
                     bodyText(para(run("p14"))) + "</mc:Choice><mc:Choice Requires=\"a\">" +
                     bodyText(para(run("chosen"))) + "</mc:Choice><mc:Fallback>" + bodyText(para(run("fallback"))) +
                     "</mc:Fallback></mc:AlternateContent></p:grpSp>",
                 "1: chosen\n"},
        TextCase{"FieldWithoutTextAndEmptyText",
                 bodyText(para("<a:fld id=\"{1}\" type=\"slidenum\"><a:rPr lang=\"en-US\"/></a:fld>" +
                               run("") + "<a:r><a:t/></a:r>")),
                 "1: \n"},
        TextCase{"BreakInsideTitle", placeholder("type=\"title\"", para(run("a") + "<a:br/>" + run("b"))),
                 "0: a\\nb\n"},
        TextCase{"WhitespaceRunsAreText",
                 bodyText(para(run("a") + "<a:r><a:t xml:space=\"preserve\">  </a:t></a:r>" + run("b"))),
                 "1: a  b\n"},
        TextCase{"ParagraphWithOnlyEndProperties",
                 bodyText(para("<a:endParaRPr lang=\"en-US\"/>") + para(run("x"))), "1: \n1: x\n"},
        TextCase{"HyperlinkRunsKeepTheirText",
                 bodyText(para("<a:r><a:rPr lang=\"en-US\"><a:hlinkClick r:id=\"rId5\"/></a:rPr><a:t>link</a:t></a:r>")),
                 "1: link\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// Package-level oddities: each keeps the readable slides.
struct PackageCase {
    const char* name;
    std::function<void(std::map<std::string, std::string>&)> change;
    std::string expected;
};

class PptxPackageVariants : public ::testing::TestWithParam<PackageCase> {};

TEST_P(PptxPackageVariants, KeepTheReadableSlides) {
    PptxBuilder b;
    b.addSlide(title("one"));
    b.addSlide(title("two"));
    auto parts = b.parts();
    GetParam().change(parts);
    EXPECT_EQ(textOf(PptxBuilder::zip(parts)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PptxPackageVariants,
    ::testing::Values(
        PackageCase{"ContentTypesMissing", [](auto& p) { p.erase("[Content_Types].xml"); }, "0: one\n0: two\n"},
        PackageCase{"ContentTypesLying",
                    [](auto& p) {
                        p["[Content_Types].xml"] =
                            "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
                            "<Default Extension=\"xml\" ContentType=\"image/png\"/></Types>";
                    },
                    "0: one\n0: two\n"},
        PackageCase{"SlideListEntryForAnImage",
                    [](auto& p) {
                        auto& rels = p["ppt/_rels/presentation.xml.rels"];
                        rels = replaced(rels, "relationships/slide\" Target=\"slides/slide1.xml\"",
                                        "relationships/image\" Target=\"media/pic.png\"");
                        p["ppt/media/pic.png"] = "\x89PNG not XML at all";
                    },
                    "0: two\n"},
        PackageCase{"SlideListEntryWithoutRelationship",
                    [](auto& p) {
                        auto& pres = p["ppt/presentation.xml"];
                        pres = replaced(pres, "<p:sldIdLst>", "<p:sldIdLst><p:sldId id=\"900\" r:id=\"rId77\"/>");
                    },
                    "0: one\n0: two\n"},
        PackageCase{"DuplicateIdsTakeTheFirst",
                    [](auto& p) {
                        auto& rels = p["ppt/_rels/presentation.xml.rels"];
                        rels = replaced(rels, "<Relationship Id=\"rId101\"",
                                        "<Relationship Id=\"rId102\" Type=\"http://schemas.openxmlformats.org/"
                                        "officeDocument/2006/relationships/slide\" Target=\"slides/slide1.xml\"/>"
                                        "<Relationship Id=\"rId101\"");
                    },
                    "0: one\n0: one\n"},
        PackageCase{"SlideWithoutCommonData",
                    [](auto& p) {
                        p["ppt/slides/slide1.xml"] =
                            "<p:sld xmlns:p=\"http://schemas.openxmlformats.org/presentationml/2006/main\"/>";
                    },
                    "0: two\n"},
        PackageCase{"BackslashesEncodedNamesAndUpperCaseExtension",
                    [](auto& p) {
                        p["ppt/slides/Slide 1.XML"] = p["ppt/slides/slide1.xml"];
                        p.erase("ppt/slides/slide1.xml");
                        auto& rels = p["ppt/_rels/presentation.xml.rels"];
                        rels = replaced(rels, "Target=\"slides/slide1.xml\"", "Target=\"slides\\Slide%201.xml\"");
                    },
                    "0: one\n0: two\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// The run line of a trace for the single body run of a one-slide deck.
std::string bodyRunOf(const std::string& rPr, const std::string& text = "x",
                      const std::function<void(std::map<std::string, std::string>&)>& change = {}) {
    PptxBuilder b;
    b.addSlide(bodyText(para("<a:r>" + rPr + "<a:t>" + text + "</a:t></a:r>")));
    auto parts = b.parts();
    if (change) change(parts);
    std::string trace = traceOf(PptxBuilder::zip(parts));
    std::size_t r = trace.find("run");
    return r == std::string::npos ? "" : trace.substr(r, trace.find('\n', r) - r);
}

TEST(PptxRunVariants, ThemeFontSlotsAndSymbolRuns) {
    const auto eastAsianTheme = [](auto& p) {
        auto& theme = p["ppt/theme/theme1.xml"];
        theme = replaced(theme, "<a:ea typeface=\"\"/>", "<a:ea typeface=\"Major EA\"/>");
    };
    EXPECT_EQ(bodyRunOf("<a:rPr><a:latin typeface=\"+mj-ea\"/></a:rPr>", "x", eastAsianTheme),
              "run font=Major EA");
    // A slot the theme leaves empty falls back to the Latin font.
    EXPECT_EQ(bodyRunOf("<a:rPr><a:latin typeface=\"+mn-cs\"/></a:rPr>"), "run font=Calibri");
    // A Wingdings symbol (U+F0E0) is drawn from the a:sym font; ordinary text
    // in a run with a:sym keeps the run's font.
    const std::string sym = "<a:rPr><a:sym typeface=\"Wingdings\" charset=\"2\"/></a:rPr>";
    EXPECT_EQ(bodyRunOf(sym, "\xEF\x83\xA0"), "run font=Wingdings symbol");
    EXPECT_EQ(bodyRunOf(sym, "plain"), "run font=Calibri");
}

TEST(PptxRunVariants, StrictAndOutOfRangeAttributeValues) {
    EXPECT_EQ(bodyRunOf("<a:rPr baseline=\"30%\"/>"), "run super font=Calibri");
    EXPECT_EQ(bodyRunOf("<a:rPr baseline=\"-25%\"/>"), "run sub font=Calibri");
    EXPECT_EQ(bodyRunOf("<a:rPr b=\"true\" i=\"on\" u=\"sng\"/>"), "run b i u font=Calibri");
    EXPECT_EQ(bodyRunOf("<a:rPr b=\"false\" sz=\"99\"/>"), "run font=Calibri");
    EXPECT_EQ(bodyRunOf("<a:rPr sz=\"400001\"/>"), "run font=Calibri");
    EXPECT_EQ(bodyRunOf("<a:rPr sz=\"-1800\"/>"), "run font=Calibri");
    // Colour percentages: Strict writes "50%" where transitional writes 50000.
    const auto fill = [](const std::string& color) {
        return "<a:rPr><a:solidFill>" + color + "</a:solidFill></a:rPr>";
    };
    const std::string half = bodyRunOf(fill("<a:schemeClr val=\"accent1\"><a:lumMod val=\"50000\"/></a:schemeClr>"));
    EXPECT_EQ(half, "run font=Calibri color=254061");
    EXPECT_EQ(bodyRunOf(fill("<a:schemeClr val=\"accent1\"><a:lumMod val=\"50%\"/></a:schemeClr>")), half);
    EXPECT_EQ(bodyRunOf(fill("<a:scrgbClr r=\"100%\" g=\"0%\" b=\"50%\"/>")), "run font=Calibri color=FF0080");
    EXPECT_EQ(bodyRunOf(fill("<a:scrgbClr r=\"100000\" g=\"0\" b=\"50000\"/>")), "run font=Calibri color=FF0080");
}

}  // namespace
}  // namespace sw::pres
