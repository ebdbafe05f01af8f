#include "simprof/simprof_settings.h"

#include <cmath>

#include "bootstrap/parallel_replicates.h"
#include "bootstrap/random_source.h"
#include "bootstrap/test_settings.h"
#include "run/link_result.h"
#include "run/number_format.h"
#include "run/seed_text.h"
#include "run/text_number.h"

namespace tw {

ProfileSettings read_profile_settings(const RunContext& ctx) {
    ProfileSettings s;
    s.permutations = whole_number_setting(ctx.settings.permutations_text);
    s.alpha_text = ctx.settings.alpha_text;
    s.alpha = alpha_level(s.alpha_text);
    // The linkage window's seed box fixes the permutations as it fixes the
    // bootstrap's draws; blank takes a seed from the clock.
    const SeedEntry chosen = chosen_seed(ctx.settings);
    s.seed = chosen.source == SeedSource::Typed ? chosen.value : test_seed(0);
    s.threads = bootstrap_thread_count(ctx.settings);
    return s;
}

std::optional<std::string> permutations_problem(std::int32_t permutations) {
    if (permutations >= 2 && permutations <= kMostPermutations) return std::nullopt;
    return "The number of permutations is " + integer_text(permutations) +
           ". The similarity profile test needs a whole number from 2 to " +
           integer_text(kMostPermutations) + ", such as 1000.";
}

std::optional<std::string> profile_settings_problem(const ProfileSettings& s) {
    if (auto problem = permutations_problem(s.permutations)) return problem;
    return alpha_problem(s.alpha_text);
}

std::optional<std::string> permutation_floor_warning(const RunSettings& s) {
    if (s.test_method != TestMethod::Simprof) return std::nullopt;
    const std::int32_t n = whole_number_setting(s.permutations_text);
    const float alpha = alpha_level(s.alpha_text);
    if (permutations_problem(n) || !(1.0 / n > static_cast<double>(alpha))) return std::nullopt;
    const double needed = std::ceil(1.0 / static_cast<double>(alpha));
    return "With " + integer_text(n) + " permutations the smallest P the test can give is 1/" +
           integer_text(n) + ", above the alpha level " + s.alpha_text +
           ": no linkage can be significant." +
           (alpha > 0.0f && needed <= kMostPermutations
                ? " At least " + integer_text(static_cast<std::int64_t>(needed)) +
                      " permutations are needed."
                : std::string());
}

}  // namespace tw
