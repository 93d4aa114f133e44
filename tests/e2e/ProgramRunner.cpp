#include "ProgramRunner.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>
#include <thread>

#include "platform/TextFile.h"

namespace sw::test {

ProgramRunner::ProgramRunner() {
    exe_ = home_.dir() + "bin/slidewright";
    std::filesystem::create_directories(home_.path() / "bin");
    std::filesystem::copy_file(SW_PROGRAM, exe_);
    openedLog_ = home_.dir() + "opened.txt";
    opener_ = home_.write("opener.sh", "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" + openedLog_ + "'\n").string();
    ::chmod(opener_.c_str(), 0755);
}

ProgramRunner::Result ProgramRunner::Run(const std::string& argument, bool withArgument) const {
    const std::string errFile = home_.dir() + "stderr.txt";
    pid_t pid = ::fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        ::setenv("SLIDEWRIGHT_OPENER", opener_.c_str(), 1);
        int err = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (err >= 0) ::dup2(err, STDERR_FILENO);
        if (withArgument && !argument.empty())
            ::execl(exe_.c_str(), exe_.c_str(), argument.c_str(), static_cast<char*>(nullptr));
        else
            ::execl(exe_.c_str(), exe_.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    Result result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.err = readFile(errFile);
    return result;
}

std::vector<std::string> ProgramRunner::Opened(std::size_t count) const {
    // The opener runs detached: give it a moment to write.
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    for (;;) {
        auto lines = platform::SplitLines(readFile(openedLog_));
        if (lines.size() >= count || std::chrono::steady_clock::now() > deadline) {
            if (count == 0) {
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
                lines = platform::SplitLines(readFile(openedLog_));
            }
            return lines;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

std::vector<std::string> ProgramRunner::Counters() const {
    return platform::SplitLines(readFile(home_.dir() + "bin/slidewright.ext"));
}

}  // namespace sw::test
