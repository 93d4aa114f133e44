#pragma once
#include "presentation/ByteSource.h"
#include "presentation/OutlineSink.h"

namespace sw::pres {

struct PptInfo {
    // A VBA project is attached: a VBAInfoAtom with macros in the document,
    // or a "_VBA_PROJECT_CUR" storage in the compound file.
    bool hasVbaProject = false;
};

// Reads a binary PowerPoint 97-2003 presentation (a compound file holding a
// "PowerPoint Document" stream) and emits its outline into sink: the slides
// in presentation order (hidden ones included and flagged), per slide the
// title and body placeholder text from the slide list and the slide drawing.
// Only the newest save of an incrementally saved file is read.
//
// Throws EngineError, whose message starts with the quoted source name, for
// encrypted files (binary or OOXML: "is encrypted (password-protected)"),
// PowerPoint 95 and 4.0 files (Unsupported), damaged files ("is damaged:
// <which structure>") and compound files that hold no presentation
// (NotAPresentation). Nothing reaches the sink when the file is damaged.
PptInfo readPpt(const ByteSource& source, OutlineSink& sink);

}  // namespace sw::pres
