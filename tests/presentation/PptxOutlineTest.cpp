// What the .pptx reader takes into the outline: slides, order, placeholders, text.
#include <gtest/gtest.h>

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

void replaceAll(std::string& s, const std::string& from, const std::string& to) {
    for (std::size_t p = s.find(from); p != std::string::npos; p = s.find(from, p + to.size())) s.replace(p, from.size(), to);
}

TEST(PptxOutline, SlideOrderFollowsTheSlideListNotPartNames) {
    PptxBuilder b;
    b.addSlide(title("A"));
    b.addSlide(title("B"));
    b.addSlide(title("C orphan"));
    auto parts = b.parts();
    // List slide 2 before slide 1; slide 3 is in the package but not listed.
    std::string& pres = parts["ppt/presentation.xml"];
    replaceAll(pres, "<p:sldId id=\"256\" r:id=\"rId101\"/><p:sldId id=\"257\" r:id=\"rId102\"/>",
               "<p:sldId id=\"257\" r:id=\"rId102\"/><p:sldId id=\"256\" r:id=\"rId101\"/>");
    replaceAll(pres, "<p:sldId id=\"258\" r:id=\"rId103\"/>", "");
    EXPECT_EQ(textOf(PptxBuilder::zip(parts)), "0: B\n0: A\n");
    EXPECT_NE(traceOf(PptxBuilder::zip(parts)).find("slide 2\n    title\n      para 0\n        run"), std::string::npos);
}

TEST(PptxOutline, RelationshipTargetsResolveAbsoluteRelativeAndEncoded) {
    PptxBuilder b;
    b.addSlide(title("One"));
    b.addSlide(title("Two"));
    b.addSlide(title("Three"));
    auto parts = b.parts();
    std::string& rels = parts["ppt/_rels/presentation.xml.rels"];
    replaceAll(rels, "Target=\"slides/slide1.xml\"", "Target=\"/ppt/slides/slide1.xml\"");
    replaceAll(rels, "Target=\"slides/slide2.xml\"", "Target=\"./media/../slides/slide%20two.xml\"");
    replaceAll(rels, "Target=\"slides/slide3.xml\"", "Target=\"../ppt/slides/slide3.xml\"");
    parts["ppt/slides/slide two.xml"] = parts["ppt/slides/slide2.xml"];
    parts["ppt/slides/_rels/slide two.xml.rels"] = parts["ppt/slides/_rels/slide2.xml.rels"];
    parts.erase("ppt/slides/slide2.xml");
    replaceAll(parts["_rels/.rels"], "Target=\"ppt/presentation.xml\"", "Target=\"/ppt/presentation.xml\"");
    EXPECT_EQ(textOf(PptxBuilder::zip(parts)), "0: One\n0: Two\n0: Three\n");
}

TEST(PptxOutline, MissingNullAndExternalTargetsAreSkipped) {
    PptxBuilder b;
    b.addSlide(title("kept"));
    b.addSlide(title("missing part"));
    b.addSlide(title("null target"));
    b.addSlide(title("external"));
    auto parts = b.parts();
    parts.erase("ppt/slides/slide2.xml");
    std::string& rels = parts["ppt/_rels/presentation.xml.rels"];
    replaceAll(rels, "Target=\"slides/slide3.xml\"", "Target=\"NULL\"");
    replaceAll(rels, "Target=\"slides/slide4.xml\"", "Target=\"slides/slide4.xml\" TargetMode=\"External\"");
    // A layout relationship to NULL only loses the inherited formatting.
    replaceAll(parts["ppt/slides/_rels/slide1.xml.rels"], "Target=\"../slideLayouts/slideLayout1.xml\"", "Target=\"NULL\"");
    EXPECT_EQ(textOf(PptxBuilder::zip(parts)), "0: kept\n");
}

TEST(PptxOutline, StrictAndTransitionalPackagesGiveTheSameOutline) {
    for (bool strict : {false, true}) {
        PptxBuilder b(strict);
        b.addSlide(title("Strict?") + bodyText(para(run("point"), 1)));
        EXPECT_EQ(textOf(b.build()), "0: Strict?\n2: point\n") << (strict ? "strict" : "transitional");
    }
}

TEST(PptxOutline, ElementsAreMatchedByNamespaceNotPrefix) {
    PptxBuilder b;
    b.addSlide("");
    auto parts = b.parts();
    parts["ppt/slides/slide1.xml"] =
        "<pml:sld xmlns:pml=\"http://schemas.openxmlformats.org/presentationml/2006/main\">"
        "<pml:cSld><pml:spTree>"
        "<pml:sp><pml:nvSpPr><pml:nvPr><pml:ph type=\"title\"/></pml:nvPr></pml:nvSpPr>"
        "<pml:txBody><p xmlns=\"http://schemas.openxmlformats.org/drawingml/2006/main\"><r><t>Prefixes</t></r></p>"
        "</pml:txBody></pml:sp>"
        // A look-alike prefix bound to another namespace is not DrawingML.
        "<pml:sp><pml:nvSpPr><pml:nvPr><pml:ph idx=\"1\"/></pml:nvPr></pml:nvSpPr>"
        "<pml:txBody><a:p xmlns:a=\"urn:other\"><a:r><a:t>foreign</a:t></a:r></a:p></pml:txBody></pml:sp>"
        "</pml:spTree></pml:cSld></pml:sld>";
    EXPECT_EQ(textOf(PptxBuilder::zip(parts)), "0: Prefixes\n");
}

TEST(PptxOutline, OnlyTitleAndBodyPlaceholdersAreOutline) {
    PptxBuilder b;
    b.addSlide(placeholder("type=\"body\" idx=\"1\"", para(run("typed body"))) +
               placeholder("idx=\"2\"", para(run("untyped"))) +
               placeholder("type=\"obj\" idx=\"3\"", para(run("object"))) +
               placeholder("type=\"ctrTitle\"", para(run("centred title"))) +
               placeholder("type=\"subTitle\" idx=\"4\"", para(run("subtitle"))) +
               placeholder("type=\"dt\" idx=\"10\"", para(run("date"))) +
               placeholder("type=\"ftr\" idx=\"11\"", para(run("footer"))) +
               placeholder("type=\"sldNum\" idx=\"12\"", para(run("7"))) +
               placeholder("type=\"pic\" idx=\"13\"", para(run("picture text"))) +
               test::textBox(para(run("text box"))) +
               "<p:graphicFrame><p:nvGraphicFramePr><p:nvPr><p:ph type=\"tbl\" idx=\"5\"/></p:nvPr>"
               "</p:nvGraphicFramePr><a:graphic><a:graphicData><a:tbl><a:tr><a:tc><p:txBody><a:p><a:r><a:t>cell"
               "</a:t></a:r></a:p></p:txBody></a:tc></a:tr></a:tbl></a:graphicData></a:graphic></p:graphicFrame>",
               "", "<p:notes/>");
    // Titles come first, then the bodies in shape order.
    EXPECT_EQ(textOf(b.build()), "0: centred title\n1: typed body\n1: untyped\n1: object\n1: subtitle\n");
}

TEST(PptxOutline, GroupsAndAlternateContentAreEntered) {
    std::string grouped = "<p:grpSp><p:nvGrpSpPr/><p:grpSpPr/>" + title("in group") +
                          "<p:grpSp><p:nvGrpSpPr/><p:grpSpPr/>" + bodyText(para(run("nested"))) + "</p:grpSp></p:grpSp>";
    std::string alternate =
        "<mc:AlternateContent xmlns:mc=\"http://schemas.openxmlformats.org/markup-compatibility/2006\" "
        "xmlns:p14=\"http://schemas.microsoft.com/office/powerpoint/2010/main\">"
        "<mc:Choice Requires=\"p14\">" + bodyText(para(run("choice needing p14"))) + "</mc:Choice>"
        "<mc:Fallback>" + bodyText(para(run("fallback"))) + "</mc:Fallback></mc:AlternateContent>"
        "<mc:AlternateContent xmlns:mc=\"http://schemas.openxmlformats.org/markup-compatibility/2006\">"
        "<mc:Choice Requires=\"a\">" + bodyText(para(run("understood choice"))) + "</mc:Choice>"
        "<mc:Fallback>" + bodyText(para(run("unused fallback"))) + "</mc:Fallback></mc:AlternateContent>";
    PptxBuilder b;
    b.addSlide(grouped + alternate);
    EXPECT_EQ(textOf(b.build()), "0: in group\n1: nested\n1: fallback\n1: understood choice\n");
}

TEST(PptxOutline, DeeplyNestedGroupsStayBounded) {
    std::string shapes = bodyText(para(run("deep")));
    for (int i = 0; i < 5000; ++i) shapes = "<p:grpSp>" + shapes + "</p:grpSp>";
    PptxBuilder b;
    b.addSlide(title("T") + shapes);
    EXPECT_EQ(textOf(b.build()), "0: T\n");
}

TEST(PptxOutline, HiddenSlidesAreIncludedAndFlagged) {
    PptxBuilder b;
    b.addSlide(title("shown"));
    b.addSlide(title("hidden"), "show=\"0\"");
    b.addSlide(title("hidden too"), "show=\"false\"");
    b.addSlide(title("shown too"), "show=\"1\"");
    std::string t = traceOf(b.build());
    EXPECT_NE(t.find("slide 1\n"), std::string::npos);
    EXPECT_NE(t.find("slide 2 hidden\n"), std::string::npos);
    EXPECT_NE(t.find("slide 3 hidden\n"), std::string::npos);
    EXPECT_NE(t.find("slide 4\n"), std::string::npos);
}

TEST(PptxOutline, ParagraphLevelsAndEmptyParagraphs) {
    PptxBuilder b;
    b.addSlide(placeholder("type=\"title\"", para("<a:endParaRPr lang=\"en-US\"/>")) +
               bodyText(para(run("l0")) + para(run("l1"), 1) + para("", 2) + para(run("l8"), 8) + para(run("l9?"), 12)));
    b.addSlide(bodyText(para(run("no title"))));
    EXPECT_EQ(textOf(b.build()), "0: \n1: l0\n2: l1\n3: \n8: l8\n8: l9?\n1: no title\n");
}

TEST(PptxOutline, FieldsBreaksTabsAndControlCharacters) {
    PptxBuilder b;
    b.addSlide(placeholder("type=\"title\"",
                           para(run("Slide ") + "<a:fld id=\"{1}\" type=\"slidenum\"><a:rPr lang=\"en-US\"/><a:t>7</a:t></a:fld>" +
                                "<a:br><a:rPr lang=\"en-US\"/></a:br>" + run("a\tb&#x1;c") +
                                "<a:r><a:rPr/><a:hlinkClick r:id=\"rId5\"/><a:t>link</a:t></a:r>" + run(" "))));
    EXPECT_EQ(textOf(b.build()), "0: Slide 7\\na\tbclink \n");
    std::string t = traceOf(b.build());
    EXPECT_NE(t.find("br\n"), std::string::npos);
    EXPECT_NE(t.find("text \"a\"\n          tab\n          text \"b\""), std::string::npos) << t;
}

TEST(PptxOutline, InvalidUtf8IsReplacedNotPassedOn) {
    PptxBuilder b;
    b.addSlide(title("ok \xC3\x28 \xFF end"));
    EXPECT_EQ(textOf(b.build()), "0: ok \xEF\xBF\xBD( \xEF\xBF\xBD end\n");
}

TEST(PptxOutline, EmptySlideListGivesNoSlides) {
    PptxBuilder b;
    EXPECT_EQ(traceOf(b.build()), "presentation\nend presentation\n");
}

TEST(PptxOutline, RelationshipCyclesAreHarmless) {
    PptxBuilder b;
    b.addSlide(title("cycle"));
    auto parts = b.parts();
    // The slide list points back at the presentation, the layout at itself.
    replaceAll(parts["ppt/_rels/presentation.xml.rels"], "</Relationships>",
               "<Relationship Id=\"rIdX\" Type=\"" + b.relType("slide") + "\" Target=\"presentation.xml\"/></Relationships>");
    replaceAll(parts["ppt/presentation.xml"], "</p:sldIdLst>", "<p:sldId id=\"999\" r:id=\"rIdX\"/></p:sldIdLst>");
    replaceAll(parts["ppt/slideLayouts/_rels/slideLayout1.xml.rels"], "../slideMasters/slideMaster1.xml", "slideLayout1.xml");
    EXPECT_EQ(textOf(PptxBuilder::zip(parts)), "0: cycle\n");
}

TEST(PptxOutline, MacroProjectIsReported) {
    for (bool macros : {false, true}) {
        PptxBuilder b;
        b.addSlide(title("m"));
        if (macros) b.setMacroProject();
        TextSink sink;
        EXPECT_EQ(readPptx(*memorySource(b.build()), sink).hasVbaProject, macros);
    }
}

}  // namespace
}  // namespace sw::pres
