#include "simprof/simprof_settings.h"

#include "bootstrap/parallel_replicates.h"
#include "bootstrap/random_source.h"
#include "bootstrap/test_settings.h"
#include "run/number_format.h"
#include "run/text_number.h"

namespace tw {

ProfileSettings read_profile_settings(const RunContext& ctx) {
    ProfileSettings s;
    s.permutations = whole_number_setting(ctx.settings.permutations_text);
    s.alpha_text = ctx.settings.alpha_text;
    s.alpha = static_cast<float>(leading_number(s.alpha_text));
    s.seed = test_seed(ctx.settings.random_seed);
    s.threads = bootstrap_thread_count(ctx.settings);
    return s;
}

std::optional<std::string> profile_settings_problem(const ProfileSettings& s) {
    if (s.permutations < 2) {
        return "The number of permutations is " + integer_text(s.permutations) +
               ". The similarity profile test needs at least 2: enter a whole number such as "
               "1000 in \"Permutations\" and run the analysis again.";
    }
    if (!has_leading_number(s.alpha_text)) {
        return "The alpha rejection level \"" + s.alpha_text +
               "\" is not a number. Enter a level such as 0.05 in \"Alpha Rejection Level:\" and "
               "run the analysis again.";
    }
    return std::nullopt;
}

}  // namespace tw
