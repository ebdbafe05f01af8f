#pragma once
// The host of a batch run: no windows. The message area, the linkage table,
// the dendrogram and the results grid show nothing (the report holds the
// linkage table and the dendrogram listing anyway); outputs are written as
// the windows write them, staged until the run is complete; questions are
// answered as --yes says; the bootstrap's progress goes to standard error.

#include <optional>
#include <ostream>
#include <string>

#include "cli/progress_display.h"
#include "cli/staged_outputs.h"
#include "run/null_host.h"

namespace tw::batch {

// A message box as the core put it.
struct Notice {
    std::string title;
    std::string text;
};

// Takes the faults of a format check, each answered Yes so that the check
// goes on to list the next one.
class FaultRecorder {
  public:
    virtual ~FaultRecorder() = default;
    virtual void fault(const std::string& title, const std::string& text) = 0;
};

// A warning question's name without the " Do you want to continue?" the
// message box adds to it.
std::string warning_name(const std::string& title);

class QuietHost : public NullHost {
  public:
    // `answer_yes`: every warning question is answered Yes and noted on
    // `messages`; otherwise the first one is answered No, which stops the run.
    // `report_out` takes an output named "-". `progress` may be null.
    QuietHost(bool answer_yes, std::ostream& messages, std::ostream& report_out,
              StagedOutputs& outputs, ProgressDisplay* progress);

    Answer ask(std::string_view title, std::string_view text, Buttons buttons) override;
    void note(std::string_view title, std::string_view text) override;
    std::unique_ptr<TextTarget> open_output(const std::string& name, OpenMode mode) override;
    void test_progress(const TestProgress& progress) override;

    // While set, every question is a format fault for `recorder`.
    void record_faults(FaultRecorder* recorder) { faults_ = recorder; }

    // The warning question that was answered No, if any.
    const std::optional<Notice>& declined() const { return declined_; }
    // The last message box with only OK: why a stage stopped.
    const std::optional<Notice>& last_message() const { return last_message_; }

  private:
    bool answer_yes_;
    std::ostream& messages_out_;
    std::ostream& report_out_;
    StagedOutputs& outputs_;
    ProgressDisplay* progress_;
    FaultRecorder* faults_ = nullptr;
    std::optional<Notice> declined_;
    std::optional<Notice> last_message_;
};

}  // namespace tw::batch
