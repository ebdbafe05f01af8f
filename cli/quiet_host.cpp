#include "cli/quiet_host.h"

#include "cli/batch_options.h"

namespace tw::batch {

namespace {

constexpr std::string_view kContinueSuffix = " Do you want to continue?";

// The report on standard output, which may be the terminal that shows the
// progress bar: the bar's line is ended before the report goes on.
class StreamTarget : public TextTarget {
  public:
    StreamTarget(std::ostream& out, ProgressDisplay* progress) : out_(out), progress_(progress) {}
    void write(std::string_view text) override {
        if (progress_) progress_->break_line();
        out_.write(text.data(), static_cast<std::streamsize>(text.size()));
    }
    void flush() override { out_.flush(); }

  private:
    std::ostream& out_;
    ProgressDisplay* progress_;
};

}  // namespace

std::string warning_name(const std::string& title) {
    if (title.size() >= kContinueSuffix.size() &&
        title.compare(title.size() - kContinueSuffix.size(), kContinueSuffix.size(),
                      kContinueSuffix) == 0) {
        return title.substr(0, title.size() - kContinueSuffix.size());
    }
    return title;
}

QuietHost::QuietHost(bool answer_yes, std::ostream& messages, std::ostream& report_out,
                     StagedOutputs& outputs, ProgressDisplay* progress)
    : answer_yes_(answer_yes),
      messages_out_(messages),
      report_out_(report_out),
      outputs_(outputs),
      progress_(progress) {}

Answer QuietHost::ask(std::string_view title, std::string_view text, Buttons buttons) {
    Notice notice{std::string(title), std::string(text)};
    if (buttons == Buttons::Ok) {
        last_message_ = std::move(notice);
        return Answer::Ok;
    }
    if (faults_) {
        faults_->fault(notice.title, notice.text);
        return Answer::Yes;
    }
    if (answer_yes_) {
        messages_out_ << "tarnwick-batch: " << warning_name(notice.title) << ": " << notice.text
                      << " -- answered Yes (--yes)\n";
        return Answer::Yes;
    }
    if (!declined_) declined_ = std::move(notice);
    return Answer::No;
}

void QuietHost::note(std::string_view title, std::string_view text) {
    messages_out_ << "tarnwick-batch: " << title << ": " << text << '\n';
}

std::unique_ptr<TextTarget> QuietHost::open_output(const std::string& name, OpenMode mode) {
    if (name == kStandardOutput) return std::make_unique<StreamTarget>(report_out_, progress_);
    return outputs_.open(name, mode);
}

void QuietHost::test_progress(const TestProgress& progress) {
    if (progress_) progress_->update(progress);
}

}  // namespace tw::batch
