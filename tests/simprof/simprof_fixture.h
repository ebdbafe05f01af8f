#pragma once
// Tables of single stations for the similarity profile tests: drawn from
// communities of known mean abundances, observed as the run observes them.

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "bootstrap/bootstrap_fixture.h"
#include "bootstrap/test_loop.h"
#include "simprof/simprof_settings.h"

namespace tw::test {

// Every station is its own group; station i comes from community
// community_of[i - 1] and holds Poisson counts around that community's
// means (one draw of `random` per value).
struct ProfileRun : BootstrapRun {
    ProfileRun(const std::vector<int>& community_of, std::int16_t species, std::mt19937& random,
               std::int16_t measure = kBrayCurtis)
        : BootstrapRun(std::vector<std::int32_t>(community_of.size(), 1), species) {
        int communities = 0;
        for (int c : community_of) communities = c > communities ? c : communities;
        std::gamma_distribution<double> mean_of(0.6, 8.0);
        std::vector<std::vector<double>> means(static_cast<std::size_t>(communities) + 1);
        for (auto& m : means)
            for (int s = 0; s < species; ++s) m.push_back(mean_of(random));
        for (std::size_t i = 0; i < community_of.size(); ++i)
            for (int s = 0; s < species; ++s)
                ctx.DataMatrix(static_cast<std::int32_t>(i + 1), s + 1) = static_cast<float>(
                    std::poisson_distribution<int>(means[static_cast<std::size_t>(community_of[i])]
                                                        [static_cast<std::size_t>(s)] +
                                                   0.01)(random));
        observe(*this, measure);
        prepare_link_records(ctx);
        ctx.settings.permutations_text = "200";
        ctx.settings.bootstrap_threads = 1;
        ctx.settings.test_method = TestMethod::Simprof;
    }

    ProfileSettings settings() const { return read_profile_settings(ctx); }
};

// Stations 1..n in turn from communities 1..k (1, 2, .., k, 1, 2, ...).
inline std::vector<int> interleaved(int n, int k) {
    std::vector<int> of;
    for (int i = 0; i < n; ++i) of.push_back(i % k + 1);
    return of;
}

}  // namespace tw::test
