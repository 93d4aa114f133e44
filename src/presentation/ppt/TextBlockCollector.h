#pragma once
#include <vector>

#include "presentation/ppt/Record.h"
#include "presentation/ppt/TextBlock.h"

namespace sw::pres::ppt {

// Gathers text blocks from a run of sibling records: a TextHeaderAtom opens a
// block, the text, style and field atoms after it belong to it.
class TextBlockCollector {
public:
    // Returns true when the record belonged to text (and was taken).
    bool add(const Record& rec);
    std::vector<TextBlock>& blocks() { return blocks_; }

private:
    std::vector<TextBlock> blocks_;
};

}  // namespace sw::pres::ppt
