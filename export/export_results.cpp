#include "export/export_results.h"

#include "export/explanation_csv.h"
#include "export/linkage_matrix_csv.h"
#include "export/members_csv.h"
#include "export/method_names.h"
#include "export/newick.h"
#include "export/ordination_export.h"
#include "export/results_csv.h"
#include "export/run_record.h"
#include "export/whole_file.h"
#include "run/entry_point.h"

namespace tw {

namespace {

const ExportKind kExports[] = {
    {".nwk", "the tree in Newick, with P as node labels",
     [](const ExportInputs& in) { return newick_tree(in.ctx, in.conversion); }},
    {".members.csv", "every station with its group and cluster",
     [](const ExportInputs& in) { return members_csv(in.ctx); }},
    {".results.csv", "every linkage with its test",
     [](const ExportInputs& in) { return results_csv(in.ctx); }},
    {".linkage.csv", "the tree as scipy's linkage matrix",
     [](const ExportInputs& in) { return linkage_matrix_csv(in.ctx, in.conversion); }},
    {".run.json", "the record of how the results were made",
     [](const ExportInputs& in) {
         return run_record_json(in.ctx, in.conversion, in.made, in.ordination);
     }},
    {".simper.csv", "the species that typify and separate the clusters (once explained)",
     [](const ExportInputs& in) { return simper_csv(in.ctx, *in.ctx.Explanation); },
     [](const RunContext& ctx) { return ctx.Explanation.has_value(); }},
    {".indicators.csv", "every species' indicator values (once explained)",
     [](const ExportInputs& in) { return indicators_csv(in.ctx, *in.ctx.Explanation); },
     [](const RunContext& ctx) { return ctx.Explanation.has_value(); }},
};

// After the table's files, when the run was ordinated.
constexpr const char* kOrdinationEnding = ".ordination.csv";

bool ends_with(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::string failure_message(const std::vector<std::string>& failed) {
    std::string text = failed.size() == 1 ? "This file could not be written:"
                                          : "These files could not be written:";
    for (const std::string& path : failed) text += "\n" + path;
    text +=
        "\nCheck that the folder exists and that you may write to it, then export again. "
        "The other results files were written, and the run's results are unchanged.";
    return text;
}

// LinkLevel of linkages 1..NumGroups-1.
std::vector<float> observed_levels(const RunContext& ctx) {
    std::vector<float> levels;
    for (std::int32_t link = 1; link <= ctx.NumGroups - 1; ++link)
        levels.push_back(ctx.LinkLevel[static_cast<std::size_t>(link)]);
    return levels;
}

}  // namespace

std::span<const ExportKind> export_table() {
    return kExports;
}

std::vector<ExportFile> export_files(const RunContext& ctx, const std::string& prefix,
                                     std::chrono::system_clock::time_point made,
                                     const RunOrdination* ordination) {
    const LevelConversion conversion =
        LevelConversion::for_levels(observed_levels(ctx), measure_of_run(ctx).distance);
    const ExportInputs inputs{ctx, conversion, made, ordination};
    std::vector<ExportFile> files;
    for (const ExportKind& kind : export_table())
        if (!kind.present || kind.present(ctx))
            files.push_back({prefix + kind.ending, kind.write(inputs)});
    if (ordination != nullptr)
        files.push_back({prefix + kOrdinationEnding, ordination_csv(*ordination)});
    return files;
}

Outcome export_results(RunContext& ctx, Host& host, const std::string& prefix,
                       std::chrono::system_clock::time_point made,
                       const RunOrdination* ordination) {
    return run_guarded(ctx, host, [&] {
        std::vector<std::string> failed;
        for (const ExportFile& file : export_files(ctx, prefix, made, ordination))
            if (!write_whole_file(file.path, file.bytes)) failed.push_back(file.path);
        if (failed.empty()) return Outcome::Completed;
        host.ask("Export Error", failure_message(failed), Buttons::Ok);
        return Outcome::Failed;
    });
}

std::string export_prefix(const std::string& chosen) {
    if (ends_with(chosen, kOrdinationEnding))
        return chosen.substr(0, chosen.size() - std::string(kOrdinationEnding).size());
    for (const ExportKind& kind : export_table())
        if (ends_with(chosen, kind.ending))
            return chosen.substr(0, chosen.size() - std::string(kind.ending).size());
    return chosen;
}

}  // namespace tw
