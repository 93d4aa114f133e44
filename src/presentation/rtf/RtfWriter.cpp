#include "presentation/rtf/RtfWriter.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "presentation/rtf/RtfText.h"

namespace sw::pres {
namespace {

constexpr int kIndentPerLevel = 360;  // twips; shows the hierarchy to level-blind readers
constexpr int kMaxLevel = 8;

const char* underlineWord(Underline u) {
    switch (u) {
    case Underline::None: return nullptr;
    case Underline::Single: return "\\ul";
    case Underline::Double: return "\\uldb";
    case Underline::Thick: return "\\ulth";
    case Underline::Dotted: return "\\uld";
    case Underline::Dash: return "\\uldash";
    case Underline::Wave: return "\\ulwave";
    }
    return nullptr;
}

// A control word with its numeric parameter, without a temporary string.
void appendControl(std::string& out, std::string_view word, int value) {
    out += word;
    char digits[16];
    auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end);
}

}  // namespace

void RtfWriter::beginPresentation() {}

void RtfWriter::endPresentation() {
    out_ << header() << body_ << "}\r\n";
    out_.flush();
}

void RtfWriter::beginSlide(int, bool) {
    headingWritten_ = false;
    headingOpen_ = false;
}

void RtfWriter::endSlide() {
    if (!headingWritten_) writeEmptyHeading();
    closeHeading();
}

void RtfWriter::beginTextBlock(BlockRole role) { role_ = role; }
void RtfWriter::endTextBlock() {}

void RtfWriter::openParagraph(int level) {
    level = std::clamp(level, 0, kMaxLevel);
    body_ += "\\pard\\plain\\s";
    body_ += static_cast<char>('1' + level);  // levels are 0..8: one digit each
    body_ += "\\outlinelevel";
    body_ += static_cast<char>('0' + level);
    if (level > 0) appendControl(body_, "\\li", level * kIndentPerLevel);
    body_ += ' ';
}

void RtfWriter::writeEmptyHeading() {
    openParagraph(0);
    body_ += "\\par\r\n";
    headingWritten_ = true;
}

void RtfWriter::closeHeading() {
    if (headingOpen_) body_ += "\\par\r\n";
    headingOpen_ = false;
}

void RtfWriter::beginParagraph(int level) {
    demotedTitle_ = false;
    if (role_ == BlockRole::Title) {
        if (!headingWritten_) {
            openParagraph(0);
            headingWritten_ = headingOpen_ = true;
            return;
        }
        if (headingOpen_) {
            body_ += "\\line ";
            return;
        }
        // A title after body text cannot join the slide's heading any more.
        demotedTitle_ = true;
        openParagraph(1);
        return;
    }
    if (!headingWritten_) writeEmptyHeading();
    closeHeading();
    openParagraph(std::max(level, 1));
}

void RtfWriter::endParagraph() {
    if (role_ == BlockRole::Title && !demotedTitle_ && headingOpen_) return;  // ended by the next paragraph
    body_ += "\\par\r\n";
}

void RtfWriter::beginRun(const CharFormat& f) {
    body_ += '{';
    // Runs mostly repeat the formats of the slide before in the same order:
    // the search starts after the last one found.
    const std::size_t n = openings_.size();
    std::size_t i = lastOpening_;
    for (std::size_t k = 0; k < n; ++k) {
        if (++i >= n) i = 0;
        if (openings_[i].format == f) {
            lastOpening_ = i;
            body_ += openings_[i].controls;
            return;
        }
    }
    // Bounded, so that a deck of ever new formats costs no more than before.
    constexpr std::size_t kRemembered = 16;
    if (openings_.size() == kRemembered) openings_.erase(openings_.begin());
    openings_.push_back({f, {}});
    lastOpening_ = openings_.size() - 1;
    std::string& controls = openings_.back().controls;
    appendRunControls(f, controls);
    body_ += controls;
}

void RtfWriter::appendRunControls(const CharFormat& f, std::string& out) {
    if (f.bold) out += "\\b";
    if (f.italic) out += "\\i";
    if (f.strike) out += "\\strike";
    if (const char* u = underlineWord(f.underline)) out += u;
    if (f.baseline == Baseline::Super) out += "\\super";
    if (f.baseline == Baseline::Sub) out += "\\sub";
    if (!f.font.empty()) appendControl(out, "\\f", fontIndex(f.font, f.symbolFont));
    if (f.sizeHalfPoints > 0) appendControl(out, "\\fs", f.sizeHalfPoints);
    if (f.color) appendControl(out, "\\cf", colorIndex(*f.color & 0xFFFFFF));
    // The delimiter keeps text (digits too) out of the last control word.
    if (!out.empty()) out += ' ';
}

void RtfWriter::endRun() { body_ += '}'; }
void RtfWriter::text(std::string_view utf8) { appendRtfText(body_, utf8); }
void RtfWriter::tab() { body_ += "\\tab "; }
void RtfWriter::lineBreak() { body_ += "\\line "; }

int RtfWriter::fontIndex(const std::string& name, bool symbol) {
    auto it = std::find_if(fonts_.begin(), fonts_.end(),
                           [&](const auto& font) { return font.second == symbol && font.first == name; });
    if (it != fonts_.end()) return static_cast<int>(it - fonts_.begin());
    fonts_.emplace_back(name, symbol);
    return static_cast<int>(fonts_.size() - 1);
}

int RtfWriter::colorIndex(std::uint32_t rgb) {
    // Entry 0 of the table is the empty "automatic" colour.
    auto it = std::find(colors_.begin(), colors_.end(), rgb);
    if (it != colors_.end()) return static_cast<int>(it - colors_.begin()) + 1;
    colors_.push_back(rgb);
    return static_cast<int>(colors_.size());
}

std::string RtfWriter::header() const {
    std::string h = "{\\rtf1\\ansi\\ansicpg1252\\uc1\\deff0\\deflang1033\r\n{\\fonttbl";
    for (std::size_t i = 0; i < fonts_.size(); ++i) {
        const auto& [name, symbol] = fonts_[i];
        h += "{\\f" + std::to_string(i);
        h += i == 0 ? "\\fswiss" : "\\fnil";
        h += symbol ? "\\fcharset2 " : "\\fcharset0 ";
        std::string clean = name;
        // A semicolon ends the entry; it cannot be part of the name.
        std::erase(clean, ';');
        appendRtfText(h, clean);
        h += ";}";
    }
    h += "}\r\n{\\colortbl;";
    for (std::uint32_t c : colors_) {
        h += "\\red" + std::to_string((c >> 16) & 0xFF) + "\\green" + std::to_string((c >> 8) & 0xFF) +
             "\\blue" + std::to_string(c & 0xFF) + ';';
    }
    h += "}\r\n{\\stylesheet{\\s0\\f0\\fs24 Normal;}\r\n";
    for (int level = 0; level <= kMaxLevel; ++level) {
        h += "{\\s" + std::to_string(level + 1) + "\\outlinelevel" + std::to_string(level) + "\\sbasedon0\\snext0";
        if (level == 0) h += "\\b\\f0\\fs32";
        else h += "\\li" + std::to_string(level * kIndentPerLevel) + "\\f0\\fs24";
        h += " heading " + std::to_string(level + 1) + ";}\r\n";
    }
    h += "}\r\n";
    return h;
}

}  // namespace sw::pres
