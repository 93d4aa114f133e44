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

// Fonts drawn from a symbol character set even when the part does not say so.
bool isSymbolFontName(std::string_view name) {
    return name == "Symbol" || name.starts_with("Wingdings") || name == "Webdings" || name == "Marlett" ||
           name == "MT Extra";
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
    LevelStyles inherited;  // everything below the run's own properties
};

SlideReader::SlideReader(const XmlPart& slide, std::shared_ptr<const Layout> layout,
                         const LevelStyles& presentationDefaults)
    : slide_(slide),
      layout_(std::move(layout)),
      presentationDefaults_(presentationDefaults),
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

        Block block{title ? BlockRole::Title : BlockRole::Body, txBody, LevelStyles::read(txBody.child("a:lstStyle"))};
        pugi::xml_attribute idxAttr = ph.attribute("idx");
        const std::string_view idx = idxAttr ? idxAttr.value() : "0";
        if (layout_) {
            if (auto* p = findPlaceholder(layout_->placeholders, type, idx, true)) block.inherited.inheritFrom(p->list);
        }
        if (master) {
            // Layout placeholders map onto the master's title or body placeholder.
            if (auto* p = findPlaceholder(master->placeholders, title ? "title" : "body", "", false))
                block.inherited.inheritFrom(p->list);
            block.inherited.inheritFrom(title ? master->titleStyle : master->bodyStyle);
        }
        block.inherited.inheritFrom(presentationDefaults_);
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

    // The effective format of a run: its own properties first, then its
    // level's inherited ones (as RunProperties::inheritFrom would merge
    // them, without copying either side).
    const auto effective = [&](const RunProperties& own, const RunProperties& level) {
        CharFormat f;
        f.bold = own.bold.value_or(level.bold.value_or(false));
        f.italic = own.italic.value_or(level.italic.value_or(false));
        f.strike = own.strike.value_or(level.strike.value_or(false));
        f.underline = own.underline.value_or(level.underline.value_or(Underline::None));
        if (const auto& b = own.baseline ? own.baseline : level.baseline)
            f.baseline = *b > 0 ? Baseline::Super : *b < 0 ? Baseline::Sub : Baseline::Normal;
        if (const auto& sz = own.sizeHundredths ? own.sizeHundredths : level.sizeHundredths)
            f.sizeHalfPoints = static_cast<int>(std::lround(*sz / 50.0));
        // The typeface and its character set come as a pair from one level.
        const bool ownFace = own.typeface || !level.typeface;
        const std::optional<std::string>& typeface = ownFace ? own.typeface : level.typeface;
        const std::optional<bool>& symbolCharset = ownFace ? own.symbolCharset : level.symbolCharset;
        std::string_view face = typeface ? std::string_view(*typeface)
                                         : block.role == BlockRole::Title ? "+mj-lt" : "+mn-lt";
        // Theme fonts: +mj-xx is the major (heading) font, +mn-xx the minor one.
        if (face.starts_with("+mj-") || face.starts_with("+mn-")) face = theme ? theme->font(face) : std::string_view();
        f.font = isValidUtf8(face) ? std::string(face) : validUtf8(face);
        f.symbolFont = !f.font.empty() && (symbolCharset.value_or(false) || isSymbolFontName(f.font));
        if (const auto& color = own.color ? own.color : level.color) f.color = color->resolve(colors);
        return f;
    };
    // Most runs state nothing of their own (lang, dirty): their format is
    // worked out once per paragraph level.
    std::array<std::optional<CharFormat>, 9> plain;
    CharFormat scratch;
    const auto format = [&](pugi::xml_node rPr, int level) -> const CharFormat& {
        const auto at = static_cast<std::size_t>(level);
        const RunProperties own = RunProperties::read(rPr);
        if (own.empty()) {
            if (!plain[at]) plain[at] = effective(own, block.inherited.levels[at]);
            return *plain[at];
        }
        scratch = effective(own, block.inherited.levels[at]);
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
