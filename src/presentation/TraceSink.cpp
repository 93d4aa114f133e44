#include "presentation/TraceSink.h"

#include <cstdio>

namespace sw::pres {

void TraceSink::line(const std::string& s) {
    out_.append(static_cast<std::size_t>(depth_) * 2, ' ');
    out_ += s;
    out_ += '\n';
}

void TraceSink::beginPresentation() { line("presentation"); ++depth_; }
void TraceSink::endPresentation() { --depth_; line("end presentation"); }
void TraceSink::beginSlide(int number, bool hidden) {
    line("slide " + std::to_string(number) + (hidden ? " hidden" : ""));
    ++depth_;
}
void TraceSink::endSlide() { --depth_; }
void TraceSink::beginTextBlock(BlockRole role) {
    line(role == BlockRole::Title ? "title" : "body");
    ++depth_;
}
void TraceSink::endTextBlock() { --depth_; }
void TraceSink::beginParagraph(int level) {
    line("para " + std::to_string(level));
    ++depth_;
}
void TraceSink::endParagraph() { --depth_; }
void TraceSink::beginRun(const CharFormat& f) {
    std::string s = "run";
    if (f.bold) s += " b";
    if (f.italic) s += " i";
    if (f.strike) s += " strike";
    if (f.underline != Underline::None) s += " u";
    if (f.baseline == Baseline::Super) s += " super";
    if (f.baseline == Baseline::Sub) s += " sub";
    if (f.sizeHalfPoints) s += " sz=" + std::to_string(f.sizeHalfPoints);
    if (!f.font.empty()) s += " font=" + f.font;
    if (f.symbolFont) s += " symbol";
    if (f.color) {
        char buf[16];
        std::snprintf(buf, sizeof buf, " color=%06X", static_cast<unsigned>(*f.color & 0xFFFFFF));
        s += buf;
    }
    line(s);
    ++depth_;
}
void TraceSink::endRun() { --depth_; }
void TraceSink::text(std::string_view utf8) { line("text \"" + std::string(utf8) + "\""); }
void TraceSink::tab() { line("tab"); }
void TraceSink::lineBreak() { line("br"); }

}  // namespace sw::pres
