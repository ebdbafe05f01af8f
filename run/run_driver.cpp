#include "run/run_driver.h"

#include <cmath>
#include <filesystem>
#include <optional>
#include <string>

#include "run/averaging.h"
#include "run/data_reader.h"
#include "run/group_names.h"
#include "run/input_file.h"
#include "run/questions.h"
#include "run/report_header.h"
#include "run/seed_text.h"
#include "run/text_number.h"
#include "run/transform.h"

namespace tw {

namespace {

bool blank(const std::string& s) {
    return s.find_first_not_of(" \t") == std::string::npos;
}

bool same_file(const std::string& a, const std::string& b) {
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec) && !ec;
}

void refuse_overwriting_input(const std::string& output, const std::string& input) {
    if (!same_file(output, input)) return;
    throw RunError("File Error", "The file \"" + output +
                                     "\" is the input data file; choose another name for the "
                                     "output.");
}

// Every output this run may create is named and is not the input file, so
// that a run never stops half-way for a missing name and never overwrites
// its own data.
void check_output_names(const RunSettings& s) {
    const bool report_to_file = s.output_mode == OutputMode::File;
    if (report_to_file && blank(s.output_file)) {
        throw RunError("File Error", "No name has been given for the output file.");
    }
    if (s.print_average && blank(s.average_file)) {
        throw RunError("File Error",
                       "No name has been given for the average abundance matrix file.");
    }
    if (report_to_file) refuse_overwriting_input(s.output_file, s.input_file);
    if (s.print_average) refuse_overwriting_input(s.average_file, s.input_file);
}

void take_data_options(RunContext& ctx) {
    const RunSettings& s = ctx.settings;
    ctx.AnalysisMode = AnalysisKind::R;
    ctx.MultConstant = s.multiply ? static_cast<float>(leading_number(s.constant_text)) : 1.0f;
    if (!std::isfinite(ctx.MultConstant)) {
        throw RunError("Constant Error", "The constant \"" + s.constant_text +
                                             "\" is too large for the program's numbers.");
    }
    // A seed the test could not use is refused before anything is shown or
    // written, not after the dendrogram has been drawn.
    if (read_seed_text(s.seed_text).source == SeedSource::Invalid)
        throw RunError("Random Seed", seed_problem_message(s.seed_text));
    ctx.TransformCode = chosen_transform(s);
    ctx.StandardiseFlag = s.standardise;
}

// The whole input is read and checked, and every setting taken, before the
// first question or output: a bad file or setting stops the run with
// nothing written.
InputFile read_checked_input(RunContext& ctx) {
    const std::string& name = ctx.settings.input_file;
    InputFile file = parse_input_file(read_data_file(name), name);
    take_data_options(ctx);
    check_rescaled_range(file, ctx.MultConstant, name);
    check_output_names(ctx.settings);
    return file;
}

// The message area is cleared after reading in every run. A measure that
// cannot be computed for an empty or negative row brings the question that
// says so: "Yes" goes back to the options with the report of a former run
// closed.
bool measure_refuses_rows(RunContext& ctx, Host& host, const MeasureChoice& chosen,
                          const SoundnessFlags& seen) {
    host.messages().clear();
    const std::optional<RowTotalsQuestion>& question = chosen.row_totals_question;
    if (!question || !seen.row_unsound()) return false;
    ask_to_continue(host, question->warning_name, question->prompt);
    ctx.channels.close(Channels::kReport);
    return true;
}

void average_observed_groups(RunContext& ctx, Host& host) {
    ctx.AvgMatrix.recreate(ctx.NumGroups, ctx.NumCols);
    ctx.GroupLabel.assign(static_cast<std::size_t>(ctx.NumGroups) + 1, std::string());
    ctx.PrintAvgFlag = ctx.settings.print_average;
    host.messages().text("Calling routine to generate average abundance matrix").end();
    // The group map is not consulted in the observed run.
    average_groups(ctx, host, ctx.NumGroups, ctx.AvgMatrix, ctx.DataMatrix, ctx.GroupLabel,
                   ctx.NumRows, ctx.LinkMembers, RunMode::Observed);
}

void open_report(RunContext& ctx, Host& host, const MeasureChoice& chosen) {
    Printer& report =
        ctx.channels.open(host, Channels::kReport, report_target(ctx.settings), OpenMode::Write);
    write_report_header(ctx, report, chosen);
}

}  // namespace

Outcome prepare_observed_run(RunContext& ctx, Host& host, const MeasureChoice& chosen) {
    ctx.recreate_for_run();
    ctx.Stage = RunStage::ReadingData;
    // A sequence line seen by the check of an earlier run must not appear in
    // the header of a run whose file was not checked.
    if (ctx.settings.bypass_check) ctx.ReplicateSequenceText.clear();
    host.show(Window::Options, true);
    InputFile file = read_checked_input(ctx);
    SoundnessFlags seen;
    load_data_rows(ctx, host, file, seen);
    if (measure_refuses_rows(ctx, host, chosen, seen)) return Outcome::Abandoned;
    check_columns(ctx, host, seen);
    load_groups(ctx, host, file);
    average_observed_groups(ctx, host);
    take_group_names(ctx, host);
    open_report(ctx, host, chosen);
    host.show(Window::Method, false);
    host.show(Window::Options, false);
    host.show(Window::Start, false);
    return Outcome::Completed;
}

}  // namespace tw
