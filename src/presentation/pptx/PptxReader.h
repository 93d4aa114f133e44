#pragma once
#include "presentation/ByteSource.h"
#include "presentation/OutlineSink.h"

namespace sw::pres {

struct PptxInfo {
    bool hasVbaProject = false;
};

// Reads a .pptx/.pptm package (transitional or Strict) and emits its outline
// into sink. Throws EngineError naming the damaged part when the package
// cannot be read.
PptxInfo readPptx(const ByteSource& source, OutlineSink& sink);

}  // namespace sw::pres
