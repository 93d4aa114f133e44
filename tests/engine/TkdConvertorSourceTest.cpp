#include <fcntl.h>
#include <sys/stat.h>

#include <filesystem>

#include "SubstituteConvertor.h"

namespace fs = std::filesystem;

// What happens to the source after the conversion.
class ConvertorSource : public ConvertorFixture {};

TEST_F(ConvertorSource, DeleteAndRenameActOnlyAfterASuccess) {
    const struct { const char* deleteSource; const char* renameSource; bool sourceLeft; bool renamed; } cases[] = {
        {"", "", true, false},
        {"1", "", false, false},
        {"", ".done", false, true},
        {"1", ".done", false, false},  // deleted: nothing left to rename
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("DeleteSource=") + c.deleteSource + " RenameSource=" + c.renameSource);
        std::string ok = File("ok.ppt");
        std::string bad = File("FAIL.ppt");
        project.SetValue("DeleteSource", c.deleteSource);
        project.SetValue("RenameSource", c.renameSource);
        auto batch = Run("*.ppt", false);
        EXPECT_EQ(fs::exists(ok), c.sourceLeft);
        EXPECT_EQ(fs::exists(ok + ".done"), c.renamed);
        EXPECT_TRUE(fs::exists(bad));  // a failed file is never touched
        EXPECT_FALSE(fs::exists(bad + ".done"));
        fs::remove_all(In());
    }
}

TEST_F(ConvertorSource, RenameNeverReplacesAnExistingFile) {
    std::string source = File("a.ppt");
    tree.write("in/a.ppt.done", "earlier");
    project.SetValue("RenameSource", ".done");
    auto batch = Run("*.ppt", false);
    EXPECT_EQ(batch->Succeeded(), 1);
    EXPECT_TRUE(fs::exists(source));
    EXPECT_EQ(sw::test::readFile(source + ".done"), "earlier");
}

TEST_F(ConvertorSource, KeepFileTimeCopiesAccessAndWriteTimes) {
    std::string source = File("a.ppt");
    const timespec times[2] = {{1000000000, 0}, {1100000000, 500}};
    ASSERT_EQ(::utimensat(AT_FDCWD, source.c_str(), times, 0), 0);
    for (const char* keep : {"0", "1"}) {
        project.SetValue("KeepFileTime", keep);
        auto batch = Run("*.ppt", false);
        struct stat st {};
        ASSERT_EQ(::stat((Out() + "a.rtf").c_str(), &st), 0);
        EXPECT_EQ(st.st_mtim.tv_sec == 1100000000, keep[0] == '1') << keep;
        if (keep[0] == '1') {
            EXPECT_EQ(st.st_mtim.tv_nsec, 500);
            EXPECT_EQ(st.st_atim.tv_sec, 1000000000);
        }
    }
}

TEST_F(ConvertorSource, OverwriteNoWritesBesideTheExistingTarget) {
    File("x.pptx");
    tree.write("out/x.rtf", "old");
    project.SetValue("IsOverwrite", "0");
    auto batch = Run();
    EXPECT_EQ(batch->Entries()[0]->ResultText, Out() + "-pres2doc-x.rtf");
    EXPECT_EQ(sw::test::readFile(Out() + "x.rtf"), "old");
    EXPECT_EQ(sw::test::readFile(Out() + "-pres2doc-x.rtf"), "converted " + In() + "x.pptx");
}
