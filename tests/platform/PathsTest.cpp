#include "platform/Paths.h"

#include <gtest/gtest.h>

using namespace sw::platform;

TEST(Paths, FolderFileAndExtensionParts) {
    const struct { const char* path; const char* folder; const char* name; const char* ext; } cases[] = {
        {"/in/deck.pptx", "/in/", "deck.pptx", ".pptx"},
        {"/in/*.ppt?", "/in/", "*.ppt?", ".ppt?"},
        {"/in/", "/in/", "", ""},
        {"deck", "", "deck", ""},
        {"/a.b/deck", "/a.b/", "deck", ""},        // a dot in a folder is no extension
        {"/in/C:deck.ppt", "/in/", "C:deck.ppt", ".ppt"},  // ":" is an ordinary character
        {"/in/.hidden", "/in/", ".hidden", ".hidden"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FolderPart(c.path), c.folder) << c.path;
        EXPECT_EQ(FileNamePart(c.path), c.name) << c.path;
        EXPECT_EQ(ExtractFileExt(c.path), c.ext) << c.path;
    }
}

TEST(Paths, ChangeExtensionAndTrailingDelimiter) {
    EXPECT_EQ(ChangeFileExt("/opt/sw/slidewright", ".ext"), "/opt/sw/slidewright.ext");
    EXPECT_EQ(ChangeFileExt("/opt/sw/slidewright.bin", ".batch-pres2doc"), "/opt/sw/slidewright.batch-pres2doc");
    EXPECT_EQ(ChangeFileExt("/a.b/deck", ".rtf"), "/a.b/deck.rtf");
    EXPECT_EQ(IncludeTrailingDelimiter("/out"), "/out/");
    EXPECT_EQ(IncludeTrailingDelimiter("/out/"), "/out/");
    EXPECT_EQ(IncludeTrailingDelimiter(""), "");
}
