#pragma once
// Fisher's log-series (Fisher, Corbet & Williams 1943): a community whose
// sample of N individuals holds S species satisfies S = alpha ln(1 + N/alpha).
// Everything is held in single precision.

#include "run/host.h"

namespace tw {

// The estimate of alpha stops after this many steps even when it has not met
// the tolerance. In single precision an estimate above about 16 can meet a
// tolerance of 1e-6 only by repeating itself exactly, and it may instead
// wander among a few neighbouring values for ever; within this many steps a
// well-fitting pair has long converged, so the cap only ends such a wander.
inline constexpr int kMaxAlphaSteps = 10000;

// alpha for `individuals` (> species) individuals and `species` species: the
// fixed point of alpha = species / ln(1 + individuals / alpha), started from
// the closed-form approximation alpha = S / (sqrt((x + 12) x) - x) with
// x = (N - S)^2 / 3 / N / S. Stops when two successive estimates differ by
// at most 1e-6, when an estimate returns to the value of two steps before
// (a cycle that can never meet the tolerance), when it is no longer finite,
// or after kMaxAlphaSteps steps. Yields after each step.
float log_series_alpha(float individuals, float species, Host& host);

// The number of species a log-series community with this alpha shows in a
// sample of `individuals` individuals.
float log_series_species(float alpha, float individuals);

}  // namespace tw
