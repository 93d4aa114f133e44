#include "presentation/pptx/ZipPackage.h"

#include <zip.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "presentation/EngineError.h"

namespace sw::pres {

// State of the libzip source callback over the byte source. Exceptions must
// not cross libzip's C frames, so a failed read is kept here and rethrown.
struct ZipPackage::SourceState {
    const ByteSource* source = nullptr;
    std::uint64_t pos = 0;
    zip_error_t error{};
    std::string readFailure;
    // libzip asks for headers a few bytes at a time; small reads are served
    // from one read-ahead window instead of a system call each.
    // The window is allocated once and never cleared: only its first
    // windowLength bytes are ever read.
    static constexpr std::size_t kWindow = 64 * 1024;
    std::unique_ptr<std::byte[]> window;
    std::size_t windowLength = 0;
    std::uint64_t windowStart = 0;

    std::size_t read(void* data, std::size_t len) {
        if (len >= kWindow) return source->readAt(pos, {static_cast<std::byte*>(data), len});
        if (pos < windowStart || pos + len > windowStart + windowLength) {
            if (!window) window.reset(new std::byte[kWindow]);
            windowLength = 0;  // a failed read leaves no stale bytes behind
            windowLength = source->readAt(pos, {window.get(), kWindow});
            windowStart = pos;
        }
        if (pos >= windowStart + windowLength) return 0;
        std::size_t n = std::min<std::uint64_t>(len, windowStart + windowLength - pos);
        if (n > 0) std::memcpy(data, window.get() + (pos - windowStart), n);
        return n;
    }
};

namespace {

zip_int64_t sourceCallback(void* userdata, void* data, zip_uint64_t len, zip_source_cmd_t cmd) {
    auto* s = static_cast<ZipPackage::SourceState*>(userdata);
    const std::uint64_t size = s->source->size();
    switch (cmd) {
    case ZIP_SOURCE_OPEN:
        s->pos = 0;
        return 0;
    case ZIP_SOURCE_READ: {
        if (s->pos >= size) return 0;
        std::uint64_t n = std::min<std::uint64_t>(len, size - s->pos);
        try {
            std::size_t got = s->read(data, static_cast<std::size_t>(n));
            s->pos += got;
            return static_cast<zip_int64_t>(got);
        } catch (const std::exception& e) {
            s->readFailure = e.what();
            zip_error_set(&s->error, ZIP_ER_READ, 0);
            return -1;
        }
    }
    case ZIP_SOURCE_CLOSE:
        return 0;
    case ZIP_SOURCE_STAT: {
        auto* st = static_cast<zip_stat_t*>(data);
        zip_stat_init(st);
        st->size = size;
        st->comp_size = size;
        st->comp_method = ZIP_CM_STORE;
        st->encryption_method = ZIP_EM_NONE;
        st->valid = ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE | ZIP_STAT_COMP_METHOD | ZIP_STAT_ENCRYPTION_METHOD;
        return sizeof(zip_stat_t);
    }
    case ZIP_SOURCE_ERROR:
        return zip_error_to_data(&s->error, data, len);
    case ZIP_SOURCE_FREE:
        return 0;
    case ZIP_SOURCE_SEEK: {
        zip_int64_t pos = zip_source_seek_compute_offset(s->pos, size, data, len, &s->error);
        if (pos < 0) return -1;
        s->pos = static_cast<std::uint64_t>(pos);
        return 0;
    }
    case ZIP_SOURCE_TELL:
        return static_cast<zip_int64_t>(s->pos);
    case ZIP_SOURCE_SUPPORTS:
        return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                                              ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, ZIP_SOURCE_SEEK, ZIP_SOURCE_TELL,
                                              ZIP_SOURCE_SUPPORTS, -1);
    default:
        zip_error_set(&s->error, ZIP_ER_OPNOTSUPP, 0);
        return -1;
    }
}

// Closes a zip file handle however the read ends.
struct FileCloser {
    void operator()(zip_file_t* f) const { zip_fclose(f); }
};

}  // namespace

ZipPackage::ZipPackage(const ByteSource& source) : source_(source), state_(std::make_unique<SourceState>()) {
    state_->source = &source;
    zip_error_init(&state_->error);
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* src = zip_source_function_create(sourceCallback, state_.get(), &error);
    if (!src) {
        std::string reason = zip_error_strerror(&error);
        zip_error_fini(&error);
        throw EngineError(ErrorKind::Damaged, damaged(reason));
    }
    zip_ = zip_open_from_source(src, ZIP_RDONLY, &error);
    if (!zip_) {
        zip_source_free(src);
        if (!state_->readFailure.empty()) {
            zip_error_fini(&error);
            throw EngineError(ErrorKind::Io, state_->readFailure);
        }
        std::string reason = zip_error_strerror(&error);
        zip_error_fini(&error);
        throw EngineError(ErrorKind::Damaged, damaged(reason));
    }
    zip_error_fini(&error);
}

ZipPackage::~ZipPackage() {
    if (zip_) zip_discard(zip_);
    zip_error_fini(&state_->error);
}

std::string ZipPackage::damaged(const std::string& reason) const {
    return "\"" + source_.name() + "\": the package is damaged: " + reason;
}

std::optional<std::string> ZipPackage::read(const std::string& part) const {
    zip_int64_t index = zip_name_locate(zip_, part.c_str(), 0);
    if (index < 0) index = zip_name_locate(zip_, part.c_str(), ZIP_FL_NOCASE);
    if (index < 0) return std::nullopt;
    const auto idx = static_cast<zip_uint64_t>(index);
    const auto cannotRead = [&](const std::string& reason) {
        return EngineError(ErrorKind::Damaged, damaged("cannot read part " + part + ": " + reason));
    };
    const auto tooLarge = [&]() {
        return EngineError(ErrorKind::TooLarge, "\"" + source_.name() + "\": part " + part +
                                                    " inflates to more than 256 MiB; the package is rejected "
                                                    "as too large (possibly a zip bomb)");
    };

    zip_stat_t st;
    if (zip_stat_index(zip_, idx, 0, &st) != 0) throw cannotRead(zip_strerror(zip_));
    if ((st.valid & ZIP_STAT_SIZE) && st.size > kMaxPartSize) throw tooLarge();

    std::unique_ptr<zip_file_t, FileCloser> file(zip_fopen_index(zip_, idx, 0));
    if (!file) {
        if (!state_->readFailure.empty()) throw EngineError(ErrorKind::Io, state_->readFailure);
        throw cannotRead(zip_strerror(zip_));
    }
    // The declared size is only a hint: a lying header must not make us
    // allocate more than the cap, nor stop us from noticing a longer stream.
    // The part is inflated straight into the string; past the declared size
    // the string grows as the stream goes on.
    std::string bytes;
    std::size_t filled = 0;
    bytes.resize(static_cast<std::size_t>((st.valid & ZIP_STAT_SIZE) ? st.size : 0) + 1);
    for (;;) {
        if (filled == bytes.size()) bytes.resize(std::min<std::uint64_t>(bytes.size() * 2 + 4096, kMaxPartSize + 1));
        zip_int64_t n = zip_fread(file.get(), bytes.data() + filled, bytes.size() - filled);
        if (n < 0) {
            if (!state_->readFailure.empty()) throw EngineError(ErrorKind::Io, state_->readFailure);
            throw cannotRead(zip_error_strerror(zip_file_get_error(file.get())));
        }
        if (n == 0) break;
        filled += static_cast<std::size_t>(n);
        if (filled > kMaxPartSize) throw tooLarge();
    }
    bytes.resize(filled);
    return bytes;
}

}  // namespace sw::pres
