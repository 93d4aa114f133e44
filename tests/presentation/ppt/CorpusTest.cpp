// Every .ppt/.pps/.pot of the shared corpus reads, or fails with one of the
// reader's clear errors; what the manifest states about a file is checked.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "TempDir.h"
#include "presentation/ByteSource.h"
#include "presentation/EngineError.h"
#include "presentation/TraceSink.h"
#include "presentation/ppt/CompoundFile.h"
#include "presentation/ppt/PersistDirectory.h"
#include "presentation/ppt/PptReader.h"
#include "presentation/ppt/RecordReader.h"

namespace {

namespace fs = std::filesystem;
using sw::pres::ErrorKind;

fs::path corpusDir() { return sw::test::sourceDir() / ".." / "shared" / "corpus"; }

struct Manifest {
    std::string slides;  // expected slide count, may be empty
    std::string note;
};

std::map<std::string, Manifest> readManifest(const fs::path& file) {
    std::map<std::string, Manifest> out;
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);  // header
    while (std::getline(in, line)) {
        std::vector<std::string> cols;
        std::stringstream ss(line);
        std::string col;
        while (std::getline(ss, col, '\t')) cols.push_back(col);
        if (cols.size() < 9) continue;
        out[cols[0]] = {cols[8], cols.size() > 12 ? cols[12] : ""};
    }
    return out;
}

bool contains(const std::string& s, const char* part) { return s.find(part) != std::string::npos; }

// An independent look for title text: walks every record of the current
// persist objects (superseded saves hold stale text) and counts non-empty
// text atoms after a TextHeaderAtom of type title or centred title, leaving
// out masters and their prompt text. A file with such text must give text.
int countTitleTexts(std::span<const std::uint8_t> bytes, std::uint64_t base, int depth) {
    int count = 0;
    std::uint32_t lastType = 99;  // a text block never spans containers
    try {
        sw::pres::ppt::RecordReader records(bytes, base, depth);
        while (auto rec = records.next()) {
            if (rec->isContainer()) {
                if (rec->type != 0x03F8) count += countTitleTexts(rec->body, rec->bodyOffset(), depth + 1);  // not masters
            } else if (rec->type == 0x0F9F && rec->body.size() >= 4) {
                lastType = rec->body[0];
            } else if ((rec->type == 0x0FA0 || rec->type == 0x0FA8) && (lastType == 0 || lastType == 6) && rec->body.size() > 2) {
                const bool wide = rec->type == 0x0FA0;
                std::string ascii;
                for (std::size_t i = 0; i < rec->body.size(); i += wide ? 2 : 1) ascii += static_cast<char>(rec->body[i]);
                if (!contains(ascii, "Click to edit")) ++count;
                lastType = 99;
            }
        }
    } catch (const std::exception&) {
        // The rest of a broken container is not looked at.
    }
    return count;
}

int titleTextsIn(const fs::path& file) {
    try {
        auto source = sw::pres::openFileSource(file);
        sw::pres::ppt::CompoundFile cf(*source);
        auto doc = cf.read({"PowerPoint Document"}, sw::pres::ppt::CompoundFile::maxFileSize);
        auto user = cf.read({"Current User"}, 4096);
        if (!doc || !user || user->size() < 20) return 0;
        const std::uint32_t edit = (*user)[16] | ((*user)[17] << 8) | ((*user)[18] << 16) | (std::uint32_t{(*user)[19]} << 24);
        auto dir = sw::pres::ppt::PersistDirectory::load(*doc, edit);
        int count = 0;
        for (const auto& [id, offset] : dir.offsets()) {
            if (offset >= doc->size()) continue;
            auto rec = sw::pres::ppt::RecordReader::at(*doc, offset);
            if (rec.isContainer() && rec.type != 0x03F8) count += countTitleTexts(rec.body, rec.bodyOffset(), 1);
        }
        return count;
    } catch (const std::exception&) {
        return 0;
    }
}

TEST(PptCorpus, EveryFileReadsOrFailsClearly) {
    const fs::path dir = corpusDir();
    if (!fs::is_directory(dir)) GTEST_SKIP() << "no corpus at " << dir << " (the shared corpus folder is absent)";
    const auto manifest = readManifest(dir / "MANIFEST.tsv");

    int files = 0, read = 0;
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
        if (!entry.is_regular_file()) continue;
        std::string ext = entry.path().extension().string();
        for (auto& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (ext != ".ppt" && ext != ".pps" && ext != ".pot") continue;
        ++files;
        const std::string rel = fs::relative(entry.path(), dir).generic_string();
        SCOPED_TRACE(rel);
        const auto it = manifest.find(rel);
        const Manifest facts = it == manifest.end() ? Manifest{} : it->second;

        auto source = sw::pres::openFileSource(entry.path());
        sw::pres::CountingSink sink;
        try {
            sw::pres::readPpt(*source, sink);
            ++read;
            EXPECT_FALSE(contains(facts.note, "encrypted binary ppt") || contains(facts.note, "password"))
                << "an encrypted file read";
            EXPECT_FALSE(contains(facts.note, "old PowerPoint version")) << "an old-format file read";
            const bool fuzzed = contains(facts.note, "fuzzer-found");
            if (!facts.slides.empty() && !fuzzed) {
                EXPECT_EQ(std::to_string(sink.slides), facts.slides);
            }
            if (sink.slides > 0 && sink.textBytes == 0) {
                EXPECT_EQ(titleTextsIn(entry.path()), 0) << "the file has title text, but none came out";
            }
        } catch (const sw::pres::EngineError& e) {
            const std::string msg = e.what();
            EXPECT_EQ(msg.rfind("\"" + source->name() + "\" ", 0), 0u) << msg;
            switch (e.kind()) {
            case ErrorKind::Encrypted:
                EXPECT_TRUE(contains(facts.note, "encrypted") || contains(facts.note, "password")) << msg;
                break;
            case ErrorKind::Unsupported:
                EXPECT_TRUE(contains(facts.note, "old PowerPoint version")) << msg;
                break;
            case ErrorKind::Damaged:
            case ErrorKind::NotAPresentation:
                // Only files their origin calls broken may fail this way.
                EXPECT_TRUE(contains(facts.note, "fuzzer-found") || contains(facts.note, "damaged") ||
                            contains(facts.note, "corrupt"))
                    << msg;
                break;
            default:
                ADD_FAILURE() << "unexpected error kind: " << msg;
            }
        }
    }
    std::cout << "[ corpus ] " << files << " binary presentations, " << read << " read\n";
    EXPECT_GT(files, 0);
}

}  // namespace
