#include "presentation/ppt/CompoundFile.h"

#include <gsf/gsf.h>

#include <algorithm>
#include <cstring>
#include <mutex>

#include "presentation/EngineError.h"

namespace sw::pres::ppt {
namespace {

// gsf_init registers libgsf's types; it is not meant to run twice or on two
// threads at once. Objects made afterwards are independent: GObject's type
// system and reference counts are thread-safe, and libgsf keeps no shared
// state per file, so workers may open files on several threads at once.
// libgsf also logs its own complaints about broken files to standard error;
// the reader reports them as errors of its own, so they are silenced.
void initGsf() {
    static std::once_flag once;
    std::call_once(once, [] {
        gsf_init();
        g_log_set_handler("libgsf:msole", static_cast<GLogLevelFlags>(G_LOG_LEVEL_WARNING | G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_MESSAGE),
                          [](const gchar*, GLogLevelFlags, const gchar*, gpointer) {}, nullptr);
    });
}

struct Unref {
    void operator()(gpointer p) const {
        if (p) g_object_unref(p);
    }
};
using InputPtr = std::unique_ptr<GsfInput, Unref>;

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : char(c); };
               return lower(x) == lower(y);
           });
}

// The root entry (directory entry 0) has no siblings. libgsf builds the
// entries a root's sibling links lead to and then loses them (a leak on
// every such file), so the links are cleared in our copy of the file first;
// the entries under the root are found through its child link anyway.
void clearRootSiblings(std::span<std::uint8_t> file) {
    if (file.size() < 512) return;
    const unsigned shift = file[0x1E] | (file[0x1F] << 8);
    if (shift < 7 || shift > 16) return;  // libgsf refuses these itself
    const std::uint32_t dirStart = file[0x30] | (file[0x31] << 8) | (file[0x32] << 16) | (std::uint32_t{file[0x33]} << 24);
    const std::uint64_t at = (std::uint64_t{dirStart} + 1) << shift;
    if (dirStart >= 0xFFFFFFFA || at + 128 > file.size()) return;
    for (std::uint64_t link = at + 68; link < at + 76; ++link) file[static_cast<std::size_t>(link)] = 0xFF;
}

bool isStorage(GsfInput* in) { return GSF_IS_INFILE(in) && gsf_infile_num_children(GSF_INFILE(in)) >= 0; }

}  // namespace

struct CompoundFile::Impl {
    // The whole file; not zero-filled first, as it is overwritten at once.
    std::unique_ptr<std::uint8_t[]> data;
    std::span<const std::uint8_t> bytes;
    InputPtr memory;
    InputPtr root;  // a GsfInfile

    // The child of storage `parent` named `name` (any letter case); null if none.
    InputPtr child(GsfInput* parent, std::string_view name) const {
        if (!isStorage(parent)) return nullptr;
        GsfInfile* dir = GSF_INFILE(parent);
        int n = gsf_infile_num_children(dir);
        for (int i = 0; i < n; ++i) {
            const char* childName = gsf_infile_name_by_index(dir, i);
            if (childName && sameName(childName, name)) return InputPtr(gsf_infile_child_by_index(dir, i));
        }
        return nullptr;
    }

    InputPtr open(const Path& path) const {
        InputPtr cur(GSF_INPUT(g_object_ref(root.get())));
        for (const std::string& part : path) {
            cur = child(cur.get(), part);
            if (!cur) return nullptr;
        }
        return cur;
    }
};

CompoundFile::CompoundFile(const ByteSource& source) : impl_(std::make_unique<Impl>()), name_(source.name()) {
    initGsf();
    const std::uint64_t size = source.size();
    if (size > maxFileSize)
        throw EngineError(ErrorKind::TooLarge, "\"" + name_ + "\" is too large: " + std::to_string(size) +
                                                   " bytes, more than the " + std::to_string(maxFileSize >> 20) +
                                                   " MiB this reader accepts");
    impl_->data.reset(new std::uint8_t[static_cast<std::size_t>(size)]);
    std::span<std::uint8_t> buffer(impl_->data.get(), static_cast<std::size_t>(size));
    std::size_t got = source.readAt(0, std::as_writable_bytes(buffer));
    impl_->bytes = buffer.first(got);

    static constexpr std::uint8_t magic[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
    if (impl_->bytes.size() < 512 || std::memcmp(impl_->bytes.data(), magic, 8) != 0)
        throw EngineError(ErrorKind::NotAPresentation, "\"" + name_ + "\" is not a presentation: it is not a compound file");

    clearRootSiblings(buffer.first(got));
    impl_->memory.reset(gsf_input_memory_new(impl_->bytes.data(), static_cast<gsf_off_t>(impl_->bytes.size()), FALSE));
    GError* err = nullptr;
    GsfInfile* root = gsf_infile_msole_new(impl_->memory.get(), &err);
    if (!root) {
        std::string why = err && err->message ? err->message : "unknown error";
        if (err) g_error_free(err);
        throw EngineError(ErrorKind::Damaged,
                          "\"" + name_ + "\" is damaged: its compound-file structure cannot be read (" + why + ")");
    }
    if (err) g_error_free(err);
    impl_->root.reset(GSF_INPUT(root));
}

CompoundFile::~CompoundFile() = default;

std::vector<CompoundFile::Entry> CompoundFile::list(const Path& storage) const {
    std::vector<Entry> out;
    InputPtr dir = impl_->open(storage);
    if (!dir || !isStorage(dir.get())) return out;
    GsfInfile* infile = GSF_INFILE(dir.get());
    int n = gsf_infile_num_children(infile);
    for (int i = 0; i < n; ++i) {
        InputPtr child(gsf_infile_child_by_index(infile, i));
        const char* childName = gsf_infile_name_by_index(infile, i);
        if (!child || !childName) continue;
        out.push_back({childName, isStorage(child.get()), static_cast<std::uint64_t>(gsf_input_size(child.get()))});
    }
    return out;
}

std::optional<CompoundFile::Entry> CompoundFile::find(const Path& path) const {
    InputPtr in = impl_->open(path);
    if (!in) return std::nullopt;
    return Entry{path.empty() ? std::string() : path.back(), isStorage(in.get()),
                 static_cast<std::uint64_t>(gsf_input_size(in.get()))};
}

bool CompoundFile::hasStream(const Path& path) const {
    auto e = find(path);
    return e && !e->storage;
}

bool CompoundFile::hasStorage(const Path& path) const {
    auto e = find(path);
    return e && e->storage;
}

bool CompoundFile::hasRawStreamEntry(std::u16string_view name) const {
    // Directory entries are 128 bytes inside sectors that are multiples of
    // 512 bytes after a 512-byte header, so they start at multiples of 128:
    // name (UTF-16LE, 64 bytes), name length with the NUL, type 2 = stream.
    const auto& b = impl_->bytes;
    const std::size_t nameBytes = (name.size() + 1) * 2;
    if (nameBytes > 64) return false;
    for (std::size_t at = 512; at + 128 <= b.size(); at += 128) {
        if (b[at + 64] != nameBytes || b[at + 65] != 0 || b[at + 66] != 2) continue;
        bool same = true;
        for (std::size_t i = 0; i < name.size() && same; ++i) {
            char16_t c = static_cast<char16_t>(b[at + 2 * i] | (b[at + 2 * i + 1] << 8));
            auto lower = [](char16_t x) { return x >= u'A' && x <= u'Z' ? char16_t(x + 32) : x; };
            same = lower(c) == lower(name[i]);
        }
        if (same) return true;
    }
    return false;
}

std::optional<std::vector<std::uint8_t>> CompoundFile::read(const Path& path, std::uint64_t maxSize) const {
    InputPtr in = impl_->open(path);
    if (!in || isStorage(in.get())) return std::nullopt;
    std::string what = path.empty() ? std::string() : path.back();
    const gsf_off_t size = gsf_input_size(in.get());
    // A stream cannot hold more than the file: a larger size is a lie in the
    // directory, and believing it would allocate whatever it claims.
    if (size < 0 || static_cast<std::uint64_t>(size) > impl_->bytes.size())
        throw EngineError(ErrorKind::Damaged, "\"" + name_ + "\" is damaged: the stream \"" + what + "\" claims " +
                                                  std::to_string(size) + " bytes, more than the file holds");
    if (static_cast<std::uint64_t>(size) > maxSize)
        throw EngineError(ErrorKind::TooLarge, "\"" + name_ + "\" is too large: the stream \"" + what + "\" holds " +
                                                   std::to_string(size) + " bytes");
    std::vector<std::uint8_t> out(static_cast<std::size_t>(size));
    if (size > 0 && !gsf_input_read(in.get(), static_cast<size_t>(size), out.data()))
        throw EngineError(ErrorKind::Damaged, "\"" + name_ + "\" is damaged: the stream \"" + what +
                                                  "\" cannot be read in full (its sector chain is broken)");
    return out;
}

}  // namespace sw::pres::ppt
