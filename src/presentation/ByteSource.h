#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace sw::pres {

// Random-access bytes of one file. Readers never touch the file system
// themselves: they read through this.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual std::uint64_t size() const = 0;
    // Reads up to out.size() bytes at offset; returns the count read (short
    // only at the end). Throws ReadError on an I/O failure.
    virtual std::size_t readAt(std::uint64_t offset, std::span<std::byte> out) const = 0;
    // A name for messages (the file path).
    virtual const std::string& name() const = 0;
};

// Opens a regular file; throws EngineError naming the file when it cannot be
// opened or is not a regular file.
std::unique_ptr<ByteSource> openFileSource(const std::filesystem::path& path);
// Bytes held in memory (tests, fuzzing).
std::unique_ptr<ByteSource> memorySource(std::vector<std::byte> bytes, std::string name = "<memory>");
std::unique_ptr<ByteSource> memorySource(std::string_view bytes, std::string name = "<memory>");

}  // namespace sw::pres
