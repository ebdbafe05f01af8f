#pragma once
// The shared data model of one analysis run, handed by reference to every
// stage. Arrays are allocated from index 0 and used from index 1.
//
// The run driver re-creates the run's items at the start of every run
// (recreate_for_run); the program-wide items below survive it.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "run/channels.h"
#include "run/cluster_explanation.h"
#include "run/group_names.h"
#include "run/link_members.h"
#include "run/link_result.h"
#include "run/matrix.h"
#include "run/measure_index.h"
#include "run/run_settings.h"
#include "run/run_stage.h"
#include "run/transform.h"

namespace tw {

// The arrays a clustering fills with its linkages: the observed run's shared
// ones, or a bootstrap replicate's own.
struct LinkArrays {
    MemberLists& members;             // LinkMembers
    std::vector<std::int32_t>& size;  // LinkSize
    std::vector<float>& level;        // LinkLevel
};

// Working items of one call of the resemblance-and-clustering routine: what
// the clustering, the dendrogram and the bootstrap read. The observed run
// uses RunContext::work; a bootstrap replicate may use its own. The measures
// keep their own working arrays, which their caller hands them.
struct Workspace {
    Matrix<float> SimMatrix;  // upper triangle: resemblances; lower: copy
    Resemblance DistanceFlag = Resemblance::Similarity;
    std::string MeasureName;
    std::string MethodName;           // name of the update rule, for the dendrogram caption
    std::vector<std::int16_t> LinkI;  // 1..n-1: representatives joined, LinkI < LinkJ
    std::vector<std::int16_t> LinkJ;
    std::vector<float> JoinLevel;  // 1..n-1
    std::vector<float> LeafOrder;  // 1..n: station index at each dendrogram position

    // Clustering working arrays.
    std::vector<std::int16_t> Absorbed;
    std::vector<std::int32_t> ClusterSize;
};

// Whether a tested linkage had replicates drawn again (the "R" column).
enum class Redrawn : std::int8_t {
    NotTested,  // the test has not reached the linkage, or gave it up
    No,
    Yes,
};

// ClusterState: where the clustering stands when the routine starts it. The
// observed run always starts from single objects; there is no other state,
// and a replicate keeps the observed run's.
enum class ClusteringStart : std::int8_t {
    Objects,  // every object its own cluster
};

// AnalysisMode: what a run clusters. There is one mode, "R": the groups, each
// the mean of its stations, compared on their species.
enum class AnalysisKind : std::int8_t {
    R,
};

// What a bootstrap replicate reads of the run. A thread that runs
// replicates beside the window thread takes a copy of all of it
// (copy_replicate_inputs), so an item added here reaches the threads with no
// further step.
struct ReplicateInputs {
    RunSettings settings;  // copied from the windows when the run starts

    // Counts
    std::int32_t NumRows = 0;
    std::int16_t NumCols = 0;
    std::int16_t NumVars = 0;
    std::int32_t NumGroups = 0;
    std::int32_t NumBoot = 0;

    // Data arrays
    Matrix<float> DataMatrix;               // (station, species), rescaled by MultConstant
    std::vector<std::string> StationLabel;  // 1..NumRows
    std::vector<std::string> SpeciesLabel;  // 1..NumCols
    std::vector<std::int32_t> RepCount;     // 1..NumGroups
    std::vector<std::string> GroupLabel;    // 1..NumGroups

    // The observed linkages, sized from NumRows.
    MemberLists LinkMembers;
    std::vector<std::int32_t> LinkSize;
    std::vector<float> LinkLevel;

    // Run settings and flags
    std::string DataTitle;
    float MultConstant = 1.0f;
    Transform TransformCode = Transform::None;
    bool StandardiseFlag =
        false;                  // every group mean as % of the group's total, before TransformCode
    bool PrintAvgFlag = false;  // the average-matrix file is still to be written
    Measure MeasureIndex{1};    // Euclidean distance until a run chooses
    std::int16_t LinkageIndex = 5;  // 1..7
    bool SquaredFlag = false;       // every resemblance squared before clustering
    ClusteringStart ClusterState = ClusteringStart::Objects;
    Resemblance DistanceFlag = Resemblance::Similarity;  // the observed run's, copied from work
    AnalysisKind AnalysisMode = AnalysisKind::R;

    // Program-wide: these survive recreate_for_run. A replicate writes them;
    // in a thread's copy the writes stay away from the window thread's run.
    std::int16_t ResampleRetries = 0;  // consecutive replicate attempts abandoned
    bool PoorFitWarned = false;        // the poor-fit question was asked this run
};

struct RunContext : ReplicateInputs {
    Matrix<float> AvgMatrix;  // (group, species), averaged then transformed

    // Per-linkage results of the test, sized from NumRows.
    std::vector<std::string> SIG;
    std::vector<float> LinkStat;

    // The user's own names of the groups, from the names file beside the
    // data file; shown beside GroupLabel, never in its place.
    tw::GroupNames GroupNames;

    // Items of later stages that other stages read.
    Workspace work;                         // the observed run's routine state
    std::vector<std::int16_t> DendroOrder;  // 1..NumGroups: group at each dendrogram position
    Matrix<std::string> Label;              // (position, 1) group label, (position, 2) cluster id
    Matrix<std::int32_t> LinkPair;          // (L, 1) LinkI, (L, 2) LinkJ of the observed run
    std::vector<Redrawn> LinkRedrawn;       // per linkage
    RunStage Stage = RunStage::Idle;        // how far the run, and its report, have got
    // The species behind the final clusters, once asked for after a test.
    std::optional<ClusterExplanation> Explanation;
    // What the significance test found at each linkage, how it drew (seed,
    // threads) and at which level; empty until a test has run. SIG, LinkStat
    // and LinkRedrawn stay the bootstrap's own working state.
    TestResults Results;

    // Program-wide: these survive recreate_for_run.
    std::string ReplicateSequenceText;  // as the format check saw it; empty when by-passed
    Channels channels;                  // open output channels (report sink = 2)

    // Start a new run: every run item back to its initial state, the
    // program-wide items kept.
    void recreate_for_run();
};

}  // namespace tw
