#include "resemblance/euclidean.h"

#include <cmath>

namespace tw {

float euclidean_pair(const Matrix<float>& x, std::int32_t j, std::int32_t k, std::int16_t species,
                     Host& host) {
    const float* a = x.row(j);
    const float* b = x.row(k);
    float sum = 0.0f;
    for (std::int32_t i = 1; i <= species; ++i) {
        const float d = a[i] - b[i];
        sum += d * d;
        host.yield();
    }
    return std::sqrt(sum);
}

void euclidean_distance(const MeasureInput& in, Workspace& w) {
    Printer& m = in.messages();
    if (in.observed()) {
        m.text("EUCLIDEAN DISTANCE").end();
        m.clear();
        m.text("Distances ...").end();
    }
    w.MeasureName = "Euclidean Dist.";
    for (std::int32_t j = 1; j <= in.n - 1; ++j) {
        for (std::int32_t k = j + 1; k <= in.n; ++k) {
            w.SimMatrix(j, k) = euclidean_pair(in.x, j, k, in.species, in.host);
            if (in.observed()) progress_mark(m, std::int64_t{j} * k, 20, "E");
        }
        if (in.observed()) m.text(" ").end();
    }
    w.DistanceFlag = 1;
    m.line();
    m.line();
}

}  // namespace tw
