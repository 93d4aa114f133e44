#include "platform/ProgramFiles.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "platform/Paths.h"

namespace sw::platform {

ProgramFiles::ProgramFiles(std::string exeName, std::string folder)
    : exeName_(std::move(exeName)), folder_(IncludeTrailingDelimiter(folder)) {}

ProgramFiles ProgramFiles::Choose(const std::string& exeName) {
    std::string own = FolderPart(exeName);
    if (!own.empty() && ::access(own.c_str(), W_OK) == 0) return {exeName, own};

    // A system-wide install: the per-user configuration folder instead.
    std::string config;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/') {
        config = xdg;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        config = std::string(home) + "/.config";
    } else {
        config = "/tmp";
    }
    std::string folder = IncludeTrailingDelimiter(config) + "slidewright/";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);  // best effort; writers report their own failures
    return {exeName, folder};
}

std::string ProgramFiles::Beside(const std::string& nameDerivedFromExe) const {
    return folder_ + FileNamePart(nameDerivedFromExe);
}

}  // namespace sw::platform
