#include "platform/FileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace fs = std::filesystem;

namespace sw::platform {

std::vector<FolderEntry> ListFolder(const std::string& folder, std::error_code& error) {
    // readdir rather than std::filesystem: the file type comes with each
    // entry, and no path object is built per name; a large tree lists several
    // times faster this way.
    std::vector<FolderEntry> entries;
    error.clear();
    const std::string base = folder.empty() ? std::string(".") : folder;
    DIR* dir = ::opendir(base.c_str());
    if (!dir) {
        error.assign(errno, std::generic_category());
        return entries;
    }
    std::string full;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir);
        if (!entry) {
            if (errno != 0) error.assign(errno, std::generic_category());
            break;
        }
        const char* name = entry->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0))) continue;
        EntryKind kind = EntryKind::Other;
        unsigned char type = entry->d_type;
        if (type == DT_LNK || type == DT_UNKNOWN) {
            // A link counts by what it points to, but only a file is taken;
            // some file systems give no type at all and need the same look.
            full.assign(base).append(base.back() == '/' ? "" : "/").append(name);
            struct stat st {};
            if (type == DT_LNK) {
                if (::stat(full.c_str(), &st) == 0 && S_ISREG(st.st_mode)) kind = EntryKind::File;
            } else if (::lstat(full.c_str(), &st) == 0) {
                if (S_ISREG(st.st_mode)) kind = EntryKind::File;
                else if (S_ISDIR(st.st_mode)) kind = EntryKind::Folder;
                else if (S_ISLNK(st.st_mode) && ::stat(full.c_str(), &st) == 0 && S_ISREG(st.st_mode))
                    kind = EntryKind::File;
            }
        } else if (type == DT_REG) {
            kind = EntryKind::File;
        } else if (type == DT_DIR) {
            kind = EntryKind::Folder;
        }
        entries.push_back({name, kind});
    }
    ::closedir(dir);
    return entries;
}

bool FileExists(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) return !S_ISDIR(st.st_mode);
    return ::lstat(path.c_str(), &st) == 0;  // a broken link still occupies the name
}

bool DirectoryExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool CreateDirectories(const std::string& path) {
    if (path.empty()) return false;
    std::error_code ec;
    fs::create_directories(path, ec);
    return DirectoryExists(path);
}

bool DeleteFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }

bool MoveFileNoReplace(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    // File systems without RENAME_NOREPLACE: a hard link fails on an existing
    // name just the same, and the old name goes only once the new one exists.
    if (::link(from.c_str(), to.c_str()) != 0) return false;
    return ::unlink(from.c_str()) == 0;
}

bool ReadFileTimes(const std::string& path, FileTimes& times) {
    struct statx sx {};
    if (::statx(AT_FDCWD, path.c_str(), 0, STATX_ATIME | STATX_MTIME | STATX_BTIME, &sx) != 0) return false;
    if (!(sx.stx_mask & STATX_ATIME) || !(sx.stx_mask & STATX_MTIME)) return false;
    auto toTimespec = [](const statx_timestamp& t) { return timespec{t.tv_sec, static_cast<long>(t.tv_nsec)}; };
    times.Access = toTimespec(sx.stx_atime);
    times.Write = toTimespec(sx.stx_mtime);
    times.HasBirthTime = (sx.stx_mask & STATX_BTIME) != 0;
    times.Creation = times.HasBirthTime ? toTimespec(sx.stx_btime) : times.Write;
    return true;
}

bool WriteFileTimes(const std::string& path, const FileTimes& times) {
    const timespec values[2] = {times.Access, times.Write};
    return ::utimensat(AT_FDCWD, path.c_str(), values, 0) == 0;
}

bool CopyFileTimes(const std::string& from, const std::string& to) {
    FileTimes times;
    return ReadFileTimes(from, times) && WriteFileTimes(to, times);
}

}  // namespace sw::platform
