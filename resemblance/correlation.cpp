#include "resemblance/correlation.h"

#include <cmath>

#include "resemblance/measure.h"

namespace tw {

namespace {

// With no species there is no mean to take; every object then reads as
// constant and every r as 0, instead of 0/0.
float object_mean(const MeasureInput& in, std::int32_t j) {
    const float* row = in.x.row(j);
    float sum = 0.0f;
    for (std::int32_t i = 1; i <= in.species; ++i) {
        sum += row[i];
        in.host.yield();
    }
    if (in.species < 1) return 0.0f;
    return sum / static_cast<float>(in.species);
}

void station_means(const MeasureInput& in, CorrelationArrays& a) {
    Printer& m = in.messages();
    if (in.observed()) m.text("MEANS ...").end();
    for (std::int32_t j = 1; j <= in.n; ++j) {
        a.StationMean[static_cast<std::size_t>(j)] = object_mean(in, j);
        if (in.observed()) {
            if (j % 20 == 0) {
                m.clear();
            } else {
                m.num(a.StationMean[static_cast<std::size_t>(j)]).text("C");
            }
        }
    }
    if (in.observed()) m.line().line();
}

void station_deviations(const MeasureInput& in, CorrelationArrays& a) {
    Printer& m = in.messages();
    if (in.observed()) m.text("Deviations (counting...)").end();
    for (std::int32_t j = 1; j <= in.n; ++j) {
        if (in.observed()) {
            if (j % 20 == 0) {
                m.clear();
                m.text(" ").end();
            } else {
                m.num(j).text("D");
            }
        }
        const float mean = a.StationMean[static_cast<std::size_t>(j)];
        const float* row = in.x.row(j);
        float* dev = a.StationDev.row(j);
        for (std::int32_t i = 1; i <= in.species; ++i) {
            dev[i] = row[i] - mean;
            in.host.yield();
        }
    }
    if (in.observed()) m.line().line();
}

}  // namespace

float correlation_pair(const Matrix<float>& deviations, std::int32_t j, std::int32_t k,
                       std::int16_t species, Host& host) {
    const float* a = deviations.row(j);
    const float* b = deviations.row(k);
    float sxy = 0.0f;
    float sxx = 0.0f;
    float syy = 0.0f;
    for (std::int32_t i = 1; i <= species; ++i) {
        sxy += a[i] * b[i];
        sxx += a[i] * a[i];
        syy += b[i] * b[i];
        host.yield();
    }
    const float d = std::sqrt(sxx * syy);
    return d == 0.0f ? 0.0f : sxy / d;
}

void correlation(const MeasureInput& in, Workspace& w, CorrelationArrays& a) {
    const MeasureTraits& traits = traits_of(Measure::Correlation);
    Printer& m = in.messages();
    if (in.observed()) {
        m.clear();
        m.text(traits.heading).end();
    }
    w.MeasureName = traits.name;
    if (in.observed()) m.line();

    a.StationMean.assign(static_cast<std::size_t>(in.n) + 1, 0.0f);
    a.StationDev.recreate(in.n, in.species);
    station_means(in, a);
    station_deviations(in, a);

    if (in.observed()) {
        m.text("Calculate r").end();
        m.text("           jk").end();
    }
    for (std::int32_t j = 1; j <= in.n - 1; ++j) {
        if (in.observed()) m.line();
        for (std::int32_t k = j + 1; k <= in.n; ++k) {
            if (in.observed()) {
                if (k % 20 == 0) {
                    m.clear();
                } else {
                    m.text("r(").num(j).text(",").num(k).text("):");
                }
            }
            // r itself is stored, not -r, and read as a similarity
            // (DistanceFlag 0): the most positively correlated pair holds the
            // highest value and joins first, and the levels print with the
            // sign that r has.
            const float r = correlation_pair(a.StationDev, j, k, in.species, in.host);
            w.SimMatrix(j, k) = r;
            if (in.observed()) m.num(r).text("  ");
        }
    }
    w.DistanceFlag = distance_flag(Measure::Correlation);
    if (in.observed()) m.line().line();
}

}  // namespace tw
