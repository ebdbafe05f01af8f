#pragma once
// Runs the program's stages on data that hold values which are not numbers
// (NaN) or are infinite, or that overflow single precision on the way, and
// checks that every stage ends and leaves something a user can read.

#include <cmath>
#include <limits>
#include <string>

#include "bootstrap/test_linkages.h"
#include "cluster/observed_run.h"
#include "support/scripted_host.h"
#include "support/test_files.h"

namespace tw::test {

inline const float kNaN = std::numeric_limits<float>::quiet_NaN();
inline const float kInf = std::numeric_limits<float>::infinity();

// Answers Yes (or OK) to everything, as a user pressing on would, and keeps
// every question for the test to read.
class PressOnHost : public ScriptedHost {
  public:
    Answer ask(std::string_view title, std::string_view text, Buttons buttons) override {
        questions.push_back({std::string(title), std::string(text), buttons});
        return buttons == Buttons::Ok ? Answer::Ok : Answer::Yes;
    }
};

// One whole run of a data file, observed and bootstrap, as the windows would
// start it, with a fixed seed.
struct WholeRun {
    PressOnHost host;
    RunContext ctx;

    explicit WholeRun(const std::string& contents, Measure measure,
                      LinkageMethod linkage = LinkageMethod::UPGMA) {
        ctx.settings.input_file = write_input_file("data.txt", contents);
        ctx.settings.output_mode = OutputMode::File;
        ctx.settings.output_file = "report.lst";
        ctx.settings.measure = measure;
        ctx.settings.linkage = linkage;
        ctx.settings.boot_text = "5";
        ctx.settings.random_seed = 7;
    }
    Outcome observed() { return run_analysis(ctx, host); }
    Outcome bootstrap() { return test_linkages(ctx, host); }
    std::string report() const { return host.file("report.lst"); }
};

}  // namespace tw::test
