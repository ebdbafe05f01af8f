#include "export/run_record.h"

#include <ctime>
#include <filesystem>

#include "cluster/linkage_method.h"
#include "export/json_writer.h"
#include "export/method_names.h"
#include "export/methods_paragraph.h"
#include "export/ordination_export.h"
#include "export/sha256.h"
#include "resemblance/measure.h"
#include "run/group_names.h"
#include "run/seed_text.h"

#ifndef TARNWICK_VERSION
#define TARNWICK_VERSION "unknown"
#endif

namespace tw {

namespace {

std::string output_mode_name(OutputMode mode) {
    switch (mode) {
        case OutputMode::Screen:
            return "screen";
        case OutputMode::Printer:
            return "printer";
        case OutputMode::File:
            return "file";
    }
    return "file";
}

std::string full_path(const std::string& path) {
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(path, error);
    return error ? path : full.lexically_normal().string();
}

// Form2, "I/O and Data Options", as the user left it.
JsonObject options_window(const RunSettings& s) {
    JsonObject o(2);
    o.text("input_file", s.input_file)
        .text("output_mode", output_mode_name(s.output_mode))
        .text("output_file", s.output_file)
        .boolean("multiply_by_constant", s.multiply)
        .text("constant", s.constant_text)
        .boolean("transform_ln_x_plus_1", s.transform_ln)
        .boolean("transform_binary", s.transform_binary)
        .boolean("transform_square_root", s.transform_sqrt)
        .boolean("transform_fourth_root", s.transform_fourth_root)
        .boolean("standardise_to_group_total", s.standardise)
        .boolean("print_average_matrix", s.print_average)
        .text("average_matrix_file", s.average_file)
        .boolean("bypass_format_check", s.bypass_check)
        .boolean("output_similarity_matrix", s.sim_matrix)
        .boolean("output_all_similarity_matrices", s.all_matrix)
        .text("cluster_list_from_level", s.savelinks_text);
    return o;
}

// Form3, "Similarity Index and Linkage Method", as the user left it.
JsonObject linkage_window(const RunSettings& s) {
    JsonObject o(2);
    o.integer("measure_entry", measure_entry(s.measure))
        .integer("linkage_entry", linkage_entry(s.linkage))
        .boolean("square_similarity_values", s.sqr_sim)
        .text("alpha_level", s.alpha_text)
        .text("bootstrap_samples", s.boot_text)
        .text("random_seed", s.seed_text)
        .text("test_method",
              s.test_method == TestMethod::Simprof ? "similarity profile" : "bootstrap")
        .text("permutations", s.permutations_text);
    return o;
}

JsonObject settings(const RunContext& ctx) {
    JsonObject o(1);
    o.object("options_window", options_window(ctx.settings))
        .object("linkage_window", linkage_window(ctx.settings));
    return o;
}

JsonObject data_file(const RunContext& ctx) {
    JsonObject o(1);
    o.text("path", full_path(ctx.settings.input_file))
        .text_or_null("sha256", file_sha256(ctx.settings.input_file))
        .text("title", ctx.DataTitle);
    // The names beside the data file, when the run took them: they label
    // the figure and the exports, so the record says where they came from.
    const std::string names = group_names_path(ctx.settings.input_file);
    if (ctx.GroupNames.present())
        o.text("group_names_file", full_path(names))
            .text_or_null("group_names_sha256", file_sha256(names));
    else
        o.text_or_null("group_names_file", std::nullopt);
    return o;
}

JsonObject counts(const RunContext& ctx) {
    JsonObject o(1);
    o.integer("stations", ctx.NumRows)
        .integer("species", ctx.NumCols)
        .integer("groups", ctx.NumGroups)
        .integer("clusters", cluster_count(ctx));
    return o;
}

// The test that ran, as its result records it; the seed is the one it drew
// from however it was given (the seed box, --seed, or the clock).
JsonObject test(const RunContext& ctx) {
    const TestResults& r = ctx.Results;
    JsonObject o(1);
    if (r.ran())
        o.text("method", test_name(r.test));
    else
        o.text_or_null("method", std::nullopt);
    o.integer("trials", r.trials)
        .text("trials_are", trials_name(r.test))
        .text("alpha_text", r.alpha_text)
        .number("alpha", r.alpha);
    if (r.seed)
        o.unsigned_integer("seed", *r.seed);
    else
        o.text_or_null("seed", std::nullopt);
    const bool from_clock = ctx.settings.random_seed_from_clock ||
                            chosen_seed(ctx.settings).source != SeedSource::Typed;
    o.boolean("seed_from_clock", from_clock).integer("threads", r.threads);
    return o;
}

// How the species tables of PREFIX.simper.csv and PREFIX.indicators.csv
// were made, when the run has them.
JsonObject explanation(const ClusterExplanation& e) {
    JsonObject o(1);
    o.text("measure", "Bray-Curtis")
        .number("simper_cut", e.simper_cut)
        .integer("indicator_permutations", e.permutations)
        .unsigned_integer("seed", e.seed);
    return o;
}

// The check leaves the replicate sequence it saw; a key pressed on the
// options window's Continue skips the check without ticking the by-pass.
bool format_check_ran(const RunContext& ctx) {
    return !ctx.settings.bypass_check && !ctx.ReplicateSequenceText.empty();
}

}  // namespace

std::string utc_timestamp(std::chrono::system_clock::time_point when) {
    const std::time_t t = std::chrono::system_clock::to_time_t(when);
    std::tm parts{};
    gmtime_r(&t, &parts);
    char text[32] = {};
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &parts);
    return text;
}

std::string run_record_json(const RunContext& ctx, const LevelConversion& conversion,
                            std::chrono::system_clock::time_point made,
                            const RunOrdination* ordination) {
    const MeasureOfRun measure = measure_of_run(ctx);
    JsonObject record;
    record.text("program", "TARNWICK")
        .text("version", TARNWICK_VERSION)
        .text("made", utc_timestamp(made))
        .object("data_file", data_file(ctx))
        .object("settings", settings(ctx))
        .text("measure", measure.name)
        .text("measure_kind", measure.kind())
        .boolean("squared", ctx.SquaredFlag)
        .text("linkage", linkage_name(ctx))
        .boolean("format_check_ran", format_check_ran(ctx))
        .object("counts", counts(ctx))
        .object("test", test(ctx))
        .text("level_conversion", conversion.description())
        .text("methods", methods_paragraph(ctx));
    if (ctx.Explanation) record.object("cluster_explanation", explanation(*ctx.Explanation));
    if (ordination != nullptr) record.object("ordination", ordination_record(*ordination));
    return record.str() + "\n";
}

}  // namespace tw
