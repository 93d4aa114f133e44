#pragma once
#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/TkdConvertorClass.h"
#include "search/TkdNode.h"

class TkdProject;
class TkdMatchBase;

// Passes over "~$" lock files in every search. Start-up sets it (the converter
// identity asks for it); false until then.
extern std::atomic<bool> SkipLockFiles;

// The file list of one conversion job and the search thread that fills it.
//
// Lifecycle: constructed with its search thread not started. Then either
// StartSearch (the thread reads RegExt and SkipHidden, walks the folder tree,
// then marks the list finished), or one or more AddFile calls (each marks the
// list finished; the thread never runs). Workers take entries with NextEntry,
// in list order, while the search still runs, and report each outcome. The
// owner destroys the batch after every worker of the job has been released;
// destruction asks the search thread to stop and joins it.
//
// Threads and locks: one lock per batch (the batch lock) guards the entries,
// the hand-out position, the counters, the failure messages and the fields
// Folder, Mask, Target; LockList/UnlockList let others take it (the window
// while it finds a result row, each ending worker while it lowers
// RunningWorkers). OnFound is called outside the lock, so the callee may take it.
class TkdBatch {
public:
    using EntryList = std::vector<std::unique_ptr<TkdNode>>;

    // `Matcher` decides which found paths are listed; null accepts every path.
    // Both must outlive the batch.
    TkdBatch(TkdProject& Project, const TkdMatchBase* Matcher);
    ~TkdBatch();
    TkdBatch(const TkdBatch&) = delete;
    TkdBatch& operator=(const TkdBatch&) = delete;

    TkdProject& Project() const { return project_; }
    const TkdMatchBase* Matcher() const { return matcher_; }

    // Called on the search thread (or AddFile's caller) after each entry is
    // added. Set it before StartSearch or AddFile; may be empty.
    TkdEntryCallback OnFound;

    // Source is a folder and a mask in one text ("/in/*.ppt?") or a "file:"
    // address of one. Creates the target folder when missing (a failure is
    // left to each file's conversion to report); an empty target fails with
    // "Unable to create directory" and starts nothing. Starts the search
    // thread unless the batch has searched or been filled by AddFile already;
    // then only the fields change.
    void StartSearch(const std::string& Source, const std::string& Target, bool Subfolders);
    // Lists one path (only the mask and RegExt of an earlier StartSearch apply,
    // so on a fresh batch every path is listed) and marks the list finished.
    void AddFile(const std::string& Path);

    // The next entry not handed out yet, in list order; waits while the list
    // is incomplete. A caller that asks gets any entry already listed at once;
    // callers already asleep are woken once per folder listed (or every 64
    // entries), which keeps a fast search from paying a wake-up per entry. Null exactly when the list is finished and used up (the
    // first such answer marks the batch exhausted) - or, without marking it,
    // when `Abandon` is set while waiting (WakeWaiters makes waiting callers
    // look at their flag).
    TkdNode* NextEntry(const std::atomic<bool>* Abandon = nullptr);
    void WakeWaiters();
    // How many callers wait inside NextEntry right now.
    int Waiting() const;

    void ReportSuccess();
    // Counts every report; keeps each message once (letter case aside).
    void ReportFailure(const std::string& Message);

    int Count() const;
    bool IsExhausted() const { return exhausted_.load(); }
    bool IsFinished() const;
    // Destroys every entry and resets the hand-out position, the counters and
    // the flags; the failure messages stay. No worker may hold an entry.
    void Clear();

    // Takes the batch lock and gives the list; UnlockList releases it.
    const EntryList& LockList();
    void UnlockList();
    // The entries as they are now (for the owner once the run is over).
    std::vector<TkdNode*> Entries() const;

    int Succeeded() const;
    int Failed() const;
    std::vector<std::string> Failures() const;

    std::string Folder() const;  // search folder with its trailing "/", or ""
    std::string Mask() const;
    std::string Target() const;
    void SetTarget(const std::string& Target);
    bool Subfolders() const;

    // The search thread's stop request: the walk ends after the current entry,
    // and the list is marked finished with what was found.
    void Terminate() { terminated_.store(true); }
    bool Terminated() const { return terminated_.load(); }
    // Waits until the search thread has ended (at once when it never started).
    void WaitFor();

    // See search/FileUrl.h.
    static std::string FileUrlToPath(const std::string& Text);

private:
    void Execute();
    void AddEntry(std::string Path, const std::string& MaskPattern, const std::string& RegExt);
    bool Accepts(const std::string& Path, const std::string& MaskPattern, const std::string& RegExt) const;
    void MarkFinished();
    // Wakes the callers waiting in NextEntry for entries added since the last call.
    void Announce();

    TkdProject& project_;
    const TkdMatchBase* matcher_;

    mutable std::mutex lock_;            // the batch lock
    std::condition_variable changed_;    // an entry was added, or the list finished
    EntryList entries_;
    int nextIndex_ = 0;
    int waiting_ = 0;                    // callers asleep in NextEntry
    int unannounced_ = 0;                // entries added since waiting callers were last woken
    bool finished_ = false;
    int succeeded_ = 0;
    int failed_ = 0;
    std::vector<std::string> failures_;
    std::string folder_;
    std::string mask_;
    std::string target_;
    std::string regExt_;                 // read when the search starts
    bool subfolders_ = false;

    std::atomic<bool> exhausted_{false};
    std::atomic<bool> terminated_{false};
    bool started_ = false;               // owner's thread only
    std::thread thread_;
};
