#pragma once
#include <cstddef>
#include <string>

#include "presentation/OutlineSink.h"

namespace sw::pres {

// Writes the events as readable lines, one per event, for tests:
//   slide 1
//   title
//   para 0
//   run b i sz=36 font=Arial color=FF0000
//   text "Hello"
//   tab / br
// Lines of nested events are indented by two blanks a level.
class TraceSink final : public OutlineSink {
public:
    const std::string& str() const { return out_; }

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
    void line(const std::string& s);
    std::string out_;
    int depth_ = 0;
};

// Swallows every event: for fuzzing and for timing the readers alone.
class NullSink final : public OutlineSink {
public:
    void beginPresentation() override {}
    void endPresentation() override {}
    void beginSlide(int, bool) override {}
    void endSlide() override {}
    void beginTextBlock(BlockRole) override {}
    void endTextBlock() override {}
    void beginParagraph(int) override {}
    void endParagraph() override {}
    void beginRun(const CharFormat&) override {}
    void endRun() override {}
    void text(std::string_view) override {}
    void tab() override {}
    void lineBreak() override {}
};

// Counts slides and text bytes: enough to tell an empty result from a real
// one, and to keep a timed read from being optimised away.
class CountingSink final : public OutlineSink {
public:
    int slides = 0;
    std::size_t textBytes = 0;
    void beginPresentation() override {}
    void endPresentation() override {}
    void beginSlide(int, bool) override { ++slides; }
    void endSlide() override {}
    void beginTextBlock(BlockRole) override {}
    void endTextBlock() override {}
    void beginParagraph(int) override {}
    void endParagraph() override {}
    void beginRun(const CharFormat&) override {}
    void endRun() override {}
    void text(std::string_view utf8) override { textBytes += utf8.size(); }
    void tab() override {}
    void lineBreak() override {}
};

// The plain text of the trace: paragraphs as lines "<level>: text", tabs as
// "\t", line breaks as "\n" inside the line. Handy for asserting facts.
class TextSink final : public OutlineSink {
public:
    const std::string& str() const { return out_; }
    void beginPresentation() override {}
    void endPresentation() override {}
    void beginSlide(int, bool) override {}
    void endSlide() override {}
    void beginTextBlock(BlockRole) override {}
    void endTextBlock() override {}
    void beginParagraph(int level) override { out_ += std::to_string(level) + ": "; }
    void endParagraph() override { out_ += '\n'; }
    void beginRun(const CharFormat&) override {}
    void endRun() override {}
    void text(std::string_view utf8) override { out_ += utf8; }
    void tab() override { out_ += '\t'; }
    void lineBreak() override { out_ += "\\n"; }

private:
    std::string out_;
};

}  // namespace sw::pres
