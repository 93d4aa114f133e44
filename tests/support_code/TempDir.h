#pragma once
#include <filesystem>
#include <string>
#include <string_view>

namespace sw::test {

// A fresh folder under the system's temporary folder, removed with everything
// in it when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The folder as text with a trailing "/".
    std::string dir() const { return path_.string() + "/"; }
    // Writes a file (creating its folders) and returns its full path.
    std::filesystem::path write(const std::filesystem::path& relative, std::string_view bytes) const;

private:
    std::filesystem::path path_;
};

std::string readFile(const std::filesystem::path& path);
// Creates or replaces a file (its folder must exist); throws on failure.
void writeFile(const std::filesystem::path& path, std::string_view bytes);

// The folder of the source tree, from SW_SOURCE_DIR (set by CTest).
std::filesystem::path sourceDir();

}  // namespace sw::test
