#include <gtest/gtest.h>

#include "ProjectFixture.h"

TEST(Options, LookupIsCaseInsensitiveFirstMatchWithoutTrimming) {
    ProjectFixture f;
    TkdProject& p = f.Make();
    p.SetOptionsText("SOURCE=/a\r\nSource=/b\r\nTarget =/t\r\nnoequals\r\nRegExt=a=b\r\nEmpty=");
    EXPECT_EQ(p.Value("source"), "/a");
    EXPECT_EQ(p.Value("Target"), "");        // "Target " is another name
    EXPECT_EQ(p.Value("noequals"), "");
    EXPECT_EQ(p.Value("RegExt"), "a=b");     // the value may itself hold "="
    EXPECT_EQ(p.Value("Missing"), "");
}

TEST(Options, SettingRewritesInPlaceAppendsAndDeletes) {
    ProjectFixture f;
    TkdProject& p = f.Make();
    p.SetOptionsText("SOURCE=/a\nSubdir=1\nSource=/b");
    p.SetValue("Source", "/c");
    p.SetValue("Target", "/t");
    using Lines = std::vector<std::string>;
    EXPECT_EQ(p.OptionLines(), (Lines{"Source=/c", "Subdir=1", "Source=/b", "Target=/t"}));
    p.SetValue("source", "");  // deletes the first match only
    EXPECT_EQ(p.OptionLines(), (Lines{"Subdir=1", "Source=/b", "Target=/t"}));
    p.SetValue("Absent", "");
    EXPECT_EQ(p.OptionLines().size(), 3u);
    EXPECT_EQ(p.OptionsText(), "Subdir=1\r\nSource=/b\r\nTarget=/t\r\n");
}

TEST(Options, YesNoReader) {
    const struct { const char* text; bool def; bool expected; } cases[] = {
        {"1", false, true}, {"0", true, false}, {"-2", false, true}, {"0.0", true, false}, {"1.5", false, true},
        {" 1", false, true}, {"True", false, true}, {"TRUE", false, true}, {"false", true, false},
        {"yes", false, false}, {"yes", true, true}, {"", true, true}, {"", false, false},
        {"1x", true, true}, {"True ", false, false}, {"$1", false, false}, {"1e3", false, true},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadYesNo(c.text, c.def), c.expected) << '"' << c.text << '"';
}

TEST(Options, IntegerReader) {
    const struct { const char* text; int expected; } cases[] = {
        {"4", 4}, {"  4", 4}, {"-3", -3}, {"+7", 7}, {"$10", 16}, {"x1F", 31}, {"X1f", 31}, {"0x10", 16},
        {"0X10", 16}, {"-$10", -16}, {"abc", 99}, {"", 99}, {"4 ", 99}, {"$", 99}, {"0x", 99}, {"1.5", 99},
        {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1}, {"2147483648", 99}, {"$FFFFFFFFF", 99},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadInteger(c.text, 99), c.expected) << '"' << c.text << '"';
}

TEST(Options, KeysWithTheirDefaults) {
    ProjectFixture f;
    TkdProject& p = f.Make();
    EXPECT_FALSE(p.Subdir());
    EXPECT_TRUE(p.KeepTargetSubdirs());
    EXPECT_FALSE(p.KeepFileTime());
    EXPECT_FALSE(p.DeleteSource());
    EXPECT_FALSE(p.MacroEnabled());
    EXPECT_FALSE(p.PureConsole());
    EXPECT_EQ(p.ThreadsCount(), 1);
    EXPECT_EQ(p.Daemon(), 0);
    EXPECT_EQ(p.Overwrite(), TkdOverwrite::Yes);
    EXPECT_FALSE(p.AutoRun());

    p.SetOptionsText("ThreadsCount=abc\nDaemon=$10\nKeepTargetSubdirs=0\nRenameSource=.done");
    EXPECT_EQ(p.ThreadsCount(), 1);
    EXPECT_EQ(p.Daemon(), 16);
    EXPECT_TRUE(p.AutoRun());
    EXPECT_FALSE(p.KeepTargetSubdirs());
    EXPECT_EQ(p.RenameSource(), ".done");
}

TEST(Options, OverwriteAnswersAndAutoRun) {
    const struct { const char* value; TkdOverwrite answer; } cases[] = {
        {"Skip", TkdOverwrite::Skip}, {"skip", TkdOverwrite::Skip}, {"SKIP", TkdOverwrite::Skip},
        {"maybe", TkdOverwrite::Yes}, {"0", TkdOverwrite::No}, {"false", TkdOverwrite::No}, {"1", TkdOverwrite::Yes},
    };
    ProjectFixture f;
    TkdProject& p = f.Make();
    for (const auto& c : cases) {
        p.SetValue("IsOverwrite", c.value);
        EXPECT_EQ(p.Overwrite(), c.answer) << c.value;
    }
    p.SetValue("IsOverwrite", "maybe");
    p.OverwriteDefault = false;
    EXPECT_EQ(p.Overwrite(), TkdOverwrite::No);

    const struct { const char* options; bool autoRun; } runs[] = {
        {"RunAndClose=True", true}, {"PureConsole=1", true}, {"Daemon=1", true}, {"Daemon=-5", false},
        {"RunAndClose=0\nPureConsole=no", false},
    };
    for (const auto& r : runs) {
        p.SetOptionsText(r.options);
        EXPECT_EQ(p.AutoRun(), r.autoRun) << r.options;
    }
}

TEST(Options, TargetDirCreatesTheFolderAndEndsWithTheDelimiter) {
    ProjectFixture f;
    TkdProject& p = f.Make();
    const std::string target = f.tmp.dir() + "out/deep/er";
    p.SetValue("Target", target);
    EXPECT_EQ(p.TargetDir(), target + "/");
    EXPECT_TRUE(std::filesystem::is_directory(target));
    p.SetValue("Target", target + "/");
    EXPECT_EQ(p.TargetDir(), target + "/");
    p.SetValue("Target", "");
    EXPECT_EQ(p.TargetDir(), "");
    // A target that cannot be made is left to the conversion to report.
    f.tmp.write("file", "x");
    p.SetValue("Target", f.tmp.dir() + "file/sub");
    EXPECT_EQ(p.TargetDir(), f.tmp.dir() + "file/sub/");
}
