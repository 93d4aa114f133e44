#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "presentation/ppt/PersistDirectory.h"
#include "presentation/ppt/Record.h"
#include "presentation/ppt/StyleSheet.h"
#include "presentation/ppt/TextBlock.h"

namespace sw::pres::ppt {

// The current DocumentContainer of a PowerPoint Document stream and what the
// outline needs from it: the slides in presentation order with their
// slide-list text, the masters' text styles and colour schemes, the fonts,
// and whether a VBA project is attached. Throws FormatError when the edit
// chain or the document records are broken.
class PptDocument {
public:
    struct Slide {
        std::uint32_t persistId = 0;
        std::uint32_t slideId = 0;
        std::vector<TextBlock> blocks;  // the slide-list text, in order
    };
    struct Master {
        std::uint32_t slideId = 0;
        StyleSheet styles;
        std::optional<StyleSheet::ColorScheme> scheme;
    };

    PptDocument(std::span<const std::uint8_t> stream, std::uint32_t offsetToCurrentEdit);

    const std::vector<Slide>& slides() const { return slides_; }
    // The SlideContainer of a slide; throws FormatError when the persist
    // reference leads elsewhere.
    Record slideRecord(const Slide& slide) const;
    // The master a slide uses (by SlideAtom.masterIdRef), else the first.
    const Master& masterFor(std::uint32_t masterId) const;
    bool hasVbaProject() const { return vba_; }
    // The newest edit names an encryption session that exists.
    bool encrypted() const { return encrypted_; }
    const PersistDirectory& persist() const { return persist_; }

private:
    void readSlideList(const Record& list);
    void readMasterList(const Record& list);
    void readMaster(std::uint32_t slideId, std::uint32_t persistId);
    void readVba(const Record& docInfoList);

    std::span<const std::uint8_t> stream_;
    PersistDirectory persist_;
    StyleSheet fonts_;  // the document's fonts, copied into every master's sheet
    std::vector<Slide> slides_;
    std::vector<Master> masters_;
    bool vba_ = false;
    bool encrypted_ = false;
};

}  // namespace sw::pres::ppt
