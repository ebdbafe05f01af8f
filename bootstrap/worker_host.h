#pragma once
// The host of a thread that runs bootstrap replicates for the window thread.
// It shows nothing and never waits: the message area and the linkage table
// are captured for the window thread to print in order, and a question is
// noted and answered No at once, for the window thread to ask when it runs
// that replicate itself.

#include "bootstrap/captured_output.h"
#include "run/null_host.h"

namespace tw {

class WorkerHost : public NullHost {
  public:
    // Print into these captures from now on, each from the start of a line
    // as every replicate attempt starts on the window thread.
    void capture_into(CapturedOutput& messages, CapturedOutput& link_table) {
        messages_ = Printer(&messages);
        link_table_ = Printer(&link_table);
        asked_ = false;
    }
    // Whether the attempt since capture_into met a question.
    bool asked() const { return asked_; }

    Printer& messages() override { return messages_; }
    Printer& link_table() override { return link_table_; }
    Answer ask(std::string_view, std::string_view, Buttons buttons) override {
        asked_ = true;
        return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    }

  private:
    Printer messages_;
    Printer link_table_;
    bool asked_ = false;
};

}  // namespace tw
