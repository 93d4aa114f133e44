#include <gtest/gtest.h>

#include "InfoFixture.h"
#include "support/ProductInfo.h"
#include "support/TkdFileUtils.h"

namespace {
const std::string kSite = sw::support::kWebSite;
}

TEST(OpenPage, AddressesForEveryKindOfPage) {
    InfoFixture f;
    TkdInfo& info = f.Make();
    const std::string stamp = std::to_string(info.InstallStamp);
    const std::string tail = "p=pres2doc&v=1.2.3&c=r1&i=" + stamp;  // store: v=2, R=1
    const struct { const char* kind; std::string action; const char* extra; std::string target; } cases[] = {
        {"download", "", "", kSite + "/en/pres2doc/download.htm?" + tail},
        {"", "", "", kSite + "?" + tail},
        {"", "ins", "src=cd", kSite + "/net/?a=ins&" + tail + "&src=cd"},
        {"", "uni", "", kSite + "/net/?a=uni&" + tail},
        {"", "err&e=Bad \"x\" file", "", kSite + "/net/?a=err&e=Bad x file&" + tail},
        {"supports", "", "", std::string("mailto:") + sw::support::kSupportMail +
                                 "?subject=Support required for Slidewright Converter 1.2.3 - " + stamp},
    };
    for (const auto& c : cases) {
        f.opened.clear();
        info.OpenPage(c.kind, c.action, c.extra);
        ASSERT_EQ(f.opened.size(), 1u);
        EXPECT_EQ(f.opened[0], c.target) << c.kind << "|" << c.action;
    }
}

TEST(OpenPage, EmptyValuesAreLeftOutAndTheTitleAmpersandIsSpelledOut) {
    InfoFixture f;
    TkdInfo& info = f.Make();
    f.project->Version = "";
    f.project->Title = "A & B & C";
    info.OpenPage("supports", "", "");
    EXPECT_EQ(f.opened.back(), std::string("mailto:") + sw::support::kSupportMail +
                                   "?subject=Support required for A And B & C  - " + std::to_string(info.InstallStamp));
    info.Project = nullptr;
    info.OpenPage("", "", "");
    EXPECT_EQ(f.opened.back(), kSite + "?c=r1&i=" + std::to_string(info.InstallStamp));
}

TEST(OpenPage, HelpFilePrefersChmThenPdf) {
    InfoFixture f;
    TkdInfo& info = f.Make();
    info.OpenPage("h", "", "");
    EXPECT_EQ(f.opened.back(), f.exe + ".pdf");  // asked for even when missing
    f.tmp.write("slidewright.chm", "x");
    info.OpenPage("h", "", "");
    EXPECT_EQ(f.opened.back(), f.exe + ".chm");
}

TEST(OpenPage, FailureReportQuotesEscapesAndDropsQuotes) {
    const struct { std::vector<std::string> failures; const char* text; } cases[] = {
        {{"Bad file"}, "\"Bad file\""},
        {{"Can't open \"x?.ppt\""}, "\"Can't open \"\"x%3F.ppt\"\"\""},
        {{"one", "two,three"}, "one,\"two,three\""},
        {{"CreateDir Failed: /out/"}, "\"CreateDir Failed: /out/\""},
    };
    for (const auto& c : cases) EXPECT_EQ(TkdInfo::FailureText(c.failures), c.text);

    InfoFixture f;
    TkdInfo& info = f.Make();
    info.FailureReport({"Can't open \"x?.ppt\""});
    const std::string& address = f.opened.back();
    EXPECT_EQ(address.rfind(kSite + "/net/?a=err&e=Can't open x%3F.ppt&p=pres2doc", 0), 0u) << address;
    EXPECT_EQ(address.find('"'), std::string::npos);
}

TEST(OpenPage, StampPacksTheFolderCreationTime) {
    InfoFixture f;
    TkdInfo& info = f.Make();
    EXPECT_NE(info.InstallStamp, -1);
    const std::uint32_t date = static_cast<std::uint32_t>(info.InstallStamp) >> 16;
    EXPECT_GE(1980 + (date >> 9), 2020u);  // a folder made just now
    EXPECT_EQ(TkdFileUtils::FileStamp(f.tmp.dir() + "missing", true, true), -1);
}
