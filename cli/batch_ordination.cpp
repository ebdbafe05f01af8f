#include "cli/batch_ordination.h"

#include <stdexcept>

#include "export/figure_svg.h"
#include "export/ordination_export.h"
#include "export/whole_file.h"
#include "figure/text_metrics.h"
#if TARNWICK_HAVE_FIGURE_RENDER
#include "ui/ordination_painting.h"
#endif

namespace tw::batch {

namespace {

bool ends_with(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

bool ordination_file_kind_known(const std::string& file) {
#if TARNWICK_HAVE_FIGURE_RENDER
    if (ends_with(file, ".pdf") || ends_with(file, ".png")) return true;
#endif
    return ends_with(file, ".svg") || ends_with(file, ".csv");
}

std::optional<RunOrdination> batch_ordination(const RunContext& ctx, const BatchOptions& options,
                                              std::ostream& err, std::optional<ExitCode>& failure) {
    if (options.ordination_file.empty()) return std::nullopt;
    NmdsSettings settings;
    settings.dimensions = options.ordination_dimensions;
    settings.starts = options.ordination_starts;
    settings.seed = ordination_seed(ctx);
    settings.threads = options.settings.bootstrap_threads;
    try {
        return ordinate_run(ctx, settings);
    } catch (const std::exception& e) {
        err << "tarnwick-batch: Ordination: " << e.what() << '\n';
        failure = ExitCode::DataRefused;
        return std::nullopt;
    }
}

bool write_batch_ordination(const RunOrdination& o, const BatchOptions& options,
                            std::ostream& err) {
    const std::string& file = options.ordination_file;
    const OrdinationFigure picture =
        ordination_plot(o, journal_ordination_page(), figure_text_width);
    bool written = false;
    if (ends_with(file, ".csv")) {
        written = write_whole_file(file, ordination_csv(o));
    } else if (ends_with(file, ".svg")) {
        written = write_whole_file(file, ordination_svg(picture));
    } else {
#if TARNWICK_HAVE_FIGURE_RENDER
        written = ui::write_ordination_file(picture, file, options.figure.dpi);
#endif
    }
    if (written) return true;
    err << "tarnwick-batch: File Error: The file \"" << file
        << "\" cannot be created or written.\n";
    return false;
}

}  // namespace tw::batch
