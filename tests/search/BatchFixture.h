#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "TempDir.h"
#include "app/TkdApp.h"
#include "app/TkdProject.h"
#include "platform/ProgramFiles.h"
#include "search/TkdBatch.h"
#include "search/TkdMatch.h"

// A project of the tests' own, a source tree and a target folder.
class BatchFixture : public ::testing::Test {
protected:
    void SetUp() override { SkipLockFiles = true; }
    void TearDown() override { SkipLockFiles = false; }

    std::string In() const { return tree.dir() + "in/"; }
    std::string Out() const { return tree.dir() + "out/"; }
    void File(const std::string& relative) const { tree.write("in/" + relative, "x"); }

    // The listed paths, below the "in" folder, in list order.
    std::vector<std::string> Search(const std::string& source, bool subfolders) {
        TkdBatch batch(project, &matcher);
        batch.StartSearch(source, Out(), subfolders);
        batch.WaitFor();
        EXPECT_TRUE(batch.IsFinished());
        return Relative(batch);
    }
    std::vector<std::string> Relative(const TkdBatch& batch) const {
        std::vector<std::string> names;
        for (TkdNode* node : batch.Entries())
            names.push_back(node->Source.rfind(In(), 0) == 0 ? node->Source.substr(In().size()) : node->Source);
        return names;
    }

    sw::test::TempDir programFiles;
    sw::test::TempDir tree;
    TkdApp app{"/some/dir/slidewright", ""};
    TkdProject project{app, sw::platform::ProgramFiles(app.ExeName, programFiles.dir())};
    TkdMatch matcher;
};

using Names = std::vector<std::string>;
