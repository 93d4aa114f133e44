#include <filesystem>

#include "SubstituteConvertor.h"

namespace fs = std::filesystem;

// BuildTarget on a worker that is never started.
class ConvertorTarget : public ConvertorFixture {
protected:
    void SetUp() override {
        ConvertorFixture::SetUp();
        batch = std::make_unique<TkdBatch>(project, &matcher);
        batch->StartSearch(In() + "*.ppt?", Out(), true);
        batch->WaitFor();
        chain = TkdConvertor::CreateWorkers(*batch, Out(), {});
    }
    std::string Target(const std::string& source) {
        node.Source = source;
        node.Status = 0;
        return static_cast<SubstituteConvertor&>(*chain).BuildTarget(*batch, node);
    }

    std::unique_ptr<TkdBatch> batch;
    std::unique_ptr<TkdConvertor> chain;
    TkdNode node;
};

TEST_F(ConvertorTarget, KeepsTheSubfoldersBelowTheSearchFolderUnlessTold) {
    const struct { const char* keep; const char* source; const char* target; } cases[] = {
        {"", "sub/x.pptx", "sub/x.rtf"},
        {"1", "sub/deeper/x.ppt", "sub/deeper/x.rtf"},
        {"0", "sub/x.pptx", "x.rtf"},
        {"False", "sub/deeper/x.ppt", "x.rtf"},
        {"", "a:b\\c.ppt", "a_b_c.rtf"},  // ":" and "\" a Windows share would refuse
        {"", "noext", "noext.rtf"},
        {"", "two.dots.pptx", "two.dots.rtf"},
    };
    for (const auto& c : cases) {
        project.SetValue("KeepTargetSubdirs", c.keep);
        EXPECT_EQ(Target(In() + c.source), Out() + c.target) << c.source;
        EXPECT_TRUE(fs::is_directory(sw::platform::FolderPart(Out() + c.target)));
    }
}

TEST_F(ConvertorTarget, AFileAddedByHandGoesStraightIntoTheTarget) {
    TkdBatch byHand(project, &matcher);
    byHand.AddFile("/elsewhere/deep/x.pptx");
    auto worker = TkdConvertor::CreateWorkers(byHand, Out(), {});
    node.Source = "/elsewhere/deep/x.pptx";
    EXPECT_EQ(static_cast<SubstituteConvertor&>(*worker).BuildTarget(byHand, node), Out() + "x.rtf");
}

TEST_F(ConvertorTarget, AlternativeExtensionsFollowTheMacroRule) {
    project.AltTargetExt = ".alt";
    project.MacroTargetExt = ".mac";
    const struct { const char* macroEnabled; const char* source; const char* target; } cases[] = {
        {"", "x.pptx", "x.alt"},
        {"1", "x.pptm", "x.mac"},  // the base class answers HasMacros with true
        {"1", "x.ALT", "x.rtf"},   // already an alternative: the main extension
        {"", "x.Mac", "x.rtf"},
    };
    for (const auto& c : cases) {
        project.SetValue("MacroEnabled", c.macroEnabled);
        EXPECT_EQ(Target(In() + c.source), Out() + c.target) << c.source;
    }
}

TEST_F(ConvertorTarget, AnExistingTargetFollowsTheOverwriteAnswer) {
    tree.write("out/x.rtf", "old");
    const struct { const char* overwrite; const char* target; int status; } cases[] = {
        {"", "x.rtf", 0},
        {"maybe", "x.rtf", 0},
        {"1", "x.rtf", 0},
        {"0", "-pres2doc-x.rtf", 0},
        {"false", "-pres2doc-x.rtf", 0},
        {"skip", "", 1},
        {"SKIP", "", 1},
    };
    for (const auto& c : cases) {
        project.SetValue("IsOverwrite", c.overwrite);
        std::string expected = *c.target ? Out() + c.target : "";
        EXPECT_EQ(Target(In() + "x.pptx"), expected) << c.overwrite;
        EXPECT_EQ(node.Status, c.status) << c.overwrite;
        EXPECT_TRUE(node.ResultText.empty());
    }
    EXPECT_EQ(sw::test::readFile(Out() + "x.rtf"), "old");  // working out a name touches nothing
    EXPECT_EQ(batch->Failed() + batch->Succeeded(), 0);
}

TEST_F(ConvertorTarget, ATargetFolderThatCannotBeMadeIsReportedAndTheEntryGoesOn) {
    tree.write("out/blocker", "a file where a folder should go");
    EXPECT_EQ(Target(In() + "blocker/x.pptx"), Out() + "blocker/x.rtf");
    EXPECT_EQ(batch->Failures(), (Names{"CreateDir Failed: " + Out() + "blocker/"}));
}

TEST_F(ConvertorTarget, ThreadsCountGivesTheChain) {
    const struct { const char* threads; std::vector<int> counts; } cases[] = {
        {"", {1}}, {"0", {1}}, {"-3", {1}}, {"abc", {1}}, {"4", {4, 3, 2, 1}}, {"$3", {3, 2, 1}},
    };
    for (const auto& c : cases) {
        project.SetValue("ThreadsCount", c.threads);
        script.factoryCalls = 0;
        auto head = TkdConvertor::CreateWorkers(*batch, Out(), {});
        std::vector<int> counts;
        for (TkdConvertor* worker = head.get(); worker; worker = worker->Next()) {
            counts.push_back(worker->WorkerCount());
            EXPECT_NE(dynamic_cast<SubstituteConvertor*>(worker), nullptr);  // the project's class throughout
            EXPECT_FALSE(worker->Started());
        }
        EXPECT_EQ(counts, c.counts) << "ThreadsCount=" << c.threads;
        EXPECT_EQ(script.factoryCalls, static_cast<int>(c.counts.size()));
    }
}

TEST_F(ConvertorTarget, CreateWorkersTakesTheTargetFolderAsAPath) {
    TkdConvertor::CreateWorkers(*batch, "file://" + tree.dir() + "other%20out/", {});
    EXPECT_EQ(batch->Target(), tree.dir() + "other out/");
}
