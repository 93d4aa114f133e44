#include <algorithm>
#include <atomic>
#include <set>
#include <thread>

#include "SubstituteConvertor.h"

class ConvertorRun : public ConvertorFixture {};

// Many entries while the search is still adding them, on 1, 3 and 8 workers.
class ConvertorWorkers : public ConvertorFixture, public ::testing::WithParamInterface<int> {};

TEST_P(ConvertorWorkers, EveryListedFileIsConvertedAndReportedExactlyOnce) {
    constexpr int Folders = 20, PerFolder = 100;
    for (int f = 0; f < Folders; ++f)
        for (int i = 0; i < PerFolder; ++i) File("d" + std::to_string(f) + "/f" + std::to_string(i) + ".pptx");
    project.SetValue("ThreadsCount", std::to_string(GetParam()));

    auto batch = Run();
    ASSERT_EQ(batch->Count(), Folders * PerFolder);
    EXPECT_EQ(batch->Succeeded(), batch->Count());
    EXPECT_EQ(batch->Failed(), 0);
    EXPECT_EQ(RunningWorkers.load(), 0);
    EXPECT_EQ(told.size(), static_cast<std::size_t>(batch->Count()));
    EXPECT_EQ(std::set<std::string>(told.begin(), told.end()).size(), told.size());
    for (TkdNode* node : batch->Entries()) {
        ASSERT_EQ(script.conversions[node->Source], 1) << node->Source;
        ASSERT_EQ(node->Status, 1);
        ASSERT_EQ(sw::test::readFile(node->ResultText), "converted " + node->Source);
    }
}

INSTANTIATE_TEST_SUITE_P(Workers, ConvertorWorkers, ::testing::Values(1, 3, 8));

TEST_F(ConvertorRun, FailuresAndSkipsEachEndWithOneResult) {
    File("a.ppt");
    File("b FAIL.ppt");
    File("c.ppt");
    tree.write("out/c.rtf", "old");
    project.SetValue("IsOverwrite", "skip");
    project.SetValue("ThreadsCount", "2");
    auto batch = Run();
    auto entries = batch->Entries();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0]->Status, 1);
    EXPECT_EQ(entries[1]->Status, 2);
    EXPECT_EQ(entries[1]->ResultText, "Cannot convert " + In() + "b FAIL.ppt");
    EXPECT_EQ(entries[2]->Status, 1);        // skipped: counts as done
    EXPECT_EQ(entries[2]->ResultText, "");
    EXPECT_EQ(sw::test::readFile(Out() + "c.rtf"), "old");
    EXPECT_EQ(batch->Succeeded(), 1);
    EXPECT_EQ(batch->Failed(), 1);
    EXPECT_EQ(told.size(), 3u);
}

TEST_F(ConvertorRun, AnErrorEscapingTheConversionStillGivesOneResultAndOneCall) {
    for (const char* name : {"a.ppt", "b ESCAPE.ppt", "c.ppt"}) File(name);
    auto batch = Run();
    auto entries = batch->Entries();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[1]->Status, 2);
    EXPECT_EQ(entries[1]->ResultText, "Escaped: " + In() + "b ESCAPE.ppt");
    EXPECT_EQ(batch->Failures(), (Names{"Escaped: " + In() + "b ESCAPE.ppt"}));
    EXPECT_EQ(batch->Failed(), 1);
    EXPECT_EQ(entries[2]->Status, 1);  // the worker went on
    EXPECT_EQ(told, (Names{In() + "a.ppt", In() + "b ESCAPE.ppt", In() + "c.ppt"}));
}

TEST_F(ConvertorRun, AnErrorFromTheOwnersCallbackKeepsTheResultAndItsReason) {
    for (const char* name : {"a.ppt", "b.ppt", "c.ppt"}) File(name);
    TkdBatch batch(project, &matcher);
    batch.StartSearch(In() + "*.ppt", Out(), false);
    int calls = 0;
    auto chain = TkdConvertor::CreateWorkers(batch, Out(), [&](TkdBatch&, TkdNode& node) {
        ++calls;
        if (node.Index == 1) throw std::runtime_error("Row update failed");
    });
    chain->Start();
    chain->WaitFor();
    auto entries = batch.Entries();
    EXPECT_EQ(calls, 3);                            // called once for each, never again
    EXPECT_EQ(entries[1]->Status, 1);               // the conversion's own result stands
    EXPECT_EQ(entries[1]->ResultText, Out() + "b.rtf");
    EXPECT_EQ(batch.Failures(), (Names{"Row update failed"}));
    EXPECT_EQ(entries[2]->Status, 1);
}

TEST_F(ConvertorRun, AFileThatVanishesBeforeItsTurnFailsNamingIt) {
    std::string gone = File("gone.ppt");
    File("kept.ppt");
    TkdBatch batch(project, &matcher);
    batch.StartSearch(In() + "*.ppt", Out(), false);
    batch.WaitFor();
    std::filesystem::remove(gone);
    auto chain = TkdConvertor::CreateWorkers(batch, Out(), Recorder());
    chain->Start();
    chain->WaitFor();
    auto entries = batch.Entries();
    EXPECT_EQ(entries[0]->Status, 2);
    EXPECT_EQ(entries[0]->ResultText, "File not found: " + gone);
    EXPECT_EQ(entries[1]->Status, 1);
    EXPECT_EQ(told.size(), 2u);
}

TEST_F(ConvertorRun, ATargetFolderThatCannotBeMadeFailsEachFile) {
    File("sub/a.ppt");
    File("sub/b.ppt");
    tree.write("out/sub", "a file where the folder should go");
    auto batch = Run();
    for (TkdNode* node : batch->Entries()) {
        EXPECT_EQ(node->Status, 2);
        EXPECT_EQ(node->ResultText,
                  "Cannot write " + Out() + "sub/" + std::filesystem::path(node->Source).stem().string() + ".rtf");
    }
    EXPECT_EQ(batch->Failed(), 4);  // per file: the folder, then the save
    EXPECT_EQ(batch->Failures().front(), "CreateDir Failed: " + Out() + "sub/");
}

TEST_F(ConvertorRun, OnFinishRunsOnTheOwnersThreadOncePerWorker) {
    File("a.ppt");
    TkdBatch batch(project, &matcher);
    batch.StartSearch(In() + "*.ppt", Out(), false);
    project.SetValue("ThreadsCount", "2");
    auto chain = TkdConvertor::CreateWorkers(batch, Out(), {});
    EXPECT_THROW(chain->SetOnFinish([] {}, nullptr), std::invalid_argument);

    PumpedDispatcher dispatcher;
    std::vector<std::thread::id> finishedOn;
    std::vector<int> runningAtFinish;
    chain->SetOnFinish(
        [&] {
            finishedOn.push_back(std::this_thread::get_id());
            runningAtFinish.push_back(RunningWorkers.load());
        },
        &dispatcher);
    RunningWorkers = chain->WorkerCount();
    chain->Start();
    dispatcher.Pump(2);
    WaitForRunningWorkers();
    EXPECT_EQ(finishedOn, (std::vector<std::thread::id>(2, std::this_thread::get_id())));
    // Each worker raises OnFinish before it lowers the count.
    EXPECT_EQ(runningAtFinish.front(), 2);
    EXPECT_EQ(RunningWorkers.load(), 0);
}

TEST_F(ConvertorRun, StopThenANewChainOnTheSameBatchGoesOnWhereItStopped) {
    for (int i = 0; i < 6; ++i) File("f" + std::to_string(i) + ".ppt");
    TkdBatch batch(project, &matcher);
    batch.StartSearch(In() + "*.ppt", Out(), false);
    batch.WaitFor();
    script.SetGate(false);
    project.SetValue("ThreadsCount", "2");
    auto first = TkdConvertor::CreateWorkers(batch, Out(), Recorder());
    first->Start();
    script.WaitUntilAtGate(2);  // both workers hold an entry
    first->Stop();
    script.SetGate(true);
    first->WaitFor();
    first->Next()->WaitFor();
    EXPECT_EQ(told.size(), 2u);  // each finished the entry it held, and no more
    first.reset();

    auto second = TkdConvertor::CreateWorkers(batch, Out(), Recorder());
    second->Start();
    second->WaitFor();
    second->Next()->WaitFor();
    EXPECT_EQ(told.size(), 6u);
    for (TkdNode* node : batch.Entries()) EXPECT_EQ(script.conversions[node->Source], 1) << node->Source;
    EXPECT_EQ(batch.Succeeded(), 6);
}

TEST_F(ConvertorRun, StopBeforeStartEndsEveryWorkerWithoutTouchingAnEntry) {
    File("a.ppt");
    TkdBatch batch(project, &matcher);
    batch.StartSearch(In() + "*.ppt", Out(), false);
    project.SetValue("ThreadsCount", "4");
    auto chain = TkdConvertor::CreateWorkers(batch, Out(), Recorder());
    RunningWorkers = chain->WorkerCount();
    chain->Stop();
    chain->Start();
    WaitForRunningWorkers();
    EXPECT_TRUE(told.empty());
    chain->Stop();  // harmless on ended workers
    batch.WaitFor();
    EXPECT_EQ(batch.NextEntry()->Source, In() + "a.ppt");
}

TEST_F(ConvertorRun, ReleasingAChainWhileItWaitsForTheSearchReturns) {
    TkdBatch batch(project, &matcher);  // never searched: its list never completes
    project.SetValue("ThreadsCount", "3");
    auto chain = TkdConvertor::CreateWorkers(batch, Out(), Recorder());
    RunningWorkers = chain->WorkerCount();
    chain->Start();
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    chain.reset();
    EXPECT_EQ(RunningWorkers.load(), 0);
}
