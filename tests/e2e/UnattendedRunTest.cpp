#include <gtest/gtest.h>

#include <set>

#include "ExampleDecks.h"
#include "ProgramRunner.h"
#include "platform/TextFile.h"

using sw::test::ProgramRunner;
using Lines = std::vector<std::string>;

namespace {

struct Tree {
    ProgramRunner program;
    sw::test::TempDir tmp;
    std::string In() const { return tmp.dir() + "in/"; }
    std::string Out() const { return tmp.dir() + "out/"; }
    std::string Log() const { return tmp.dir() + "run.log"; }
    std::string Options(const std::string& more = "") const {
        return "-P:Source=" + In() + "*.ppt?,Target=" + Out() + ",Subdir=1,PureConsole=1,LogFile=" + Log() +
               (more.empty() ? "" : "," + more);
    }
    Lines LogLines() const { return sw::platform::SplitLines(sw::test::readFile(Log())); }
};

// The counters without "W": a worker tallies the PowerPoint version when it
// connects, which may come before or after the run's "C".
Lines CountersWithoutVersion(const ProgramRunner& program, std::string* version = nullptr) {
    Lines lines;
    for (auto& line : program.Counters()) {
        if (line.starts_with("W=")) {
            if (version) *version = line;
        } else {
            lines.push_back(line);
        }
    }
    return lines;
}

}  // namespace

TEST(UnattendedRun, ConvertsATreeWithThreeWorkersOneWholeLogLinePerFile) {
    Tree t;
    std::set<std::string> sources;
    for (int i = 0; i < 24; ++i) {
        const std::string folder = i % 2 ? "in/a/" : "in/b/c/";
        sources.insert(t.tmp.write(folder + "talk" + std::to_string(i) + ".pptx", sw::test::exampleTalkPptx()).string());
    }
    for (int i = 0; i < 8; ++i)
        sources.insert(t.tmp.write("in/old" + std::to_string(i) + ".ppt", sw::test::examplePpt()).string());
    sources.insert(t.tmp.write("in/broken.pptx", "PK\x03\x04 this is not a whole package").string());
    t.tmp.write("in/notes.txt", "not listed");

    auto result = t.program.Run(t.Options("ThreadsCount=3"));
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");

    const Lines log = t.LogLines();
    ASSERT_EQ(log.size(), sources.size());
    std::set<std::string> logged;
    for (const auto& line : log) {
        const auto first = line.find(" => "), second = line.find(" => ", first + 4);
        ASSERT_NE(second, std::string::npos) << line;
        const std::string status = line.substr(0, first), source = line.substr(first + 4, second - first - 4);
        const std::string result = line.substr(second + 4);
        logged.insert(source);
        if (source.ends_with("broken.pptx")) {
            EXPECT_EQ(status, "Failure");
            EXPECT_NE(result.find("broken.pptx"), std::string::npos) << "the message names the file: " << result;
        } else {
            EXPECT_EQ(status, "Success") << line;
            const std::string relative = source.substr(t.In().size());
            EXPECT_EQ(result, t.Out() + relative.substr(0, relative.rfind('.')) + ".rtf");
            EXPECT_TRUE(sw::test::readFile(result).starts_with("{\\rtf1")) << result;
        }
    }
    EXPECT_EQ(logged, sources);
    EXPECT_NE(sw::test::readFile(t.Out() + "a/talk1.rtf").find("Why outlines"), std::string::npos);
    EXPECT_NE(sw::test::readFile(t.Out() + "old3.rtf").find("\\outlinelevel1"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(t.Out() + "broken.rtf"));

    std::string version;
    EXPECT_EQ(CountersWithoutVersion(t.program, &version), (Lines{"v=2", "R=1", "C=1", "A=33", "S=32", "F=1"}));
    EXPECT_EQ(version, "W=1");
    const Lines opened = t.program.Opened(1);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_NE(opened[0].find("/net/?a=err&e="), std::string::npos) << opened[0];
    EXPECT_EQ(opened[0].find('"'), std::string::npos);
}

TEST(UnattendedRun, OverwriteYesNoSkipAgainstAnExistingTarget) {
    const struct { const char* option; const char* kept; const char* written; } cases[] = {
        {"IsOverwrite=1", nullptr, "deck.rtf"},
        {"IsOverwrite=0", "deck.rtf", "-pres2doc-deck.rtf"},
        {"IsOverwrite=skip", "deck.rtf", nullptr},
    };
    for (const auto& c : cases) {
        Tree t;
        const std::string source = t.tmp.write("in/deck.pptx", sw::test::exampleTalkPptx()).string();
        t.tmp.write("out/deck.rtf", "old");
        auto result = t.program.Run(t.Options(c.option));
        EXPECT_EQ(result.exitCode, 0) << result.err;
        if (c.kept) {
            EXPECT_EQ(sw::test::readFile(t.Out() + c.kept), "old") << c.option;
        }
        if (c.written) {
            EXPECT_TRUE(sw::test::readFile(t.Out() + c.written).starts_with("{\\rtf1")) << c.option;
        } else {
            EXPECT_EQ(t.LogLines(), Lines{"Success => " + source + " => "});
        }
    }
}

TEST(UnattendedRun, EmptyFolderAndZeroThreadsStillEndCleanly) {
    Tree t;
    std::filesystem::create_directories(t.In());
    auto result = t.program.Run(t.Options("ThreadsCount=0"));
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(sw::test::readFile(t.Log()), "");
    EXPECT_TRUE(std::filesystem::exists(t.Log()));
    EXPECT_EQ(t.program.Counters(), (Lines{"v=2", "R=1", "C=1", "A=0", "S=0", "F=0"}));
    EXPECT_TRUE(t.program.Opened().empty());

    t.tmp.write("in/x.pptx", sw::test::exampleProjectPptx());
    result = t.program.Run(t.Options("ThreadsCount=0"));
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(t.LogLines().size(), 1u);
    EXPECT_EQ(CountersWithoutVersion(t.program), (Lines{"v=2", "R=2", "C=2", "A=1", "S=1", "F=0"}));
}

TEST(UnattendedRun, EveryFileFailingStillExitsZeroAndReportsTheDistinctMessages) {
    Tree t;
    t.tmp.write("in/what?.ppt", "plain text, not a presentation");
    t.tmp.write("in/empty.pptx", "");
    auto result = t.program.Run(t.Options());
    EXPECT_EQ(result.exitCode, 0) << result.err;
    const Lines opened = t.program.Opened(1);
    ASSERT_EQ(opened.size(), 1u);
    const std::string& address = opened[0];
    EXPECT_NE(address.find("/net/?a=err&e="), std::string::npos) << address;
    EXPECT_NE(address.find("what%3F.ppt"), std::string::npos) << address;
    EXPECT_EQ(address.find('?', address.find("?a=err") + 1), std::string::npos) << "every ? is escaped: " << address;
    EXPECT_EQ(address.find('"'), std::string::npos) << address;
}

TEST(UnattendedRun, EmptyTargetIsRefusedAndNothingHappens) {
    Tree t;
    t.tmp.write("in/deck.pptx", sw::test::exampleTalkPptx());
    auto result = t.program.Run("-P:Source=" + t.In() + "deck.pptx,PureConsole=1,LogFile=" + t.Log() + ",Target=");
    // The source's folder becomes the target when none is given: convert beside it.
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(std::filesystem::exists(t.In() + "deck.rtf"));

    const std::string project = t.tmp.write("job.batch-pres2doc", "Source=deck.pptx\r\nPureConsole=1\r\n").string();
    result = t.program.Run(project);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.err.find("no target folder"), std::string::npos) << result.err;
    EXPECT_EQ(CountersWithoutVersion(t.program), (Lines{"v=2", "R=2", "C=1", "A=1", "S=1", "F=0"}));
}

TEST(UnattendedRun, UnwritableLogEndsWithExitOneAfterConverting) {
    Tree t;
    t.tmp.write("in/deck.pptx", sw::test::exampleTalkPptx());
    auto result = t.program.Run("-P:Source=" + t.In() + "*.ppt?,Target=" + t.Out() +
                                ",PureConsole=1,LogFile=" + t.tmp.dir() + "no/such/folder/run.log");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("no/such/folder/run.log"), std::string::npos) << result.err;
    EXPECT_TRUE(std::filesystem::exists(t.Out() + "deck.rtf"));
    EXPECT_EQ(t.program.Counters().back(), "F=0");
}

TEST(UnattendedRun, ProjectFileOnTheCommandLine) {
    Tree t;
    t.tmp.write("in/deck.pptx", sw::test::exampleTalkPptx());
    const std::string project = t.tmp.write("job.batch-pres2doc", "Source=" + t.In() + "*.ppt?\r\nTarget=" +
                                                                       t.Out() + "\r\nPureConsole=True\r\n").string();
    auto result = t.program.Run(project);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(std::filesystem::exists(t.Out() + "deck.rtf"));
    EXPECT_EQ(sw::test::readFile(t.program.dir().dir() + "bin/slidewright.log"), project + "\r\n");
}

TEST(UnattendedRun, NoticesOpenTheirAddressAndSearchNothing) {
    const struct { const char* arg; const char* action; } cases[] = {{"-Isrc=cd", "?a=ins&"}, {"-U", "?a=uni&"}};
    for (const auto& c : cases) {
        Tree t;
        t.tmp.write("in/deck.pptx", sw::test::exampleTalkPptx());
        auto result = t.program.Run(c.arg);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        const Lines opened = t.program.Opened(1);
        ASSERT_EQ(opened.size(), 1u);
        EXPECT_NE(opened[0].find(c.action), std::string::npos) << opened[0];
        if (std::string(c.arg) == "-Isrc=cd") {
            EXPECT_TRUE(opened[0].ends_with("&src=cd")) << opened[0];
        }
        EXPECT_TRUE(std::filesystem::exists(t.program.dir().dir() + "bin/slidewright.log"));
        EXPECT_EQ(t.program.Counters(), (Lines{"v=2", "R=1"}));
    }
}

TEST(UnattendedRun, WebSourceOrNoPureConsoleTakesTheWindowRoad) {
    Tree t;
    for (const std::string& options :
         {"-P:Source=" + t.tmp.dir() + "http-decks/*.ppt?,Target=" + t.Out() + ",PureConsole=1",
          "-P:Source=" + t.In() + "*.ppt?,Target=" + t.Out()}) {
        auto result = t.program.Run(options);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_NE(result.err.find("window is not available"), std::string::npos) << result.err;
    }
    EXPECT_FALSE(std::filesystem::exists(t.Out()));
}
