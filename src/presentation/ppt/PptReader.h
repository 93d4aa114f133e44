#pragma once
#include "presentation/ByteSource.h"
#include "presentation/OutlineSink.h"

namespace sw::pres {

struct PptInfo {
    bool hasVbaProject = false;
};

// Reads a binary PowerPoint 97-2003 presentation (a compound file holding a
// "PowerPoint Document" stream) and emits its outline into sink. Throws
// EngineError with a clear message for encrypted, old-version, and damaged
// files, and for compound files that hold no presentation.
PptInfo readPpt(const ByteSource& source, OutlineSink& sink);

}  // namespace sw::pres
