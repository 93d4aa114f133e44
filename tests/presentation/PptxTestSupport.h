#pragma once
#include <string>

#include "PptxBuilder.h"
#include "presentation/ByteSource.h"
#include "presentation/TraceSink.h"
#include "presentation/pptx/PptxReader.h"

namespace sw::test {

// The readable trace and the plain text of a package's outline.
inline std::string traceOf(const std::string& zip) {
    pres::TraceSink sink;
    pres::readPptx(*pres::memorySource(zip, "deck.pptx"), sink);
    return sink.str();
}

inline std::string textOf(const std::string& zip) {
    pres::TextSink sink;
    pres::readPptx(*pres::memorySource(zip, "deck.pptx"), sink);
    return sink.str();
}

inline std::string title(const std::string& text) { return placeholder("type=\"title\"", para(run(text))); }
inline std::string bodyText(const std::string& paragraphs) { return placeholder("idx=\"1\"", paragraphs); }

}  // namespace sw::test
