#include "platform/Regex.h"

#include <gtest/gtest.h>

#include <string>

using namespace sw::platform;

TEST(Regex, ComponentErrorNumbersAndTexts) {
    const struct { const char* pattern; int number; const char* text; } cases[] = {
        {"*a", 5018, "Unexpected quantifier"},
        {"a**", 5018, "Unexpected quantifier"},
        {"+", 5018, "Unexpected quantifier"},
        {"[abc", 5019, "Expected ']' in regular expression"},
        {"(abc", 5020, "Expected ')' in regular expression"},
        {"[z-a]", 5021, "Invalid range in character set"},
        {"abc)", 5017, "Syntax error in regular expression"},
        {"abc\\", 5017, "Syntax error in regular expression"},
        {"a{2,1}", 5017, "Syntax error in regular expression"},
    };
    for (const auto& c : cases) {
        try {
            RegexTest(c.pattern, "abc", false);
            ADD_FAILURE() << "no error for " << c.pattern;
        } catch (const ERegexException& e) {
            EXPECT_EQ(e.Number(), c.number) << c.pattern;
            EXPECT_STREQ(e.what(), c.text) << c.pattern;
        }
    }
}

TEST(Regex, JavaScriptDialect) {
    EXPECT_TRUE(RegexTest("\\u00e9", "caf\xC3\xA9", false));   // \uHHHH
    EXPECT_TRUE(RegexTest("\\x41", "A", false));                // \xHH
    EXPECT_FALSE(RegexTest("a$", "a\n", false));                // $ only at the very end
    EXPECT_TRUE(RegexTest("DECK", "deck", true));
    EXPECT_FALSE(RegexTest("DECK", "deck", false));
    EXPECT_TRUE(RegexTest(".*\\.ppt.?$", "/x/\xFF\xFE.ppt", true));  // invalid UTF-8 in a name
}

TEST(Regex, ReplaceFirstIsCaseSensitiveAndReplacesOnce) {
    EXPECT_EQ(RegexReplaceFirst("^file:/*", "file:///C:/a", ""), "C:/a");
    EXPECT_EQ(RegexReplaceFirst("^file:/*", "file:C:/a", ""), "C:/a");
    EXPECT_EQ(RegexReplaceFirst("^file:/*", "FILE:///C:/a", ""), "FILE:///C:/a");
    EXPECT_EQ(RegexReplaceFirst("a", "banana", "o"), "bonana");
}

TEST(Regex, RunawayPatternFailsInsteadOfHanging) {
    // (a|b)*c against a long text without "c": heavy backtracking, no stack overflow.
    std::string text(200000, 'a');
    EXPECT_FALSE(RegexTest("(a|b)*c", text, false));
    EXPECT_THROW(RegexTest("^(\\w+\\s?)*$", std::string(5000, 'a') + "!", false), ERegexException);
}
