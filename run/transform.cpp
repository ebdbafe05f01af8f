#include "run/transform.h"

#include <cmath>

namespace tw {

namespace {

double signed_root(double x, int times) {
    double r = std::fabs(x);
    for (int i = 0; i < times; ++i) r = std::sqrt(r);
    return x < 0.0 ? -r : r;
}

}  // namespace

const std::vector<TransformEntry>& transform_table() {
    static const std::vector<TransformEntry> table = {
        {Transform::None, "none", ""},
        {Transform::Ln, "ln", "the group means were transformed to ln(X+1)"},
        {Transform::Binary, "binary", "the group means were reduced to presence/absence"},
        {Transform::SquareRoot, "sqrt", "the group means were square-root transformed"},
        {Transform::FourthRoot, "fourth-root", "the group means were fourth-root transformed"},
    };
    return table;
}

const TransformEntry& transform_entry(Transform code) {
    for (const TransformEntry& e : transform_table())
        if (e.code == code) return e;
    return transform_table().front();
}

// The buttons are kept one-of-four by the window; should more than one be on,
// the first in the window's order wins, as it did with two.
Transform chosen_transform(const RunSettings& s) {
    if (s.transform_ln) return Transform::Ln;
    if (s.transform_binary) return Transform::Binary;
    if (s.transform_sqrt) return Transform::SquareRoot;
    if (s.transform_fourth_root) return Transform::FourthRoot;
    return Transform::None;
}

void choose_transform(RunSettings& s, Transform code) {
    s.transform_ln = code == Transform::Ln;
    s.transform_binary = code == Transform::Binary;
    s.transform_sqrt = code == Transform::SquareRoot;
    s.transform_fourth_root = code == Transform::FourthRoot;
}

float transformed(float mean, Transform code) {
    switch (code) {
        case Transform::Ln:
            return static_cast<float>(std::log(static_cast<double>(mean) + 1.0));
        case Transform::Binary:
            return mean > 0.0f ? 1.0f : mean;
        case Transform::SquareRoot:
            return static_cast<float>(signed_root(static_cast<double>(mean), 1));
        case Transform::FourthRoot:
            return static_cast<float>(signed_root(static_cast<double>(mean), 2));
        case Transform::None:
            break;
    }
    return mean;
}

void write_transform_lines(Printer& report, float multiplier, bool standardised, Transform code) {
    // A constant from 1 up to but not including 2 is applied without a line:
    // the test is on the whole part only.
    if (std::floor(multiplier) != 1.0f) {
        report.text("The data were multiplied by the constant value: ").num(multiplier).end();
        report.text(" ").end();
    }
    if (standardised) {
        report.text("The data were standardised to each group's total (relative abundance, %)")
            .end();
        report.text(" ").end();
    }
    const char* line = nullptr;
    switch (code) {
        case Transform::Ln:
            line = "The data were ln(X+1)-tranformed";
            break;
        case Transform::Binary:
            line = "The data were Binary-transformed";
            break;
        case Transform::SquareRoot:
            line = "The data were square-root-transformed";
            break;
        case Transform::FourthRoot:
            line = "The data were fourth-root-transformed";
            break;
        case Transform::None:
            break;
    }
    if (line != nullptr) {
        report.text(line).end();
        report.text(" ").end();
    }
}

}  // namespace tw
