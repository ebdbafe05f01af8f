#include "export/export_results.h"

#include <array>

#include "export/level_conversion.h"
#include "export/linkage_matrix_csv.h"
#include "export/members_csv.h"
#include "export/method_names.h"
#include "export/newick.h"
#include "export/results_csv.h"
#include "export/run_record.h"
#include "export/whole_file.h"
#include "run/entry_point.h"

namespace tw {

namespace {

constexpr std::array<const char*, 5> kEndings = {".nwk", ".members.csv", ".results.csv",
                                                 ".linkage.csv", ".run.json"};

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

std::vector<ExportFile> export_files(const RunContext& ctx, const std::string& prefix,
                                     std::chrono::system_clock::time_point made) {
    const LevelConversion conversion =
        LevelConversion::for_levels(observed_levels(ctx), measure_of_run(ctx).distance);
    return {
        {prefix + kEndings[0], newick_tree(ctx, conversion)},
        {prefix + kEndings[1], members_csv(ctx)},
        {prefix + kEndings[2], results_csv(ctx)},
        {prefix + kEndings[3], linkage_matrix_csv(ctx, conversion)},
        {prefix + kEndings[4], run_record_json(ctx, conversion, made)},
    };
}

Outcome export_results(RunContext& ctx, Host& host, const std::string& prefix,
                       std::chrono::system_clock::time_point made) {
    return run_guarded(ctx, host, [&] {
        std::vector<std::string> failed;
        for (const ExportFile& file : export_files(ctx, prefix, made))
            if (!write_whole_file(file.path, file.bytes)) failed.push_back(file.path);
        if (failed.empty()) return Outcome::Completed;
        host.ask("Export Error", failure_message(failed), Buttons::Ok);
        return Outcome::Failed;
    });
}

std::vector<std::string> export_file_names(const std::string& prefix) {
    std::vector<std::string> names;
    for (const char* ending : kEndings) names.push_back(prefix + ending);
    return names;
}

std::string export_prefix(const std::string& chosen) {
    for (const char* ending : kEndings)
        if (ends_with(chosen, ending))
            return chosen.substr(0, chosen.size() - std::string(ending).size());
    return chosen;
}

}  // namespace tw
