#include "search/FolderWalker.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/FileSystem.h"

namespace {

// The order a Windows volume lists names in: letter case aside, then by bytes
// so that names differing only in case still have a fixed order.
bool listedBefore(const sw::platform::FolderEntry& a, const sw::platform::FolderEntry& b) {
    auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
    const std::string& x = a.Name;
    const std::string& y = b.Name;
    for (std::size_t i = 0; i < x.size() && i < y.size(); ++i) {
        unsigned cx = lower(x[i]), cy = lower(y[i]);
        if (cx != cy) return cx < cy;
    }
    if (x.size() != y.size()) return x.size() < y.size();
    return x < y;
}

}  // namespace

FolderWalker::FolderWalker(Settings settings, FileSink sink, StopRequested stop)
    : settings_(std::move(settings)), mask_(settings_.Mask), sink_(std::move(sink)), stop_(std::move(stop)) {}

bool FolderWalker::WantedFile(const std::string& name) const {
    if (settings_.SkipHidden && sw::platform::IsHiddenName(name)) return false;
    if (settings_.SkipLockFiles && name.rfind("~$", 0) == 0) return false;
    return mask_.Matches(name);
}

void FolderWalker::Walk(const std::string& root) {
    // An explicit stack instead of recursion: a deep tree cannot exhaust the
    // thread's stack. Sub-folders are pushed in reverse so they pop in order.
    std::vector<std::string> pending{root};
    while (!pending.empty()) {
        if (stop_()) return;
        std::string folder = std::move(pending.back());
        pending.pop_back();

        std::error_code error;
        std::vector<sw::platform::FolderEntry> entries = sw::platform::ListFolder(folder, error);
        if (error && entries.empty()) continue;  // unreadable or vanished: nothing to list here
        std::sort(entries.begin(), entries.end(), listedBefore);

        for (const auto& entry : entries) {
            if (entry.Kind != sw::platform::EntryKind::File || !WantedFile(entry.Name)) continue;
            if (stop_()) return;
            sink_(folder + entry.Name);
        }
        if (!settings_.Subfolders) continue;
        for (auto it = entries.rbegin(); it != entries.rend(); ++it)
            if (it->Kind == sw::platform::EntryKind::Folder && !sw::platform::IsHiddenName(it->Name))
                pending.push_back(folder + it->Name + '/');
    }
}
