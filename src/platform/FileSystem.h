#pragma once
#include <ctime>
#include <string>
#include <system_error>
#include <vector>

// File-system helpers of the source search and the conversion driver. None of
// them throws: each answers with a result the caller may ignore, because these
// steps are best effort (except listing, which reports its
// error so the walk can pass over a folder it cannot read).
namespace sw::platform {

// What a folder entry is, for the walk. Links to files count as files; links
// to folders, broken links, sockets, FIFOs and devices are "Other" and are
// neither listed nor entered (that is what keeps the walk free of loops).
enum class EntryKind { File, Folder, Other };

struct FolderEntry {
    std::string Name;
    EntryKind Kind;
};

// The entries of `folder` ("" means the current folder), without "." and "..",
// in the order the file system returns them. A folder that cannot be opened
// gives an empty list and `error` set; an error part-way keeps what was read.
std::vector<FolderEntry> ListFolder(const std::string& folder, std::error_code& error);

// A name beginning with "." is a hidden file, as the hidden attribute is on Windows.
inline bool IsHiddenName(const std::string& name) { return !name.empty() && name[0] == '.'; }

// True when `path` exists and is not a folder (a link is judged by its target;
// a broken link counts as an existing file, since saving over it would replace it).
bool FileExists(const std::string& path);
// True when `path` is a folder (or a link to one).
bool DirectoryExists(const std::string& path);
// Creates the folder with every missing parent; true when it exists afterwards.
bool CreateDirectories(const std::string& path);
// Removes one file (never a folder); false when nothing was removed.
bool DeleteFile(const std::string& path);
// Moves `from` to `to` unless something already has the name `to`: an existing
// file is never replaced. False when the move did not happen.
bool MoveFileNoReplace(const std::string& from, const std::string& to);

// The three times of a file. Linux keeps a birth time only on some file
// systems; without one `Creation` holds the last-write time.
struct FileTimes {
    timespec Creation{};
    timespec Access{};
    timespec Write{};
    bool HasBirthTime = false;
};

bool ReadFileTimes(const std::string& path, FileTimes& times);
// Sets the access and write times (a creation time cannot be set on Linux and
// is skipped silently).
bool WriteFileTimes(const std::string& path, const FileTimes& times);
// Copies the times of `from` onto `to`; false when either step failed.
bool CopyFileTimes(const std::string& from, const std::string& to);

}  // namespace sw::platform
