#pragma once
#include <string>

// The application context: the program's own file path and its first
// command-line argument. Created first, never changed afterwards.
class TkdApp {
public:
    // From the running process.
    TkdApp(int argc, const char* const* argv);
    // Explicit values (tests, tools).
    TkdApp(std::string exeName, std::string firstArg);

    const std::string ExeName;   // full path of the program file
    const std::string ExeDir;    // folder part of ExeName, ending with "/"
    const std::string FirstArg;  // first argument, "" without one
};
