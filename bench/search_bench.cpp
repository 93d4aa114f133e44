// Lists a tree of 100,000 files in 1,000 folders with sub-folders on, while
// workers with a converter that does nothing take every entry; and, on the
// same tree in the same run, `find TREE -type f` for comparison. The tree is
// made in a temporary folder at start and removed at the end.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "app/TkdApp.h"
#include "app/TkdProject.h"
#include "engine/TkdConvertor.h"
#include "platform/ProgramFiles.h"
#include "search/TkdBatch.h"
#include "search/TkdMatch.h"

namespace {

constexpr int Folders = 1000;
constexpr int FilesPerFolder = 100;
std::string treeRoot;  // with a trailing "/"

void makeTree() {
    std::string pattern = (std::filesystem::temp_directory_path() / "sw-search-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
    treeRoot = pattern + "/";
    for (int f = 0; f < Folders; ++f) {
        // Ten top folders of a hundred each: some depth, like a real archive.
        std::string folder = treeRoot + "in/year" + std::to_string(f / 100) + "/deck" + std::to_string(f) + "/";
        std::filesystem::create_directories(folder);
        for (int i = 0; i < FilesPerFolder; ++i) std::ofstream(folder + "slides" + std::to_string(i) + ".pptx") << 'x';
    }
    std::filesystem::create_directories(treeRoot + "out");
    std::filesystem::create_directories(treeRoot + "program");
    ::sync();  // the tree's write-back must not run into the first measurement
}

// Wall time of one `find TREE -type f`, in seconds.
double timeFind() {
    static const std::string command = "find '" + treeRoot + "in' -type f > /dev/null";
    auto start = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0) throw std::runtime_error("find failed");
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Does nothing with an entry: what is left is the search and the hand-out.
class NullConvertor : public TkdConvertor {
public:
    using TkdConvertor::TkdConvertor;
};

void BM_SearchAndHandOut(benchmark::State& state) {
    SkipLockFiles = true;
    TkdApp app("/some/dir/slidewright", "");
    TkdProject project(app, sw::platform::ProgramFiles(app.ExeName, treeRoot + "program/"));
    project.ConvertorClass = TkdConvertor::Create<NullConvertor>;
    project.TargetExt = ".rtf";
    project.ShortName = "pres2doc";
    project.SetValue("ThreadsCount", std::to_string(state.range(0)));
    TkdMatch matcher;
    int listed = 0;
    double ours = 0, find = 0;
    for (auto _ : state) {
        // find runs right beside each pass, so that both see the same load
        // on a shared machine; the ratio of the sums is reported.
        state.PauseTiming();
        find += timeFind();
        state.ResumeTiming();
        auto start = std::chrono::steady_clock::now();
        TkdBatch batch(project, &matcher);
        batch.StartSearch(treeRoot + "in/*.ppt?", treeRoot + "out/", true);
        auto chain = TkdConvertor::CreateWorkers(batch, treeRoot + "out/", {});
        chain->Start();
        for (TkdConvertor* worker = chain.get(); worker; worker = worker->Next()) worker->WaitFor();
        ours += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        listed = batch.Count();
        if (!batch.IsExhausted()) state.SkipWithError("the workers did not take every entry");
    }
    if (listed != Folders * FilesPerFolder) state.SkipWithError("the search missed files");
    state.SetItemsProcessed(state.iterations() * listed);
    state.counters["find_ms"] = 1000 * find / static_cast<double>(state.iterations());
    state.counters["x_find"] = ours / find;
}
BENCHMARK(BM_SearchAndHandOut)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond)->UseRealTime();

// The walk alone: what the hand-out to workers adds shows against this.
void BM_SearchOnly(benchmark::State& state) {
    SkipLockFiles = true;
    TkdApp app("/some/dir/slidewright", "");
    TkdProject project(app, sw::platform::ProgramFiles(app.ExeName, treeRoot + "program/"));
    TkdMatch matcher;
    int listed = 0;
    for (auto _ : state) {
        TkdBatch batch(project, &matcher);
        batch.StartSearch(treeRoot + "in/*.ppt?", treeRoot + "out/", true);
        batch.WaitFor();
        listed = batch.Count();
    }
    if (listed != Folders * FilesPerFolder) state.SkipWithError("the search missed files");
    state.SetItemsProcessed(state.iterations() * listed);
}
BENCHMARK(BM_SearchOnly)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FindTypeF(benchmark::State& state) {
    const std::string command = "find '" + treeRoot + "in' -type f > /dev/null";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0) state.SkipWithError("find failed");
    state.SetItemsProcessed(state.iterations() * Folders * FilesPerFolder);
}
BENCHMARK(BM_FindTypeF)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    makeTree();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ignored;
    std::filesystem::remove_all(treeRoot, ignored);
    return 0;
}
