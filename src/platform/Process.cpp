#include "platform/Process.h"

#include <filesystem>
#include <system_error>

namespace sw::platform {

std::string ProcessExeName() {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.string();
}

std::string ProcessFirstArg(int argc, const char* const* argv) {
    return argc > 1 && argv[1] ? std::string(argv[1]) : std::string();
}

}  // namespace sw::platform
