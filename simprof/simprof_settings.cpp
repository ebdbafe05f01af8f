#include "simprof/simprof_settings.h"

#include "bootstrap/parallel_replicates.h"
#include "bootstrap/random_source.h"
#include "bootstrap/test_settings.h"
#include "run/number_format.h"
#include "run/seed_text.h"
#include "run/text_number.h"

namespace tw {

ProfileSettings read_profile_settings(const RunContext& ctx) {
    ProfileSettings s;
    s.permutations = whole_number_setting(ctx.settings.permutations_text);
    s.alpha_text = ctx.settings.alpha_text;
    s.alpha = static_cast<float>(leading_number(s.alpha_text));
    // The linkage window's seed box fixes the permutations as it fixes the
    // bootstrap's draws; blank takes a seed from the clock.
    const SeedEntry chosen = chosen_seed(ctx.settings);
    s.seed = chosen.source == SeedSource::Typed ? chosen.value : test_seed(0);
    s.threads = bootstrap_thread_count(ctx.settings);
    return s;
}

std::optional<std::string> profile_settings_problem(const ProfileSettings& s) {
    if (s.permutations < 2) {
        return "The number of permutations is " + integer_text(s.permutations) +
               ". The similarity profile test needs at least 2: enter a whole number such as "
               "1000 in \"Permutations\" and run the analysis again.";
    }
    return alpha_problem(s.alpha_text);
}

}  // namespace tw
