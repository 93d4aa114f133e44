#include <gtest/gtest.h>

#include <thread>

#include "InfoFixture.h"
#include "platform/DosDateTime.h"
#include "support/TkdFileUtils.h"

using Lines = std::vector<std::string>;

TEST(Counters, FirstStartWritesVersionMarkAndOneStart) {
    InfoFixture f;
    TkdInfo& info = f.Make();
    EXPECT_EQ(info.StoreLines(), (Lines{"v=2", "R=1"}));
    EXPECT_EQ(sw::test::readFile(f.StoreFile()), "v=2\r\nR=1\r\n");
    f.Make();
    EXPECT_EQ(f.info->StoreValue("R"), "2");
}

TEST(Counters, TallySetsRaisesAndCreates) {
    InfoFixture f;
    TkdInfo& info = f.Make();
    info.Tally("C", 0, 1);
    info.Tally("A", 0, 10);
    info.Tally("S", 0, 8);
    info.Tally("F", 0, 0);  // created with "0"
    info.Tally("W", 16, 1);
    info.Tally("W", 0, 1);
    info.Tally("w", 12, 1);  // names compare without regard to case
    EXPECT_EQ(info.StoreLines(), (Lines{"v=2", "R=1", "C=1", "A=10", "S=8", "F=0", "W=12"}));
    EXPECT_EQ(info.CountersText(), "r1c1a10s8f0w12");
    f.info.reset();
    EXPECT_EQ(sw::test::readFile(f.StoreFile()), "v=2\r\nR=1\r\nC=1\r\nA=10\r\nS=8\r\nF=0\r\nW=12\r\n");
}

TEST(Counters, CorruptOrHandEditedFilesStartAfresh) {
    const char* files[] = {"garbage\x01\x02", "v=2\r\nR=x\r\n", "v=2\r\nC=5\r\n", "R=\r\n", ""};
    for (const char* content : files) {
        InfoFixture f;
        f.tmp.write("slidewright.ext", content);
        TkdInfo& info = f.Make();
        EXPECT_EQ(info.StoreLines(), (Lines{"v=2", "R=1"})) << content;
    }
    InfoFixture f;
    f.tmp.write("slidewright.ext", "R=41\r\nC=3\r\nv=1\r\n");
    EXPECT_EQ(f.Make().StoreLines(), (Lines{"R=42", "C=3", "v=2"}));
}

TEST(Counters, UnwritableFileIsPassedOver) {
    InfoFixture f;
    std::filesystem::create_directories(f.StoreFile());  // a folder where the file should be
    TkdInfo& info = f.Make();
    info.Tally("C", 0, 1);
    EXPECT_EQ(info.StoreValue("C"), "1");
    f.info.reset();  // no exception from the final save either
}

TEST(Counters, ErrorReportCountsAndOpensThePage) {
    InfoFixture f;
    TkdInfo& info = f.Make();
    info.HandleError("Access violation");
    EXPECT_EQ(info.StoreValue("E"), "1");
    EXPECT_NE(f.opened.back().find("/net/?a=err&e=Access violation&p=pres2doc"), std::string::npos) << f.opened.back();
}

TEST(Counters, WorkersTallyWhileTheOwnerReads) {
    InfoFixture f;
    TkdInfo& info = f.Make();
    std::vector<std::thread> workers;
    for (int t = 0; t < 4; ++t)
        workers.emplace_back([&] {
            for (int i = 0; i < 200; ++i) info.Tally("W", 0, 1);
        });
    for (int i = 0; i < 200; ++i) info.OpenPage("", "", "");
    for (auto& w : workers) w.join();
    EXPECT_EQ(info.StoreValue("W"), "800");
}

TEST(Counters, DosDateTimePacking) {
    std::tm t{};
    t.tm_year = 2024 - 1900;
    t.tm_mon = 2;
    t.tm_mday = 15;
    t.tm_hour = 13;
    t.tm_min = 45;
    t.tm_sec = 31;
    const auto packed = static_cast<std::uint32_t>(sw::platform::PackDosDateTime(t));
    EXPECT_EQ(packed >> 16, (44u << 9) | (3u << 5) | 15u);
    EXPECT_EQ(packed & 0xFFFF, (13u << 11) | (45u << 5) | 15u);
    t.tm_year = 1979 - 1900;
    EXPECT_EQ(sw::platform::PackDosDateTime(t), -1);
    t.tm_year = 2108 - 1900;
    EXPECT_EQ(sw::platform::PackDosDateTime(t), -1);
}

TEST(Counters, ReadAndWriteTextInBothCharacterSizes) {
    sw::test::TempDir tmp;
    const std::string path = tmp.dir() + "new/folder/t.txt";
    TkdFileUtils::WriteText(path, "a\xC3\xA9\xF0\x9F\x98\x80", 2, false);
    EXPECT_EQ(sw::test::readFile(path), std::string("a\0\xE9\0\x3D\xD8\x00\xDE", 8));
    EXPECT_EQ(TkdFileUtils::ReadText(path, 2), "a\xC3\xA9\xF0\x9F\x98\x80");
    TkdFileUtils::WriteText(path, "x", 1, true);
    EXPECT_EQ(TkdFileUtils::ReadText(path, 1).size(), 9u);
    EXPECT_THROW(TkdFileUtils::ReadText(tmp.dir() + "missing", 1), std::exception);
}
