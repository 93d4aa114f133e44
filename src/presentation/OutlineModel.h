#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "presentation/OutlineSink.h"

namespace sw::pres {

// A sink that records the outline events compactly and replays them into
// another sink later, so a presentation is parsed once and written on demand.
// Texts live in one arena and run formats are stored once each.
class OutlineModel final : public OutlineSink {
public:
    void replay(OutlineSink& sink) const;

    int slideCount() const { return slides_; }
    // True when some paragraph holds text (not only blanks, tabs and breaks).
    bool hasText() const { return hasText_; }

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
    enum class Op : std::uint8_t {
        BeginPresentation, EndPresentation, BeginSlide, BeginHiddenSlide, EndSlide,
        BeginTitle, BeginBody, EndTextBlock, BeginParagraph, EndParagraph,
        BeginRun, EndRun, Text, Tab, LineBreak,
    };
    struct Event {
        Op op;
        std::uint32_t a = 0;  // slide number, level, format index or text offset
        std::uint32_t b = 0;  // text length
    };
    void push(Op op, std::uint32_t a = 0, std::uint32_t b = 0) { events_.push_back({op, a, b}); }
    std::uint32_t formatIndex(const CharFormat& format);

    std::vector<Event> events_;
    std::string texts_;
    std::vector<CharFormat> formats_;  // distinct
    std::size_t lastFormat_ = 0;       // where the last run's format was found
    int slides_ = 0;
    bool hasText_ = false;
};

}  // namespace sw::pres
