#include "resemblance/heterogeneity_ratio.h"

#include <cmath>

#include "resemblance/log_series.h"
#include "resemblance/measure.h"
#include "run/questions.h"

namespace tw {

namespace {

std::int32_t sign_of(float v) {
    return v > 0.0f ? 1 : (v < 0.0f ? -1 : 0);
}

void object_totals(const MeasureInput& in, HeterogeneityRatioArrays& a) {
    const std::size_t last = static_cast<std::size_t>(in.n) + 1;
    a.StationTotal.assign(last + 1, 0.0f);
    a.SpeciesCount.assign(last + 1, 0);
    a.SpeciesCount[last] = in.species;
    for (std::int32_t j = 1; j <= in.n; ++j) {
        const std::size_t jj = static_cast<std::size_t>(j);
        const float* row = in.x.row(j);
        for (std::int32_t i = 1; i <= in.species; ++i) {
            a.SpeciesCount[jj] += sign_of(row[i]);
            a.StationTotal[jj] += row[i];
            in.host.yield();
        }
        a.StationTotal[last] += a.StationTotal[jj];
    }
}

// Species present in at least one of the two objects.
std::int32_t pooled_species(const MeasureInput& in, std::int32_t j, std::int32_t k) {
    const float* a = in.x.row(j);
    const float* b = in.x.row(k);
    std::int32_t u = 0;
    for (std::int32_t i = 1; i <= in.species; ++i) {
        u += sign_of(a[i] + b[i]);
        in.host.yield();
    }
    return u;
}

// True when the pair may go on with an adjusted geometric mean.
bool poor_fit_accepted(const MeasureInput& in, RunContext& ctx, std::int32_t j, std::int32_t k) {
    if (ctx.PoorFitWarned) return true;
    ctx.PoorFitWarned = true;
    const std::string title = continue_title("Poor Fit to Log-series Warning");
    return in.host.ask(title, poor_fit_message(j, k), Buttons::YesNo) == Answer::Yes;
}

}  // namespace

std::string poor_fit_message(std::int32_t j, std::int32_t k) {
    return "Replicate group " + std::to_string(j) + " or " + std::to_string(k) +
           " (or both) fit the log-series poorly (based on averages of the samples within). If "
           "you continue values will be adjusted slightly to avoid a zero-divide error and this "
           "message will not be repeated for additional warnings, otherwise you may re-run these "
           "data applying a multiplicative factor to increase abundances such that all values "
           "are > or = 1.0.";
}

RoutineExit heterogeneity_ratio(const MeasureInput& in, Workspace& w, HeterogeneityRatioArrays& a,
                                RunContext& ctx) {
    const MeasureTraits& traits = traits_of(Measure::HeterogeneityRatio);
    Printer& m = in.messages();
    if (in.observed()) m.text(traits.heading).end();
    w.MeasureName = traits.name;
    if (in.observed()) m.text("----- Calculation of HR -----").end();
    object_totals(in, a);

    for (std::int32_t j = 1; j <= in.n - 1; ++j) {
        for (std::int32_t k = j + 1; k <= in.n; ++k) {
            const float nj = a.StationTotal[static_cast<std::size_t>(j)];
            const float nk = a.StationTotal[static_cast<std::size_t>(k)];
            const std::int32_t sj = a.SpeciesCount[static_cast<std::size_t>(j)];
            const std::int32_t sk = a.SpeciesCount[static_cast<std::size_t>(k)];
            float g = std::sqrt(nj * nk);
            const float sbar = static_cast<float>(std::int64_t{sj} + sk) / 2.0f;
            // The log-series needs more individuals than species.
            if (g <= sbar) {
                if (!poor_fit_accepted(in, ctx, j, k)) {
                    ctx.channels.close_all();
                    return RoutineExit::Abandoned;
                }
                g = sbar + 1.0f;
            }
            const float ntot = nj + nk;
            const float alpha = log_series_alpha(g, sbar, in.host);
            const float expected = log_series_species(alpha, ntot);
            const std::int32_t u = pooled_species(in, j, k);
            w.SimMatrix(j, k) = static_cast<float>(u) / expected;
        }
    }
    w.DistanceFlag = distance_flag(Measure::HeterogeneityRatio);
    return RoutineExit::Normal;
}

}  // namespace tw
