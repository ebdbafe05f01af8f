#include "bootstrap/cluster_identifiers.h"
#include "run/array_index.h"

#include "bootstrap/stopped_test.h"
#include "bootstrap/test_loop.h"
#include "run/number_format.h"
#include "run/outcome.h"

#include <unordered_map>

namespace tw {

namespace {

// Positions of the dendrogram that have a label.
std::int32_t labelled_positions(const RunContext& ctx) {
    const std::int32_t rows = ctx.Label.empty() ? 0 : ctx.Label.last_row();
    return ctx.NumGroups < rows ? ctx.NumGroups : rows;
}

// The group label at each group's dendrogram position (the first, should
// a group be drawn twice), empty for a group without one.
std::vector<std::string> labels_by_group(const RunContext& ctx) {
    std::vector<std::string> labels(at(ctx.NumGroups < 0 ? 0 : ctx.NumGroups) + 1);
    std::vector<bool> placed(labels.size(), false);
    const std::int32_t positions = labelled_positions(ctx);
    for (std::int32_t p = 1; p <= positions && at(p) < ctx.DendroOrder.size(); ++p) {
        const std::int32_t group = ctx.DendroOrder[at(p)];
        if (group < 0 || at(group) >= labels.size() || placed[at(group)]) continue;
        placed[at(group)] = true;
        labels[at(group)] = ctx.Label(p, 1);
    }
    return labels;
}

const std::string& label_of_group(const std::vector<std::string>& labels, std::int32_t group) {
    static const std::string none;
    return group >= 0 && at(group) < labels.size() ? labels[at(group)] : none;
}

[[noreturn]] void stop(Host& host, const std::string& message) {
    host.link_table().text(message).end();
    throw ProgramEnd{message};
}

ClusterTable build_table(const RunContext& ctx, Host& host) {
    ClusterTable table;
    const std::vector<std::string> labels = labels_by_group(ctx);
    const std::vector<bool> holds_significant = links_containing_significant(ctx);
    for (std::int32_t j = 1; j <= ctx.NumGroups - 1; ++j) {
        const std::string& sig = ctx.SIG[at(j)];
        // A linkage the stopped test did not reach joins its members, unless
        // it holds a significant one, which keeps its cluster apart as "*"
        // would have.
        const bool joins =
            sig == "NS" || sig == "N/A" || (sig == kStoppedSymbol && !holds_significant[at(j)]);
        const std::string& left = label_of_group(labels, ctx.LinkPair(j, 1));
        const std::string& right = label_of_group(labels, ctx.LinkPair(j, 2));
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
        const std::vector<std::string> labels = table.row(k);
        for (const std::string& label : labels) box.text(label).end();
        if (static_cast<std::int32_t>(labels.size()) < num_groups) box.line();
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

// The first dendrogram position of every label.
std::unordered_map<std::string, std::int32_t> first_positions(const RunContext& ctx) {
    std::unordered_map<std::string, std::int32_t> positions;
    const std::int32_t count = labelled_positions(ctx);
    positions.reserve(at(count < 0 ? 0 : count));
    for (std::int32_t p = 1; p <= count; ++p) positions.emplace(ctx.Label(p, 1), p);
    return positions;
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
    const std::unordered_map<std::string, std::int32_t> positions = first_positions(ctx);
    std::int32_t i = 1;
    for (std::int32_t k = 1; k <= ctx.NumGroups && i <= ctx.NumRows; ++k) {
        const auto found = positions.find(ctx.StationLabel[at(i)]);
        if (found == positions.end()) stop(host, "no match between sampleLab() and Label()");
        const std::int32_t position = found->second;

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
