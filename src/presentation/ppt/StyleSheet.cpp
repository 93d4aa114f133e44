#include "presentation/ppt/StyleSheet.h"

#include "presentation/ppt/ByteReader.h"
#include "presentation/ppt/RecordReader.h"
#include "presentation/ppt/RecordTypes.h"
#include "presentation/ppt/TextBlock.h"
#include "presentation/ppt/TextPropReader.h"
#include "presentation/Utf8.h"

namespace sw::pres::ppt {

void StyleSheet::readFonts(const Record& fontCollection) {
    RecordReader children(fontCollection);
    while (auto rec = children.next()) {
        if (rec->type != rt::FontEntityAtom) continue;
        // lfFaceName: 32 UTF-16 units, NUL-padded; then lfCharSet.
        ByteReader r(rec->body, rec->bodyOffset());
        Font font;
        std::u16string face;
        for (int i = 0; i < 32 && r.remaining() >= 2; ++i) {
            char16_t c = static_cast<char16_t>(r.u16());
            if (c == 0) break;
            face.push_back(c);
        }
        font.name = utf16ToUtf8(face);
        if (rec->body.size() > 64) font.symbol = rec->body[64] == 2;
        fonts_.push_back(std::move(font));
    }
}

void StyleSheet::readMasterStyle(const Record& atom) {
    ByteReader r(atom.body, atom.bodyOffset());
    const std::uint16_t levels = r.u16();
    std::vector<CharProps> out;
    for (std::uint16_t i = 0; i < levels && i < 5; ++i) {
        // Types from centred body on store the level number of each entry.
        if (atom.instance >= 5) r.skip(2);
        TextPropReader::skipParagraphException(r);
        out.push_back(TextPropReader::readCharException(r));
    }
    master_[atom.instance] = std::move(out);
}

std::optional<StyleSheet::ColorScheme> StyleSheet::readColorScheme(const Record& atom) {
    if (atom.body.size() < 32) return std::nullopt;
    ByteReader r(atom.body, atom.bodyOffset());
    ColorScheme scheme{};
    for (auto& c : scheme) {
        std::uint32_t v = r.u32();  // red, green, blue, unused
        c = ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
    }
    return scheme;
}

const CharProps* StyleSheet::masterLevel(std::uint32_t textType, int level) const {
    auto it = master_.find(textType);
    if (it == master_.end() || it->second.empty()) return nullptr;
    const auto& levels = it->second;
    return &levels[static_cast<std::size_t>(level) < levels.size() ? level : levels.size() - 1];
}

CharFormat StyleSheet::resolve(const CharProps& run, std::uint32_t textType, int level,
                               const std::optional<ColorScheme>& scheme) const {
    CharProps p = run;
    if (const CharProps* m = masterLevel(textType, level)) p.inheritFrom(*m);
    const std::uint32_t base = (textType == TxTitle || textType == TxCenterTitle) ? TxTitle : TxBody;
    if (base != textType)
        if (const CharProps* m = masterLevel(base, level)) p.inheritFrom(*m);

    CharFormat f;
    const std::uint16_t style = p.style & p.styleMask;
    f.bold = style & 0x0001;
    f.italic = style & 0x0002;
    if (style & 0x0004) f.underline = Underline::Single;
    f.strike = style & 0x0100;
    if (p.size && *p.size > 0 && *p.size <= 4000) f.sizeHalfPoints = *p.size * 2;
    if (p.fontRef && *p.fontRef < fonts_.size()) {
        f.font = fonts_[*p.fontRef].name;
        f.symbolFont = fonts_[*p.fontRef].symbol;
    }
    if (p.position) f.baseline = *p.position > 0 ? Baseline::Super : *p.position < 0 ? Baseline::Sub : Baseline::Normal;
    if (p.color) {
        const std::uint32_t v = *p.color;
        const std::uint32_t index = v >> 24;
        if (index == 0xFE)
            f.color = ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
        else if (index < 8 && scheme)
            f.color = (*scheme)[index];
    }
    return f;
}

}  // namespace sw::pres::ppt
