#include "run/transform.h"

#include <cmath>

namespace tw {

float transformed(float mean, Transform code) {
    switch (code) {
        case Transform::Ln:
            return static_cast<float>(std::log(static_cast<double>(mean) + 1.0));
        case Transform::Binary:
            return mean > 0.0f ? 1.0f : mean;
        case Transform::None:
            break;
    }
    return mean;
}

void write_transform_lines(Printer& report, float multiplier, Transform code) {
    // A constant from 1 up to but not including 2 is applied without a line:
    // the test is on the whole part only.
    if (std::floor(multiplier) != 1.0f) {
        report.text("The data were multiplied by the constant value: ").num(multiplier).end();
        report.text(" ").end();
    }
    if (code == Transform::Ln) {
        report.text("The data were ln(X+1)-tranformed").end();
        report.text(" ").end();
    } else if (code == Transform::Binary) {
        report.text("The data were Binary-transformed").end();
        report.text(" ").end();
    }
}

}  // namespace tw
