#include <gtest/gtest.h>

#include <sys/stat.h>

#include "FakeControl.h"
#include "ProjectFixture.h"

namespace {

struct Dialogs : TkdProjectDialogs {
    std::string answer;  // "" = cancel
    std::string lastFilter;
    bool OpenFiles(const std::string& filter, std::string& name, bool) override {
        lastFilter = filter;
        if (answer.empty()) return false;
        name = answer;
        return true;
    }
    bool SaveFile(const std::string& filter, const std::string&, std::string& name) override {
        lastFilter = filter;
        if (answer.empty()) return false;
        name = answer;
        return true;
    }
};

using Lines = std::vector<std::string>;

std::string Utf16(std::u16string_view text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t c : text) {
        char hi = static_cast<char>(c >> 8), lo = static_cast<char>(c & 0xFF);
        bytes += bigEndian ? hi : lo;
        bytes += bigEndian ? lo : hi;
    }
    return bytes;
}

}  // namespace

TEST(ProjectFile, ReadsEveryEncodingAndLineEnd) {
    const struct { std::string bytes; const char* what; } cases[] = {
        {"\xEF\xBB\xBFSource=/x/caf\xC3\xA9\r\nSubdir=1\r\n", "UTF-8 mark"},
        {Utf16(u"Source=/x/caf\u00e9\r\nSubdir=1", false), "UTF-16 LE mark"},
        {Utf16(u"Source=/x/caf\u00e9\nSubdir=1\n", true), "UTF-16 BE mark, LF only"},
        {"Source=/x/caf\xE9\rSubdir=1", "Windows-1252, CR only"},
        {"Source=/x/caf\xC3\xA9\nSubdir=1\n", "UTF-8 without mark, LF only"},
    };
    for (const auto& c : cases) {
        ProjectFixture f;
        TkdProject& p = f.Make();
        p.ProjectFile = f.tmp.write("a.batch-pres2doc", c.bytes).string();
        p.OpenProject(true);
        EXPECT_EQ(p.OptionLines(), (Lines{"Source=/x/caf\xC3\xA9", "Subdir=1"})) << c.what;
    }
}

TEST(ProjectFile, KeyWithTrailingBlankIsAnotherKey) {
    ProjectFixture f;
    TkdProject& p = f.Make();
    p.ProjectFile = f.tmp.write("a.batch-pres2doc", "Source =/x\r\n").string();
    p.OpenProject(true);
    EXPECT_EQ(p.Source(), "");
    EXPECT_EQ(p.Value("Source "), "/x");
}

TEST(ProjectFile, BadFilesLeaveTheOptionsOrLoadHarmlessly) {
    ProjectFixture f;
    TkdProject& p = f.Make();
    p.SetOptionsText("Source=/kept");
    p.ProjectFile = f.tmp.dir() + "missing.batch-pres2doc";
    p.OpenProject(true);
    EXPECT_EQ(p.OptionLines(), Lines{"Source=/kept"});
    std::filesystem::create_directories(f.tmp.path() / "dir.batch-pres2doc");
    p.ProjectFile = f.tmp.dir() + "dir.batch-pres2doc";
    p.OpenProject(true);
    EXPECT_EQ(p.OptionLines(), Lines{"Source=/kept"});
    EXPECT_TRUE(p.RecentProjects.empty());

    std::string binary(4096, '\0');
    for (std::size_t i = 0; i < binary.size(); ++i) binary[i] = static_cast<char>(i * 7);
    p.ProjectFile = f.tmp.write("bin.batch-pres2doc", binary).string();
    p.OpenProject(true);
    EXPECT_EQ(p.ThreadsCount(), 1);  // unreadable values give their defaults

    std::string huge = "Source=" + std::string(1'000'000, 'a') + "\r\n";
    std::string big;
    for (int i = 0; i < 30; ++i) big += huge;  // 30 MB, lines of a million characters
    p.ProjectFile = f.tmp.write("big.batch-pres2doc", big).string();
    p.OpenProject(true);
    EXPECT_EQ(p.OptionLines().size(), 30u);
    EXPECT_EQ(p.Source().size(), 1'000'000u);
}

TEST(ProjectFile, SaveWritesCrLfLinesAndBecomesRecentOnce) {
    ProjectFixture f;
    FakeControl source{"eSource", FakeControl::Kind::Edit};
    TkdProject& p = f.Make();
    p.BindControl(source);
    p.ProjectFile = f.tmp.write("job.batch-pres2doc", "SOURCE=/x/*.ppt?\r\nThreadsCount=2\r\n").string();
    p.OpenProject(true);
    p.OpenProject(true);
    EXPECT_EQ(p.RecentProjects, Lines{p.ProjectFile});
    source.text = "/y/*.ppt?";
    p.SaveProject();
    EXPECT_EQ(sw::test::readFile(p.ProjectFile), "Source=/y/*.ppt?\r\nThreadsCount=2\r\n");

    // A second project goes to the top; the first one does not move when reopened.
    const std::string other = f.tmp.write("other.batch-pres2doc", "").string();
    p.ProjectFile = other;
    p.OpenProject(true);
    p.ProjectFile = f.tmp.dir() + "JOB.batch-pres2doc";  // same entry in another letter case
    p.AddRecent();
    EXPECT_EQ(p.RecentProjects, (Lines{other, f.tmp.dir() + "job.batch-pres2doc"}));
    f.project.reset();  // unbinds and writes the recent list
    EXPECT_EQ(sw::test::readFile(f.RecentFile()), other + "\r\n" + f.tmp.dir() + "job.batch-pres2doc\r\n");

    TkdProject& q = f.Make();
    EXPECT_EQ(q.RecentProjects.size(), 2u);
}

TEST(ProjectFile, EmptyingTheTargetBoxRemovesTheLine) {
    ProjectFixture f;
    FakeControl target{"eTarget", FakeControl::Kind::Edit};
    TkdProject& p = f.Make();
    p.BindControl(target);
    p.ProjectFile = f.tmp.write("job.batch-pres2doc", "Target=/out/\r\nSubdir=1\r\n").string();
    p.OpenProject(true);
    target.text.clear();
    p.SaveProject();
    EXPECT_EQ(sw::test::readFile(p.ProjectFile), "Subdir=1\r\n");
    f.project.reset();
}

TEST(ProjectFile, DialogsForOpenAndSaveAs) {
    ProjectFixture f;
    Dialogs dialogs;
    TkdProject& p = f.Make();
    p.Dialogs = &dialogs;
    p.SetOptionsText("Source=/x");

    p.OpenProject(false);  // cancelled: nothing changes
    EXPECT_EQ(p.Source(), "/x");
    EXPECT_EQ(dialogs.lastFilter, "Slidewright Project|*.batch-pres2doc|PowerPoint Workbook (*.ppt;*.pptx)|*.ppt;*.pptx");

    p.SaveProject();  // no project file yet: Save As, cancelled
    EXPECT_EQ(p.ProjectFile, "");
    dialogs.answer = f.tmp.dir() + "saved.batch-pres2doc";
    p.SaveProject();
    EXPECT_EQ(p.ProjectFile, dialogs.answer);
    EXPECT_EQ(sw::test::readFile(dialogs.answer), "Source=/x\r\n");
    EXPECT_EQ(p.RecentProjects, Lines{dialogs.answer});

    dialogs.answer = f.tmp.dir() + "deck.pptx";  // opening a presentation makes it the source
    p.OpenProject(false);
    EXPECT_EQ(p.ProjectFile, "");
    EXPECT_EQ(p.Source(), dialogs.answer);

    p.NewProject();
    EXPECT_TRUE(p.OptionLines().empty());
}

TEST(ProjectFile, WriteErrorsReachTheCallerAndRecentFailuresAreSilent) {
    ProjectFixture f;
    TkdProject& p = f.Make();
    p.ProjectFile = f.tmp.dir() + "no/such/folder/x.batch-pres2doc";
    EXPECT_THROW(p.SaveProject(), std::exception);
    EXPECT_EQ(p.ProjectFile, f.tmp.dir() + "no/such/folder/x.batch-pres2doc");
    EXPECT_TRUE(p.RecentProjects.empty());

    // The recent-project file cannot be written where a folder stands in its way.
    std::filesystem::create_directories(f.RecentFile());
    f.project.reset();  // no exception escapes the destructor
    SUCCEED();
}

TEST(ProjectFile, NothingIsWrittenBesidesTheNamedFiles) {
    ProjectFixture f;
    {
        TkdProject& p = f.Make("-P:Source=" + f.tmp.dir() + "in/*.ppt?");
        p.ParseCommandLine();
        f.project.reset();
    }
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(f.tmp.path())) names.push_back(e.path().filename());
    EXPECT_EQ(names, Lines{"slidewright.log"});
}
