#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <thread>

#include "TempDir.h"
#include "app/TkdMain.h"
#include "app/TkdProject.h"
#include "engine/TkdConvertor.h"
#include "platform/TextFile.h"
#include "search/TkdBatch.h"
#include "search/TkdMatch.h"
#include "support/TkdInfo.h"

namespace {

// Writes the target, or fails for names holding "bad", after a short pause
// that lets the workers finish out of order.
class FakeConverter : public TkdConvertor {
public:
    using TkdConvertor::TkdConvertor;

protected:
    void ConvertFile(TkdBatch& batch, TkdNode& node) override {
        const std::string target = BuildTarget(batch, node);
        if (target.empty()) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(node.Index % 3));
        if (node.Source.find("bad") != std::string::npos) {
            node.ResultText = "Cannot open " + node.Source;
            node.Status = 2;
            batch.ReportFailure("Cannot open the file");
            return;
        }
        sw::test::writeFile(target, "{\\rtf1}");
        node.ResultText = target;
        node.Status = 1;
        batch.ReportSuccess();
    }
};

struct UnattendedRun {
    sw::test::TempDir tmp;
    std::string exe = tmp.dir() + "bin/slidewright";
    TkdApp app{exe, ""};
    std::vector<std::string> opened;
    TkdInfo info{app, sw::platform::ProgramFiles(exe, tmp.dir() + "bin"),
                 [this](const std::string& t) { opened.push_back(t); }};
    TkdProject project{app, sw::platform::ProgramFiles(exe, tmp.dir() + "bin")};
    TkdMatch match;
    TkdMain main{project, info};

    UnattendedRun() {
        project.ConvertorClass = &TkdConvertor::Create<FakeConverter>;
        project.TargetExt = ".rtf";
        project.ShortName = "pres2doc";
        project.Title = "Slidewright Converter";
        info.Project = &project;
        main.Matcher = &match;
    }
    std::vector<std::string> Log() { return sw::platform::SplitLines(sw::test::readFile(tmp.dir() + "run.log")); }
};

}  // namespace

TEST(TkdMain, ConvertsEveryFileLogsOneWholeLineEachAndCounts) {
    UnattendedRun r;
    for (int i = 0; i < 30; ++i) r.tmp.write("in/deck" + std::to_string(i) + ".pptx", "x");
    r.tmp.write("in/bad1.ppt", "x");
    r.tmp.write("in/bad2.ppt", "x");
    r.tmp.write("in/notes.txt", "x");
    r.project.SetOptionsText("Source=" + r.tmp.dir() + "in/*.ppt?\nTarget=" + r.tmp.dir() + "out\nThreadsCount=3\n"
                             "LogFile=" + r.tmp.dir() + "run.log");
    r.main.Run();

    const auto log = r.Log();
    ASSERT_EQ(log.size(), 32u);
    std::set<std::string> sources;
    for (const auto& line : log) {
        const bool ok = line.starts_with("Success => ") || line.starts_with("Failure => ");
        EXPECT_TRUE(ok) << line;
        sources.insert(line.substr(11, line.find(" => ", 11) - 11));
    }
    EXPECT_EQ(sources.size(), 32u);
    EXPECT_TRUE(std::filesystem::exists(r.tmp.dir() + "out/deck7.rtf"));
    EXPECT_EQ(r.info.StoreValue("C"), "1");
    EXPECT_EQ(r.info.StoreValue("A"), "32");
    EXPECT_EQ(r.info.StoreValue("S"), "30");
    EXPECT_EQ(r.info.StoreValue("F"), "2");
    ASSERT_EQ(r.opened.size(), 1u);  // one report, the message once
    EXPECT_NE(r.opened[0].find("/net/?a=err&e=Cannot open the file&p=pres2doc"), std::string::npos) << r.opened[0];
    EXPECT_EQ(RunningWorkers.load(), 0);
}

TEST(TkdMain, EmptySourceFolderWritesAnEmptyLogAndNoReport) {
    UnattendedRun r;
    std::filesystem::create_directories(r.tmp.path() / "in");
    r.project.SetOptionsText("Source=" + r.tmp.dir() + "in/*.ppt?\nTarget=" + r.tmp.dir() + "out/\nThreadsCount=0\n"
                             "LogFile=" + r.tmp.dir() + "run.log");
    r.main.Run();
    EXPECT_EQ(sw::test::readFile(r.tmp.dir() + "run.log"), "");
    EXPECT_EQ(r.info.StoreLines(), (std::vector<std::string>{"v=2", "R=1", "C=1", "A=0", "S=0", "F=0"}));
    EXPECT_TRUE(r.opened.empty());
}

TEST(TkdMain, SkippedFileLogsSuccessWithAnEmptyResult) {
    UnattendedRun r;
    const std::string source = r.tmp.write("in/a.ppt", "x").string();
    r.tmp.write("out/a.rtf", "old");
    r.project.SetOptionsText("Source=" + r.tmp.dir() + "in/*.ppt?\nTarget=" + r.tmp.dir() + "out/\nIsOverwrite=skip\n"
                             "LogFile=" + r.tmp.dir() + "run.log");
    r.main.Run();
    EXPECT_EQ(r.Log(), std::vector<std::string>{"Success => " + source + " => "});
    EXPECT_EQ(sw::test::readFile(r.tmp.dir() + "out/a.rtf"), "old");
}

TEST(TkdMain, EmptyTargetIsRefusedBeforeAnythingIsSearched) {
    UnattendedRun r;
    r.tmp.write("in/a.ppt", "x");
    r.project.SetOptionsText("Source=" + r.tmp.dir() + "in/*.ppt?\nLogFile=" + r.tmp.dir() + "run.log");
    EXPECT_THROW(r.main.Run(), TkdRunRefused);
    EXPECT_FALSE(std::filesystem::exists(r.tmp.dir() + "run.log"));
    EXPECT_EQ(r.info.StoreValue("C"), "");
}

TEST(TkdMain, UnwritableLogFailsAfterEverythingIsConvertedAndCounted) {
    UnattendedRun r;
    r.tmp.write("in/a.ppt", "x");
    r.project.SetOptionsText("Source=" + r.tmp.dir() + "in/*.ppt?\nTarget=" + r.tmp.dir() + "out/\n"
                             "LogFile=" + r.tmp.dir() + "missing/folder/run.log");
    try {
        r.main.Run();
        ADD_FAILURE() << "no error";
    } catch (const std::exception& e) {
        EXPECT_NE(std::string(e.what()).find("missing/folder/run.log"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(std::filesystem::exists(r.tmp.dir() + "out/a.rtf"));
    EXPECT_EQ(r.info.StoreValue("S"), "1");
}
