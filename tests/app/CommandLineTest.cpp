#include <gtest/gtest.h>

#include "ProjectFixture.h"

namespace {

struct PageRecorder : TkdPageOpener {
    std::vector<std::string> calls;
    void OpenPage(const std::string& kind, const std::string& action, const std::string& extra) override {
        calls.push_back(kind + "|" + action + "|" + extra);
    }
};

}  // namespace

TEST(CommandLine, OptionTextSwitchInItsSpellings) {
    const struct { const char* arg; std::vector<std::string> lines; } cases[] = {
        {"-P:Subdir=1,ThreadsCount=2", {"Subdir=1", "ThreadsCount=2"}},
        {"/pSubdir=1;ThreadsCount=2", {"Subdir=1", "ThreadsCount=2"}},
        {"-p:Source=/in/*.ppt?,PureConsole=1", {"Source=/in/*.ppt?", "PureConsole=1", "Target=/in/"}},
        {"-P:Source=/in/a.ppt,Target=/out/", {"Source=/in/a.ppt", "Target=/out/"}},
    };
    for (const auto& c : cases) {
        ProjectFixture f;
        TkdProject& p = f.Make(c.arg);
        EXPECT_FALSE(p.ParseCommandLine());
        EXPECT_EQ(p.OptionLines(), c.lines) << c.arg;
        EXPECT_EQ(p.ProjectFile, "") << c.arg;
    }
}

TEST(CommandLine, IgnoredArgumentsOpenTheDefaultProject) {
    for (const char* arg : {"", "x", "-X", "-P", "-P:", "-q"}) {
        ProjectFixture f;
        f.tmp.write("slidewright.batch-pres2doc", "Source=/default/*.ppt?\r\n");
        TkdProject& p = f.Make(arg);
        EXPECT_FALSE(p.ParseCommandLine());
        EXPECT_EQ(p.ProjectFile, f.DefaultProject()) << arg;
        EXPECT_EQ(p.Source(), "/default/*.ppt?") << arg;
    }
}

TEST(CommandLine, WithoutDefaultProjectTheOptionsStayEmpty) {
    ProjectFixture f;
    TkdProject& p = f.Make();
    p.ParseCommandLine();
    EXPECT_TRUE(p.OptionLines().empty());
    EXPECT_EQ(p.ProjectFile, f.DefaultProject());
    EXPECT_TRUE(p.RecentProjects.empty());  // a project that could not be read is not recent
}

TEST(CommandLine, PlainPathsAreProjectsOnlyWithTheExactExtension) {
    ProjectFixture f;
    const std::string job = f.tmp.write("job.batch-pres2doc", "Source=/from/project\r\n").string();
    TkdProject& p = f.Make(job);
    p.ParseCommandLine();
    EXPECT_EQ(p.ProjectFile, job);
    EXPECT_EQ(p.Source(), "/from/project");
    EXPECT_EQ(p.RecentProjects, std::vector<std::string>{job});

    const std::string upper = f.tmp.write("JOB.BATCH-PRES2DOC", "Source=/never\r\n").string();
    TkdProject& q = f.Make(upper);
    q.ParseCommandLine();
    EXPECT_EQ(q.ProjectFile, "");
    EXPECT_EQ(q.Source(), upper);  // taken as a source path
    EXPECT_EQ(q.Target(), f.tmp.dir());

    const std::string deck = f.tmp.dir() + "decks/talk.pptx";  // need not exist
    TkdProject& r = f.Make(deck);
    f.tmp.write("slidewright.batch-pres2doc", "Target=/kept/\r\n");
    r.ParseCommandLine();
    EXPECT_EQ(r.Source(), deck);
    EXPECT_EQ(r.Target(), f.tmp.dir() + "decks/");
    // The window's own OpenDefault then opens the default project over it.
    r.OpenDefault();
    EXPECT_EQ(r.ProjectFile, f.DefaultProject());
    EXPECT_EQ(r.Target(), "/kept/");
}

TEST(CommandLine, ProjectFileDoesNotOverrideAnExistingTarget) {
    ProjectFixture f;
    TkdProject& p = f.Make(f.tmp.dir() + "talk.ppt");
    p.SetValue("Target", "/out/");
    p.ParseCommandLine();
    EXPECT_EQ(p.Target(), "/out/");
    p.AutoTarget = false;
    p.SetValue("Target", "");
    p.OpenProject(true);
    EXPECT_EQ(p.Target(), "");
}

TEST(CommandLine, AbsolutePathsAreNotSwitches) {
    // "/usr/..." has the second letter "u", but it names a path here.
    ProjectFixture f;
    PageRecorder pages;
    TkdProject& p = f.Make(f.tmp.dir() + "in/x.ppt");
    p.PageOpener = &pages;
    EXPECT_FALSE(p.ParseCommandLine());
    EXPECT_EQ(p.Source(), f.tmp.dir() + "in/x.ppt");
    TkdProject& q = f.Make("/usr/share/x.pptx");
    q.PageOpener = &pages;
    EXPECT_FALSE(q.ParseCommandLine());
    EXPECT_EQ(q.Source(), "/usr/share/x.pptx");
    TkdProject& r = f.Make("/data-nowhere/decks/x.pptx");  // a path that does not exist (yet) is still a path
    r.PageOpener = &pages;
    EXPECT_FALSE(r.ParseCommandLine());
    EXPECT_EQ(r.Source(), "/data-nowhere/decks/x.pptx");
    EXPECT_TRUE(pages.calls.empty());
}

TEST(CommandLine, InstallAndUninstallNoticesEndTheProcess) {
    const struct { const char* arg; const char* call; } cases[] = {
        {"-Isrc=cd", "|ins|src=cd"}, {"/i", "|ins|"}, {"-U", "|uni|"}, {"-uninstall", "|uni|"},
    };
    for (const auto& c : cases) {
        ProjectFixture f;
        TkdProject& p = f.Make(c.arg);
        PageRecorder pages;
        p.PageOpener = &pages;
        EXPECT_TRUE(p.ParseCommandLine()) << c.arg;
        EXPECT_EQ(pages.calls, std::vector<std::string>{c.call});
        EXPECT_EQ(p.ProjectFile, "");  // nothing opened
        f.project.reset();
        EXPECT_TRUE(std::filesystem::exists(f.RecentFile())) << "the recent list is still written";
    }
}
