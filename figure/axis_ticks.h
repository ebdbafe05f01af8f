#pragma once
// A resemblance axis with round tick values (1, 2 or 5 times a power of ten)
// that covers every level of the tree.

#include <string>
#include <vector>

namespace tw {

struct AxisTicks {
    double low = 0, high = 1;    // the axis runs between these
    std::vector<double> values;  // ascending, from low to high
    int decimals = 1;            // for every tick label

    std::string label(double value) const;
};

// Ticks for levels between `smallest` and `largest` (finite, smallest <=
// largest), about `wanted` of them. A distance axis that starts at 0 or
// above starts at 0, where identical objects would join. Equal bounds are
// widened so the axis still has a length.
AxisTicks axis_ticks(double smallest, double largest, bool distance, int wanted = 6);

}  // namespace tw
