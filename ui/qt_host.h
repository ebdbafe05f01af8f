#pragma once
// The core's view of the windows: the message area is Form2.PicBox1, the
// link table FORM5.link_table, the canvas Form4's Dendrogram box, the grid
// FORM5.Grid_out; questions are modal message boxes; outputs are files, the
// report window ("SCRN:") or the printer ("LPT1:").

#include <QElapsedTimer>
#include <functional>

#include "run/host.h"
#include "ui/turn_clock.h"

namespace tw::ui {

class Session;
class TextPanel;

class QtHost : public Host {
  public:
    explicit QtHost(Session& session);

    Printer& messages() override { return messages_; }
    Printer& link_table() override { return link_table_; }
    Answer ask(std::string_view title, std::string_view text, Buttons buttons) override;
    std::unique_ptr<TextTarget> open_output(const std::string& name, OpenMode mode) override;
    Canvas& dendrogram() override;
    ResultsGrid& grid() override;
    void show(Window window, bool visible) override;
    void show(Control control, bool visible) override;
    void end_program() override;
    // FORM5's progress bar and "Stop test".
    void test_progress(const TestProgress& progress) override;
    bool stop_requested() const override;

    // The user asked to end the program while a stage runs: the stage's next
    // yield ends it.
    void end_at_next_yield() { yield_soon(); }

    // A stage starts from the event loop, so the windows are up to date:
    // they next get their turn after a full interval of the stage's work.
    void stage_started();

  protected:
    // Lets the windows repaint and take clicks at most every 60 ms; an exit
    // asked for meanwhile ends the program from here.
    void process_events() override;

  private:
    // A picture box found when it is first printed on, since its window is
    // created only when first needed.
    class PanelTarget : public TextTarget {
      public:
        explicit PanelTarget(std::function<TextPanel&()> find) : find_(std::move(find)) {}
        void write(std::string_view text) override;
        void clear() override;

      private:
        TextPanel& panel();

        std::function<TextPanel&()> find_;
        TextPanel* found_ = nullptr;
    };

    Session& session_;
    PanelTarget message_area_;
    PanelTarget link_area_;
    Printer messages_;
    Printer link_table_;
    QElapsedTimer since_yield_;
    bool progress_due_ = true;  // the windows had a turn since the bar was last repainted
    // Last, so that it stops before anything it could reach goes away.
    TurnClock clock_;
};

}  // namespace tw::ui
