#include "presentation/ByteSource.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "presentation/EngineError.h"

namespace sw::pres {
namespace {

class FileSource final : public ByteSource {
public:
    FileSource(int fd, std::uint64_t size, std::string name) : fd_(fd), size_(size), name_(std::move(name)) {}
    ~FileSource() override { ::close(fd_); }

    std::uint64_t size() const override { return size_; }
    const std::string& name() const override { return name_; }

    std::size_t readAt(std::uint64_t offset, std::span<std::byte> out) const override {
        std::size_t done = 0;
        while (done < out.size()) {
            ssize_t n = ::pread(fd_, out.data() + done, out.size() - done, static_cast<off_t>(offset + done));
            if (n < 0) {
                if (errno == EINTR) continue;
                throw EngineError(ErrorKind::Io, "Cannot read \"" + name_ + "\": " + std::strerror(errno));
            }
            if (n == 0) break;
            done += static_cast<std::size_t>(n);
        }
        return done;
    }

private:
    int fd_;
    std::uint64_t size_;
    std::string name_;
};

class MemorySource final : public ByteSource {
public:
    MemorySource(std::vector<std::byte> bytes, std::string name) : bytes_(std::move(bytes)), name_(std::move(name)) {}
    std::uint64_t size() const override { return bytes_.size(); }
    const std::string& name() const override { return name_; }
    std::size_t readAt(std::uint64_t offset, std::span<std::byte> out) const override {
        if (offset >= bytes_.size()) return 0;
        std::size_t n = std::min<std::uint64_t>(out.size(), bytes_.size() - offset);
        if (n > 0) std::memcpy(out.data(), bytes_.data() + offset, n);
        return n;
    }

private:
    std::vector<std::byte> bytes_;
    std::string name_;
};

}  // namespace

std::unique_ptr<ByteSource> openFileSource(const std::filesystem::path& path) {
    const std::string name = path.string();
    int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw EngineError(ErrorKind::Io, "Cannot open \"" + name + "\": " + std::strerror(errno));
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        int err = errno;
        ::close(fd);
        throw EngineError(ErrorKind::Io, "Cannot open \"" + name + "\": " + std::strerror(err));
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        throw EngineError(ErrorKind::NotAPresentation, "\"" + name + "\" is not a presentation: it is not a regular file");
    }
    return std::make_unique<FileSource>(fd, static_cast<std::uint64_t>(st.st_size), name);
}

std::unique_ptr<ByteSource> memorySource(std::vector<std::byte> bytes, std::string name) {
    return std::make_unique<MemorySource>(std::move(bytes), std::move(name));
}

std::unique_ptr<ByteSource> memorySource(std::string_view bytes, std::string name) {
    std::vector<std::byte> copy(bytes.size());
    // An empty view may have a null data pointer, which memcpy must not get.
    if (!bytes.empty()) std::memcpy(copy.data(), bytes.data(), bytes.size());
    return memorySource(std::move(copy), std::move(name));
}

}  // namespace sw::pres
