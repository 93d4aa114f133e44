#include "search/FolderWalker.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/FileSystem.h"

namespace {

// The order a Windows volume lists names in: letter case aside, then by bytes
// so that names differing only in case still have a fixed order. The keys are
// made once per name rather than in every comparison.
void sortAsListed(std::vector<sw::platform::FolderEntry>& entries) {
    struct Keyed {
        std::string key;
        sw::platform::FolderEntry* entry;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(entries.size());
    for (auto& entry : entries) {
        std::string key = entry.Name;
        for (char& c : key)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
        keyed.push_back({std::move(key), &entry});
    }
    std::sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        int order = a.key.compare(b.key);
        return order != 0 ? order < 0 : a.entry->Name < b.entry->Name;
    });
    std::vector<sw::platform::FolderEntry> sorted;
    sorted.reserve(entries.size());
    for (auto& k : keyed) sorted.push_back(std::move(*k.entry));
    entries.swap(sorted);
}

}  // namespace

FolderWalker::FolderWalker(Settings settings, FileSink sink, StopRequested stop, FolderDone folderDone)
    : settings_(std::move(settings)),
      mask_(settings_.Mask),
      sink_(std::move(sink)),
      stop_(std::move(stop)),
      folderDone_(std::move(folderDone)) {}

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
        sortAsListed(entries);

        for (const auto& entry : entries) {
            if (entry.Kind != sw::platform::EntryKind::File || !WantedFile(entry.Name)) continue;
            if (stop_()) return;
            sink_(folder + entry.Name);
        }
        if (folderDone_) folderDone_();
        if (!settings_.Subfolders) continue;
        for (auto it = entries.rbegin(); it != entries.rend(); ++it)
            if (it->Kind == sw::platform::EntryKind::Folder && !sw::platform::IsHiddenName(it->Name))
                pending.push_back(folder + it->Name + '/');
    }
}
