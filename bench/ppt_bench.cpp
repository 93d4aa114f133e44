// Reading .ppt files from memory into a sink that drops the events, against
// the lower bound of reading only their PowerPoint Document stream out of
// the compound file (no records parsed). The "x_stream_read" counter of a
// read benchmark is its time divided by that lower bound's for the same file.
#include <benchmark/benchmark.h>

#include <chrono>
#include <map>
#include <string>

#include "PptBuilder.h"
#include "presentation/ByteSource.h"
#include "presentation/OutlineSink.h"
#include "presentation/TraceSink.h"
#include "presentation/ppt/CompoundFile.h"
#include "presentation/ppt/PptReader.h"

namespace {

const std::string& deck(int slides) {
    static std::map<int, std::string> files;
    auto it = files.find(slides);
    if (it == files.end()) it = files.emplace(slides, sw::test::ppt::buildPpt(sw::test::ppt::typicalDeck(slides))).first;
    return it->second;
}

void streamRead(const sw::pres::ByteSource& source) {
    sw::pres::ppt::CompoundFile file(source);
    auto stream = file.read({"PowerPoint Document"}, sw::pres::ppt::CompoundFile::maxFileSize);
    benchmark::DoNotOptimize(stream->data());
}

// Seconds per stream read of this file, measured over ~0.2 s.
double streamReadSeconds(const sw::pres::ByteSource& source) {
    using clock = std::chrono::steady_clock;
    const auto start = clock::now();
    int n = 0;
    do {
        streamRead(source);
        ++n;
    } while (clock::now() - start < std::chrono::milliseconds(200));
    return std::chrono::duration<double>(clock::now() - start).count() / n;
}

void BM_StreamRead(benchmark::State& state) {
    const std::string& file = deck(static_cast<int>(state.range(0)));
    auto source = sw::pres::memorySource(std::string_view(file));
    for (auto _ : state) streamRead(*source);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
}

void BM_ReadPpt(benchmark::State& state) {
    const std::string& file = deck(static_cast<int>(state.range(0)));
    auto source = sw::pres::memorySource(std::string_view(file));
    const double lowerBound = streamReadSeconds(*source);
    using clock = std::chrono::steady_clock;
    const auto start = clock::now();
    std::size_t text = 0;
    for (auto _ : state) {
        sw::pres::CountingSink sink;
        sw::pres::readPpt(*source, sink);
        text = sink.textBytes;
    }
    const double perRead = std::chrono::duration<double>(clock::now() - start).count() / static_cast<double>(state.iterations());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
    state.counters["file_kib"] = static_cast<double>(file.size()) / 1024.0;
    state.counters["text_kib"] = static_cast<double>(text) / 1024.0;
    state.counters["x_stream_read"] = perRead / lowerBound;
}

}  // namespace

BENCHMARK(BM_StreamRead)->Arg(20)->Arg(500)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadPpt)->Arg(20)->Arg(500)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
