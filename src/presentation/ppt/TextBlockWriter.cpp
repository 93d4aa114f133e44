#include "presentation/ppt/TextBlockWriter.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "presentation/ppt/FormatError.h"
#include "presentation/ppt/TextPropReader.h"
#include "presentation/Utf8.h"

namespace sw::pres::ppt {
namespace {

// A character of the text as written, with its position in the stored text
// (the style runs count stored positions, before fields are expanded).
struct Char {
    char16_t c;
    std::uint32_t at;
};

std::vector<Char> expandFields(const TextBlock& block, int slideNumber) {
    std::vector<Char> out;
    out.reserve(block.text.size());
    const std::u16string number = [&] {
        std::string n = std::to_string(slideNumber);
        return std::u16string(n.begin(), n.end());
    }();
    auto sorted = [](std::vector<std::uint32_t> v) {
        std::sort(v.begin(), v.end());
        return v;
    };
    const std::vector<std::uint32_t> numbers = sorted(block.slideNumberAt), dropped = sorted(block.droppedAt);
    auto has = [](const std::vector<std::uint32_t>& v, std::uint32_t i) { return std::binary_search(v.begin(), v.end(), i); };
    for (std::uint32_t i = 0; i < block.text.size(); ++i) {
        if (has(numbers, i)) {
            for (char16_t d : number) out.push_back({d, i});
        } else if (!has(dropped, i)) {
            // Dates, headers and footers keep no text of their own in the
            // file; their metacharacter is left out rather than invented.
            out.push_back({block.text[i], i});
        }
    }
    return out;
}

// Where each run ends, so that finding a position's run is a binary search.
template <typename Run>
std::vector<std::uint64_t> runEnds(const std::vector<Run>& runs) {
    std::vector<std::uint64_t> ends;
    ends.reserve(runs.size());
    std::uint64_t end = 0;
    for (const Run& r : runs) ends.push_back(end += r.count);
    return ends;
}

// Index of the run holding stored position `at`; ends.size() past the end.
std::size_t runAt(const std::vector<std::uint64_t>& ends, std::uint32_t at) {
    return static_cast<std::size_t>(std::upper_bound(ends.begin(), ends.end(), std::uint64_t{at}) - ends.begin());
}

class ParagraphWriter {
public:
    explicit ParagraphWriter(OutlineSink& sink) : sink_(sink) {}

    // generation: changes whenever format may have changed, so that the
    // formats themselves are compared only at run boundaries.
    void character(char16_t c, const CharFormat& format, std::uint64_t generation) {
        if (c < 0x20 && c != 0x09 && c != 0x0B) return;  // no control characters reach the sink
        if (!open_ || (generation != generation_ && format != format_)) {
            close();
            sink_.beginRun(format);
            format_ = format;
            open_ = true;
        }
        generation_ = generation;
        if (c == 0x09 || c == 0x0B) {
            flushText();
            c == 0x09 ? sink_.tab() : sink_.lineBreak();
        } else {
            pending_.push_back(c);
        }
    }

    void close() {
        if (!open_) return;
        flushText();
        sink_.endRun();
        open_ = false;
    }

private:
    void flushText() {
        if (pending_.empty()) return;
        sink_.text(utf16ToUtf8(pending_));
        pending_.clear();
    }
    OutlineSink& sink_;
    bool open_ = false;
    CharFormat format_;
    std::uint64_t generation_ = 0;
    std::u16string pending_;
};

}  // namespace

void TextBlockWriter::write(const TextBlock& block, BlockRole role, OutlineSink& sink) const {
    const std::vector<Char> chars = expandFields(block, slideNumber_);

    TextPropReader::Runs runs;
    bool styleBroken = false;
    if (block.hasStyle) {
        try {
            runs = TextPropReader::readStyleTextPropAtom(block.style, block.styleOffset, block.text.size());
        } catch (const FormatError&) {
            // Formatting that cannot be read never costs the text: it is
            // written at level 0 without formatting.
            runs = {};
            styleBroken = true;
        }
    }
    const std::vector<std::uint64_t> paraEnds = runEnds(runs.paragraphs);
    const std::vector<std::uint64_t> charEnds = runEnds(runs.characters);
    const std::uint32_t textType = block.textType;
    auto levelAt = [&](std::uint32_t at) {
        if (role == BlockRole::Title) return 0;
        std::size_t i = runAt(paraEnds, at);
        int indent = i < runs.paragraphs.size() ? runs.paragraphs[i].indent : (runs.paragraphs.empty() ? 0 : runs.paragraphs.back().indent);
        return std::min(indent + 1, 8);
    };
    const CharProps none;
    // Resolving is the costly part; characters of one run share the result.
    std::size_t cachedRun = SIZE_MAX;
    int cachedLevel = -1;
    CharFormat cached;
    std::uint64_t generation = 0;
    auto formatAt = [&](std::uint32_t at, int level) -> const CharFormat& {
        std::size_t i = runAt(charEnds, at);
        if (i != cachedRun || level != cachedLevel) {
            const CharProps& props = i < runs.characters.size() ? runs.characters[i].props : none;
            cached = styleBroken ? CharFormat{}
                                 : styles_.resolve(props, textType, role == BlockRole::Title ? 0 : std::max(level - 1, 0), scheme_);
            cachedRun = i;
            cachedLevel = level;
            ++generation;
        }
        return cached;
    };

    sink.beginTextBlock(role);
    std::size_t i = 0;
    std::uint32_t paraStart = 0;  // stored position where the paragraph starts
    for (;;) {
        const int level = levelAt(paraStart);
        sink.beginParagraph(level);
        ParagraphWriter para(sink);
        while (i < chars.size() && chars[i].c != 0x0D) {
            const CharFormat& format = formatAt(chars[i].at, level);
            para.character(chars[i].c, format, generation);
            ++i;
        }
        para.close();
        sink.endParagraph();
        if (i >= chars.size()) break;
        paraStart = chars[i].at + 1;
        ++i;  // the paragraph mark
    }
    sink.endTextBlock();
}

}  // namespace sw::pres::ppt
