#include "presentation/ppt/PptDocument.h"

#include <string>
#include <unordered_set>

#include "presentation/ppt/ByteReader.h"
#include "presentation/ppt/FormatError.h"
#include "presentation/ppt/TextBlockCollector.h"
#include "presentation/ppt/RecordReader.h"
#include "presentation/ppt/RecordTypes.h"

namespace sw::pres::ppt {
namespace {

constexpr std::uint16_t cryptSession10 = 0x2F14;

// SlidePersistAtom: persistIdRef, flags, cTexts, slideId.
std::pair<std::uint32_t, std::uint32_t> readSlidePersist(const Record& rec) {
    ByteReader r(rec.body, rec.bodyOffset());
    std::uint32_t persistId = r.u32();
    r.skip(8);
    std::uint32_t slideId = r.u32();
    return {persistId, slideId};
}

}  // namespace

PptDocument::PptDocument(std::span<const std::uint8_t> stream, std::uint32_t offsetToCurrentEdit)
    : stream_(stream), persist_(PersistDirectory::load(stream, offsetToCurrentEdit)) {
    if (auto session = persist_.encryptSessionId(); session && persist_.contains(*session)) {
        // Some writers name a session that is not there; only a real one counts.
        std::uint32_t offset = persist_.offsetOf(*session);
        if (RecordReader::at(stream_, offset).type == cryptSession10) {
            encrypted_ = true;
            return;
        }
    }

    Record doc = RecordReader::at(stream_, persist_.offsetOf(persist_.documentId()));
    if (doc.type != rt::Document)
        throw FormatError("the document record is missing (persist object " + std::to_string(persist_.documentId()) +
                          " holds record " + hexType(doc.type) + ")");

    bool haveSlides = false;
    std::vector<Record> masterLists;
    RecordReader children(doc);
    while (auto rec = children.next()) {
        switch (rec->type) {
        case rt::Environment: {
            RecordReader env(*rec);
            while (auto e = env.next())
                if (e->type == rt::FontCollection && e->isContainer()) fonts_.readFonts(*e);
            break;
        }
        case rt::SlideListWithText:
            // Instance 0 lists the slides, 1 the masters, 2 the notes.
            if (rec->instance == 0 && !haveSlides) {
                readSlideList(*rec);
                haveSlides = true;
            } else if (rec->instance == 1) {
                masterLists.push_back(*rec);
            }
            break;
        case rt::DocInfoList:
            if (rec->isContainer()) readVba(*rec);
            break;
        default:
            break;
        }
    }
    for (const Record& list : masterLists) readMasterList(list);
}

void PptDocument::readSlideList(const Record& list) {
    std::vector<TextBlockCollector> collectors;
    RecordReader children(list);
    std::vector<std::pair<std::uint32_t, std::uint32_t>> ids;
    while (auto rec = children.next()) {
        if (rec->type == rt::SlidePersistAtom) {
            ids.push_back(readSlidePersist(*rec));
            collectors.emplace_back();
        } else if (!collectors.empty()) {
            collectors.back().add(*rec);
        }
    }
    // Each slide has a record of its own. A list that names one record for
    // several slides is broken, and reading it would multiply the output.
    std::unordered_set<std::uint32_t> used;
    for (std::size_t i = 0; i < ids.size(); ++i) {
        if (!used.insert(ids[i].first).second)
            throw FormatError("the slide list names persist object " + std::to_string(ids[i].first) + " twice");
        slides_.push_back({ids[i].first, ids[i].second, std::move(collectors[i].blocks())});
    }
}

void PptDocument::readMasterList(const Record& list) {
    RecordReader children(list);
    while (auto rec = children.next()) {
        if (rec->type != rt::SlidePersistAtom) continue;
        auto [persistId, slideId] = readSlidePersist(*rec);
        readMaster(slideId, persistId);
    }
}

void PptDocument::readMaster(std::uint32_t slideId, std::uint32_t persistId) {
    Master master;
    master.slideId = slideId;
    master.styles = fonts_;
    // A master that cannot be found or read only costs formatting.
    try {
        Record rec = RecordReader::at(stream_, persist_.offsetOf(persistId));
        if (rec.type != rt::MainMaster || !rec.isContainer()) return;
        RecordReader children(rec);
        while (auto c = children.next()) {
            if (c->type == rt::TextMasterStyleAtom) {
                try {
                    master.styles.readMasterStyle(*c);
                } catch (const FormatError&) {
                }
            } else if (c->type == rt::ColorSchemeAtom && c->instance == 1) {
                master.scheme = StyleSheet::readColorScheme(*c);
            }
        }
    } catch (const FormatError&) {
    }
    masters_.push_back(std::move(master));
}

void PptDocument::readVba(const Record& docInfoList) {
    RecordReader children(docInfoList);
    while (auto rec = children.next()) {
        if (rec->type != rt::VbaInfo || !rec->isContainer()) continue;
        RecordReader info(*rec);
        while (auto atom = info.next()) {
            // VBAInfoAtom: persistIdRef to the VBA storage, fHasMacros, version.
            if (atom->type == rt::VbaInfoAtom && atom->body.size() >= 8) {
                ByteReader r(atom->body, atom->bodyOffset());
                r.skip(4);
                if (r.u32() != 0) vba_ = true;
            }
        }
    }
}

Record PptDocument::slideRecord(const Slide& slide) const {
    Record rec = RecordReader::at(stream_, persist_.offsetOf(slide.persistId));
    if (rec.type != rt::Slide || !rec.isContainer())
        throw FormatError("slide " + std::to_string(slide.slideId) + " leads to record " + hexType(rec.type) +
                          " instead of a slide");
    return rec;
}

const PptDocument::Master& PptDocument::masterFor(std::uint32_t masterId) const {
    static const Master none;
    for (const Master& m : masters_)
        if (m.slideId == masterId) return m;
    return masters_.empty() ? none : masters_.front();
}

}  // namespace sw::pres::ppt
