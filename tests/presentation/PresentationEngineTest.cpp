// The engine's public face: probing, opening with clear errors, atomic saving.
#include <gtest/gtest.h>

#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>
#include <signal.h>
#include <sys/resource.h>

#include <vector>

#include "PptxBuilder.h"
#include "RtfReaders.h"
#include "TempDir.h"
#include "presentation/EngineError.h"
#include "presentation/PresentationEngine.h"
#include "presentation/TraceSink.h"

namespace sw::pres {
namespace {

using test::para;
using test::placeholder;
using test::PptxBuilder;
using test::run;

// A compound file holding streams with these names (libgsf writes it).
std::string compoundFile(const std::vector<std::string>& streams) {
    GsfOutput* memory = gsf_output_memory_new();
    GsfOutfile* ole = gsf_outfile_msole_new(memory);
    for (const auto& name : streams) {
        GsfOutput* child = gsf_outfile_new_child(ole, name.c_str(), FALSE);
        const char data[] = "0123456789abcdef";
        gsf_output_write(child, sizeof data, reinterpret_cast<const guint8*>(data));
        gsf_output_close(child);
        g_object_unref(child);
    }
    gsf_output_close(GSF_OUTPUT(ole));
    g_object_unref(ole);
    const guint8* bytes = gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(memory));
    std::string out(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(gsf_output_size(memory)));
    g_object_unref(memory);
    return out;
}

std::string deck() {
    PptxBuilder b;
    b.addSlide(placeholder("type=\"title\"", para(run("First {slide}"))) +
               placeholder("idx=\"1\"", para(run("Point")) + para(run("Detail"), 1)));
    b.addSlide(placeholder("idx=\"1\"", para(run("Untitled body"))));
    return b.build();
}

struct ProbeCase {
    const char* name;
    std::string bytes;
    FileKind kind;
};

class Probe : public ::testing::TestWithParam<ProbeCase> {};

TEST_P(Probe, TellsTheKindFromTheBytes) {
    EXPECT_EQ(probe(*memorySource(GetParam().bytes)), GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Probe,
    ::testing::Values(ProbeCase{"Package", deck(), FileKind::Package},
                      ProbeCase{"Encrypted", compoundFile({"EncryptionInfo", "EncryptedPackage"}), FileKind::EncryptedPackage},
                      ProbeCase{"Ppt", compoundFile({"Current User", "PowerPoint Document"}), FileKind::BinaryPresentation},
                      ProbeCase{"Ppt95", compoundFile({"PP97_DUALSTORAGE"}), FileKind::BinaryPresentation},
                      ProbeCase{"WordDocument", compoundFile({"WordDocument"}), FileKind::CompoundFile},
                      ProbeCase{"BrokenCompoundFile", std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + "junk",
                                FileKind::CompoundFile},
                      ProbeCase{"Text", "hello, world", FileKind::Unknown},
                      ProbeCase{"Empty", "", FileKind::Unknown}),
    [](const auto& info) { return std::string(info.param.name); });

struct OpenCase {
    const char* name;
    std::string bytes;
    ErrorKind kind;
    const char* messagePart;
};

class OpenFails : public ::testing::TestWithParam<OpenCase> {};

TEST_P(OpenFails, WithAMessageNamingTheFileAndTheCause) {
    test::TempDir dir;
    auto file = dir.write("in.pptx", GetParam().bytes);
    try {
        openPresentation(file);
        FAIL() << "opened";
    } catch (const EngineError& e) {
        EXPECT_EQ(e.kind(), GetParam().kind) << e.what();
        EXPECT_NE(std::string(e.what()).find(file.string()), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find(GetParam().messagePart), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, OpenFails,
    ::testing::Values(OpenCase{"Encrypted", compoundFile({"EncryptionInfo", "EncryptedPackage"}), ErrorKind::Encrypted,
                               "is encrypted (password-protected)"},
                      OpenCase{"OtherCompoundFile", compoundFile({"WordDocument"}), ErrorKind::NotAPresentation,
                               "is not a presentation"},
                      OpenCase{"Text", "plain text", ErrorKind::NotAPresentation, "is not a presentation"},
                      OpenCase{"Empty", "", ErrorKind::NotAPresentation, "the file is empty"},
                      OpenCase{"Truncated", deck().substr(0, 300), ErrorKind::Damaged, "the package is damaged"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OpenPresentation, FoldersAndMissingFilesAreRefused) {
    test::TempDir dir;
    EXPECT_THROW(openPresentation(dir.path()), EngineError);
    try {
        openPresentation(dir.path() / "missing.pptx");
        FAIL();
    } catch (const EngineError& e) {
        EXPECT_EQ(e.kind(), ErrorKind::Io);
        EXPECT_NE(std::string(e.what()).find("missing.pptx"), std::string::npos);
    }
}

TEST(OpenPresentation, ReadsOnceAndReplaysTheOutline) {
    auto opened = openPresentation(*memorySource(deck(), "deck.pptx"));
    TextSink first, second;
    opened->replay(first);
    opened->replay(second);
    EXPECT_EQ(first.str(), "0: First {slide}\n1: Point\n2: Detail\n1: Untitled body\n");
    EXPECT_EQ(second.str(), first.str());
    EXPECT_FALSE(opened->hasVbaProject());
}

TEST(SaveAsRtf, WritesADocumentThatPandocReadsBack) {
    test::TempDir dir;
    auto source = dir.write("deck.pptx", deck());
    auto target = dir.path() / "deck.rtf";
    dir.write("deck.rtf", "old content");
    openPresentation(source)->saveAsRtf(target);
    std::string rtf = test::readFile(target);
    EXPECT_EQ(rtf.rfind("{\\rtf1", 0), 0u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2) << "a temporary file remained";

    auto native = test::pandocNative(target);
    if (!native) GTEST_SKIP() << "pandoc is not installed: the RTF is not read back";
    std::string n = test::flatten(*native);
    EXPECT_NE(n.find("Header 1 ( \"\" , [] , [] ) [ Str \"First\" , Space , Str \"{slide}\" ]"), std::string::npos) << n;
    EXPECT_NE(n.find("Header 2 ( \"\" , [] , [] ) [ Str \"Point\" ]"), std::string::npos) << n;
    EXPECT_NE(n.find("Header 3 ( \"\" , [] , [] ) [ Str \"Detail\" ]"), std::string::npos) << n;
    EXPECT_NE(n.find("Header 2 ( \"\" , [] , [] ) [ Str \"Untitled\" , Space , Str \"body\" ]"), std::string::npos) << n;
}

TEST(SaveAsRtf, AFailedWriteKeepsTheOldTargetAndLeavesNoTemporaryFile) {
    test::TempDir dir;
    auto opened = openPresentation(*memorySource(deck(), "deck.pptx"));
    auto target = dir.write("out.rtf", "old content");

    // A file-size limit makes the write itself fail half-way.
    struct rlimit saved {};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 100;
    ::setrlimit(RLIMIT_FSIZE, &small);
    std::string message;
    try {
        opened->saveAsRtf(target);
    } catch (const EngineError& e) {
        message = e.what();
        EXPECT_EQ(e.kind(), ErrorKind::Io);
    }
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, oldHandler);

    EXPECT_NE(message.find(target.string()), std::string::npos) << message;
    EXPECT_NE(message.find("too large"), std::string::npos) << message;
    EXPECT_EQ(test::readFile(target), "old content");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << "a temporary file remained";
}

TEST(SaveAsRtf, UnwritableTargetsAreReportedWithTheCause) {
    test::TempDir dir;
    auto opened = openPresentation(*memorySource(deck(), "deck.pptx"));
    // A missing folder, and a target that is a folder with content.
    std::filesystem::create_directories(dir.path() / "taken" / "x");
    for (auto target : {dir.path() / "no" / "such" / "out.rtf", dir.path() / "taken"}) {
        try {
            opened->saveAsRtf(target);
            FAIL() << target;
        } catch (const EngineError& e) {
            EXPECT_EQ(e.kind(), ErrorKind::Io);
            EXPECT_NE(std::string(e.what()).find(target.string()), std::string::npos) << e.what();
        }
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "taken" / "x"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << "a temporary file remained";
}

}  // namespace
}  // namespace sw::pres
