#include "presentation/pptx/SlideReader.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>
#include <vector>

#include "presentation/Utf8.h"
#include "presentation/pptx/ShapeTree.h"

namespace sw::pres {
namespace {

bool isTitleType(std::string_view t) { return t == "title" || t == "ctrTitle"; }
bool isBodyType(std::string_view t) { return t == "body" || t == "subTitle" || t == "obj"; }

const PlaceholderStyle* findPlaceholder(const std::vector<PlaceholderStyle>& list, std::string_view type,
                                        std::string_view idx, bool byIdx) {
    if (byIdx)
        for (const auto& p : list)
            if (p.idx == idx) return &p;
    for (const auto& p : list)
        if (p.type == type || (isTitleType(type) && isTitleType(p.type))) return &p;
    return nullptr;
}

// Text made only of the private-use code points U+F000-U+F0FF, which a
// symbol font maps onto its glyphs.
bool isSymbolFontText(std::string_view utf8) {
    if (utf8.empty()) return false;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const char32_t cp = decodeUtf8(utf8, pos);
        if (cp < 0xF000 || cp > 0xF0FF) return false;
    }
    return true;
}

// Emits text with TABs as tab events; other control characters are dropped
// and malformed UTF-8 becomes U+FFFD.
void emitText(std::string_view raw, OutlineSink& sink) {
    // Printable ASCII, the bulk of most runs, is valid UTF-8 and holds
    // nothing to split off: it goes out whole without the checks below.
    if (printableAsciiPrefix(raw) == raw.size()) {
        if (!raw.empty()) sink.text(raw);
        return;
    }
    std::string fixed;
    if (!isValidUtf8(raw)) {
        fixed = validUtf8(raw);
        raw = fixed;
    }
    std::size_t start = 0;
    for (std::size_t i = 0; i <= raw.size(); ++i) {
        const bool end = i == raw.size();
        const unsigned char c = end ? 0 : static_cast<unsigned char>(raw[i]);
        if (!end && c >= 0x20 && c != 0x7F) continue;
        if (i > start) sink.text(raw.substr(start, i - start));
        if (c == '\t' && !end) sink.tab();
        start = i + 1;
    }
}

}  // namespace

// One title or body placeholder and what its runs inherit.
struct SlideReader::Block {
    BlockRole role;
    pugi::xml_node txBody;
    const LevelStyles* inherited;            // everything below the run's own properties
    std::unique_ptr<const LevelStyles> own;  // ...when the shape has a list style of its own
};

SlideReader::SlideReader(const XmlPart& slide, std::shared_ptr<const Layout> layout, RunFormats& formats)
    : slide_(slide),
      layout_(std::move(layout)),
      formats_(formats),
      slideColorMap_(readColorMapOverride(slide.root())) {}

bool SlideReader::hidden() const { return !xmlBool(slide_.root().attribute("show"), true); }

void SlideReader::emitBlocks(OutlineSink& sink) const {
    const Master* master = layout_ ? layout_->master.get() : nullptr;
    std::vector<Block> titles, bodies;
    forEachShape(slide_.root().child("p:cSld").child("p:spTree"), [&](const pugi::xml_node& sp) {
        pugi::xml_node ph = placeholderOf(sp);
        pugi::xml_node txBody = sp.child("p:txBody");
        if (!ph || !txBody) return;
        const std::string_view type = placeholderType(ph);
        const bool title = isTitleType(type);
        if (!title && !isBodyType(type)) return;

        Block block{title ? BlockRole::Title : BlockRole::Body, txBody, nullptr, nullptr};
        pugi::xml_attribute idxAttr = ph.attribute("idx");
        const std::string_view idx = idxAttr ? idxAttr.value() : "0";
        const PlaceholderStyle* layoutPlaceholder =
            layout_ ? findPlaceholder(layout_->placeholders, type, idx, true) : nullptr;
        if (pugi::xml_node listStyle = txBody.child("a:lstStyle"); listStyle && listStyle.first_child()) {
            block.own = std::make_unique<const LevelStyles>(
                formats_.inherited(LevelStyles::read(listStyle), layoutPlaceholder, master, title));
            block.inherited = block.own.get();
        } else {
            block.inherited = &formats_.inherited(layoutPlaceholder, master, title);
        }
        (title ? titles : bodies).push_back(std::move(block));
    });
    for (const Block& b : titles) emitBlock(b, sink);
    for (const Block& b : bodies) emitBlock(b, sink);
}

void SlideReader::emitBlock(const Block& block, OutlineSink& sink) const {
    const Master* master = layout_ ? layout_->master.get() : nullptr;
    const Theme* theme = master ? master->theme.get() : nullptr;

    ColorContext colors;
    if (slideColorMap_) colors.colorMap = &*slideColorMap_;
    else if (layout_ && layout_->colorMapOverride) colors.colorMap = &*layout_->colorMapOverride;
    else if (master) colors.colorMap = &master->colorMap;
    if (theme) colors.scheme = &theme->colors;

    // Formats are remembered across the package unless something of this
    // slide or shape alone goes into them (a list style of the shape, a
    // colour map of the slide); then only plain runs, which state nothing of
    // their own (lang, dirty), are worked out once per level.
    const bool shared = !block.own && !slideColorMap_;
    std::array<std::optional<CharFormat>, 9> plain;
    CharFormat scratch;
    const auto format = [&](pugi::xml_node rPr, int level) -> const CharFormat& {
        const RunProperties& inherited = block.inherited->levels[static_cast<std::size_t>(level)];
        const RunProperties own = RunProperties::read(rPr);
        if (shared) return formats_.cached(own, inherited, block.role, theme, colors);
        if (own.empty()) {
            auto& p = plain[static_cast<std::size_t>(level)];
            if (!p) p = RunFormats::resolve(own, inherited, block.role, theme, colors);
            return *p;
        }
        scratch = RunFormats::resolve(own, inherited, block.role, theme, colors);
        return scratch;
    };

    sink.beginTextBlock(block.role);
    for (pugi::xml_node para : block.txBody.children("a:p")) {
        int level = std::clamp(para.child("a:pPr").attribute("lvl").as_int(0), 0, 8);
        sink.beginParagraph(block.role == BlockRole::Title ? 0 : std::min(level + 1, 8));
        for (pugi::xml_node item : para.children()) {
            std::string_view n = item.name();
            if (n == "a:r" || n == "a:fld") {
                // A field's cached text is what the slide shows; it is not recomputed.
                const pugi::xml_node rPr = item.child("a:rPr");
                const std::string_view text = item.child("a:t").text().get();
                const CharFormat& f = format(rPr, level);
                // Symbols inserted as such (Wingdings arrows, ticks) are
                // private-use characters F000-F0FF drawn from the a:sym font.
                const std::string_view sym =
                    isSymbolFontText(text) ? rPr.child("a:sym").attribute("typeface").value() : "";
                if (!sym.empty() && isValidUtf8(sym)) {
                    CharFormat symbol = f;
                    symbol.font = sym;
                    symbol.symbolFont = true;
                    sink.beginRun(symbol);
                } else {
                    sink.beginRun(f);
                }
                emitText(text, sink);
                sink.endRun();
            } else if (n == "a:br") {
                sink.beginRun(format(item.child("a:rPr"), level));
                sink.lineBreak();
                sink.endRun();
            }
        }
        sink.endParagraph();
    }
    sink.endTextBlock();
}

}  // namespace sw::pres
