#include "export/method_names.h"

#include <optional>

#include "cluster/linkage_method.h"
#include "resemblance/measure.h"

namespace tw {

MeasureOfRun measure_of_run(const RunContext& ctx) {
    MeasureOfRun m;
    const std::optional<Measure> chosen = ctx.settings.measure;
    m.name = chosen ? traits_of(*chosen).prose : ctx.work.MeasureName;
    m.distance = ctx.DistanceFlag == Resemblance::Distance;
    return m;
}

std::string linkage_name(const RunContext& ctx) {
    return traits_of(linkage_method(ctx.LinkageIndex)).prose;
}

}  // namespace tw
