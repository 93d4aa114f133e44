#include "search/FileNameMask.h"

#include <gtest/gtest.h>

TEST(FileNameMask, MatchesWholeNamesWithoutRegardToCase) {
    const struct { const char* mask; const char* name; bool matches; } cases[] = {
        {"*.ppt?", "a.ppt", true},
        {"*.ppt?", "b.pptx", true},
        {"*.ppt?", "D.PPT", true},
        {"*.ppt?", "c.pptxx", false},      // "?" is one character or none, not two
        {"*.ppt?", "a.ppt.bak", false},    // the whole name must fit
        {"*.ppt?", "xa.ppt", true},
        {"deck?.ppt", "deck.ppt", true},   // "?" may stand for nothing
        {"deck?.ppt", "deck1.ppt", true},
        {"deck?.ppt", "deck12.ppt", false},
        {"*", "", true},
        {"", "", true},
        {"", "a", false},
        {"a**b", "ab", true},
        {"*a*a*a*a*a*b", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", false},  // no blow-up
        {"[1].ppt", "[1].ppt", true},     // no character classes
        {"a.ppt", "a_ppt", false},        // "." is a plain character
        {"ÄRGER*.ppt", "ärger 2.ppt", true},  // Latin-1 letters fold too
        {"?.ppt", "é.ppt", true},         // one character, two bytes
        {"?.ppt", "\xff.ppt", true},      // a stray byte is one character
        {"\xff*", "\xff" "abc", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FileNameMask(c.mask).Matches(c.name), c.matches) << c.mask << " vs " << c.name;
}

TEST(FileNameMask, LongMasksFollowTheSameRules) {
    const std::string stem(70, 'k');
    FileNameMask mask(stem + "*.PPT?");
    EXPECT_TRUE(mask.Matches(stem + ".ppt"));
    EXPECT_TRUE(mask.Matches(stem + "middle.pptx"));
    EXPECT_FALSE(mask.Matches(stem + ".pptxx"));
    EXPECT_FALSE(mask.Matches(stem.substr(1) + ".ppt"));
}
