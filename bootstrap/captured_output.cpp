#include "bootstrap/captured_output.h"

namespace tw {

void CapturedOutput::write(std::string_view text) {
    // A printer ends a line with a write of CR LF alone; everything else is
    // the text of print items.
    if (text == "\r\n") {
        events_.push_back({Kind::LineEnd});
        return;
    }
    // Runs of items (the dots of clustering) are kept as one text, which
    // prints the same and keeps the capture small.
    if (events_.size() > closed_ && events_.back().kind == Kind::Text) {
        events_.back().size += text.size();
    } else {
        events_.push_back({Kind::Text, text_.size(), text.size()});
    }
    text_.append(text);
}

void CapturedOutput::clear() {
    events_.push_back({Kind::Clear});
}

std::size_t CapturedOutput::close_piece() {
    closed_ = events_.size();
    return closed_;
}

void CapturedOutput::reset() {
    text_.clear();
    events_.clear();
    closed_ = 0;
}

void CapturedOutput::replay(Printer& to, std::size_t from, std::size_t until) const {
    for (std::size_t e = from; e < until && e < events_.size(); ++e) {
        const Event& event = events_[e];
        switch (event.kind) {
            case Kind::Text:
                to.text(std::string_view(text_).substr(event.begin, event.size));
                break;
            case Kind::LineEnd:
                to.end();
                break;
            case Kind::Clear:
                to.clear();
                break;
        }
    }
}

}  // namespace tw
