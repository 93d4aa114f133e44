#pragma once
#include <string>

namespace sw::platform {

// The resolved path of the running program (/proc/self/exe).
std::string ProcessExeName();
// argv[1], or "" without one; later arguments are ignored.
std::string ProcessFirstArg(int argc, const char* const* argv);

}  // namespace sw::platform
