#include "platform/ProgramFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "TempDir.h"

using sw::platform::ProgramFiles;

TEST(ProgramFiles, BesideAWritableProgramOtherwiseInTheConfigFolder) {
    sw::test::TempDir tmp;
    const std::string exe = tmp.dir() + "bin/slidewright";
    std::filesystem::create_directories(tmp.path() / "bin");
    auto beside = ProgramFiles::Choose(exe);
    EXPECT_EQ(beside.Beside(exe + ".log"), exe + ".log");

    const std::string config = tmp.dir() + "config";
    ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    auto elsewhere = ProgramFiles::Choose("/nonexistent-folder/slidewright");
    EXPECT_EQ(elsewhere.Beside("/nonexistent-folder/slidewright.ext"), config + "/slidewright/slidewright.ext");
    EXPECT_TRUE(std::filesystem::is_directory(config + "/slidewright"));
    ::unsetenv("XDG_CONFIG_HOME");
}
