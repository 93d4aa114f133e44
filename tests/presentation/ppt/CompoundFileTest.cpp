// Broken compound files: sector chains that loop or leave the file, directory
// trees with cycles, sizes that lie. Each must end quickly with an error
// (or, where the damage does not touch the presentation, read).
#include <gtest/gtest.h>

#include <functional>

#include "CfbPatcher.h"
#include "PptBuilder.h"
#include "PptTestSupport.h"

namespace sw::test::ppt {
namespace {

using sw::pres::ErrorKind;

// A deck whose PowerPoint Document stream is large enough to live in
// regular sectors (at least 4096 bytes); Current User is in the mini stream.
const std::string& sample() {
    static const std::string file = buildPpt(typicalDeck(12));
    return file;
}

struct Case {
    const char* what;
    std::function<void(CfbPatcher&)> patch;
};

TEST(PptCompoundFile, BrokenContainersFailAsDamaged) {
    const Case cases[] = {
        {"document chain loops back to its start midway",
         [](CfbPatcher& p) {
             auto chain = p.chain(p.startSector(p.find(u"PowerPoint Document")));
             p.setFat(chain[chain.size() / 2], chain.front());
         }},
        {"document chain loops onto itself midway",
         [](CfbPatcher& p) {
             auto chain = p.chain(p.startSector(p.find(u"PowerPoint Document")));
             p.setFat(chain[2], chain[2]);
         }},
        {"document chain points past the end of the file",
         [](CfbPatcher& p) { p.setFat(p.startSector(p.find(u"PowerPoint Document")), 0x00FFFF00); }},
        {"document chain ends early",
         [](CfbPatcher& p) { p.setFat(p.startSector(p.find(u"PowerPoint Document")), CfbPatcher::endOfChain); }},
        {"document size far beyond the file",
         [](CfbPatcher& p) { p.setSize(p.find(u"PowerPoint Document"), 0x7FFFFF00); }},
        {"document size beyond its chain",
         [](CfbPatcher& p) {
             int e = p.find(u"PowerPoint Document");
             p.setSize(e, p.size(e) + 3000);
         }},
        {"Current User starts past the mini stream", [](CfbPatcher& p) { p.setStart(p.find(u"Current User"), 4000); }},
        {"Current User mini chain points past the mini stream",
         [](CfbPatcher& p) {
             int e = p.find(u"Current User");
             p.setSize(e, 200);  // now needs more than one mini sector
             p.setMiniFat(p.startSector(e), 4000);
         }},
        {"first FAT sector past the end", [](CfbPatcher& p) { p.setHeader32(0x4C, 0x00FFFF00); }},
        {"directory start past the end", [](CfbPatcher& p) { p.setHeader32(0x30, 0x00FFFF00); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CfbPatcher p(sample());
        c.patch(p);
        auto f = failureOf(p.bytes());
        ASSERT_TRUE(f) << "read without error";
        EXPECT_EQ(f->kind, ErrorKind::Damaged) << f->message;
        EXPECT_NE(f->message.find("is damaged"), std::string::npos) << f->message;
    }
}

TEST(PptCompoundFile, DirectoryCyclesEndQuickly) {
    const Case cases[] = {
        {"entry is its own left sibling",
         [](CfbPatcher& p) {
             int e = p.find(u"PowerPoint Document");
             p.setLeft(e, static_cast<std::uint32_t>(e));
         }},
        {"two entries point at each other",
         [](CfbPatcher& p) {
             int a = p.find(u"PowerPoint Document"), b = p.find(u"Current User");
             p.setRight(a, static_cast<std::uint32_t>(b));
             p.setLeft(b, static_cast<std::uint32_t>(a));
             p.setRight(b, static_cast<std::uint32_t>(a));
         }},
        {"a stream's child points at the root", [](CfbPatcher& p) { p.setChild(p.find(u"Current User"), 0); }},
        {"root's child is out of range", [](CfbPatcher& p) { p.setChild(0, 5000); }},
        // libgsf used to lose the entries behind such links (found by fuzzing).
        {"root has siblings", [](CfbPatcher& p) { p.setRight(0, static_cast<std::uint32_t>(p.find(u"Current User"))); }},
        {"directory chain loops",
         [](CfbPatcher& p) {
             const std::uint32_t dir = p.header32(0x30);
             p.setFat(dir, dir);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CfbPatcher p(sample());
        c.patch(p);
        // Either the error says why, or the part of the tree that is intact
        // still gives the presentation.
        try {
            auto r = readBytes(p.bytes());
            EXPECT_NE(r.text.find("Quarterly review"), std::string::npos);
        } catch (const sw::pres::EngineError& e) {
            EXPECT_TRUE(e.kind() == ErrorKind::Damaged || e.kind() == ErrorKind::NotAPresentation) << e.what();
        }
    }
}

TEST(PptCompoundFile, TruncatedFilesFail) {
    for (std::size_t keep : {sample().size() / 2, std::size_t{1024}, std::size_t{520}}) {
        SCOPED_TRACE(keep);
        auto f = failureOf(sample().substr(0, keep));
        ASSERT_TRUE(f);
        EXPECT_EQ(f->kind, ErrorKind::Damaged) << f->message;
    }
}

}  // namespace
}  // namespace sw::test::ppt
