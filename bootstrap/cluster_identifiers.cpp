#include "bootstrap/cluster_identifiers.h"
#include "run/array_index.h"

#include "bootstrap/stopped_test.h"
#include "bootstrap/test_loop.h"
#include "run/number_format.h"
#include "run/outcome.h"

namespace tw {

namespace {

// Positions of the dendrogram that have a label.
std::int32_t labelled_positions(const RunContext& ctx) {
    const std::int32_t rows = ctx.Label.empty() ? 0 : ctx.Label.last_row();
    return ctx.NumGroups < rows ? ctx.NumGroups : rows;
}

// The group label at the dendrogram position of group `group`, empty when
// the group has no position.
std::string label_of_group(const RunContext& ctx, std::int32_t group) {
    const std::int32_t positions = labelled_positions(ctx);
    for (std::int32_t p = 1; p <= positions && at(p) < ctx.DendroOrder.size(); ++p)
        if (ctx.DendroOrder[at(p)] == group) return ctx.Label(p, 1);
    return std::string();
}

[[noreturn]] void stop(Host& host, const std::string& message) {
    host.link_table().text(message).end();
    throw ProgramEnd{message};
}

ClusterTable build_table(const RunContext& ctx, Host& host) {
    ClusterTable table;
    for (std::int32_t j = 1; j <= ctx.NumGroups - 1; ++j) {
        const std::string& sig = ctx.SIG[at(j)];
        // A linkage the stopped test did not reach joins its members, unless
        // it holds a significant one, which keeps its cluster apart as "*"
        // would have.
        const bool joins = sig == "NS" || sig == "N/A" ||
                           (sig == kStoppedSymbol && !contains_significant_link(ctx, host, j));
        const std::string left = label_of_group(ctx, ctx.LinkPair(j, 1));
        const std::string right = label_of_group(ctx, ctx.LinkPair(j, 2));
        switch (table.apply(left, right, joins)) {
            case ClusterTable::Step::Applied:
                break;
            case ClusterTable::Step::KeptSeparate:
                host.link_table().text("Sig is 'S' or '*' for this link--keep them separate").end();
                break;
            case ClusterTable::Step::AlreadyTogether:
                stop(host, "linkage members already in the same cluster");
        }
    }
    return table;
}

// Each cluster in turn replaces the previous one on link_table, so the box
// ends up showing the last. The heading names the cluster by its number.
void show_clusters(const ClusterTable& table, std::int32_t num_groups, Host& host) {
    Printer& box = host.link_table();
    for (std::int32_t k = 1; k <= table.count(); ++k) {
        box.clear();
        box.text("Cluster " + integer_text(k)).end();
        for (const std::string& label : table.row(k)) box.text(label).end();
        if (static_cast<std::int32_t>(table.row(k).size()) < num_groups) box.line();
    }
}

void set_identifiers(RunContext& ctx, const ClusterTable& table, Host& host) {
    for (std::int32_t p = 1; p <= labelled_positions(ctx); ++p) {
        const std::int32_t k = table.find(ctx.Label(p, 1));
        ctx.Label(p, 2).clear();
        if (k == 0) {
            host.link_table().text("No match found").end();
            continue;
        }
        if (table.count() > 52)
            host.link_table().text("> 52 clusters. Some IDs will be non-letter symbols").end();
        ctx.Label(p, 2) = cluster_identifier(k, table.count());
    }
}

}  // namespace

ClusterTable form_clusters(RunContext& ctx, Host& host) {
    Printer& report = ctx.channels.report();
    report.line();
    report.line();
    report.text("Original data matrix sample labels with assigned Cluster Identifiers (letters)")
        .end();

    const ClusterTable table = build_table(ctx, host);
    show_clusters(table, ctx.NumGroups, host);
    set_identifiers(ctx, table, host);
    return table;
}

void assign_cluster_identifiers(RunContext& ctx, Host& host) {
    host.link_table().clear();
    form_clusters(ctx, host);

    // The list follows the file: group k's RepCount(k) stations in turn take
    // the identifier found for the group's label (its first station's). The
    // list ends with the last group, and with the last station when the
    // group sizes claim more stations than the file holds.
    Printer& report = ctx.channels.report();
    std::int32_t i = 1;
    for (std::int32_t k = 1; k <= ctx.NumGroups && i <= ctx.NumRows; ++k) {
        const std::string& first = ctx.StationLabel[at(i)];
        std::int32_t position = 0;
        for (std::int32_t p = 1; p <= labelled_positions(ctx) && position == 0; ++p)
            if (ctx.Label(p, 1) == first) position = p;
        if (position == 0) stop(host, "no match between sampleLab() and Label()");

        const std::string identifier = ctx.Label(position, 2);
        for (std::int32_t s = 0; s < ctx.RepCount[at(k)] && i <= ctx.NumRows; ++s, ++i)
            report.text("\"")
                .text(ctx.StationLabel[at(i)])
                .text("\"")
                .zone()
                .text(identifier)
                .end();
    }
}

}  // namespace tw
