#pragma once
// What the observed run writes while it clusters: the optional matrix
// listings and the linkage-method box in the report, the cluster level
// blocks of CLUSTER.LST, and the linkage table in the report and the
// message area. A bootstrap replicate clusters without one.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cluster/agglomerate.h"
#include "cluster/cluster_list.h"
#include "run/host.h"
#include "run/run_context.h"

namespace tw {

class ClusteringReport : public LinkageObserver {
  public:
    // Reads the listing switches and the cluster list threshold from
    // ctx.settings; the report sink (channel 2) must be open.
    ClusteringReport(RunContext& ctx, Host& host, std::int32_t n,
                     const std::vector<std::string>& labels);

    // Before the first linkage, with w.SimMatrix as the resemblance stage
    // left it: the matrix listing (when asked for), the method box, and
    // CLUSTER.LST opened on the next free channel with the data title. The
    // file stays open until all channels are closed.
    void start(const Workspace& w, LinkageMethod method);

    void joined(const Workspace& w, std::int32_t link) override;
    void updated(const Workspace& w, std::int32_t link) override;

    // After the last linkage: the linkage table.
    void finish(const Workspace& w);

  private:
    RunContext& ctx_;
    Host& host_;
    std::int32_t n_;
    const std::vector<std::string>& labels_;
    bool list_first_matrix_;
    bool list_every_matrix_;
    std::int32_t threshold_;
    Printer* cluster_list_ = nullptr;
    std::optional<MemberTexts> texts_;
};

}  // namespace tw
