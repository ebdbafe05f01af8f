#pragma once
// How far a run has gone, so that a run stopped part-way can say where: in
// the last line of its report and in the message of a fault.

#include <string>

namespace tw {

enum class RunStage {
    Idle,               // no run started, or the last one finished
    ReadingData,        // from Form3 "CONTINUE" to the report header
    Resemblance,        // the observed resemblance matrix
    Clustering,         // the observed hierarchy, its report and CLUSTER.LST
    Dendrogram,         // drawing and listing the dendrogram
    AwaitingBootstrap,  // the dendrogram is shown, no test started yet
    BootstrapTest,      // replicates of every linkage
    ProfileTest,        // similarity profiles of every linkage
    Results,            // the results table and the cluster identifiers
    Complete,           // the report holds everything it will hold
};

// The stage in words, to follow "while" ("computing the resemblance matrix").
std::string stage_description(RunStage stage);

// The last line of a report whose run stopped at `stage`.
std::string stopped_report_line(RunStage stage);

}  // namespace tw
