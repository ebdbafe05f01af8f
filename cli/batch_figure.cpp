#include "cli/batch_figure.h"

#include <algorithm>
#include <cctype>
#include <fstream>

#include "figure/clusters_view.h"
#include "figure/publication_layout.h"
#include "figure/svg_writer.h"
#include "figure/text_metrics.h"

#if TARNWICK_HAVE_FIGURE_RENDER
#include "render/figure_file.h"
#endif

namespace tw::batch {

namespace {

std::string suffix_of(const std::string& path) {
    const std::size_t dot = path.find_last_of('.');
    const std::size_t slash = path.find_last_of('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    std::string s = path.substr(dot + 1);
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

bool write_svg(const Figure& f, const std::string& path) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << figure_svg(f);
    out.close();
    return static_cast<bool>(out);
}

}  // namespace

bool figure_format_supported(const std::string& path) {
    const std::string s = suffix_of(path);
    if (s == "svg") return true;
#if TARNWICK_HAVE_FIGURE_RENDER
    return s == "pdf" || s == "png";
#else
    return false;
#endif
}

bool write_batch_figure(const FigureSource& src, const FigureOptions& options,
                        const std::string& path, std::ostream& err) {
    if (options.view == FigureView::Clusters && cluster_tips(src).empty()) {
        err << "tarnwick-batch: there are no clusters before the test; the figure names every "
               "object\n";
    }
    const Figure f = publication_layout(src, journal_page(), figure_text_width, options);
    if (f.taller_than_page) {
        err << "tarnwick-batch: the figure is taller than a page; --figure-view clusters draws "
               "each cluster as one tip on one page\n";
    }
    if (f.p_left_out > 0) {
        err << "tarnwick-batch: " << f.p_left_out << (f.p_left_out == 1 ? " P is" : " P values are")
            << " not shown in the figure: there is no clear place beside "
            << (f.p_left_out == 1 ? "its node" : "their nodes")
            << " (--figure-p significant shows fewer)\n";
    }
    bool written = false;
    if (suffix_of(path) == "svg") {
        written = write_svg(f, path);
    } else {
#if TARNWICK_HAVE_FIGURE_RENDER
        written = ui::write_figure_file(f, path, options.dpi);
#endif
    }
    if (!written) {
        err << "tarnwick-batch: File Error: The file \"" << path
            << "\" cannot be created or written.\n";
    }
    return written;
}

}  // namespace tw::batch
