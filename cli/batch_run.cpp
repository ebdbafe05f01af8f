#include "cli/batch_run.h"

#include <chrono>

#include "bootstrap/random_source.h"
#include "bootstrap/test_linkages.h"
#include "bootstrap/unreplicated_groups.h"
#include "cli/batch_figure.h"
#include "cli/batch_ordination.h"
#include "cli/format_check.h"
#include "cli/quiet_host.h"
#include "cluster/observed_run.h"
#include "explain/explain_clusters.h"
#include "export/export_results.h"
#include "figure/figure_source.h"
#include "import/data_file_text.h"
#include "import/group_names_file.h"
#include "import/table_files.h"
#include "import/workbook/chosen_file.h"
#include "simprof/simprof_settings.h"
#include "simprof/test_profiles.h"

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

// A table or workbook given as DATA becomes a data file next to it, named
// as tarnwick-import and the import dialog name it, which the run then
// reads (and its report names). Returns the data file, or "" when the
// table is refused.
std::string data_file_from_table(const import::ChosenFile& chosen,
                                 const import::ImportOptions& options, std::ostream& err) {
    const std::string& table = chosen.path;
    try {
        const import::ImportedTable imported =
            import::import_chosen_file(chosen, options, "with --sheet");
        if (!imported.summary.orientation_known) {
            err << kName << table
                << ": the table does not show whether its stations are the rows or the "
                   "columns; say which with --stations-as-rows or --stations-as-columns\n";
            return {};
        }
        const std::string data = import::default_data_file_path(table);
        import::save_imported_table(data, imported, table);
        err << kName << "read the table " << table << " into " << data << ": "
            << import::counts_text(imported.summary) << '\n';
        for (const std::string& note : import::import_notes(imported.summary))
            err << kName << note << '\n';
        return data;
    } catch (const std::exception& e) {  // a table refused or unreadable: its own message
        err << kName << e.what() << '\n';
        return {};
    }
}

// The windows ask before a bootstrap of single stations; a batch run goes on,
// and says why its verdicts may all come out "not significant".
void warn_unreplicated(const RunContext& ctx, std::ostream& err) {
    if (ctx.settings.test_method != TestMethod::Bootstrap) return;
    if (const auto warning = unreplicated_warning(ctx))
        err << kName << kUnreplicatedTitle << ": " << *warning << '\n';
}

}  // namespace

ExitCode run_batch(const BatchOptions& options, const BatchStreams& streams) {
    std::ostream& err = streams.err;
    RunSettings settings = options.settings;
    if (options.run_bootstrap && !options.seed_given) {
        settings.random_seed = test_seed(0);
        settings.random_seed_from_clock = true;
    }

    StagedOutputs outputs;
    ProgressDisplay progress(err, streams.err_is_terminal);
    QuietHost host(options.answer_yes, err, streams.out, outputs,
                   options.quiet ? nullptr : &progress);
    RunContext ctx;

    BatchOptions run_options = options;
    if (const auto chosen = import::open_chosen_file(settings.input_file);
        !import::runs_as_it_stands(chosen)) {
        const std::string data = data_file_from_table(chosen, options.table, err);
        if (data.empty()) return ExitCode::DataRefused;
        settings.input_file = run_options.settings.input_file = data;
    }
    if (options.check && !format_check_passed(ctx, host, run_options, err)) {
        if (host.last_message()) stopped(host, Outcome::Failed, options, err);
        return ExitCode::DataRefused;
    }
    ctx.settings = settings;
    Outcome outcome = run_analysis(ctx, host);
    if (outcome == Outcome::Completed && options.run_bootstrap) {
        if (!options.seed_given) {
            const bool profile = settings.test_method == TestMethod::Simprof;
            err << kName << (profile ? "similarity profile seed " : "bootstrap seed ")
                << settings.random_seed << " (give --seed " << settings.random_seed
                << " to repeat this run)\n";
        }
        warn_unreplicated(ctx, err);
        if (const auto floor = permutation_floor_warning(ctx.settings))
            err << kName << "Similarity Profile Test: " << *floor << '\n';
        outcome = test_and_explain(ctx, host);
        progress.finish(outcome == Outcome::Completed);
    }
    if (outcome != Outcome::Completed) {
        ctx.channels.close_all();
        outputs.discard();
        return stopped(host, outcome, options, err);
    }
    std::optional<ExitCode> ordination_failed;
    const std::optional<RunOrdination> ordination =
        batch_ordination(ctx, options, err, ordination_failed);
    if (ordination_failed) {
        ctx.channels.close_all();
        outputs.discard();
        return *ordination_failed;
    }
    // The figure reads the run as the dendrogram window does, before Finish.
    const FigureSource figure = figure_source(ctx, options.run_bootstrap);
    finish_run(ctx, host);
    if (const std::string failed = outputs.commit(); !failed.empty()) {
        err << kName << "File Error: The file \"" << failed << "\" cannot be created or written.\n";
        return ExitCode::OutputFailed;
    }
    if (!options.figure_file.empty() &&
        !write_batch_figure(figure, options.figure, options.figure_file, err)) {
        return ExitCode::OutputFailed;
    }
    // The exports read the finished run, once its own files are in place.
    if (!options.export_prefix.empty() && options.run_bootstrap &&
        export_results(ctx, host, options.export_prefix, std::chrono::system_clock::now(),
                       ordination ? &*ordination : nullptr) != Outcome::Completed) {
        if (const auto& m = host.last_message())
            err << kName << m->title << ": " << m->text << '\n';
        return ExitCode::OutputFailed;
    }
    if (ordination && !write_batch_ordination(*ordination, options, err))
        return ExitCode::OutputFailed;
    return ExitCode::Done;
}

}  // namespace tw::batch
