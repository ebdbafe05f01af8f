#include "export/method_names.h"

#include <array>

#include "cluster/linkage_method.h"

namespace tw {

MeasureOfRun measure_of_run(const RunContext& ctx) {
    static const std::array<const char*, 8> names = {
        "Euclidean distance",
        "Bray-Curtis coefficient",
        "correlation coefficient",
        "heterogeneity ratio (H/R)",
        "Jaccard's index",
        "simple matching coefficient",
        "Dice index",
        "Fager's index",
    };
    MeasureOfRun m;
    const int entry = ctx.settings.resmx;
    m.name =
        entry >= 0 && entry < 8 ? names[static_cast<std::size_t>(entry)] : ctx.work.MeasureName;
    m.distance = ctx.DistanceFlag == 1;
    return m;
}

std::string linkage_name(const RunContext& ctx) {
    switch (linkage_method(ctx.LinkageIndex)) {
        case LinkageMethod::Single:
            return "single linkage";
        case LinkageMethod::Complete:
            return "complete linkage";
        case LinkageMethod::WPGMA:
            return "WPGMA";
        case LinkageMethod::WPGMCentroid:
            return "WPGMC (weighted centroid)";
        case LinkageMethod::UPGMA:
            return "UPGMA";
        case LinkageMethod::UPGMCentroid:
            return "UPGMC (centroid)";
        case LinkageMethod::MinimumVariance:
            return "minimum variance";
    }
    return "UPGMA";
}

}  // namespace tw
