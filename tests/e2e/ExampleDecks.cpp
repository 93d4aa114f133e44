#include "ExampleDecks.h"

#include "PptBuilder.h"
#include "PptxBuilder.h"

namespace sw::test {

std::string exampleTalkPptx() {
    PptxBuilder deck;
    deck.addSlide(placeholder("type=\"ctrTitle\"", para(run("Slidewright Converter", "b=\"1\""))) +
                  placeholder("type=\"subTitle\" idx=\"1\"", para(run("Presentations into RTF outlines"))));
    deck.addSlide(placeholder("type=\"title\"", para(run("Why outlines"))) +
                  placeholder("idx=\"1\"",
                              para(run("Every title and bullet, ") + run("in order", "i=\"1\"")) +
                                  para(run("Levels kept"), 1) + para(run("Formatting kept: ") +
                                  run("bold", "b=\"1\"") + run(", ") + run("red", "", "<a:solidFill><a:srgbClr val=\"C00000\"/></a:solidFill>"), 1) +
                                  para(run("Caf\xC3\xA9, \xD0\x96, \xE4\xB8\xAD"))));
    deck.addSlide(placeholder("type=\"title\"", para(run("A hidden slide"))) +
                      placeholder("idx=\"1\"", para(run("Hidden slides are part of the outline"))),
                  "show=\"0\"");
    return deck.build();
}

std::string exampleProjectPptx() {
    PptxBuilder deck;
    deck.addSlide(placeholder("type=\"title\"", para(run("Project status"))) +
                  placeholder("type=\"body\" idx=\"1\"",
                              para(run("Milestones")) + para(run("Design done"), 1) + para(run("Build: 80%"), 1) +
                                  para(run("Risks")) + para(run("{braces} and \\backslashes\\ survive"), 1)) +
                  textBox(para(run("A text box is not part of the outline"))));
    deck.addSlide(placeholder("type=\"title\"", "<a:p><a:r><a:t>Next steps</a:t></a:r><a:br/>"
                                                "<a:r><a:t>and owners</a:t></a:r></a:p>") +
                  placeholder("idx=\"1\"", para(run("Ship\tthe first release")) + para(run("Collect feedback"))));
    deck.addSlide(placeholder("type=\"title\"", ""));  // a slide without a title keeps its place
    return deck.build();
}

std::string examplePpt() { return ppt::examplePresentation(); }

}  // namespace sw::test
