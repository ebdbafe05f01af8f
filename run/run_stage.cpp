#include "run/run_stage.h"

namespace tw {

std::string stage_description(RunStage stage) {
    switch (stage) {
        case RunStage::Idle:
        case RunStage::Complete:
            return "between runs";
        case RunStage::ReadingData:
            return "reading the data";
        case RunStage::Resemblance:
            return "computing the resemblance matrix";
        case RunStage::Clustering:
            return "clustering";
        case RunStage::Dendrogram:
            return "drawing the dendrogram";
        case RunStage::AwaitingBootstrap:
            return "waiting for the test of the linkages to be started";
        case RunStage::BootstrapTest:
            return "testing the linkages by bootstrap";
        case RunStage::ProfileTest:
            return "testing the linkages by similarity profiles";
        case RunStage::Results:
            return "writing the results of the test";
    }
    return "between runs";
}

std::string stopped_report_line(RunStage stage) {
    return "*** RUN STOPPED while " + stage_description(stage) + ": this report is incomplete. ***";
}

}  // namespace tw
