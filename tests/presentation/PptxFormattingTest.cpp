// Effective character formatting: the run's own properties completed along
// the inheritance chain shape -> layout -> master -> presentation -> theme.
#include <gtest/gtest.h>

#include "PptxTestSupport.h"

namespace sw::pres {
namespace {

using test::listStyle;
using test::para;
using test::placeholder;
using test::PptxBuilder;
using test::run;
using test::traceOf;

// The trace line of the run whose text is `text`.
std::string runLineOf(const std::string& trace, const std::string& text) {
    std::size_t t = trace.find("text \"" + text + "\"");
    if (t == std::string::npos) return "<no run with text " + text + ">";
    std::size_t r = trace.rfind("run", t);
    std::size_t end = trace.find('\n', r);
    return trace.substr(r, end - r);
}

std::string solid(const std::string& color) { return "<a:solidFill>" + color + "</a:solidFill>"; }

TEST(PptxFormatting, ExplicitRunProperties) {
    PptxBuilder b;
    b.setThemeFonts("Major Face", "Minor Face");
    b.addSlide(placeholder("type=\"body\" idx=\"1\"",
                           para(run("all", "b=\"1\" i=\"true\" u=\"dbl\" strike=\"sngStrike\" sz=\"2450\"",
                                    "<a:latin typeface=\"Georgia\"/>" + solid("<a:srgbClr val=\"ff0000\"/>")) +
                                run("sup", "baseline=\"30000\" sz=\"1000\"") + run("sub", "baseline=\"-25000\"") +
                                run("sym", "", "<a:latin typeface=\"Wingdings\"/>") +
                                run("plain", "b=\"0\" u=\"none\" strike=\"noStrike\""))));
    std::string t = traceOf(b.build());
    EXPECT_EQ(runLineOf(t, "all"), "run b i strike u sz=49 font=Georgia color=FF0000");
    EXPECT_EQ(runLineOf(t, "sup"), "run super sz=20 font=Minor Face");
    EXPECT_EQ(runLineOf(t, "sub"), "run sub font=Minor Face");
    EXPECT_EQ(runLineOf(t, "sym"), "run font=Wingdings symbol");
    EXPECT_EQ(runLineOf(t, "plain"), "run font=Minor Face");
}

TEST(PptxFormatting, InheritedThroughShapeLayoutMasterAndPresentation) {
    PptxBuilder b;
    // Each level of the chain contributes one property for body level 2 (lvl 1).
    b.setDefaultTextStyle("<a:lvl2pPr><a:defRPr sz=\"1000\" i=\"1\"><a:latin typeface=\"Default Face\"/></a:defRPr></a:lvl2pPr>");
    b.setMasterTextStyles(
        "<p:titleStyle><a:lvl1pPr><a:defRPr sz=\"4400\"><a:latin typeface=\"+mj-lt\"/></a:defRPr></a:lvl1pPr></p:titleStyle>"
        "<p:bodyStyle><a:lvl2pPr><a:defRPr sz=\"1200\">" + solid("<a:srgbClr val=\"00FF00\"/>") +
        "</a:defRPr></a:lvl2pPr></p:bodyStyle>");
    b.setMasterShapes(placeholder("type=\"title\"", "") +
                      placeholder("type=\"body\" idx=\"1\"", listStyle("a:lstStyle", 1, "sz=\"1400\" b=\"1\"")));
    b.setLayoutShapes(placeholder("type=\"title\"", listStyle("a:lstStyle", 0, "u=\"sng\"")) +
                      placeholder("idx=\"1\"", listStyle("a:lstStyle", 1, "sz=\"1600\"")) +
                      placeholder("type=\"body\" idx=\"2\"", listStyle("a:lstStyle", 1, "sz=\"1800\"")));
    b.addSlide(placeholder("type=\"title\"", para(run("title"))) +
               placeholder("type=\"body\" idx=\"1\"", para(run("level2", ""), 1) + para(run("override", "b=\"0\" sz=\"3200\""), 1) +
                                                       para(run("level1"), 0)) +
               placeholder("idx=\"2\"", listStyle("a:lstStyle", 1, "sz=\"2000\"") + para(run("shape list"), 1)) +
               placeholder("type=\"body\" idx=\"9\"", para(run("same type"), 1)));
    std::string t = traceOf(b.build());
    EXPECT_EQ(runLineOf(t, "title"), "run u sz=88 font=Calibri Light");
    EXPECT_EQ(runLineOf(t, "level2"), "run b i sz=32 font=Default Face color=00FF00");
    EXPECT_EQ(runLineOf(t, "override"), "run i sz=64 font=Default Face color=00FF00");
    EXPECT_EQ(runLineOf(t, "level1"), "run font=Calibri");
    EXPECT_EQ(runLineOf(t, "shape list"), "run b i sz=40 font=Default Face color=00FF00");
        // No layout placeholder with idx 9: the one of the same type is used.
    EXPECT_EQ(runLineOf(t, "same type"), "run b i sz=36 font=Default Face color=00FF00");
}

TEST(PptxFormatting, SchemeColorsGoThroughTheColorMapAndTheTheme) {
    PptxBuilder b;
    b.addSlide(placeholder("type=\"body\" idx=\"1\"",
                           para(run("accent2", "", solid("<a:schemeClr val=\"accent2\"/>")) +
                                run("tx2", "", solid("<a:schemeClr val=\"tx2\"/>")) +
                                run("darker", "", solid("<a:schemeClr val=\"accent1\"><a:lumMod val=\"75000\"/></a:schemeClr>")) +
                                run("lighter", "", solid("<a:schemeClr val=\"accent1\"><a:lumMod val=\"20000\"/><a:lumOff val=\"80000\"/></a:schemeClr>")) +
                                run("system", "", solid("<a:sysClr val=\"windowText\" lastClr=\"112233\"/>")) +
                                run("placeholder colour", "", solid("<a:schemeClr val=\"phClr\"/>")))));
    // The second slide swaps text and background through its own colour map.
    b.addSlide(placeholder("type=\"body\" idx=\"1\"", para(run("overridden", "", solid("<a:schemeClr val=\"tx1\"/>")))), "",
               "<p:clrMapOvr><a:overrideClrMapping bg1=\"dk1\" tx1=\"lt1\" bg2=\"dk2\" tx2=\"lt2\" accent1=\"accent1\" "
               "accent2=\"accent2\" accent3=\"accent3\" accent4=\"accent4\" accent5=\"accent5\" accent6=\"accent6\" "
               "hlink=\"hlink\" folHlink=\"folHlink\"/></p:clrMapOvr>");
    std::string t = traceOf(b.build());
    EXPECT_EQ(runLineOf(t, "accent2"), "run font=Calibri color=C0504D");
    EXPECT_EQ(runLineOf(t, "tx2"), "run font=Calibri color=1F497D");
    EXPECT_EQ(runLineOf(t, "darker"), "run font=Calibri color=376092");
    EXPECT_EQ(runLineOf(t, "lighter"), "run font=Calibri color=DCE6F2");
    EXPECT_EQ(runLineOf(t, "system"), "run font=Calibri color=112233");
    EXPECT_EQ(runLineOf(t, "placeholder colour"), "run font=Calibri");
    EXPECT_EQ(runLineOf(t, "overridden"), "run font=Calibri color=FFFFFF");
}

TEST(PptxFormatting, ThemeFontsResolveInStrictPackagesToo) {
    PptxBuilder b(true);
    b.setThemeFonts("Heading Font", "Text Font");
    b.addSlide(placeholder("type=\"ctrTitle\"", para(run("t", "", "<a:latin typeface=\"+mn-lt\"/>"))) +
               placeholder("type=\"subTitle\" idx=\"1\"", para(run("s", "", "<a:latin typeface=\"+mj-lt\"/>"))));
    std::string t = traceOf(b.build());
    EXPECT_EQ(runLineOf(t, "t"), "run font=Text Font");
    EXPECT_EQ(runLineOf(t, "s"), "run font=Heading Font");
}

}  // namespace
}  // namespace sw::pres
