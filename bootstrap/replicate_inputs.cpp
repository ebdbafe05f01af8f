#include "bootstrap/replicate_inputs.h"

namespace tw {

void copy_replicate_inputs(const RunContext& from, RunContext& to) {
    to.settings = from.settings;
    to.NumRows = from.NumRows;
    to.NumCols = from.NumCols;
    to.NumVars = from.NumVars;
    to.NumGroups = from.NumGroups;
    to.NumBoot = from.NumBoot;
    to.DataMatrix = from.DataMatrix;
    to.StationLabel = from.StationLabel;
    to.SpeciesLabel = from.SpeciesLabel;
    to.RepCount = from.RepCount;
    to.GroupLabel = from.GroupLabel;
    to.LinkMembers = from.LinkMembers;
    to.LinkSize = from.LinkSize;
    to.LinkLevel = from.LinkLevel;
    to.DataTitle = from.DataTitle;
    to.MultConstant = from.MultConstant;
    to.TransformCode = from.TransformCode;
    to.PrintAvgFlag = "N";
    to.MeasureIndex = from.MeasureIndex;
    to.LinkageIndex = from.LinkageIndex;
    to.SquaredFlag = from.SquaredFlag;
    to.ClusterState = from.ClusterState;
    to.DistanceFlag = from.DistanceFlag;
    to.AnalysisMode = from.AnalysisMode;
    to.ResampleRetries = from.ResampleRetries;
    to.PoorFitWarned = from.PoorFitWarned;
}

}  // namespace tw
