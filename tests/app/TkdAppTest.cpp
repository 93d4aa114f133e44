#include "app/TkdApp.h"

#include <gtest/gtest.h>

TEST(TkdApp, FirstArgumentAndProgramFolder) {
    const char* none[] = {"prog"};
    EXPECT_EQ(TkdApp(1, none).FirstArg, "");
    const char* two[] = {"prog", "/My Projects/job.batch-pres2doc", "second"};
    TkdApp app(3, two);
    EXPECT_EQ(app.FirstArg, "/My Projects/job.batch-pres2doc");  // the shell already unquoted it
    EXPECT_FALSE(app.ExeName.empty());
    EXPECT_EQ(app.ExeName.front(), '/');
    EXPECT_EQ(TkdApp("/opt/tools/conv", "").ExeDir, "/opt/tools/");
}
