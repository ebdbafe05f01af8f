#include "simprof/profile_results.h"

#include <string>
#include <vector>

#include "bootstrap/results_pass.h"
#include "bootstrap/test_loop.h"
#include "run/number_format.h"

namespace tw {

namespace {

std::size_t at(std::int32_t i) {
    return static_cast<std::size_t>(i);
}

bool tested(const ProfileLinkRecord& r) {
    return r.verdict == ProfileVerdict::Significant || r.verdict == ProfileVerdict::NotSignificant;
}

// The report's verdict column: the linkage symbol, or "-" inside a group.
std::string report_verdict(ProfileVerdict verdict) {
    return verdict == ProfileVerdict::NotReached ? "-" : profile_symbol(verdict);
}

void write_headings(Printer& report, const ProfileSettings& settings) {
    report.text("Similarity profile (SIMPROF) testing results").end();
    report.text("Clarke, Somerfield & Gorley (2008), J. Exp. Mar. Biol. Ecol. 366:56-69").end();
    report.text(integer_text(settings.permutations)).text(" permutations for the mean profile, ");
    report.text(integer_text(settings.permutations - 1)).text(" for the null; alpha ");
    report.text(settings.alpha_text).text(" at every linkage; seed ");
    report.text(std::to_string(settings.seed)).end();
    report.text("LINKAGE").tab(10).text("MEMBERS").tab(20).text("OBJECTS").tab(30).text("PI");
    report.tab(44).text("P").tab(56).text("VERDICT").end();
}

void write_row(RunContext& ctx, Printer& report, std::int32_t link) {
    const ProfileLinkRecord& r = ctx.ProfileLinks[at(link)];
    report.tab(4).num(link).tab(11).num(ctx.LinkPair(link, 1)).tab(16).num(ctx.LinkPair(link, 2));
    report.tab(22).num(r.objects).tab(30);
    if (tested(r)) {
        report.num(r.pi).tab(44).num(r.p);
    } else {
        report.text("-").tab(44).text("-");
    }
    report.tab(57).text(report_verdict(r.verdict)).end();
}

void write_legend(Printer& report) {
    report.text("S: the objects under the linkage have structure; its two branches are tested");
    report.end();
    report.text("NS: no structure; every object under the linkage is in one group").end();
    report.text("N/A: two objects, which cannot be tested; -: inside a group, not tested").end();
}

// The labels of the objects under every tested linkage, one linkage a line.
void write_members(RunContext& ctx, Printer& report) {
    report.line();
    report.text("Objects under each tested linkage").end();
    std::vector<std::int32_t> members;
    for (std::int32_t link = 1; link <= ctx.NumGroups - 1; ++link) {
        if (!tested(ctx.ProfileLinks[at(link)])) continue;
        const std::int32_t m = ctx.LinkMembers.list(link, members);
        report.tab(4).num(link).tab(11);
        for (std::int32_t i = 1; i <= m; ++i)
            report.text(i > 1 ? " " : "").text(ctx.GroupLabel[at(members[at(i)])]);
        report.end();
    }
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
        const ProfileLinkRecord& r = ctx.ProfileLinks[at(link)];
        grid.set_cell(link, 0, integer_text(link));
        grid.set_cell(
            link, 1,
            integer_text(ctx.LinkPair(link, 1)) + " + " + integer_text(ctx.LinkPair(link, 2)));
        grid.set_cell(link, 2, tested(r) ? single_text(r.pi) : " ");
        if (r.verdict == ProfileVerdict::Significant) grid.set_text_colour(GridColour::TooltipText);
        grid.set_cell(
            link, 3,
            tested(r) ? p_cell_text(0.0f, r.p, settings.alpha) : report_verdict(r.verdict));
    }
}

}  // namespace

std::string profile_symbol(ProfileVerdict verdict) {
    switch (verdict) {
        case ProfileVerdict::Significant:
            return "S";
        case ProfileVerdict::NotSignificant:
            return "NS";
        case ProfileVerdict::TooFewObjects:
        case ProfileVerdict::NotReached:
            break;
    }
    return "N/A";
}

void set_profile_symbols(RunContext& ctx) {
    for (std::int32_t link = 1; link <= ctx.NumGroups - 1; ++link) {
        const ProfileLinkRecord& r = ctx.ProfileLinks[at(link)];
        ctx.SIG[at(link)] = profile_symbol(r.verdict);
        ctx.LinkStat[at(link)] = tested(r) ? static_cast<float>(r.as_large) : kUntestableLink;
    }
}

void write_profile_results(RunContext& ctx, Host& host, const ProfileSettings& settings) {
    host.show(Window::Form2, false);
    host.link_table().line();
    host.link_table().line();
    Printer& report = ctx.channels.report();
    write_headings(report, settings);
    for (std::int32_t link = 1; link <= ctx.NumGroups - 1; ++link) write_row(ctx, report, link);
    write_legend(report);
    write_members(ctx, report);
    write_grid(ctx, host, settings);
}

}  // namespace tw
