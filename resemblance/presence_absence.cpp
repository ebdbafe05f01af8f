#include "resemblance/presence_absence.h"

#include <cmath>

namespace tw {

namespace {

struct Names {
    const char* measure_name;
    const char* heading;
};

Names names_of(std::int16_t measure) {
    switch (measure) {
        case 5:
            return {"JACCARD'S INDEX", "JACCARD'S INDEX"};
        case 6:
            return {"SIMPLE MATCHING COEFFICIENT", "Simple Matching Coefficient"};
        case 7:
            return {"DICE INDEX", "Dice INDEX"};
        default:
            return {"FAGER COEFFICIENT", "Fager INDEX"};
    }
}

float ratio_or_one(float numerator, float denominator) {
    return denominator == 0.0f ? 1.0f : numerator / denominator;
}

float fager(const MatchTable& t) {
    const float at_k = t.a + t.b;
    const float absent_at_k = t.c + t.d;
    if (at_k == 0.0f || absent_at_k == 0.0f) return 1.0f;
    return t.a / std::sqrt(at_k * absent_at_k) - 1.0f / (2.0f * std::sqrt(at_k));
}

}  // namespace

float presence_absence_index(std::int16_t measure, const MatchTable& t) {
    switch (measure) {
        case 5:
            return ratio_or_one(t.a, t.a + t.b + t.c);
        case 6:
            return ratio_or_one(t.a + t.d, t.a + t.b + t.c + t.d);
        case 7:
            if (t.a + t.b + t.c == 0.0f) return 1.0f;
            return 2.0f * t.a / (2.0f * t.a + t.b + t.c);
        default:
            return fager(t);
    }
}

void presence_absence(const MeasureInput& in, Workspace& w, std::int16_t measure) {
    Printer& m = in.messages();
    if (in.observed()) m.clear();
    const Names names = names_of(measure);
    w.MeasureName = names.measure_name;
    if (in.observed()) {
        m.text(names.heading).end();
        m.text("Distances ...").end();
    }
    for (std::int32_t j = 1; j <= in.n - 1; ++j) {
        for (std::int32_t k = j + 1; k <= in.n; ++k) {
            const MatchTable t = CountMatches(in.x, j, k, in.species, in.host);
            w.SimMatrix(j, k) = presence_absence_index(measure, t);
            if (in.observed()) m.text("0/1 ");
            in.host.yield();
        }
        if (in.observed()) m.clear();
    }
    m.line();
    m.line();
    w.DistanceFlag = 0;
}

}  // namespace tw
