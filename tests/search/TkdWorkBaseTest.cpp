#include "search/TkdWorkBase.h"

#include <chrono>
#include <mutex>
#include <stdexcept>
#include <thread>

#include "BatchFixture.h"

namespace {

// Records what it was given; fails on paths holding "FAIL".
class RecordingWorker : public TkdWorkBase {
public:
    using TkdWorkBase::TkdWorkBase;
    ~RecordingWorker() override { ReleaseThread(); }

    std::vector<std::string> Processed() const {
        std::lock_guard guard(lock_);
        return processed_;
    }

protected:
    void ProcessEntry() override {
        {
            std::lock_guard guard(lock_);
            processed_.push_back(Current->Source);
        }
        if (Current->Source.find("FAIL") != std::string::npos) throw std::runtime_error("Broken: " + Current->Source);
        Current->Status = 1;
    }

private:
    mutable std::mutex lock_;
    std::vector<std::string> processed_;
};

}  // namespace

using WorkBase = BatchFixture;

TEST_F(WorkBase, UsedUpBatchEndsTheWorkerAtOnce) {
    TkdBatch batch(project, &matcher);
    batch.StartSearch(tree.dir() + "nowhere/*.ppt", Out(), false);
    batch.WaitFor();
    RecordingWorker worker(batch);
    worker.Resume();
    worker.WaitFor();
    EXPECT_TRUE(worker.Ended());
    EXPECT_TRUE(worker.Terminated());
    EXPECT_TRUE(worker.Processed().empty());
}

TEST_F(WorkBase, StopRequestedBeforeTheStartTakesNoEntry) {
    TkdBatch batch(project, &matcher);
    batch.AddFile("/x/a.ppt");
    RecordingWorker worker(batch);
    worker.Terminate();
    worker.Resume();
    worker.WaitFor();
    EXPECT_TRUE(worker.Processed().empty());
    EXPECT_EQ(batch.NextEntry()->Source, "/x/a.ppt");  // still there for the next worker
}

TEST_F(WorkBase, AnEscapingErrorFailsTheEntryAndTheLoopGoesOn) {
    TkdBatch batch(project, &matcher);
    for (const char* path : {"/x/a.ppt", "/x/FAIL.ppt", "/x/c.ppt"}) batch.AddFile(path);
    RecordingWorker worker(batch);
    worker.Resume();
    worker.WaitFor();
    EXPECT_EQ(worker.Processed(), (Names{"/x/a.ppt", "/x/FAIL.ppt", "/x/c.ppt"}));
    auto entries = batch.Entries();
    EXPECT_EQ(entries[1]->Status, 2);
    EXPECT_EQ(entries[1]->ResultText, "Broken: /x/FAIL.ppt");
    EXPECT_EQ(entries[2]->Status, 1);
    EXPECT_EQ(batch.Failed(), 1);
    EXPECT_EQ(batch.Failures(), (Names{"Broken: /x/FAIL.ppt"}));
}

TEST_F(WorkBase, StopWhileWaitingStillTakesTheNextEntryDelivered) {
    TkdBatch batch(project, &matcher);  // nothing listed yet, list not finished
    RecordingWorker worker(batch);
    worker.Resume();
    while (batch.Waiting() == 0) std::this_thread::yield();
    worker.Terminate();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_FALSE(worker.Ended());  // the wait does not look at the stop request
    batch.AddFile("/x/late.ppt");
    worker.WaitFor();
    EXPECT_EQ(worker.Processed(), (Names{"/x/late.ppt"}));
}

TEST_F(WorkBase, ReleasingAWaitingWorkerDoesNotWaitForTheSearch) {
    TkdBatch batch(project, &matcher);  // never filled: a wait without an end
    {
        RecordingWorker worker(batch);
        worker.Resume();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }  // returns: the release cuts the wait short
    EXPECT_FALSE(batch.IsExhausted());
}
