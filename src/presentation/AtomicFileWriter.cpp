#include "presentation/AtomicFileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

#include "presentation/EngineError.h"

namespace sw::pres {
namespace {

EngineError writeError(const std::filesystem::path& target, const std::string& what, int err) {
    return EngineError(ErrorKind::Io, "Cannot write \"" + target.string() + "\": " + what + ": " + std::strerror(err));
}

}  // namespace

void AtomicFileWriter::write(const std::filesystem::path& target, std::string_view bytes) {
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    std::string hidden = ".";
    hidden += target.filename().string();
    hidden += ".XXXXXX";
    std::string pattern = (folder / hidden).string();
    int fd = ::mkstemp(pattern.data());
    if (fd < 0) throw writeError(target, "cannot create a temporary file in " + folder.string(), errno);

    // Removes the temporary file unless it has become the target.
    struct Cleanup {
        int fd;
        const std::string& path;
        bool armed = true;
        ~Cleanup() {
            if (fd >= 0) ::close(fd);
            if (armed) ::unlink(path.c_str());
        }
    } cleanup{fd, pattern};

    // mkstemp creates the file for the owner only; an output document is
    // readable like any other file.
    ::fchmod(fd, 0644);
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            throw writeError(target, "writing failed", errno);
        }
        done += static_cast<std::size_t>(n);
    }
    // No fsync: the rename already guarantees that readers see the old file
    // or the whole new one, and a batch of thousands of files must not wait
    // for the disk once per file (that made a second worker almost useless).
    int closeResult = ::close(cleanup.fd);
    cleanup.fd = -1;
    if (closeResult != 0) throw writeError(target, "writing failed", errno);
    if (::rename(pattern.c_str(), target.c_str()) != 0) throw writeError(target, "cannot replace it", errno);
    cleanup.armed = false;
}

}  // namespace sw::pres
