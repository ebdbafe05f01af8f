#include "cli/batch_run.h"

#include "bootstrap/random_source.h"
#include "bootstrap/test_linkages.h"
#include "cli/format_check.h"
#include "cli/quiet_host.h"
#include "run/run_driver.h"

namespace tw::batch {

namespace {

constexpr const char* kName = "tarnwick-batch: ";

// The kind of failure behind a message the core showed when it stopped a
// stage, from the message's title.
ExitCode failure_kind(const std::string& title) {
    if (title == "File Error") return ExitCode::OutputFailed;
    if (title == "Bootstrap Test") return ExitCode::Usage;
    if (title == "Data File Error" || title == "Input File Error" || title == "Constant Error" ||
        title == "Averaging Error" || title == "Resemblance Error" || title == "Clustering Error" ||
        title == "Memory Error") {
        return ExitCode::DataRefused;
    }
    return ExitCode::Internal;
}

// Why a stage did not complete, said once on standard error.
ExitCode stopped(const QuietHost& host, Outcome outcome, const BatchOptions& options,
                 std::ostream& err) {
    const std::string& data = options.settings.input_file;
    if (const auto& q = host.declined()) {
        err << kName << data << ": " << warning_name(q->title) << ": " << q->text << '\n'
            << kName << "stopped at this warning; run again with --yes to answer Yes and go on\n";
        return ExitCode::StoppedAtWarning;
    }
    if (outcome == Outcome::Abandoned) {
        // The heterogeneity-ratio question answered Yes goes back to choose
        // another measure.
        err << kName << data
            << ": the heterogeneity ratio cannot be computed for data with rows that total to "
               "zero or a negative number; choose another --measure\n";
        return ExitCode::StoppedAtWarning;
    }
    if (const auto& m = host.last_message()) {
        err << kName << m->title << ": " << m->text << '\n';
        return failure_kind(m->title);
    }
    err << kName << data << ": the run stopped\n";
    return ExitCode::Internal;
}

// With --check: every fault listed; any fault refuses the file.
bool format_check_passed(RunContext& ctx, QuietHost& host, const BatchOptions& options,
                         std::ostream& err) {
    const std::string& data = options.settings.input_file;
    const FormatCheckResult check = run_format_check(ctx, host, data);
    for (const FormatFault& fault : check.faults) err << kName << fault_line(data, fault) << '\n';
    if (check.outcome != Outcome::Completed) return false;
    if (check.faults.empty()) return true;
    err << kName << data << ": the format check found " << check.faults.size()
        << (check.faults.size() == 1 ? " fault" : " faults") << "; nothing was analysed\n";
    return false;
}

}  // namespace

ExitCode run_batch(const BatchOptions& options, const BatchStreams& streams) {
    std::ostream& err = streams.err;
    RunSettings settings = options.settings;
    if (options.run_bootstrap && !options.seed_given) settings.random_seed = test_seed(0);

    StagedOutputs outputs;
    ProgressDisplay progress(err, streams.err_is_terminal);
    QuietHost host(options.answer_yes, err, streams.out, outputs,
                   options.quiet ? nullptr : &progress);
    RunContext ctx;

    if (options.check && !format_check_passed(ctx, host, options, err)) {
        if (host.last_message()) stopped(host, Outcome::Failed, options, err);
        return ExitCode::DataRefused;
    }
    // A table in another format would be converted to a data file here, and
    // the settings pointed at it, before the run reads it.
    ctx.settings = settings;
    Outcome outcome = run_analysis(ctx, host);
    if (outcome == Outcome::Completed && options.run_bootstrap) {
        if (!options.seed_given) {
            err << kName << "bootstrap seed " << settings.random_seed << " (give --seed "
                << settings.random_seed << " to repeat this run)\n";
        }
        outcome = test_linkages(ctx, host);
        progress.finish(outcome == Outcome::Completed);
    }
    if (outcome != Outcome::Completed) {
        ctx.channels.close_all();
        outputs.discard();
        return stopped(host, outcome, options, err);
    }
    finish_run(ctx, host);
    if (const std::string failed = outputs.commit(); !failed.empty()) {
        err << kName << "File Error: The file \"" << failed << "\" cannot be created or written.\n";
        return ExitCode::OutputFailed;
    }
    // Further formats of the results would be written here, from ctx, once
    // the run's own files are in place.
    return ExitCode::Done;
}

}  // namespace tw::batch
