#pragma once
#include <atomic>
#include <string>
#include <thread>

class TkdBatch;
class TkdNode;

// The base of every conversion worker: one thread that takes entries from a
// batch one at a time and hands each to ProcessEntry, until the batch is used
// up or the worker is asked to stop.
//
// Lifecycle (the thread's; the object lives on until its owner releases it):
//   built     - constructed, thread not started ("created suspended");
//   running   - Resume started the thread: the loop takes entries;
//   ending    - the loop has left; WorkerEnding runs on the worker's thread;
//   ended     - the thread function has returned; Ended() is true. The object
//               stays valid, so Terminate and the getters stay safe to call.
//   released  - the owner destroys the object: it is asked to stop, its wait
//               for entries is cut short (Abandon), and its thread is joined.
// Objects never delete themselves. A most-derived class must join before any
// of its own members go; TkdConvertor::Create wraps every worker class so that
// this happens, and the base destructor joins as a last resort.
//
// Errors: an error escaping ProcessEntry is caught by the loop and handed to
// EntryError, which gives the entry a failure result (Status 2, the message as
// ResultText, a ReportFailure) unless the entry has its result already; the
// loop then goes on with the next entry.
class TkdWorkBase {
public:
    explicit TkdWorkBase(TkdBatch& Batch);
    virtual ~TkdWorkBase();
    TkdWorkBase(const TkdWorkBase&) = delete;
    TkdWorkBase& operator=(const TkdWorkBase&) = delete;

    TkdBatch& Batch() const { return batch_; }

    // Starts the thread; a second call does nothing. Throws std::system_error
    // when no thread can be made.
    void Resume();
    // The stop request, read between entries only: the entry in hand is
    // finished first. A worker waiting for the search takes the next entry
    // delivered and ends after it.
    void Terminate() { terminated_.store(true); }
    bool Terminated() const { return terminated_.load(); }
    // Ask to stop and also stop waiting for entries: the worker leaves as soon
    // as its current entry (if any) is done. Used when the owner releases it.
    virtual void Abandon();
    bool Started() const { return started_; }
    bool Ended() const { return ended_.load(); }
    // Waits until the thread has ended (at once when it never started).
    void WaitFor();

protected:
    // The entry being worked on, set by the loop; null outside ProcessEntry.
    TkdNode* Current = nullptr;

    // Works on Current. Does nothing here.
    virtual void ProcessEntry();
    // An error escaped ProcessEntry for Node. Gives the entry a failure
    // result unless it has one; otherwise only reports Message to the batch,
    // so that the reason is kept.
    virtual void EntryError(TkdNode& Node, const std::string& Message);
    // Runs last on the worker's thread, after the loop. Overrides do their own
    // steps and then call their base; they must not throw.
    virtual void WorkerEnding();
    bool Abandoned() const { return abandoned_.load(); }
    // Abandon, then join. For the destructor of a most-derived class.
    void ReleaseThread();

private:
    void ThreadMain();
    void Execute();

    TkdBatch& batch_;
    std::atomic<bool> terminated_{false};
    std::atomic<bool> abandoned_{false};
    std::atomic<bool> ended_{false};
    bool started_ = false;  // owner's thread only
    std::thread thread_;
};

// The text of the exception being handled ("Unknown error" for one that is not
// a std::exception). Call inside a catch block only.
std::string CurrentErrorMessage();
