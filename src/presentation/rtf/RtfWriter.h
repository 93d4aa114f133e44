#pragma once
#include <cstdint>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "presentation/OutlineSink.h"

namespace sw::pres {

// Writes the outline as an RTF document: one "heading 1" paragraph per slide
// (its title, empty when the slide has none; several title paragraphs are
// joined with line breaks so re-importing gives one slide), body paragraphs
// as "heading 2".."heading 9" with matching outline levels and indents. The
// body is collected first because the font and colour tables must precede
// it; the document goes to the stream at endPresentation.
class RtfWriter final : public OutlineSink {
public:
    explicit RtfWriter(std::ostream& out) : out_(out) {}

    void beginPresentation() override;
    void endPresentation() override;
    void beginSlide(int number, bool hidden) override;
    void endSlide() override;
    void beginTextBlock(BlockRole role) override;
    void endTextBlock() override;
    void beginParagraph(int level) override;
    void endParagraph() override;
    void beginRun(const CharFormat& format) override;
    void endRun() override;
    void text(std::string_view utf8) override;
    void tab() override;
    void lineBreak() override;

private:
    void openParagraph(int level);
    void writeEmptyHeading();
    void closeHeading();
    void appendRunControls(const CharFormat& f, std::string& out);
    int fontIndex(const std::string& name, bool symbol);
    int colorIndex(std::uint32_t rgb);
    std::string header() const;

    std::ostream& out_;
    std::string body_;
    // Font 0 is the document default; the others come from the runs.
    std::vector<std::pair<std::string, bool>> fonts_{{"Arial", false}};
    std::vector<std::uint32_t> colors_;
    // The control words of recent run formats: a deck repeats a handful of
    // formats on every slide, and a format's font and colour numbers never
    // change once it has been written.
    struct RunOpening {
        CharFormat format;
        std::string controls;
    };
    std::vector<RunOpening> openings_;  // distinct formats
    std::size_t lastOpening_ = 0;       // where the last run's format was found
    BlockRole role_ = BlockRole::Body;
    bool headingWritten_ = false;  // the slide has its level-0 paragraph
    bool headingOpen_ = false;     // ...and it has not been ended yet
    bool demotedTitle_ = false;    // a title paragraph after body text
};

}  // namespace sw::pres
