#include "simprof/profile_results.h"
#include "run/array_index.h"

#include <charconv>
#include <string>
#include <vector>

#include "bootstrap/stopped_test.h"
#include "bootstrap/test_loop.h"
#include "run/number_format.h"

namespace tw {

namespace {

// The report's page width: object lists wrap before it.
constexpr int kReportWidth = 80;
constexpr int kListIndent = 11;

// The report's verdict column: the linkage symbol, "-" inside a group.
std::string report_verdict(Verdict verdict) {
    if (verdict == Verdict::NotReached) return "-";
    if (verdict == Verdict::Stopped) return kStoppedSymbol;
    return profile_symbol(verdict);
}

std::string member_pair(const RunContext& ctx, std::int32_t link) {
    return ctx.GroupLabel[at(ctx.LinkPair(link, 1))] + " + " +
           ctx.GroupLabel[at(ctx.LinkPair(link, 2))];
}

void write_headings(Printer& report, const ProfileSettings& settings) {
    report.text("Similarity profile (SIMPROF) testing results").end();
    report.text("Clarke, Somerfield & Gorley (2008), J. Exp. Mar. Biol. Ecol. 366:56-69").end();
    report.text(integer_text(settings.permutations)).text(" permutations for the mean profile, ");
    report.text(integer_text(settings.permutations - 1)).text(" for the null; alpha ");
    report.text(settings.alpha_text).text(" at every linkage; seed ");
    report.text(std::to_string(settings.seed)).end();
    report.text("LINKAGE").tab(10).text("OBJECTS").tab(20).text("PI").tab(34).text("P");
    report.tab(52).text("VERDICT").tab(61).text("MEMBERS").end();
}

void write_row(RunContext& ctx, Printer& report, std::int32_t link) {
    const LinkResult& r = ctx.Results.at(link);
    report.tab(4).num(link).tab(12).num(r.objects).tab(20);
    if (was_tested(r.verdict)) {
        report.num(static_cast<float>(*r.statistic)).tab(34);
        report.text(profile_p_text(r.p));
    } else {
        report.text("-").tab(34).text("-");
    }
    // P takes up to 16 characters (1 of a million is 0.000001000001).
    report.tab(53).text(report_verdict(r.verdict)).tab(61).text(member_pair(ctx, link)).end();
}

void write_legend(Printer& report) {
    report.text("S: the objects under the linkage have structure; its two branches are tested");
    report.end();
    report.text("NS: no structure; every object under the linkage is in one group").end();
    report.text("N/A: two objects, which cannot be tested; -: inside a group, not tested").end();
    report.text("MEMBERS: the labels of the two objects that represent the linkage's sides").end();
}

// Labels after column kListIndent, a line ending before the page width.
void write_wrapped(Printer& report, const std::vector<std::string>& labels) {
    report.tab(kListIndent);
    bool first = true;
    for (const std::string& label : labels) {
        const int room = first ? 0 : 1;
        if (!first && report.column() + room + static_cast<int>(label.size()) > kReportWidth) {
            report.end().tab(kListIndent);
            first = true;
        }
        report.text(first ? "" : " ").text(label);
        first = false;
    }
    report.end();
}

// The data file's labels of the objects under a linkage: the report keeps
// them whatever names the windows and the exports show.
std::vector<std::string> report_labels(const RunContext& ctx, std::int32_t link) {
    std::vector<std::int32_t> members;
    const std::int32_t m = ctx.LinkMembers.list(link, members);
    std::vector<std::string> labels;
    for (std::int32_t i = 1; i <= m; ++i) labels.push_back(ctx.GroupLabel[at(members[at(i)])]);
    return labels;
}

// The labels of the objects under every tested linkage.
void write_members(RunContext& ctx, Printer& report) {
    report.line();
    report.text("Objects under each tested linkage").end();
    for (std::int32_t link = 1; link <= ctx.NumGroups - 1; ++link) {
        if (!was_tested(ctx.Results.at(link).verdict)) continue;
        report.tab(4).num(link);
        write_wrapped(report, report_labels(ctx, link));
    }
}

void write_stopped_note(RunContext& ctx, Host& host) {
    std::int32_t stopped = 0;
    for (const LinkResult& r : ctx.Results.links) stopped += r.verdict == Verdict::Stopped ? 1 : 0;
    if (stopped == 0) return;
    const std::string note = "The test was stopped: " + integer_text(stopped) +
                             (stopped == 1 ? " linkage marked " : " linkages marked ") +
                             kStoppedSymbol + " were not tested.";
    ctx.channels.report().text(note).end();
    host.link_table().text(note).end();
}

std::string grid_p_text(const LinkResult& r) {
    if (r.verdict == Verdict::Stopped) return "Stopped";
    if (!was_tested(r.verdict)) return report_verdict(r.verdict);
    const std::string p = profile_p_text(r.p);
    return r.verdict == Verdict::Significant ? p + " *" : p;
}

void write_grid(RunContext& ctx, Host& host, const ProfileSettings& settings) {
    ResultsGrid& grid = host.grid();
    grid.set_rows(ctx.NumGroups);
    grid.set_cell(0, 0, "LINKAGE");
    grid.set_cell(0, 1, "MEMBERS");
    grid.set_cell(0, 2, "PI");
    grid.set_cell(0, 3, "P(" + settings.alpha_text + ")");
    grid.set_text_colour(GridColour::WindowText);
    for (std::int32_t link = 1; link <= ctx.NumGroups - 1; ++link) {
        const LinkResult& r = ctx.Results.at(link);
        grid.set_cell(link, 0, integer_text(link));
        grid.set_cell(
            link, 1,
            integer_text(ctx.LinkPair(link, 1)) + " + " + integer_text(ctx.LinkPair(link, 2)));
        grid.set_cell(link, 2,
                      was_tested(r.verdict) ? single_text(static_cast<float>(*r.statistic)) : " ");
        if (r.verdict == Verdict::Significant) grid.set_text_colour(GridColour::TooltipText);
        grid.set_cell(link, 3, grid_p_text(r));
    }
}

}  // namespace

std::string profile_symbol(Verdict verdict) {
    switch (verdict) {
        case Verdict::Significant:
            return "S";
        case Verdict::NotSignificant:
            return "NS";
        default:
            break;
    }
    return "N/A";
}

void set_profile_symbols(RunContext& ctx) {
    for (std::int32_t link = 1; link <= ctx.NumGroups - 1; ++link) {
        const LinkResult& r = ctx.Results.at(link);
        ctx.SIG[at(link)] = profile_symbol(r.verdict);
        ctx.LinkStat[at(link)] =
            was_tested(r.verdict) ? static_cast<float>(r.count) : kUntestableLink;
    }
}

std::string profile_p_text(double p) {
    char text[64];
    const auto end =
        std::to_chars(text, text + sizeof text, static_cast<float>(p), std::chars_format::fixed);
    return std::string(text, end.ptr);
}

void write_profile_results(RunContext& ctx, Host& host, const ProfileSettings& settings) {
    host.show(Window::Options, false);
    host.link_table().line();
    host.link_table().line();
    Printer& report = ctx.channels.report();
    write_headings(report, settings);
    for (std::int32_t link = 1; link <= ctx.NumGroups - 1; ++link) write_row(ctx, report, link);
    write_legend(report);
    write_stopped_note(ctx, host);
    write_members(ctx, report);
    write_grid(ctx, host, settings);
}

}  // namespace tw
