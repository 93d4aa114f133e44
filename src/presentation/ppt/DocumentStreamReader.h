#pragma once
#include <cstdint>
#include <span>
#include <string>

#include "presentation/OutlineSink.h"
#include "presentation/ppt/PptReader.h"

namespace sw::pres::ppt {

// The part of readPpt after the compound file: reads the outline from a
// PowerPoint Document stream, starting at the edit Current User names.
// Throws FormatError on broken records (readPpt turns it into a "damaged"
// EngineError) and EngineError for an encrypted document. Fuzzing calls it
// directly so that mutations reach the records instead of the container.
PptInfo readDocumentStream(std::span<const std::uint8_t> stream, std::uint32_t offsetToCurrentEdit,
                           const std::string& name, OutlineSink& sink);

}  // namespace sw::pres::ppt
