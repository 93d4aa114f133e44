#include "presentation/OutlineModel.h"

#include <algorithm>

#include "presentation/EngineError.h"

namespace sw::pres {

void OutlineModel::beginPresentation() { push(Op::BeginPresentation); }
void OutlineModel::endPresentation() { push(Op::EndPresentation); }
void OutlineModel::beginSlide(int number, bool hidden) {
    ++slides_;
    push(hidden ? Op::BeginHiddenSlide : Op::BeginSlide, static_cast<std::uint32_t>(number));
}
void OutlineModel::endSlide() { push(Op::EndSlide); }
void OutlineModel::beginTextBlock(BlockRole role) { push(role == BlockRole::Title ? Op::BeginTitle : Op::BeginBody); }
void OutlineModel::endTextBlock() { push(Op::EndTextBlock); }
void OutlineModel::beginParagraph(int level) { push(Op::BeginParagraph, static_cast<std::uint32_t>(level)); }
void OutlineModel::endParagraph() { push(Op::EndParagraph); }
void OutlineModel::beginRun(const CharFormat& format) { push(Op::BeginRun, formatIndex(format)); }
void OutlineModel::endRun() { push(Op::EndRun); }
void OutlineModel::tab() { push(Op::Tab); }
void OutlineModel::lineBreak() { push(Op::LineBreak); }

void OutlineModel::text(std::string_view utf8) {
    if (utf8.empty()) return;
    // Offsets are 32-bit to keep events small; the reader's part-size cap keeps
    // real outlines far below this.
    if (texts_.size() + utf8.size() > 0xFFFFFFFFu)
        throw EngineError(ErrorKind::TooLarge, "the outline text is larger than 4 GiB");
    if (!hasText_)
        hasText_ = std::any_of(utf8.begin(), utf8.end(), [](char c) { return c != ' '; });
    // Consecutive texts of one run are merged.
    if (!events_.empty() && events_.back().op == Op::Text && events_.back().a + events_.back().b == texts_.size()) {
        events_.back().b += static_cast<std::uint32_t>(utf8.size());
    } else {
        push(Op::Text, static_cast<std::uint32_t>(texts_.size()), static_cast<std::uint32_t>(utf8.size()));
    }
    texts_.append(utf8);
}

std::uint32_t OutlineModel::formatIndex(const CharFormat& format) {
    // Decks use a handful of distinct formats, and runs mostly repeat them in
    // the order of the slide before: the search starts after the last one found.
    const std::size_t n = formats_.size();
    std::size_t i = lastFormat_;
    for (std::size_t k = 0; k < n; ++k) {
        if (++i >= n) i = 0;
        if (formats_[i] == format) return static_cast<std::uint32_t>(lastFormat_ = i);
    }
    formats_.push_back(format);
    lastFormat_ = formats_.size() - 1;
    return static_cast<std::uint32_t>(lastFormat_);
}

void OutlineModel::replay(OutlineSink& sink) const {
    for (const Event& e : events_) {
        switch (e.op) {
        case Op::BeginPresentation: sink.beginPresentation(); break;
        case Op::EndPresentation: sink.endPresentation(); break;
        case Op::BeginSlide: sink.beginSlide(static_cast<int>(e.a), false); break;
        case Op::BeginHiddenSlide: sink.beginSlide(static_cast<int>(e.a), true); break;
        case Op::EndSlide: sink.endSlide(); break;
        case Op::BeginTitle: sink.beginTextBlock(BlockRole::Title); break;
        case Op::BeginBody: sink.beginTextBlock(BlockRole::Body); break;
        case Op::EndTextBlock: sink.endTextBlock(); break;
        case Op::BeginParagraph: sink.beginParagraph(static_cast<int>(e.a)); break;
        case Op::EndParagraph: sink.endParagraph(); break;
        case Op::BeginRun: sink.beginRun(formats_[e.a]); break;
        case Op::EndRun: sink.endRun(); break;
        case Op::Text: sink.text(std::string_view(texts_).substr(e.a, e.b)); break;
        case Op::Tab: sink.tab(); break;
        case Op::LineBreak: sink.lineBreak(); break;
        }
    }
}

}  // namespace sw::pres
