#include "run/transform.h"

#include <cmath>

namespace tw {

float transformed(float mean, std::int16_t code) {
    switch (code) {
        case kLnTransform:
            return static_cast<float>(std::log(static_cast<double>(mean) + 1.0));
        case kBinaryTransform:
            return mean > 0.0f ? 1.0f : mean;
        default:
            return mean;
    }
}

void write_transform_lines(Printer& report, float multiplier, std::int16_t code) {
    // A constant from 1 up to but not including 2 is applied without a line:
    // the test is on the whole part only.
    if (std::floor(multiplier) != 1.0f) {
        report.text("The data were multiplied by the constant value: ").num(multiplier).end();
        report.text(" ").end();
    }
    if (code == kLnTransform) {
        report.text("The data were ln(X+1)-tranformed").end();
        report.text(" ").end();
    } else if (code == kBinaryTransform) {
        report.text("The data were Binary-transformed").end();
        report.text(" ").end();
    }
}

}  // namespace tw
