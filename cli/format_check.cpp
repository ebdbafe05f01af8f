#include "cli/format_check.h"

#include <cstdlib>

#include "datacheck/data_check.h"
#include "datacheck/null_data_check_view.h"

namespace tw::batch {

namespace {

// The sign and exponent question carries its own ending instead of the
// usual one.
constexpr std::string_view kExitSuffix = " Click NO to Exit";

std::string line_kind(const std::string& title) {
    const std::string name = warning_name(title);
    if (name.size() >= kExitSuffix.size() &&
        name.compare(name.size() - kExitSuffix.size(), kExitSuffix.size(), kExitSuffix) == 0) {
        return name.substr(0, name.size() - kExitSuffix.size());
    }
    return name;
}

// Follows the line number the check shows and files each fault under it.
class FaultList : public NullDataCheckView, public FaultRecorder {
  public:
    void show_text(DataCheckField field, const std::string& text) override {
        if (field == DataCheckField::LineNum) line_ = std::atoi(text.c_str());
    }
    void fault(const std::string& title, const std::string& text) override {
        faults.push_back({line_, line_kind(title), text});
    }

    std::vector<FormatFault> faults;

  private:
    std::int32_t line_ = 0;
};

// Every press moves to the next kind of line; a file of any length ends the
// check within a few presses, but a bound keeps a fault in the checker from
// turning into an endless loop.
constexpr int kMaxPresses = 64;

}  // namespace

FormatCheckResult run_format_check(RunContext& ctx, QuietHost& host, const std::string& data_file) {
    FaultList list;
    DataCheck check(ctx, host, list);
    host.record_faults(&list);
    FormatCheckResult result;
    for (int press = 0; press < kMaxPresses && !check.state().Finished; ++press) {
        result.outcome = check.read_pressed(data_file);
        if (result.outcome != Outcome::Completed) break;
    }
    host.record_faults(nullptr);
    result.faults = std::move(list.faults);
    return result;
}

std::string fault_line(const std::string& data_file, const FormatFault& fault) {
    return data_file + ":" + std::to_string(fault.line) + ": " + fault.title + ": " + fault.text;
}

}  // namespace tw::batch
