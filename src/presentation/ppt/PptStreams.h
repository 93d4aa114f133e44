#pragma once
#include <cstdint>
#include <vector>

#include "presentation/ppt/CompoundFile.h"

namespace sw::pres::ppt {

// The two streams a .ppt is read from, found in its compound file after the
// checks that tell other files apart: encrypted files (binary or OOXML),
// PowerPoint 95 and 4.0, dual-storage files (the inner storage is read) and
// compound files that are no presentation. Throws EngineError naming the file.
struct PptStreams {
    std::vector<std::uint8_t> document;     // "PowerPoint Document"
    std::uint32_t offsetToCurrentEdit = 0;  // from the "Current User" stream
    bool vbaStorage = false;                // a "_VBA_PROJECT_CUR" storage is present

    static PptStreams load(const CompoundFile& file);
};

}  // namespace sw::pres::ppt
