#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "TempDir.h"
#include "platform/Shell.h"

TEST(Shell, RunsTheConfiguredOpenerDetachedAndNeverFails) {
    sw::test::TempDir tmp;
    const std::string log = tmp.dir() + "opened.txt";
    const auto opener = tmp.write("opener.sh", "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" + log + "'\n");
    ::chmod(opener.c_str(), 0755);
    ::setenv("SLIDEWRIGHT_OPENER", opener.c_str(), 1);
    sw::platform::ShellOpen("https://example.org/net/?a=err&e=x y");
    ::setenv("SLIDEWRIGHT_OPENER", (tmp.dir() + "no-such-opener").c_str(), 1);
    sw::platform::ShellOpen("ignored");  // a missing opener is silent
    ::unsetenv("SLIDEWRIGHT_OPENER");

    std::string seen;
    for (int i = 0; i < 100 && seen.empty(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        seen = sw::test::readFile(log);
    }
    EXPECT_EQ(seen, "https://example.org/net/?a=err&e=x y\n");
}
