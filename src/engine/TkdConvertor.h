#pragma once
#include <atomic>
#include <functional>
#include <memory>
#include <string>

#include "app/TkdConvertorClass.h"
#include "search/TkdWorkBase.h"

class TkdProject;
namespace sw::platform { class Dispatcher; }

// Workers still running, process-wide. An owner without a message loop sets it
// to the head's WorkerCount before Start and waits while it is above 0; each
// worker lowers it by one as it ends, holding the batch lock.
extern std::atomic<int> RunningWorkers;

// One worker of a conversion chain. The owner creates the chain with
// CreateWorkers and talks to the head only; the head owns Next, which owns its
// own Next, and so on.
//
// Building: the project's ConvertorClass builds every worker, head and chain
// alike. A converter class's factory is TkdConvertor::Create<Class>; the
// TkdConvertor part of each new worker then builds Next through the project's
// ConvertorClass with Count - 1, so the rest of the chain exists before the
// derived class's constructor body runs.
//
// Worker lifecycle (see TkdWorkBase for the thread's states):
//   1. CreateWorkers: the whole chain is built, no thread runs.
//   2. SetOnFinish (optional), Start: the head starts first, then Next, ...
//   3. Each worker loops: NextEntry, ProcessEntry (ConvertFile, then the
//      owner's OnConverted on the worker thread), until the batch is used up
//      or Stop was seen between entries.
//   4. At the end of its thread function the worker runs WorkerEnding:
//      the connection layer's own steps first (its override quits PowerPoint,
//      then calls this class's), then OnFinish on the owner's thread through
//      the dispatcher (waiting for it to return), then RunningWorkers - 1
//      under the batch lock.
//   5. The ended worker stays a valid object; Stop on a chain whose workers
//      have ended is harmless.
//   6. The owner releases the head: every worker still running is asked to
//      stop, stops waiting for entries, and is joined. The batch must outlive
//      the chain. Never release the chain from inside OnFinish: the worker
//      raising it waits for the handler to return.
class TkdConvertor : public TkdWorkBase {
public:
    // The virtual constructor's stand-in: makes a worker of class T (built
    // with (Batch, Count, OnConverted)) that joins its thread before any of
    // T's members go. Use it in every ConvertorClass factory, e.g.
    //   project.ConvertorClass = TkdConvertor::Create<TkdPRES2DOC>;
    // T must not be declared final (the wrapper derives from it).
    template <class T>
    static std::unique_ptr<TkdConvertor> Create(TkdBatch& Batch, int Count, const TkdEntryCallback& OnConverted);

    // Stores TargetFolder (a "file:" address is turned into a path; it must
    // end with "/") as the batch's Target and builds a chain of ThreadsCount
    // workers (at least one) through the project's ConvertorClass.
    static std::unique_ptr<TkdConvertor> CreateWorkers(TkdBatch& Batch, const std::string& TargetFolder,
                                                       const TkdEntryCallback& OnConverted);

    ~TkdConvertor() override;

    // Starts every worker, head first. Starting again does nothing.
    void Start();
    // Asks the whole chain to stop, from the last worker back to the head;
    // does not wait. Each worker finishes the entry it holds.
    void Stop();
    // OnFinish is raised once per worker as it ends, on the owner's thread:
    // the worker hands it to Dispatcher and waits until it has returned. A
    // handler needs a dispatcher (std::invalid_argument otherwise); an empty
    // handler clears it. Owners without a message loop leave it unset. Set it
    // before Start.
    void SetOnFinish(std::function<void()> Handler, sw::platform::Dispatcher* Dispatcher);

    int WorkerCount() const { return workerCount_; }
    TkdConvertor* Next() const { return next_.get(); }
    void Abandon() override;

protected:
    TkdConvertor(TkdBatch& Batch, int Count, const TkdEntryCallback& OnConverted);

    TkdProject& Project() const;

    // ConvertFile, then OnConverted (for every entry: converted, failed or skipped).
    void ProcessEntry() override;
    // An error escaped ConvertFile: the entry fails, and the owner is told
    // (unless the error came from telling it).
    void EntryError(TkdNode& Node, const std::string& Message) override;
    // OnFinish through the dispatcher, then RunningWorkers - 1 under the batch
    // lock. Overrides do their own steps first and then call this.
    void WorkerEnding() override;

    // --- Hooks of the converter class line ---
    // Converts one entry: BuildTarget, then the conversion, DeleteTarget before
    // saving, AfterConvert after a success, and the entry's result. Does
    // nothing here.
    virtual void ConvertFile(TkdBatch& Batch, TkdNode& Node);
    // A last say on the target path; unchanged here.
    virtual std::string AdjustTarget(const std::string& Target);
    // The converting application's program path; "" here.
    virtual std::string ApplicationPath();
    // Whether the open document carries macros; true here.
    virtual bool HasMacros();

    // --- Steps for ConvertFile ---
    // The target path for Node, its folder created; "" when the entry is
    // skipped (then Status is 1 and nothing is reported).
    std::string BuildTarget(TkdBatch& Batch, TkdNode& Node);
    // After a successful save: file times, DeleteSource, RenameSource.
    void AfterConvert(TkdBatch& Batch, TkdNode& Node, const std::string& Target);
    // Removes an old target; errors are ignored.
    static void DeleteTarget(const std::string& Target);

    const TkdEntryCallback OnConverted;

private:
    template <class T>
    class Joined;

    std::function<void()> onFinish_;
    sw::platform::Dispatcher* dispatcher_ = nullptr;
    std::unique_ptr<TkdConvertor> next_;
    int workerCount_;
    bool ownerTold_ = false;  // worker thread only: OnConverted was called for Current
};

// The most-derived class of every worker: joins the thread first, so that a
// running worker never sees its own members destroyed.
template <class T>
class TkdConvertor::Joined final : public T {
public:
    Joined(TkdBatch& Batch, int Count, const TkdEntryCallback& OnConverted) : T(Batch, Count, OnConverted) {}
    ~Joined() override { this->ReleaseThread(); }
};

template <class T>
std::unique_ptr<TkdConvertor> TkdConvertor::Create(TkdBatch& Batch, int Count, const TkdEntryCallback& OnConverted) {
    return std::make_unique<Joined<T>>(Batch, Count, OnConverted);
}
