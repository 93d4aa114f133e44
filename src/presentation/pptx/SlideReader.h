#pragma once
#include <memory>

#include "presentation/OutlineSink.h"
#include "presentation/pptx/RunFormats.h"
#include "presentation/pptx/StyleParts.h"
#include "presentation/pptx/XmlPart.h"

namespace sw::pres {

// The outline of one slide part: its title and body placeholders with their
// paragraphs and runs, each run with its effective formatting.
class SlideReader {
public:
    // layout may be null (a slide without a usable layout keeps its text and
    // loses the inherited formatting). formats is the package's cache.
    SlideReader(const XmlPart& slide, std::shared_ptr<const Layout> layout, RunFormats& formats);

    // p:sld@show = 0/false.
    bool hidden() const;
    // Emits the slide's text blocks: titles first, then bodies in shape order.
    void emitBlocks(OutlineSink& sink) const;

private:
    struct Block;
    void emitBlock(const Block& block, OutlineSink& sink) const;

    const XmlPart& slide_;
    std::shared_ptr<const Layout> layout_;
    RunFormats& formats_;
    std::optional<ColorMap> slideColorMap_;  // p:clrMapOvr
};

}  // namespace sw::pres
