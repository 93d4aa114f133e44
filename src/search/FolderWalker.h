#pragma once
#include <functional>
#include <string>

#include "search/FileNameMask.h"

// The walk of the source search over one folder tree: a folder's own files
// first (the ones whose name fits the mask), then its sub-folders, depth first.
// Names are taken in a fixed order, letter case aside, so that every run lists
// a tree the same way whatever order the file system keeps.
//
// Passed over: dot files when SkipHidden is set, "~$" lock files when
// SkipLockFiles is set, and every entry that is neither a regular file nor a
// link to one. Dot folders are never entered, nor are links to folders (so a
// link loop cannot trap the walk), nor folders that cannot be read.
class FolderWalker {
public:
    struct Settings {
        std::string Mask;     // file-name mask, e.g. "*.ppt?"
        bool Subfolders = false;
        bool SkipHidden = false;
        bool SkipLockFiles = false;
    };
    // Called with each listed file's full path: the folder as given + the
    // path below it.
    using FileSink = std::function<void(std::string Path)>;
    // Asked before each file and each folder; true ends the walk there.
    using StopRequested = std::function<bool()>;
    // Called after each folder's own files were given to the sink.
    using FolderDone = std::function<void()>;

    FolderWalker(Settings settings, FileSink sink, StopRequested stop, FolderDone folderDone = {});

    // Walks `folder` (with its trailing "/"; "" is the current folder).
    void Walk(const std::string& folder);

private:
    bool WantedFile(const std::string& name) const;

    Settings settings_;
    FileNameMask mask_;
    FileSink sink_;
    StopRequested stop_;
    FolderDone folderDone_;
};
