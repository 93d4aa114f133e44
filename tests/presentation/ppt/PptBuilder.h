#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "PptStreamWriter.h"
#include "RecordBuilder.h"

// Builds .ppt files in code for tests, the fuzz seeds and the benchmark:
// records, the edit chain (saves appended to one stream, as PowerPoint's fast
// save does) and the compound file around it.
namespace sw::test::ppt {

// A text block: TextHeaderAtom, text, optional style and extra records.
struct BlockSpec {
    std::uint32_t textType = 1;
    std::u16string text;
    bool asBytes = false;          // TextBytesAtom (text must be Latin-1)
    std::string style;             // a whole StyleTextPropAtom record, or empty
    std::vector<std::string> extra;  // more records after the text (field atoms)
};
std::string blockRecords(const BlockSpec& block);

// A drawing shape with a placeholder and/or text.
struct ShapeSpec {
    std::optional<std::uint8_t> placement;  // PlaceholderAtom placementId
    std::optional<BlockSpec> text;          // text in the shape's client textbox
    std::optional<std::uint32_t> outlineRef;  // OutlineTextRefAtom index into the slide-list blocks
};

struct SlideSpec {
    std::vector<BlockSpec> listBlocks;  // text in the SlideListWithText
    std::vector<ShapeSpec> shapes;      // the drawing
    bool hidden = false;
};

struct DeckSpec {
    std::vector<SlideSpec> slides;
    std::vector<std::string> fonts = {"Arial"};
    std::vector<std::string> masterStyles;  // TextMasterStyleAtom records
    std::optional<std::vector<std::uint32_t>> colorScheme;  // 8 × 0xRRGGBB
    bool vbaAtom = false;                   // VBAInfoAtom with fHasMacros
};

std::string slideContainer(const SlideSpec& slide);
// persistIds[i] is the persist id of slides[i]'s SlideContainer.
std::string documentContainer(const DeckSpec& deck, const std::vector<std::uint32_t>& slidePersistIds,
                              std::uint32_t masterPersistId);
std::string mainMaster(const DeckSpec& deck);
// TextMasterStyleAtom for a text type: per level a CharSpec (paragraph
// formatting empty).
std::string textMasterStyle(std::uint16_t textType, const std::vector<CharSpec>& levels);

std::string currentUserStream(std::uint32_t offsetToCurrentEdit, std::uint32_t headerToken = 0xE391C05F);

struct PptStreams {
    std::string document;
    std::string currentUser;
};
// One save of the whole deck: persist 1 document, 2 master, 3.. slides.
PptStreams buildStreams(const DeckSpec& deck);

// A compound file holding the given streams; a name with "/" lies in a
// storage. sectorSize 512 gives version 3, 4096 version 4.
std::string compoundFile(const std::vector<std::pair<std::string, std::string>>& streams, unsigned sectorSize = 512);
std::string compoundFile(const PptStreams& streams, unsigned sectorSize = 512);
std::string buildPpt(const DeckSpec& deck);

// A small realistic presentation: three slides with titles, bullets at two
// levels, bold and italic runs, and a non-ASCII word. Write the returned
// bytes to a .ppt file.
std::string examplePresentation();

// A deck of `slides` slides, each with a title and five formatted bullets,
// for benchmarks.
DeckSpec typicalDeck(int slides);

}  // namespace sw::test::ppt
