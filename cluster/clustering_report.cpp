#include "cluster/clustering_report.h"

#include "cluster/linkage_report.h"
#include "cluster/matrix_listing.h"

namespace tw {

ClusteringReport::ClusteringReport(RunContext& ctx, Host& host, std::int32_t n,
                                   const std::vector<std::string>& labels)
    : ctx_(ctx),
      host_(host),
      n_(n),
      labels_(labels),
      list_first_matrix_(ctx.settings.sim_matrix),
      list_every_matrix_(ctx.settings.all_matrix),
      threshold_(cluster_list_threshold(ctx.settings.savelinks_text)) {}

void ClusteringReport::start(const Workspace& w, LinkageMethod method) {
    Printer& report = ctx_.channels.report();
    if (list_first_matrix_) write_matrix_listing(report, w.SimMatrix, n_, w.Absorbed);
    write_linkage_method_box(report, method);
    if (threshold_ <= 0) return;
    // A CLUSTER.LST that cannot be created stops the run with a message
    // naming the file, before any linkage is made.
    const int channel = ctx_.channels.open_next(host_, "CLUSTER.LST", OpenMode::Write);
    cluster_list_ = &ctx_.channels.at(channel);
    cluster_list_->text(ctx_.DataTitle).end();
    texts_.emplace(n_, labels_);
}

void ClusteringReport::joined(const Workspace& w, std::int32_t link) {
    if (!texts_) return;
    const auto slot = static_cast<std::size_t>(link);
    texts_->join(link, w.LinkI[slot], w.LinkJ[slot]);
    if (n_ - link <= threshold_) write_cluster_level_block(*cluster_list_, *texts_);
}

void ClusteringReport::updated(const Workspace& w, std::int32_t) {
    if (list_every_matrix_) {
        write_matrix_listing(ctx_.channels.report(), w.SimMatrix, n_, w.Absorbed);
    }
}

void ClusteringReport::finish(const Workspace& w) {
    // The list stays open, but is complete: let it reach the disk now so the
    // user can read it while the bootstrap test runs.
    if (cluster_list_) cluster_list_->flush();
    write_linkage_table(ctx_.channels.report(), host_, w, n_, labels_);
    // The update's progress dots leave the message area mid-line; the table
    // starts on a line of its own there so that it reads as in the report.
    Printer& messages = host_.messages();
    if (messages.column() != 1) messages.end();
    write_linkage_table(messages, host_, w, n_, labels_);
}

}  // namespace tw
