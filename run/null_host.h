#pragma once
// A host that shows nothing: for benchmarks and for work done away from the
// window thread. Questions are answered Yes, outputs are discarded.

#include <memory>
#include <string>

#include "run/host.h"

namespace tw {

class NullHost : public Host {
  public:
    // Nothing to let in: process_events() is run as seldom as the countdown
    // allows, unless a host that lets another one in asks for every yield.
    explicit NullHost(int yield_stride = 1 << 30)
        : Host(yield_stride), messages_(&sink_), link_table_(&sink_) {}

    Printer& messages() override { return messages_; }
    Printer& link_table() override { return link_table_; }
    Answer ask(std::string_view, std::string_view, Buttons b) override {
        return b == Buttons::Ok ? Answer::Ok : Answer::Yes;
    }
    std::unique_ptr<TextTarget> open_output(const std::string&, OpenMode) override {
        return std::make_unique<Discard>();
    }
    Canvas& dendrogram() override { return canvas_; }
    ResultsGrid& grid() override { return grid_; }
    void show(Window, bool) override {}
    void show(Control, bool) override {}
    void end_program() override {}

  protected:
    void process_events() override {}

  private:
    class Discard : public TextTarget {
      public:
        void write(std::string_view) override {}
    };
    class NoCanvas : public Canvas {
      public:
        void clear() override {}
        void set_scale(float, float) override {}
        void line(float, float, float, float) override {}
        void text(float, float, const std::string&) override {}
    };
    class NoGrid : public ResultsGrid {
      public:
        void set_rows(int) override {}
        void set_cell(int, int, const std::string&) override {}
        void set_text_colour(GridColour) override {}
    };

    Discard sink_;
    Printer messages_;
    Printer link_table_;
    NoCanvas canvas_;
    NoGrid grid_;
};

}  // namespace tw
