#pragma once
#include <optional>

#include "presentation/OutlineSink.h"
#include "presentation/ppt/StyleSheet.h"
#include "presentation/ppt/TextBlock.h"

namespace sw::pres::ppt {

// Turns one text block into sink events: paragraphs at CR, line breaks at VT,
// tabs, field metacharacters replaced, levels from the paragraph runs and
// formatting from the character runs over the master's styles.
class TextBlockWriter {
public:
    TextBlockWriter(const StyleSheet& styles, const std::optional<StyleSheet::ColorScheme>& scheme, int slideNumber)
        : styles_(styles), scheme_(scheme), slideNumber_(slideNumber) {}

    void write(const TextBlock& block, BlockRole role, OutlineSink& sink) const;

private:
    const StyleSheet& styles_;
    const std::optional<StyleSheet::ColorScheme>& scheme_;
    int slideNumber_;
};

}  // namespace sw::pres::ppt
