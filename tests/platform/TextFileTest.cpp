#include "platform/TextFile.h"

#include <gtest/gtest.h>

#include <system_error>

#include "TempDir.h"

using namespace sw::platform;

TEST(TextFile, DecodesByteOrderMarksUtf8AndWindows1252) {
    const struct { std::string bytes; std::string text; const char* what; } cases[] = {
        {"\xEF\xBB\xBFSource=/x/caf\xC3\xA9", "Source=/x/caf\xC3\xA9", "UTF-8 with mark"},
        {std::string("\xFF\xFE" "S\0=\0\xE9\0\x3A\x04", 10), "S=\xC3\xA9\xD0\xBA", "UTF-16 LE"},
        {std::string("\xFE\xFF" "\0S\0=\0\xE9\x04\x3A", 10), "S=\xC3\xA9\xD0\xBA", "UTF-16 BE"},
        {std::string("\xFF\xFE" "=\0\x3D\xD8\x00\xDE", 8), "=\xF0\x9F\x98\x80", "UTF-16 surrogate pair"},
        {std::string("\xFF\xFE" "A\0B", 5), "A", "UTF-16 odd byte dropped"},
        {"Source=/x/caf\xC3\xA9", "Source=/x/caf\xC3\xA9", "valid UTF-8 without mark"},
        {"Source=/x/caf\xE9 \x80", "Source=/x/caf\xC3\xA9 \xE2\x82\xAC", "Windows-1252"},
        {"\xC0\xAF", "\xC3\x80\xC2\xAF", "overlong UTF-8 is Windows-1252"},
        {"", "", "empty"},
    };
    for (const auto& c : cases) EXPECT_EQ(DecodeText(c.bytes), c.text) << c.what;
}

TEST(TextFile, SplitsAtEveryKindOfLineBreak) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n\r\nb\r\n"), (Lines{"a", "", "b"}));  // empty lines count, the last break adds none
    EXPECT_EQ(SplitLines("\n"), (Lines{""}));
    EXPECT_EQ(SplitLines(""), Lines{});
    EXPECT_EQ(SplitLines("a\n\rb"), (Lines{"a", "", "b"}));  // LF then CR is two breaks
}

TEST(TextFile, WritesUtf8WithCrLfAndReadsItBack) {
    sw::test::TempDir tmp;
    auto path = tmp.path() / "p.txt";
    WriteTextLines(path, {"Source=/x/\xC3\xA9", "", "Target=/y/"});
    EXPECT_EQ(sw::test::readFile(path), "Source=/x/\xC3\xA9\r\n\r\nTarget=/y/\r\n");
    EXPECT_EQ(SplitLines(ReadTextFile(path)), (std::vector<std::string>{"Source=/x/\xC3\xA9", "", "Target=/y/"}));
    WriteTextLines(path, {});
    EXPECT_EQ(sw::test::readFile(path), "");
}

TEST(TextFile, ErrorsNameTheFile) {
    sw::test::TempDir tmp;
    const struct { std::filesystem::path path; } cases[] = {{tmp.path() / "missing.txt"}, {tmp.path()}};
    for (const auto& c : cases) {
        try {
            ReadTextFile(c.path);
            ADD_FAILURE() << "no error for " << c.path;
        } catch (const std::system_error& e) {
            EXPECT_NE(std::string(e.what()).find(c.path.string()), std::string::npos) << e.what();
        }
    }
    EXPECT_THROW(WriteTextLines(tmp.path() / "no" / "such" / "folder.txt", {"x"}), std::system_error);
}
