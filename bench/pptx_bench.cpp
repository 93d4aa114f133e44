// Engine speed against its lower bound, and peak memory on a deck of images.
//
// The lower bound opens the same zip and inflates exactly the parts the
// engine reads (package and part relationships, presentation, slides,
// layout, master, theme) without parsing them; the engine's benchmarks
// report their CPU time relative to it ("x_inflate", target: below 2).
#include <benchmark/benchmark.h>
#include <zip.h>

#include <time.h>

#include <cstring>
#include <functional>
#include <cstdio>
#include <random>
#include <sstream>

#include "PptxBuilder.h"
#include "TempDir.h"
#include "presentation/PresentationEngine.h"
#include "presentation/rtf/RtfWriter.h"

namespace {

using namespace sw::test;

std::string slideShapes(int n) {
    std::string body;
    for (int p = 0; p < 6; ++p)
        body += para(run("Point " + std::to_string(p) + " of slide " + std::to_string(n), p % 2 ? "b=\"1\"" : "",
                         "<a:solidFill><a:schemeClr val=\"accent1\"><a:lumMod val=\"75000\"/></a:schemeClr></a:solidFill>") +
                         run(" with more words in a second run and a field ", "i=\"1\" sz=\"2000\"") +
                         "<a:fld type=\"slidenum\"><a:t>" + std::to_string(n) + "</a:t></a:fld>",
                     p % 3);
    return placeholder("type=\"title\"", para(run("Slide title number " + std::to_string(n), "sz=\"4000\""))) +
           placeholder("idx=\"1\"", body) + textBox(para(run("a text box that is not outline")));
}

std::string randomBytes(std::size_t n, unsigned seed) {
    std::mt19937_64 rng(seed);
    std::string s(n, '\0');
    for (std::size_t i = 0; i + 8 <= n; i += 8) {
        std::uint64_t v = rng();
        std::memcpy(&s[i], &v, 8);
    }
    return s;
}

// A deck written once per process into a temporary folder.
struct Deck {
    TempDir dir;
    std::filesystem::path file;
    std::vector<std::string> partsRead;  // what the engine inflates
    Deck(int slides, int images, std::size_t imageBytes) {
        PptxBuilder b;
        b.setMasterTextStyles("<p:titleStyle><a:lvl1pPr><a:defRPr sz=\"4400\"><a:latin typeface=\"+mj-lt\"/>"
                              "</a:defRPr></a:lvl1pPr></p:titleStyle><p:bodyStyle><a:lvl1pPr><a:defRPr sz=\"2800\">"
                              "<a:solidFill><a:schemeClr val=\"tx1\"/></a:solidFill></a:defRPr></a:lvl1pPr></p:bodyStyle>");
        for (int i = 1; i <= slides; ++i) b.addSlide(slideShapes(i));
        for (int i = 0; i < images; ++i) b.addImage(1 + i % slides, randomBytes(imageBytes, static_cast<unsigned>(i)));
        auto parts = b.parts();
        file = dir.path() / "deck.pptx";
        PptxBuilder::zipToFile(parts, file);
        for (const auto& [name, data] : parts)
            if (!name.starts_with("ppt/media/") && name != "[Content_Types].xml") partsRead.push_back(name);
    }
};

const Deck& typical() {
    static Deck d(20, 4, 300 * 1024);
    return d;
}
const Deck& large() {
    static Deck d(500, 0, 0);
    return d;
}

void inflateParts(const Deck& deck) {
    int error = 0;
    zip_t* z = zip_open(deck.file.c_str(), ZIP_RDONLY, &error);
    std::string buf;
    for (const auto& name : deck.partsRead) {
        zip_stat_t st;
        zip_stat(z, name.c_str(), 0, &st);
        buf.resize(st.size);
        zip_file_t* f = zip_fopen(z, name.c_str(), 0);
        zip_fread(f, buf.data(), buf.size());
        zip_fclose(f);
        benchmark::DoNotOptimize(buf.data());
    }
    zip_discard(z);
}

void convert(const Deck& deck) {
    auto opened = sw::pres::openPresentation(deck.file);
    std::ostringstream out;
    sw::pres::RtfWriter writer(out);
    opened->replay(writer);
    benchmark::DoNotOptimize(out.str().size());
}

// Process CPU time: on a machine shared with other work, wall time says more
// about the neighbours than about the code.
double cpuSeconds() {
    timespec t{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// CPU seconds per run of f, over at least 5 runs and 0.2 s.
double secondsPerRun(const std::function<void()>& f) {
    const double start = cpuSeconds();
    int runs = 0;
    while (runs < 5 || cpuSeconds() - start < 0.2) {
        f();
        ++runs;
    }
    return (cpuSeconds() - start) / runs;
}

void runConvert(benchmark::State& state, const Deck& deck) {
    const double lower = secondsPerRun([&] { inflateParts(deck); });
    double total = 0;
    for (auto _ : state) {
        const double start = cpuSeconds();
        convert(deck);
        total += cpuSeconds() - start;
    }
    state.counters["x_inflate"] = total / static_cast<double>(state.iterations()) / lower;
    state.counters["inflate_cpu_ms"] = lower * 1000;
}

void BM_ConvertTypicalDeck(benchmark::State& state) { runConvert(state, typical()); }
void BM_ConvertLargeDeck(benchmark::State& state) { runConvert(state, large()); }
void BM_InflateTypicalDeck(benchmark::State& state) {
    for (auto _ : state) inflateParts(typical());
}
void BM_InflateLargeDeck(benchmark::State& state) {
    for (auto _ : state) inflateParts(large());
}

// Peak memory converting a 200 MB deck of stored, incompressible images,
// measured in a child process (target: below 64 MB).
void BM_PeakMemoryImageDeck(benchmark::State& state) {
    static Deck deck(20, 100, 2 * 1024 * 1024);
    long kib = 0;
    for (auto _ : state) {
        std::string command = std::string(SW_PEAK_RSS_TOOL) + " '" + deck.file.string() + "'";
        FILE* pipe = ::popen(command.c_str(), "r");
        if (!pipe || std::fscanf(pipe, "%ld", &kib) != 1) state.SkipWithError("the peak-memory tool failed");
        if (pipe) ::pclose(pipe);
    }
    state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(deck.file)) / (1 << 20);
    state.counters["peak_rss_MB"] = static_cast<double>(kib) / 1024;
}

BENCHMARK(BM_InflateTypicalDeck)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertTypicalDeck)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InflateLargeDeck)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertLargeDeck)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PeakMemoryImageDeck)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
