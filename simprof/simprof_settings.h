#pragma once
// The settings the similarity profile test reads from the method window.
//
// The test follows Clarke, Somerfield & Gorley (2008), "Testing of null
// hypotheses in exploratory community analyses: similarity profiles and
// biota-environment linkage", J. Exp. Mar. Biol. Ecol. 366:56-69. The paper
// leaves two choices open, made here as follows:
// - Permutations: one number N from the Permutations box gives N
//   permutations for the mean profile and N - 1 further ones for the null
//   distribution of pi, so that with the real profile counted in, P moves in
//   steps of 1/N (1000 gives 1000 + 999, the figures the paper uses).
// - Alpha: the run's alpha level is used unchanged at every node down the
//   tree. The walk stops at the first non-significant node of each branch,
//   so it is a stopping rule rather than a family of independent tests; a
//   user who wants a stricter rule enters a smaller alpha.

#include <cstdint>
#include <optional>
#include <string>

#include "run/run_context.h"

namespace tw {

struct ProfileSettings {
    std::int32_t permutations = 0;  // N: for the mean profile; N - 1 for the null
    std::string alpha_text;         // shown unchanged in the headings
    float alpha = 0.0f;
    std::uint64_t seed = 0;  // the test's seed (never 0 once read)
    unsigned threads = 1;
};

ProfileSettings read_profile_settings(const RunContext& ctx);

// The most permutations the test takes: a node keeps one pi per null
// permutation, and beyond a million P has more decimals than anyone reads.
inline constexpr std::int32_t kMostPermutations = 1'000'000;

// Why N permutations cannot be used, or nothing: the null distribution needs
// at least one permutation besides the mean's. The batch command's
// --permutations and the method window's box give this same message.
std::optional<std::string> permutations_problem(std::int32_t permutations);

// Why the test cannot start with these settings, or nothing when it can.
std::optional<std::string> profile_settings_problem(const ProfileSettings& s);

// When even the smallest P the permutations can give, 1/N, is above alpha,
// no linkage can be significant: what to tell the user before the test.
// Nothing when the settings choose the bootstrap.
std::optional<std::string> permutation_floor_warning(const RunSettings& s);

}  // namespace tw
