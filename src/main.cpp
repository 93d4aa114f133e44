#include <cstdio>
#include <exception>

#include "app/Startup.h"

int main(int argc, char** argv) {
    try {
        return RunProgram(argc, argv);
    } catch (const std::exception& error) {
        // The last-resort handler: the error on standard error, exit code 1.
        std::fprintf(stderr, "slidewright: %s\n", error.what());
    } catch (...) {
        std::fputs("slidewright: unknown error\n", stderr);
    }
    return 1;
}
