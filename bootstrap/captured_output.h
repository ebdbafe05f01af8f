#pragma once
// What a replicate printed away from the window thread, kept so that the
// window thread can print it in replicate order, exactly as a replicate run
// there would have printed it.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "run/printer.h"
#include "run/text_target.h"

namespace tw {

class CapturedOutput : public TextTarget {
  public:
    void write(std::string_view text) override;
    void clear() override;

    // Ends one piece of the capture (one replicate attempt) and returns its
    // end, for replay(). Later text never joins a closed piece.
    std::size_t close_piece();
    // Empties the capture, keeping its buffers for the next replicate.
    void reset();

    // Prints events [from, until) of the capture on `to`: text, line ends and
    // clears in their order, so `to` keeps its own print position right.
    void replay(Printer& to, std::size_t from, std::size_t until) const;

  private:
    enum class Kind { Text, LineEnd, Clear };
    struct Event {
        Kind kind;
        std::size_t begin = 0;  // Text: its characters in text_
        std::size_t size = 0;
    };
    std::string text_;
    std::vector<Event> events_;
    std::size_t closed_ = 0;  // events before this belong to closed pieces
};

}  // namespace tw
