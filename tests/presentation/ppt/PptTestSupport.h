#pragma once
#include <optional>
#include <string>

#include "presentation/EngineError.h"
#include "presentation/ppt/PptReader.h"

namespace sw::test::ppt {

// What reading a built file gave: the trace dump, the plain text
// ("<level>: text" lines) and the reader's facts.
struct ReadResult {
    std::string trace;
    std::string text;
    sw::pres::PptInfo info;
};

// Reads .ppt bytes; EngineErrors pass through.
ReadResult readBytes(const std::string& bytes, const std::string& name = "test.ppt");

struct Failure {
    sw::pres::ErrorKind kind;
    std::string message;
};
// The error reading the bytes gives, or nullopt when they read.
std::optional<Failure> failureOf(const std::string& bytes, const std::string& name = "test.ppt");

// Counts non-overlapping occurrences.
int countOf(const std::string& haystack, const std::string& needle);

}  // namespace sw::test::ppt
