#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

#include "BatchFixture.h"

namespace fs = std::filesystem;

using BatchSearch = BatchFixture;

TEST_F(BatchSearch, MaskListsFitsOnlyAndPassesOverLockFiles) {
    for (const char* name : {"a.ppt", "b.pptx", "c.pptxx", "D.PPT", "~$a.ppt", "notes.txt"}) File(name);
    EXPECT_EQ(Search(In() + "*.ppt?", false), (Names{"a.ppt", "b.pptx", "D.PPT"}));
    SkipLockFiles = false;
    EXPECT_EQ(Search(In() + "*.ppt?", false), (Names{"a.ppt", "b.pptx", "D.PPT", "~$a.ppt"}));
}

TEST_F(BatchSearch, OneFilesPathListsThatFile) {
    File("a.ppt");
    File("ab.ppt");
    EXPECT_EQ(Search(In() + "A.PPT", false), (Names{"a.ppt"}));
}

TEST_F(BatchSearch, HiddenFilesFollowSkipHiddenButHiddenFoldersAreNeverEntered) {
    for (const char* name : {"a.ppt", ".e.ppt", ".hidden/x.ppt", "sub/.f.ppt", "sub/y.ppt"}) File(name);
    const struct { const char* skipHidden; Names listed; } cases[] = {
        {"", {".e.ppt", "a.ppt", "sub/.f.ppt", "sub/y.ppt"}},
        {"0", {".e.ppt", "a.ppt", "sub/.f.ppt", "sub/y.ppt"}},
        {"False", {".e.ppt", "a.ppt", "sub/.f.ppt", "sub/y.ppt"}},
        {"1", {"a.ppt", "sub/y.ppt"}},
        {"true", {"a.ppt", "sub/y.ppt"}},
    };
    for (const auto& c : cases) {
        project.SetValue("SkipHidden", c.skipHidden);
        EXPECT_EQ(Search(In() + "*.ppt", true), c.listed) << "SkipHidden=" << c.skipHidden;
    }
}

TEST_F(BatchSearch, FolderFilesComeBeforeSubfoldersDepthFirst) {
    for (const char* name : {"z.ppt", "a/a1.ppt", "a/b/b1.ppt", "C/c1.ppt", "m/none.txt", "m/n/n1.ppt", "a/a2.ppt"})
        File(name);
    EXPECT_EQ(Search(In() + "*.ppt", true),
              (Names{"z.ppt", "a/a1.ppt", "a/a2.ppt", "a/b/b1.ppt", "C/c1.ppt", "m/n/n1.ppt"}));
    EXPECT_EQ(Search(In() + "*.ppt", false), (Names{"z.ppt"}));
}

TEST_F(BatchSearch, LinksToFilesAreListedOtherSpecialEntriesAreNot) {
    File("real.ppt");
    File("sub/inner.ppt");
    fs::create_symlink(In() + "real.ppt", In() + "link.ppt");
    fs::create_symlink(In() + "sub", In() + "linkdir");     // a link to a folder is not followed
    fs::create_symlink(In(), In() + "sub/loop");            // nor is a link back up the tree
    fs::create_symlink(In() + "missing.ppt", In() + "broken.ppt");
    ASSERT_EQ(::mkfifo((In() + "fifo.ppt").c_str(), 0600), 0);
    int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::string socketPath = In() + "sock.ppt";
    ASSERT_LT(socketPath.size(), sizeof(address.sun_path));
    socketPath.copy(address.sun_path, socketPath.size());
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);

    EXPECT_EQ(Search(In() + "*.ppt", true), (Names{"link.ppt", "real.ppt", "sub/inner.ppt"}));
    ::close(sock);
}

TEST_F(BatchSearch, RegExtMustAlsoMatchTheFullPath) {
    for (const char* name : {"2023/a.ppt", "x2023/b.ppt", "Q/2023/c.ppt", "2024/d.ppt", "top.ppt"}) File(name);
    const struct { const char* regExt; Names listed; } cases[] = {
        {"", {"top.ppt", "2023/a.ppt", "2024/d.ppt", "Q/2023/c.ppt", "x2023/b.ppt"}},
        {"/2023/", {"2023/a.ppt", "Q/2023/c.ppt"}},
        {"/q/", {"Q/2023/c.ppt"}},                                                      // letter case aside
        {"(", {"top.ppt", "2023/a.ppt", "2024/d.ppt", "Q/2023/c.ppt", "x2023/b.ppt"}},  // broken: lists all
    };
    for (const auto& c : cases) {
        project.SetValue("RegExt", c.regExt);
        EXPECT_EQ(Search(In() + "*.ppt", true), c.listed) << "RegExt=" << c.regExt;
    }
}

TEST_F(BatchSearch, FileAddressesAreSearchedAsPaths) {
    tree.write("in/my deck/a.ppt", "x");
    EXPECT_EQ(Search("file://" + In() + "my%20deck/*.ppt?", false), (Names{"my deck/a.ppt"}));
    EXPECT_EQ(Search("file://localhost" + In() + "my%20deck/*.ppt?", false), (Names{"my deck/a.ppt"}));
}

TEST_F(BatchSearch, MissingFolderOrMissingMaskListsNothingAndFinishes) {
    File("a.ppt");
    EXPECT_EQ(Search(tree.dir() + "nowhere/*.ppt", true), Names{});
    EXPECT_EQ(Search(In(), true), Names{});  // no mask part
}

TEST_F(BatchSearch, UnreadableSubfolderIsPassedOver) {
    if (::geteuid() == 0) GTEST_SKIP() << "permission bits do not stop root from reading folders";
    for (const char* name : {"a.ppt", "locked/b.ppt", "open/c.ppt"}) File(name);
    fs::permissions(In() + "locked", fs::perms::none);
    EXPECT_EQ(Search(In() + "*.ppt", true), (Names{"a.ppt", "open/c.ppt"}));
}

TEST_F(BatchSearch, SubfolderThatCannotBeListedIsPassedOverAsRoot) {
    // Runs as root too: the folder goes away after its parent was listed and
    // before the walk enters it, so listing it fails.
    for (const char* name : {"a.ppt", "gone/b.ppt", "open/c.ppt"}) File(name);
    TkdBatch batch(project, &matcher);
    batch.OnFound = [&](TkdBatch&, TkdNode& node) {
        if (node.Index == 0) fs::remove_all(In() + "gone");
    };
    batch.StartSearch(In() + "*.ppt", Out(), true);
    batch.WaitFor();
    EXPECT_EQ(Relative(batch), (Names{"a.ppt", "open/c.ppt"}));
}

TEST_F(BatchSearch, StartSearchCreatesTheTargetAndRefusesAnEmptyOne) {
    File("a.ppt");
    {
        TkdBatch batch(project, &matcher);
        EXPECT_THROW(
            {
                try {
                    batch.StartSearch(In() + "*.ppt", "", false);
                } catch (const std::runtime_error& e) {
                    EXPECT_STREQ(e.what(), "Unable to create directory");
                    throw;
                }
            },
            std::runtime_error);
        EXPECT_FALSE(batch.IsFinished());  // nothing was started
        EXPECT_EQ(batch.Count(), 0);
    }
    TkdBatch batch(project, &matcher);
    batch.StartSearch(In() + "*.ppt", tree.dir() + "new/deep/out/", false);
    batch.WaitFor();
    EXPECT_TRUE(fs::is_directory(tree.dir() + "new/deep/out"));
    EXPECT_EQ(batch.Folder(), In());
    EXPECT_EQ(batch.Mask(), "*.ppt");
    EXPECT_EQ(batch.Target(), tree.dir() + "new/deep/out/");
}

TEST_F(BatchSearch, OnFoundReportsEachEntryOnTheSearchThread) {
    for (const char* name : {"a.ppt", "b.ppt", "c.ppt"}) File(name);
    TkdBatch batch(project, &matcher);
    std::vector<int> indexes;
    std::vector<std::thread::id> threads;
    batch.OnFound = [&](TkdBatch& b, TkdNode& node) {
        EXPECT_EQ(&b, &batch);
        b.LockList();  // called outside the lock, so the callee may take it
        b.UnlockList();
        indexes.push_back(node.Index);
        threads.push_back(std::this_thread::get_id());
    };
    batch.StartSearch(In() + "*.ppt", Out(), false);
    batch.WaitFor();
    EXPECT_EQ(indexes, (std::vector<int>{0, 1, 2}));
    for (auto id : threads) EXPECT_NE(id, std::this_thread::get_id());
}

TEST_F(BatchSearch, StopDuringTheWalkKeepsWhatWasFound) {
    for (int i = 0; i < 20; ++i) File("f" + std::to_string(100 + i) + ".ppt");
    TkdBatch batch(project, &matcher);
    batch.OnFound = [](TkdBatch& b, TkdNode& node) {
        if (node.Index == 4) b.Terminate();
    };
    batch.StartSearch(In() + "*.ppt", Out(), true);
    batch.WaitFor();
    EXPECT_TRUE(batch.IsFinished());
    EXPECT_EQ(batch.Count(), 5);
    for (int i = 0; i < 5; ++i) EXPECT_NE(batch.NextEntry(), nullptr);
    EXPECT_EQ(batch.NextEntry(), nullptr);
    EXPECT_TRUE(batch.IsExhausted());
}

TEST_F(BatchSearch, DestroyingTheBatchStopsARunningSearch) {
    for (int i = 0; i < 500; ++i) File("d" + std::to_string(i / 50) + "/f" + std::to_string(i) + ".ppt");
    std::atomic<int> found{0};
    {
        TkdBatch batch(project, &matcher);
        batch.OnFound = [&](TkdBatch&, TkdNode&) {
            ++found;
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        };
        batch.StartSearch(In() + "*.ppt", Out(), true);
        while (found == 0) std::this_thread::yield();
    }
    EXPECT_LT(found.load(), 500);
}

TEST_F(BatchSearch, AddFileListsAnyPathAndFinishesTheList) {
    File("a.txt");
    TkdBatch batch(project, &matcher);
    batch.AddFile(In());  // a folder: no mask applies to a batch that never searched
    batch.AddFile(In() + "a.txt");
    EXPECT_TRUE(batch.IsFinished());
    auto entries = batch.Entries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1]->Index, 1);
    EXPECT_EQ(entries[1]->Source, In() + "a.txt");
    EXPECT_EQ(entries[1]->Status, 0);
    EXPECT_EQ(batch.NextEntry(), entries[0]);
    EXPECT_EQ(batch.NextEntry(), entries[1]);
    EXPECT_FALSE(batch.IsExhausted());
    EXPECT_EQ(batch.NextEntry(), nullptr);
    EXPECT_TRUE(batch.IsExhausted());
}

TEST_F(BatchSearch, FailuresAreCountedEachButKeptOnceAndSurviveClear) {
    TkdBatch batch(project, &matcher);
    batch.AddFile("/x/a.ppt");
    batch.ReportFailure("Bad file");
    batch.ReportFailure("BAD FILE");
    batch.ReportFailure("Other");
    batch.ReportSuccess();
    EXPECT_EQ(batch.Failed(), 3);
    EXPECT_EQ(batch.Succeeded(), 1);
    EXPECT_EQ(batch.Failures(), (Names{"Bad file", "Other"}));
    ASSERT_NE(batch.NextEntry(), nullptr);
    batch.Clear();
    EXPECT_EQ(batch.Count(), 0);
    EXPECT_EQ(batch.Failed(), 0);
    EXPECT_EQ(batch.Succeeded(), 0);
    EXPECT_FALSE(batch.IsFinished());
    EXPECT_EQ(batch.Failures(), (Names{"Bad file", "Other"}));
    batch.AddFile("/x/b.ppt");
    EXPECT_EQ(batch.NextEntry()->Source, "/x/b.ppt");  // the hand-out starts again
}
