// An imported table goes through the format check without a question and
// runs to the same linkage levels as the same data typed by hand.

#include <gtest/gtest.h>

#include "datacheck/check_fixture.h"
#include "e2e/e2e_fixture.h"
#include "import/workbook/chosen_file.h"
#include "import_fixture.h"

namespace tw::test {
namespace {

std::string import_to_file(const std::string& table, import::ImportOptions options = {}) {
    const auto imported = import::import_chosen_file(import::open_chosen_file(fixture_path(table)),
                                                     options, "with --sheet");
    const std::string out = write_input_file("imported.txt", "");
    import::save_data_file(out, import::data_file_text(imported), fixture_path(table));
    return out;
}

// The linkage levels of the observed run with the given measure and linkage.
std::vector<float> linkage_levels(const std::string& data_file, Measure measure,
                                  LinkageMethod linkage) {
    Session session(data_file);
    session.ctx.settings.measure = measure;
    session.ctx.settings.linkage = linkage;
    EXPECT_EQ(session.observed(), Outcome::Completed) << data_file;
    return std::vector<float>(session.ctx.LinkLevel.begin(),
                              session.ctx.LinkLevel.begin() + session.ctx.NumGroups);
}

TEST(ImportedRuns, FormatCheckFindsNoFaultInAnImportedFile) {
    // The scripted host fails the test on any question the check asks.
    for (const char* table : {"r_write_csv2.csv", "ponds.ods", "long_table.csv"}) {
        CheckRun run;
        const std::string text = bytes_of(import_to_file(table));
        run.start(text);
        EXPECT_EQ(run.press_to_end(), 6) << table;
        EXPECT_TRUE(run.host.questions.empty()) << table;
    }
    // Ungrouped, with labels that hold commas, blanks and quotes, decimals
    // from an exponent and missing values read as 0.
    CheckRun run;
    import::ImportOptions rows_filling_missing = stations_as_rows();
    rows_filling_missing.missing_as_zero = true;
    const std::string text = imported_text(
        "\"Site, name\",\"Sp \"\"A\"\"\",B\n\"North, 1\",1.5e1,NA\n\"South 2\",0.25,3\n",
        rows_filling_missing);
    run.start(text);
    run.press_to_end();
    EXPECT_TRUE(run.host.questions.empty()) << text;
    EXPECT_EQ(run.view.unloads, 1);
}

TEST(ImportedRuns, LinkageLevelsMatchTheSameDataTypedByHand) {
    const std::string typed = fixture_path("ponds_typed.txt");
    const std::string from_xlsx = import_to_file("ponds.xlsx");
    const std::string from_csv2 = import_to_file("r_write_csv2.csv");
    // Euclidean with UPGMA, Bray-Curtis with single linkage, Jaccard with
    // minimum variance.
    for (auto [measure, linkage] : {std::pair{Measure::Euclidean, LinkageMethod::UPGMA},
                                    std::pair{Measure::BrayCurtis, LinkageMethod::Single},
                                    std::pair{Measure::Jaccard, LinkageMethod::MinimumVariance}}) {
        const auto expected = linkage_levels(typed, measure, linkage);
        ASSERT_EQ(expected.size(), 3u);  // three groups: linkages 1 and 2
        EXPECT_EQ(linkage_levels(from_xlsx, measure, linkage), expected);
        EXPECT_EQ(linkage_levels(from_csv2, measure, linkage), expected);
    }
}

}  // namespace
}  // namespace tw::test
