#include "bootstrap/results_pass.h"
#include "run/array_index.h"

#include "bootstrap/significance.h"
#include "bootstrap/stopped_test.h"
#include "bootstrap/test_loop.h"
#include "run/number_format.h"
#include "run/outcome.h"

namespace tw {

namespace {

void write_headings(RunContext& ctx, Host& host, const TestSettings& settings) {
    ResultsGrid& grid = host.grid();
    grid.set_rows(ctx.NumGroups);
    grid.set_cell(0, 0, "LINKAGE");
    grid.set_cell(0, 1, "MEMBERS");
    grid.set_cell(0, 2, "# < OBS.");
    grid.set_cell(0, 3, "P(" + settings.alpha_text + ")");

    Printer& report = ctx.channels.report();
    report.text("Bootstrap testing results").end();
    report.text("LINKAGE").tab(10).text("MEMBERS").tab(20).text("COUNT <= OBSERVED").tab(40);
    report.text("P(").text(settings.alpha_text).text(")").end();
}

// Gives an untested linkage its symbol; a symbol already there means the
// test loop wrote a verdict for a linkage it did not test.
void mark_untested(RunContext& ctx, Host& host, std::int32_t link, const std::string& symbol) {
    std::string& sig = ctx.SIG[at(link)];
    if (sig.empty()) {
        sig = symbol;
        return;
    }
    const std::string message =
        "Attempted to place " + symbol + " in SIG() when non-blank value already present";
    host.link_table().text(message).end();
    throw ProgramEnd{message};
}

void write_grid_row(RunContext& ctx, Host& host, std::int32_t link, float p, float alpha) {
    ResultsGrid& grid = host.grid();
    const float stat = ctx.LinkStat[at(link)];
    const bool untested = stat == kUntestableLink || stat == kNestedLink || stat == kStoppedLink;
    grid.set_cell(link, 0, integer_text(link));
    grid.set_cell(
        link, 1, integer_text(ctx.LinkPair(link, 1)) + " + " + integer_text(ctx.LinkPair(link, 2)));
    grid.set_cell(link, 2, untested ? " " : single_text(stat));
    // The colour belongs to the whole grid: once a significant or nested
    // linkage is shown, every row takes the highlight colour.
    if (is_significant(p, alpha) || stat == kNestedLink)
        grid.set_text_colour(GridColour::TooltipText);
    grid.set_cell(link, 3, p_cell_text(stat, p, alpha));
}

void write_report_row(RunContext& ctx, Host& host, std::int32_t link, float p) {
    const float stat = ctx.LinkStat[at(link)];
    if (stat == kNestedLink) mark_untested(ctx, host, link, "*");
    if (stat == kUntestableLink) mark_untested(ctx, host, link, "N/A");
    if (stat == kStoppedLink) mark_untested(ctx, host, link, kStoppedSymbol);

    Printer& report = ctx.channels.report();
    report.tab(4).num(link).tab(11).num(ctx.LinkPair(link, 1)).tab(16).num(ctx.LinkPair(link, 2));
    report.tab(30);
    if (stat == kNestedLink || stat == kStoppedLink) {
        report.text("-").tab(40).text("-");
    } else if (stat == kUntestableLink) {
        report.text("-").tab(40).text("N/A");
    } else {
        report.num(stat).tab(40).num(p);
    }
    report.tab(47).text(ctx.SIG[at(link)]);

    if (ctx.LinkRedrawn[at(link)] == Redrawn::Yes) {
        host.link_table().tab(50).text("Resampled to avoid error").end();
        report.tab(50).text("Resampled to avoid error").end();
    } else {
        host.link_table().text(" ").end();
        report.text(" ").end();
    }
}

}  // namespace

std::string p_cell_text(float link_stat, float p, float alpha) {
    if (link_stat == kStoppedLink) return "Stopped";
    if (is_significant(p, alpha)) {
        std::string value = printed_number(p);
        value.pop_back();  // the print form's trailing blank
        return "0" + value + " *";
    }
    if (link_stat == kUntestableLink) return "N/A";
    if (link_stat == kNestedLink) return "*";
    return pattern_text("0.000", p);
}

void write_results(RunContext& ctx, Host& host, const TestSettings& settings) {
    host.show(Window::Options, false);
    host.link_table().line();
    host.link_table().line();
    write_headings(ctx, host, settings);
    host.grid().set_text_colour(GridColour::WindowText);

    for (std::int32_t link = 1; link <= ctx.NumGroups - 1; ++link) {
        const float p = bootstrap_p(ctx.LinkStat[at(link)], settings.num_boot);
        write_grid_row(ctx, host, link, p, settings.alpha);
        write_report_row(ctx, host, link, p);
    }
}

}  // namespace tw
