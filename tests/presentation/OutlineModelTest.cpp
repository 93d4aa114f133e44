#include <gtest/gtest.h>

#include "presentation/OutlineModel.h"
#include "presentation/TraceSink.h"

namespace sw::pres {
namespace {

void emit(OutlineSink& s) {
    CharFormat bold;
    bold.bold = true;
    bold.color = 0x123456;
    s.beginPresentation();
    s.beginSlide(1, false);
    s.beginTextBlock(BlockRole::Title);
    s.beginParagraph(0);
    s.beginRun(bold);
    s.text("Hel");
    s.text("lo");
    s.tab();
    s.lineBreak();
    s.endRun();
    s.endParagraph();
    s.endTextBlock();
    s.endSlide();
    s.beginSlide(2, true);
    s.beginTextBlock(BlockRole::Body);
    s.beginParagraph(3);
    s.beginRun({});
    s.text("x");
    s.endRun();
    s.beginRun(bold);
    s.endRun();
    s.endParagraph();
    s.endTextBlock();
    s.endSlide();
    s.endPresentation();
}

TEST(OutlineModel, ReplaysExactlyTheRecordedEvents) {
    TraceSink direct;
    emit(direct);
    OutlineModel model;
    emit(model);
    TraceSink replayed;
    model.replay(replayed);
    // Adjacent texts of a run are merged; everything else is identical.
    std::string expected = direct.str();
    std::size_t from = expected.find("text \"Hel\"");
    std::size_t to = expected.find("text \"lo\"") + 9;
    expected.replace(from, to - from, "text \"Hello\"");
    EXPECT_EQ(replayed.str(), expected);
    EXPECT_EQ(model.slideCount(), 2);
    EXPECT_TRUE(model.hasText());
}

TEST(OutlineModel, BlankTextDoesNotCountAsText) {
    OutlineModel model;
    model.beginPresentation();
    model.beginSlide(1, false);
    model.beginTextBlock(BlockRole::Title);
    model.beginParagraph(0);
    model.beginRun({});
    model.text("   ");
    model.endRun();
    model.endParagraph();
    model.endTextBlock();
    model.endSlide();
    model.endPresentation();
    EXPECT_FALSE(model.hasText());
}

}  // namespace
}  // namespace sw::pres
