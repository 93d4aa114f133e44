// Every package of the shared corpus either converts to RTF that pandoc reads
// back, or fails with a clear EngineError; never a crash, a hang, or an empty
// success for a deck with slides.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

#include "RtfReaders.h"
#include "TempDir.h"
#include "presentation/EngineError.h"
#include "presentation/OutlineModel.h"
#include "presentation/PresentationEngine.h"
#include "presentation/TraceSink.h"

namespace sw::pres {
namespace {

namespace fs = std::filesystem;

bool isPackageName(const fs::path& p) {
    std::string ext = p.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext == ".pptx" || ext == ".pptm" || ext == ".ppsx" || ext == ".ppsm" || ext == ".potx" || ext == ".potm";
}

struct ManifestEntry {
    int slides = -1;   // -1: not stated
    std::string note;  // what the origin says is special about the file
};

// MANIFEST.tsv: file -> slide count and note.
std::map<std::string, ManifestEntry> readManifest(const fs::path& corpus) {
    std::map<std::string, ManifestEntry> out;
    std::ifstream in(corpus / "MANIFEST.tsv");
    std::string line;
    std::getline(in, line);  // header: file repo commit path bytes sha256 kind ext slides ...
    while (std::getline(in, line)) {
        std::vector<std::string> cols;
        std::stringstream ss(line);
        for (std::string c; std::getline(ss, c, '\t');) cols.push_back(c);
        if (cols.size() < 9) continue;
        ManifestEntry& e = out[cols[0]];
        if (!cols[8].empty()) e.slides = std::stoi(cols[8]);
        e.note = cols.back();
    }
    return out;
}

// A rough, independent look for outline text: some p:sp of a slide part that
// has a title/body-like placeholder and a non-blank a:t (read with unzip).
bool slidePartsHavePlaceholderText(const fs::path& file) {
    int rc = 0;
    std::string xml = test::runCommand("unzip -p '" + file.string() + "' 'ppt/slides/*.xml' 2>/dev/null", rc);
    for (std::size_t at = xml.find("<p:sp>"); at != std::string::npos;) {
        std::size_t end = xml.find("</p:sp>", at);
        std::string shape = xml.substr(at, end == std::string::npos ? std::string::npos : end - at);
        at = xml.find("<p:sp>", at + 1);
        std::size_t ph = shape.find("<p:ph");
        if (ph == std::string::npos) continue;
        std::string phTag = shape.substr(ph, shape.find('>', ph) - ph);
        bool outline = phTag.find("type=") == std::string::npos || phTag.find("\"title\"") != std::string::npos ||
                       phTag.find("Title\"") != std::string::npos || phTag.find("\"body\"") != std::string::npos ||
                       phTag.find("\"obj\"") != std::string::npos;
        if (!outline) continue;
        for (std::size_t t = shape.find("<a:t>"); t != std::string::npos; t = shape.find("<a:t>", t + 1)) {
            std::size_t end = shape.find("</a:t>", t);
            if (end != std::string::npos && shape.substr(t + 5, end - t - 5).find_first_not_of(" ") != std::string::npos)
                return true;
        }
    }
    return false;
}

// Counts level-0 paragraphs: one per slide.
int headingCount(const std::string& rtf) {
    int n = 0;
    for (std::size_t p = rtf.find("\\outlinelevel0 "); p != std::string::npos; p = rtf.find("\\outlinelevel0 ", p + 1)) ++n;
    return n;
}

TEST(PresentationCorpus, EveryPackageConvertsOrFailsClearly) {
    const fs::path corpus = test::sourceDir() / ".." / "shared" / "corpus";
    if (!fs::is_directory(corpus)) GTEST_SKIP() << "no corpus at " << corpus << ": the corpus test is skipped";
    const auto manifest = readManifest(corpus);

    std::vector<fs::path> files;
    for (const auto& e : fs::recursive_directory_iterator(corpus))
        if (e.is_regular_file() && isPackageName(e.path())) files.push_back(e.path());
    std::sort(files.begin(), files.end());
    ASSERT_FALSE(files.empty());

    test::TempDir out;
    std::vector<fs::path> written;
    int converted = 0, failed = 0;
    for (const auto& file : files) {
        const std::string rel = fs::relative(file, corpus).string();
        SCOPED_TRACE(rel);
        try {
            auto opened = openPresentation(file);
            fs::path target = out.path() / (std::to_string(written.size()) + ".rtf");
            opened->saveAsRtf(target);
            written.push_back(target);
            ++converted;
            const std::string rtf = test::readFile(target);
            TextSink text;
            opened->replay(text);
            const bool hasText = text.str().find_first_not_of("0123456789: \n\t") != std::string::npos;
            if (auto it = manifest.find(rel); it != manifest.end() && it->second.slides >= 0) {
                EXPECT_EQ(headingCount(rtf), it->second.slides) << "slide count differs from the manifest";
            }
            if (!hasText) {
                EXPECT_FALSE(slidePartsHavePlaceholderText(file)) << "converted without the placeholder text it has";
            }
        } catch (const EngineError& e) {
            ++failed;
            std::string msg = e.what();
            EXPECT_NE(msg.find(file.string()), std::string::npos) << "message does not name the file: " << msg;
            // A deck whose origin counts slides must not fail unless it is one of the broken ones.
            if (auto it = manifest.find(rel); it != manifest.end() && it->second.slides > 0)
                ADD_FAILURE() << "a deck with " << it->second.slides << " slides failed: " << msg;
            std::cout << "[ note ] " << rel << ": " << msg << "\n";
        }
    }
    std::cout << "[ note ] " << converted << " converted, " << failed << " failed clearly\n";

    if (!test::haveTool("pandoc")) GTEST_SKIP() << "pandoc is not installed: the RTF files are not read back";
    // One shell run for all outputs keeps the test short.
    std::string script = "cd '" + out.path().string() + "' && for f in *.rtf; do pandoc -f rtf -t plain \"$f\" "
                         ">/dev/null 2>&1; echo \"$f $?\"; done";
    int rc = 0;
    std::string report = test::runCommand(script, rc);
    std::istringstream lines(report);
    int readBack = 0;
    for (std::string name, status; lines >> name >> status;) {
        EXPECT_EQ(status, "0") << "pandoc could not read " << name;
        ++readBack;
    }
    EXPECT_EQ(readBack, static_cast<int>(written.size()));
}

}  // namespace
}  // namespace sw::pres
