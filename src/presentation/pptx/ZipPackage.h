#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "presentation/ByteSource.h"

typedef struct zip zip_t;

namespace sw::pres {

// The zip container of a package, read through the byte source: only the
// central directory is read on opening, and a part is inflated only when it
// is asked for, so memory follows the largest part read, not the file.
class ZipPackage {
public:
    // No part is inflated beyond this (zip bombs).
    static constexpr std::uint64_t kMaxPartSize = 256ull << 20;

    // Throws EngineError (Damaged) when the zip cannot be opened.
    explicit ZipPackage(const ByteSource& source);
    ~ZipPackage();
    ZipPackage(const ZipPackage&) = delete;
    ZipPackage& operator=(const ZipPackage&) = delete;

    // The bytes of a part (name without a leading "/"), or nullopt when the
    // package has no such part. Names are matched exactly, then without
    // regard to case. Throws EngineError (Damaged, TooLarge) naming the part.
    std::optional<std::string> read(const std::string& part) const;

    // Prefix of every message: the file's name.
    const std::string& fileName() const { return source_.name(); }

    struct SourceState;  // the libzip source callback's state

private:
    std::string damaged(const std::string& reason) const;

    const ByteSource& source_;
    std::unique_ptr<SourceState> state_;
    zip_t* zip_ = nullptr;
};

}  // namespace sw::pres
