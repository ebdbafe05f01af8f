// Fusion levels after the pretreatments, against R's vegan on its dune
// meadow table: hclust(vegdist(sqrt(x))), vegdist(x^0.25) and
// vegdist(decostand(x, "total")). Skipped, saying so, where R or vegan is
// not installed.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "batch_process.h"

namespace tw::test {

namespace {

bool have_vegan() {
    return std::system(
               "Rscript -e 'suppressPackageStartupMessages(library(vegan))' "
               ">/dev/null 2>&1") == 0;
}

std::vector<double> numbers(const std::string& text) {
    std::istringstream in(text);
    std::vector<double> values;
    for (double x = 0; in >> x;) values.push_back(x);
    return values;
}

// The height column of PREFIX.linkage.csv (left,right,height,size), sorted.
std::vector<double> linkage_heights(const std::string& csv) {
    std::istringstream in(csv);
    std::string line;
    std::getline(in, line);  // header
    std::vector<double> heights;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string field;
        for (int i = 0; i < 3; ++i) std::getline(fields, field, ',');
        heights.push_back(std::stod(field));
    }
    std::sort(heights.begin(), heights.end());
    return heights;
}

}  // namespace

TEST(VeganLevels, BrayCurtisLevelsAfterEachPretreatmentAreVegansOnTheDuneMeadows) {
    if (!have_vegan()) GTEST_SKIP() << "R with vegan is not installed (r-cran-vegan)";
    const std::string folder = fresh_folder("vegan-levels");
    const std::string script = TARNWICK_VEGAN_SCRIPT;
    ASSERT_EQ(std::system(("cd '" + folder + "' && Rscript '" + script + "'").c_str()), 0);

    struct Case {
        std::string name;  // as the R script names its heights
        std::vector<std::string> options;
    };
    const std::vector<Case> cases = {
        {"sqrt", {"--transform", "sqrt"}},
        {"fourth-root", {"--transform=fourth-root"}},
        {"standardise", {"--standardise"}},
        {"standardise-sqrt", {"--standardise", "--transform", "sqrt"}},
    };
    for (const Case& c : cases) {
        for (const std::string linkage : {"complete", "average"}) {
            SCOPED_TRACE(c.name + " " + linkage);
            std::vector<std::string> args = {"--stations-as-rows",
                                             "--measure",
                                             "bray-curtis",
                                             "--linkage",
                                             linkage == "average" ? "upgma" : linkage,
                                             "--replicates",
                                             "1",
                                             "--seed",
                                             "1",
                                             "--quiet",
                                             "--report",
                                             "report.txt",
                                             "--export",
                                             "out"};
            args.insert(args.end(), c.options.begin(), c.options.end());
            args.push_back("dune.csv");
            const Ran ran = run_batch(folder, args);
            ASSERT_EQ(ran.status, 0) << ran.err;
            const std::vector<double> ours = linkage_heights(file_in(folder, "out.linkage.csv"));
            const std::vector<double> vegan =
                numbers(file_in(folder, "heights_" + c.name + "_" + linkage + ".txt"));
            ASSERT_EQ(ours.size(), 19u);
            ASSERT_EQ(vegan.size(), 19u);
            // The pretreated values and the coefficients are single precision
            // (about 6e-8 relative) and each coefficient sums 30 species:
            // 1e-6 on a coefficient between 0 and 1 allows that and no more.
            for (std::size_t i = 0; i < ours.size(); ++i)
                EXPECT_NEAR(ours[i], vegan[i], 1e-6) << "fusion " << i + 1;
        }
    }
}

}  // namespace tw::test
