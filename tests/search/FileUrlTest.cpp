#include "search/FileUrl.h"
#include "search/TkdBatch.h"

#include <gtest/gtest.h>

TEST(FileUrlToPath, FollowsTheFileUriForms) {
    const struct { const char* text; const char* path; } cases[] = {
        {"file:///a/b", "/a/b"},
        {"file:/a/b", "/a/b"},
        {"file://localhost/a/b", "/a/b"},
        {"file://LocalHost/a/b", "/a/b"},
        {"file://host/share/x", "//host/share/x"},
        {"file://10.1.2.3/pub/", "//10.1.2.3/pub/"},
        {"file:////host/share/x", "//host/share/x"},  // the four-slash share form
        {"file:///in/my%20deck/%C3%A9.ppt", "/in/my deck/\xC3\xA9.ppt"},
        {"file:///in/100%", "/in/100%"},              // a bare "%" stays
        {"file:///in/%zz", "/in/%zz"},
        {"file:///in/*.ppt?", "/in/*.ppt?"},          // "?" belongs to the mask here
        {"file://", ""},
        {"file:", ""},
        {"file://host", "//host"},
        {"FILE:///a/b", "FILE:///a/b"},               // exact case only
        {" file:///a", " file:///a"},
        {"/plain/path/*.ppt?", "/plain/path/*.ppt?"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileUrlToPath(c.text), c.path) << c.text;
        EXPECT_EQ(TkdBatch::FileUrlToPath(c.text), c.path) << c.text;
    }
}
