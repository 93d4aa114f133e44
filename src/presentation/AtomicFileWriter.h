#pragma once
#include <filesystem>
#include <string_view>

namespace sw::pres {

// Replaces a file in one step: the bytes go to a temporary file in the
// target's folder, which is renamed over the target only once it is
// complete. On failure the temporary file is removed, an existing target
// stays as it was, and EngineError (Io) names the target and the cause.
class AtomicFileWriter {
public:
    static void write(const std::filesystem::path& target, std::string_view bytes);
};

}  // namespace sw::pres
