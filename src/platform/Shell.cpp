#include "platform/Shell.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace sw::platform {

void ShellOpen(const std::string& target) {
    const char* opener = std::getenv("SLIDEWRIGHT_OPENER");
    const std::string command = opener && *opener ? opener : "xdg-open";

    // Fork twice so that the opener is adopted by init: nothing waits for a
    // browser, and no zombie is left behind.
    pid_t child = ::fork();
    if (child < 0) return;
    if (child == 0) {
        ::setsid();
        pid_t grandchild = ::fork();
        if (grandchild != 0) ::_exit(0);
        int devnull = ::open("/dev/null", O_RDWR);
        if (devnull >= 0) {
            ::dup2(devnull, STDIN_FILENO);
            ::dup2(devnull, STDOUT_FILENO);
            ::dup2(devnull, STDERR_FILENO);
        }
        ::execlp(command.c_str(), command.c_str(), target.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
}

}  // namespace sw::platform
