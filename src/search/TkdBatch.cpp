#include "search/TkdBatch.h"

#include <stdexcept>

#include "app/TextCompare.h"
#include "app/TkdProject.h"
#include "platform/FileSystem.h"
#include "search/FileUrl.h"
#include "search/FolderWalker.h"
#include "search/TkdMatch.h"

std::atomic<bool> SkipLockFiles{false};

namespace {
constexpr int AnnounceEvery = 64;
}

TkdBatch::TkdBatch(TkdProject& Project, const TkdMatchBase* Matcher) : project_(Project), matcher_(Matcher) {}

TkdBatch::~TkdBatch() {
    Terminate();
    WaitFor();
    Clear();
}

std::string TkdBatch::FileUrlToPath(const std::string& Text) { return ::FileUrlToPath(Text); }

void TkdBatch::StartSearch(const std::string& Source, const std::string& Target, bool Subfolders) {
    std::string folder = FileUrlToPath(Source);
    std::string target = FileUrlToPath(Target);
    if (target.empty()) throw std::runtime_error("Unable to create directory");
    if (!sw::platform::DirectoryExists(target)) sw::platform::CreateDirectories(target);

    auto cut = folder.rfind('/');
    std::string mask = cut == std::string::npos ? folder : folder.substr(cut + 1);
    folder.resize(cut == std::string::npos ? 0 : cut + 1);
    bool start;
    {
        std::lock_guard guard(lock_);
        folder_ = std::move(folder);
        mask_ = std::move(mask);
        target_ = std::move(target);
        subfolders_ = Subfolders;
        start = !finished_ && !started_;
    }
    if (start) {
        started_ = true;
        thread_ = std::thread(&TkdBatch::Execute, this);
    }
}

void TkdBatch::Execute() {
    try {
        // Read once, when the search starts: a change while it runs does not
        // apply to this search.
        std::string regExt = project_.Value("RegExt");
        bool skipHidden = project_.BoolValue("SkipHidden", false);
        FolderWalker::Settings settings;
        std::string folder;
        {
            std::lock_guard guard(lock_);
            regExt_ = regExt;
            folder = folder_;
            settings.Mask = mask_;
            settings.Subfolders = subfolders_;
        }
        settings.SkipHidden = skipHidden;
        settings.SkipLockFiles = SkipLockFiles.load();
        // The mask's pattern is the same for every file of the search.
        const std::string maskPattern = WildcardToRegex(settings.Mask);
        FolderWalker walker(
            settings, [&](std::string path) { AddEntry(std::move(path), maskPattern, regExt); },
            [this] { return Terminated(); }, [this] { Announce(); });
        walker.Walk(folder);
    } catch (...) {
        // Nothing a walk does should fail; if it does (memory), the list ends
        // with what was found rather than leaving every worker waiting.
    }
    MarkFinished();
}

bool TkdBatch::Accepts(const std::string& Path, const std::string& MaskPattern, const std::string& RegExt) const {
    if (!matcher_) return true;
    if (!matcher_->Matches(Path, MaskPattern)) return false;
    return RegExt.empty() || matcher_->Matches(Path, RegExt);
}

void TkdBatch::AddEntry(std::string Path, const std::string& MaskPattern, const std::string& RegExt) {
    if (!Accepts(Path, MaskPattern, RegExt)) return;
    TkdNode* node;
    {
        std::lock_guard guard(lock_);
        auto entry = std::make_unique<TkdNode>();
        entry->Source = std::move(Path);
        entry->Index = static_cast<int>(entries_.size());
        node = entry.get();
        entries_.push_back(std::move(entry));
        // Sleeping workers are woken once per folder listed (Announce) or
        // every few entries, not for each one: a wake-up per entry costs more
        // than listing the entry. A worker that asks finds every entry added.
        if (++unannounced_ >= AnnounceEvery && waiting_ > 0) {
            unannounced_ = 0;
            changed_.notify_one();
        }
    }
    if (OnFound) OnFound(*this, *node);
}

void TkdBatch::AddFile(const std::string& Path) {
    std::string mask, regExt;
    {
        std::lock_guard guard(lock_);
        mask = mask_;
        regExt = regExt_;
    }
    AddEntry(Path, WildcardToRegex(mask), regExt);
    MarkFinished();
}

void TkdBatch::MarkFinished() {
    std::lock_guard guard(lock_);
    finished_ = true;
    unannounced_ = 0;
    changed_.notify_all();
}

void TkdBatch::Announce() {
    std::lock_guard guard(lock_);
    if (unannounced_ > 0 && waiting_ > 0) changed_.notify_one();
    unannounced_ = 0;
}

TkdNode* TkdBatch::NextEntry(const std::atomic<bool>* Abandon) {
    std::unique_lock guard(lock_);
    for (;;) {
        if (nextIndex_ < static_cast<int>(entries_.size())) {
            TkdNode* node = entries_[nextIndex_++].get();
            // Wakers wake one sleeper at a time; each passes the word on while
            // entries remain, so a short folder does not wake every worker.
            if (waiting_ > 0 && nextIndex_ < static_cast<int>(entries_.size())) changed_.notify_one();
            return node;
        }
        if (finished_) {
            exhausted_.store(true);
            return nullptr;
        }
        if (Abandon && Abandon->load()) return nullptr;
        ++waiting_;
        changed_.wait(guard);
        --waiting_;
    }
}

void TkdBatch::WakeWaiters() {
    std::lock_guard guard(lock_);
    changed_.notify_all();
}

int TkdBatch::Waiting() const {
    std::lock_guard guard(lock_);
    return waiting_;
}

void TkdBatch::ReportSuccess() {
    std::lock_guard guard(lock_);
    ++succeeded_;
}

void TkdBatch::ReportFailure(const std::string& Message) {
    std::lock_guard guard(lock_);
    ++failed_;
    for (const auto& known : failures_)
        if (SameText(known, Message)) return;
    failures_.push_back(Message);
}

int TkdBatch::Count() const {
    std::lock_guard guard(lock_);
    return static_cast<int>(entries_.size());
}

bool TkdBatch::IsFinished() const {
    std::lock_guard guard(lock_);
    return finished_;
}

void TkdBatch::Clear() {
    std::lock_guard guard(lock_);
    entries_.clear();
    nextIndex_ = 0;
    succeeded_ = 0;
    failed_ = 0;
    finished_ = false;
    exhausted_.store(false);
}

const TkdBatch::EntryList& TkdBatch::LockList() {
    lock_.lock();
    return entries_;
}

void TkdBatch::UnlockList() { lock_.unlock(); }

std::vector<TkdNode*> TkdBatch::Entries() const {
    std::lock_guard guard(lock_);
    std::vector<TkdNode*> nodes;
    nodes.reserve(entries_.size());
    for (const auto& entry : entries_) nodes.push_back(entry.get());
    return nodes;
}

int TkdBatch::Succeeded() const {
    std::lock_guard guard(lock_);
    return succeeded_;
}

int TkdBatch::Failed() const {
    std::lock_guard guard(lock_);
    return failed_;
}

std::vector<std::string> TkdBatch::Failures() const {
    std::lock_guard guard(lock_);
    return failures_;
}

std::string TkdBatch::Folder() const {
    std::lock_guard guard(lock_);
    return folder_;
}

std::string TkdBatch::Mask() const {
    std::lock_guard guard(lock_);
    return mask_;
}

std::string TkdBatch::Target() const {
    std::lock_guard guard(lock_);
    return target_;
}

void TkdBatch::SetTarget(const std::string& Target) {
    std::lock_guard guard(lock_);
    target_ = Target;
}

bool TkdBatch::Subfolders() const {
    std::lock_guard guard(lock_);
    return subfolders_;
}

void TkdBatch::WaitFor() {
    if (thread_.joinable()) thread_.join();
}
