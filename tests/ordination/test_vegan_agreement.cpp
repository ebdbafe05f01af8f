// The ordination beside vegan's metaMDS on vegan's own data sets, through
// the whole observed run (data file, Bray-Curtis, no transformation). R and
// vegan are not needed to build the program: without them the test is
// skipped and says so.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "e2e/e2e_fixture.h"
#include "ordination/nmds.h"

namespace tw::test {
namespace {

bool vegan_installed() {
    return std::system("Rscript -e 'library(vegan)' >/dev/null 2>&1") == 0;
}

struct VeganResult {
    double stress = 0;
    Configuration points;
};

VeganResult read_vegan(const std::string& path, std::int32_t objects) {
    std::ifstream in(path);
    VeganResult r;
    r.points = Configuration(objects, 2);
    in >> r.stress;
    for (double& v : r.points.x) in >> v;
    EXPECT_TRUE(in) << "vegan's result is short: " << path;
    return r;
}

class VeganAgreement : public ::testing::TestWithParam<const char*> {};

TEST_P(VeganAgreement, StressAndConfigurationMatchMetaMds) {
    if (!vegan_installed())
        GTEST_SKIP() << "R with vegan is not installed (apt-get install r-base-core r-cran-vegan): "
                        "the agreement with metaMDS is not checked";
    const std::string name = GetParam();
    const std::filesystem::path folder =
        std::filesystem::path(write_input_file("placeholder", "")).parent_path() / "vegan";
    std::filesystem::create_directories(folder);
    const std::string command = std::string("Rscript '") + TARNWICK_VEGAN_REFERENCE + "' " + name +
                                " '" + folder.string() + "' >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    Session s((folder / (name + ".txt")).string());
    s.ctx.settings.measure = Measure::BrayCurtis;
    ASSERT_EQ(s.observed(), Outcome::Completed) << s.host.message_area.history;
    const PairDissimilarities d = dissimilarities_of_run(s.ctx);
    const Ordination ours = nmds(d, NmdsSettings{});
    const VeganResult vegan = read_vegan((folder / (name + ".vegan")).string(), d.objects);

    EXPECT_LE(ours.stress, vegan.stress + 0.005) << name;
    EXPECT_GT(procrustes(vegan.points, ours.points).correlation, 0.95) << name;
    EXPECT_EQ(ours.scaling, "half-change units");
}

INSTANTIATE_TEST_SUITE_P(VeganData, VeganAgreement, ::testing::Values("dune", "varespec", "mite"));

}  // namespace
}  // namespace tw::test
