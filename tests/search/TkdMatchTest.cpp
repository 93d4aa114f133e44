#include "search/TkdMatch.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

TEST(WildcardToRegex, TurnsMasksIntoPatterns) {
    const struct { const char* mask; const char* pattern; } cases[] = {
        {"*.ppt?", ".*\\.ppt.?$"},
        {"report (1).ppt", "report \\(1\\)\\.ppt$"},
        {"a+b[2].ppt", "a\\+b\\[2\\]\\.ppt$"},
        {"", "$"},
        {"^x$.{1}", "\\^x\\$\\.\\{1\\}$"},
        {"a\\b|c;d,e", "a\\b|c;d,e$"},  // backslash, bar and list separators are copied
        {"DECK?.PPT", "DECK.?\\.PPT$"},  // letter case untouched
    };
    for (const auto& c : cases) EXPECT_EQ(WildcardToRegex(c.mask), c.pattern) << c.mask;
}

TEST(TkdMatch, TestsFullPathsCaseInsensitivelyAnchoredAtTheEndOnly) {
    const struct { const char* mask; const char* path; bool matches; } cases[] = {
        {"*.ppt?", "/x/a.PPT", true},
        {"*.ppt?", "/x/a.pptx", true},
        {"*.ppt?", "/x/a.pptm", true},
        {"*.ppt?", "/x/a.pptxx", false},
        {"*.ppt?", "/x/a.ppt.bak", false},
        {"deck*.ppt", "/deck/x.ppt", true},  // the match may begin inside a folder name
        {"deck*.ppt", "/x/olddeck1.ppt", true},
        {"deck*.ppt", "/x/desk1.ppt", false},
        {"", "/anything/at/all", true},
        {"*.ppt?", "/x/\xFF\xFE.ppt", true},  // a name that is not valid UTF-8
    };
    TkdMatch match;
    for (const auto& c : cases)
        EXPECT_EQ(match.Matches(c.path, WildcardToRegex(c.mask)), c.matches) << c.mask << " " << c.path;
}

TEST(TkdMatch, BrokenPatternsAndTheBaseMatchEverything) {
    TkdMatch match;
    EXPECT_TRUE(match.Matches("/x/a.txt", "(unbalanced"));
    EXPECT_TRUE(match.Matches("/x/a.txt", "*a"));
    EXPECT_TRUE(TkdMatchBase().Matches("/x/a.txt", "\\.ppt$"));
    // A pattern rejected once is still answered the same way from the cache.
    EXPECT_TRUE(match.Matches("/x/b.txt", "(unbalanced"));
}

TEST(TkdMatch, RegExtStyleFolderTest) {
    TkdMatch match;
    const char* pattern = "/2023/";
    EXPECT_TRUE(match.Matches("/data/2023/a.ppt", pattern));
    EXPECT_FALSE(match.Matches("/data/2024/a.ppt", pattern));
    EXPECT_TRUE(match.Matches("/DATA/2023/A.PPT", "/data/"));
}

TEST(TkdMatch, AlternatingPatternsFromSeveralThreads) {
    // The search thread and the window may test at once, each with its own
    // mask and RegExt pair alternating on every file.
    TkdMatch match;
    std::vector<std::thread> threads;
    std::vector<int> wrong(4, 0);
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&, t] {
            for (int i = 0; i < 2000; ++i) {
                wrong[t] += !match.Matches("/a/b.pptx", WildcardToRegex("*.ppt?"));
                wrong[t] += match.Matches("/a/b.pptx", "^/c/");
                wrong[t] += !match.Matches("/a/b.pptx", "(x");
            }
        });
    for (auto& t : threads) t.join();
    for (int w : wrong) EXPECT_EQ(w, 0);
}
