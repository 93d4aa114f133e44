#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "ScriptedPowerPoint.h"
#include "TempDir.h"
#include "app/TkdApp.h"
#include "app/TkdProject.h"
#include "engine/TkdPRES2DOC.h"
#include "platform/automation/OleRegistry.h"
#include "search/TkdBatch.h"
#include "search/TkdMatch.h"

namespace {

struct Counter : TkdUsageCounter {
    std::vector<std::string> tallies;
    void Tally(const std::string& key, int value, int delta) override {
        tallies.push_back(key + ":" + std::to_string(value) + ":" + std::to_string(delta));
    }
};

class PRES2DOC : public ::testing::Test {
protected:
    void SetUp() override {
        project.ConvertorClass = &TkdConvertor::Create<TkdPRES2DOC>;
        project.TargetExt = ".rtf";
        project.ShortName = "pres2doc";
        project.Counters = &counter;
        RunningWorkers = 0;
    }

    std::string In() const { return tree.dir() + "in/"; }
    std::string Out() const { return tree.dir() + "out/"; }

    std::unique_ptr<TkdBatch> Run() {
        auto batch = std::make_unique<TkdBatch>(project, &matcher);
        batch->StartSearch(In() + "*.ppt?", Out(), false);
        auto chain = TkdConvertor::CreateWorkers(*batch, Out(), {});
        RunningWorkers = chain->WorkerCount();
        chain->Start();
        while (RunningWorkers > 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        chain.reset();
        return batch;
    }

    sw::test::TempDir programFiles;
    sw::test::TempDir tree;
    TkdApp app{"/some/dir/slidewright", ""};
    TkdProject project{app, sw::platform::ProgramFiles(app.ExeName, programFiles.dir())};
    TkdMatch matcher;
    Counter counter;
    PowerPointScript script;
    sw::automation::ScopedOleClass server{
        "PowerPoint.Application", [this] { return std::make_shared<ScriptedPowerPoint>(script); }};
};

using Calls = std::vector<std::string>;

}  // namespace

TEST_F(PRES2DOC, CallsTheMembersInOrderWithTheirArguments) {
    tree.write("in/a.ppt", "x");
    tree.write("in/b.pptx", "x");
    auto batch = Run();
    const std::string a = In() + "a.ppt", b = In() + "b.pptx";
    EXPECT_EQ(script.Calls(), (Calls{"get Version", "set Visible=True", "set WindowState=2", "set DisplayAlerts=1",
                                     "get Presentations", "call Open(" + a + ",False)",
                                     "call SaveAs(" + Out() + "a.rtf,6)", "call Close()", "get Presentations",
                                     "call Open(" + b + ",False)", "call SaveAs(" + Out() + "b.rtf,6)",
                                     "call Close()", "call Quit()"}));
    EXPECT_EQ(script.connections, 1);  // one connection for the worker, made at its first entry
    EXPECT_EQ(counter.tallies, Calls{"W:16:1"});
    EXPECT_EQ(batch->Succeeded(), 2);
    EXPECT_EQ(sw::test::readFile(Out() + "a.rtf"), "rtf of " + a);
    EXPECT_EQ(batch->Entries()[0]->ResultText, Out() + "a.rtf");
}

TEST_F(PRES2DOC, FailingVersionSkipsDisplaySettingsButConverts) {
    tree.write("in/a.ppt", "x");
    script.failVersion = true;
    auto batch = Run();
    auto calls = script.Calls();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "set Visible=True"), 0);
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "set WindowState=2"), 0);
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "set DisplayAlerts=1"), 1);
    EXPECT_TRUE(counter.tallies.empty());
    EXPECT_EQ(batch->Succeeded(), 1);
}

TEST_F(PRES2DOC, ReadOnlyOptionReachesOpen) {
    const struct { const char* value; const char* flag; } cases[] = {
        {"", "False"}, {"maybe", "False"}, {"1", "True"}, {"true", "True"}, {"0", "False"}};
    for (const auto& c : cases) {
        tree.write("in/a.ppt", "x");
        project.SetValue("ReadOnly", c.value);
        script.calls.clear();
        Run();
        auto calls = script.Calls();
        EXPECT_NE(std::find(calls.begin(), calls.end(), "call Open(" + In() + "a.ppt," + c.flag + ")"), calls.end())
            << c.value;
    }
}

TEST_F(PRES2DOC, FailingCloseStillLetsTheNextFileOpen) {
    tree.write("in/a.ppt", "x");
    tree.write("in/b.ppt", "x");
    script.failClose = true;
    auto batch = Run();
    EXPECT_EQ(batch->Succeeded(), 2);
    auto calls = script.Calls();
    EXPECT_EQ(std::count_if(calls.begin(), calls.end(), [](auto& c) { return c.starts_with("call Open("); }), 2);
}

TEST_F(PRES2DOC, EverythingSkippedMeansNoConnectionAndNoQuit) {
    tree.write("in/a.ppt", "x");
    tree.write("out/a.rtf", "old");
    project.SetValue("IsOverwrite", "skip");
    auto batch = Run();
    EXPECT_TRUE(script.Calls().empty());
    EXPECT_EQ(script.connections, 0);
    EXPECT_EQ(batch->Entries()[0]->Status, 1);
}

TEST_F(PRES2DOC, UnknownProgIDFailsEveryEntryWithTheCreationText) {
    tree.write("in/a.ppt", "x");
    tree.write("in/b.ppt", "x");
    sw::automation::ScopedOleClass none("PowerPoint.Application", {});
    auto batch = Run();
    const std::string text = "Invalid class string, ProgID: \"PowerPoint.Application\"";
    for (TkdNode* node : batch->Entries()) {
        EXPECT_EQ(node->Status, 2);
        EXPECT_EQ(node->ResultText, text);
    }
    EXPECT_EQ(batch->Failed(), 2);
    EXPECT_EQ(batch->Failures(), Calls{text});
}

TEST_F(PRES2DOC, ExistingTargetSurvivesAFailedOpenAndAFailedSave) {
    tree.write("in/bad-open.ppt", "x");
    tree.write("in/bad-save.ppt", "x");
    tree.write("out/bad-open.rtf", "old one");
    tree.write("out/bad-save.rtf", "old two");
    script.failOpenFor = "bad-open";
    script.failSaveFor = "bad-save";
    auto batch = Run();
    EXPECT_EQ(sw::test::readFile(Out() + "bad-open.rtf"), "old one");
    EXPECT_EQ(sw::test::readFile(Out() + "bad-save.rtf"), "old two");
    EXPECT_EQ(batch->Failed(), 2);
    for (TkdNode* node : batch->Entries()) EXPECT_EQ(node->Status, 2);
    auto calls = script.Calls();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "call Close()"), 1);  // the failed save's presentation
}

TEST(PowerPointOle, ParseVersion) {
    using sw::automation::Variant;
    const struct { Variant value; int version; } cases[] = {
        {Variant("16.0"), 16}, {Variant("12.0"), 12}, {Variant("11.0"), 11}, {Variant("160"), 16},
        {Variant("16,0"), 0}, {Variant(15), 15}, {Variant("abc"), 0}, {Variant(""), 0}, {Variant("1.0.5"), 0},
    };
    for (const auto& c : cases) EXPECT_EQ(TkdPowerPointOle::ParseVersion(c.value), c.version) << c.value.AsString();
}
