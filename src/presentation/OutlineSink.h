#pragma once
#include <string_view>

#include "presentation/CharFormat.h"

namespace sw::pres {

enum class BlockRole { Title, Body };

// The events a reader emits for the outline of a presentation, strictly
// paired and nested:
//
//   presentation > slide > text block > paragraph > run > text / tab / line break
//
// Per slide, the readers emit the title block(s) first and then the body
// blocks in the order of the slide's shapes. Title paragraphs have level 0,
// body paragraphs 1..8 (the paragraph's indent level + 1, capped at 8).
// Text is UTF-8 and holds no control characters: tabs and line breaks are
// events of their own, paragraph ends are endParagraph.
class OutlineSink {
public:
    virtual ~OutlineSink() = default;
    virtual void beginPresentation() = 0;
    virtual void endPresentation() = 0;
    // number: 1-based position in presentation order.
    virtual void beginSlide(int number, bool hidden) = 0;
    virtual void endSlide() = 0;
    virtual void beginTextBlock(BlockRole role) = 0;
    virtual void endTextBlock() = 0;
    virtual void beginParagraph(int level) = 0;
    virtual void endParagraph() = 0;
    virtual void beginRun(const CharFormat& format) = 0;
    virtual void endRun() = 0;
    virtual void text(std::string_view utf8) = 0;
    virtual void tab() = 0;
    virtual void lineBreak() = 0;
};

}  // namespace sw::pres
