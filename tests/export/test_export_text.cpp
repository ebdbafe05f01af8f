// The pieces of text the exports are made of: Newick labels, CSV fields,
// heights from levels, the seed box, the data file's checksum.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "export/csv_row.h"
#include "export/level_conversion.h"
#include "export/newick.h"
#include "export/sha256.h"
#include "run/seed_text.h"
#include "support/test_files.h"

namespace tw::test {
namespace {

struct TextCase {
    std::string in;
    std::string out;
};

// Quoted as ape::write.tree quotes: whatever a Newick reader would take for
// structure, a blank (or an underscore, which readers turn into a blank),
// or a quote, goes in single quotes with inner single quotes doubled.
TEST(NewickLabel, QuotesWhatReadersWouldTakeForStructure) {
    const TextCase cases[] = {
        {"E01a", "E01a"},
        {"St A", "'St A'"},
        {"O'Brien", "'O''Brien'"},
        {"a,b", "'a,b'"},
        {"(x)", "'(x)'"},
        {"c:d", "'c:d'"},
        {"semi;colon", "'semi;colon'"},
        {"[note]", "'[note]'"},
        {"under_score", "'under_score'"},
        {"say \"hi\"", "'say \"hi\"'"},
        {"", "''"},
        {"tab\there", "'tab\there'"},
        {"''", "''''''"},
    };
    for (const TextCase& c : cases) EXPECT_EQ(newick_label(c.in), c.out) << c.in;
}

TEST(CsvField, QuotesOnlyFieldsThatNeedIt) {
    const TextCase cases[] = {
        {"St A", "St A"},
        {"a,b", "\"a,b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\nlines", "\"two\nlines\""},
        {"cr\r", "\"cr\r\""},
        {"", ""},
        {"O'Brien", "O'Brien"},
    };
    for (const TextCase& c : cases) EXPECT_EQ(csv_field(c.in), c.out) << c.in;
    EXPECT_EQ(csv_row({"1", "a,b", ""}), "1,\"a,b\",\r\n");
}

struct ConversionCase {
    const char* name;
    std::vector<float> levels;
    bool distance;
    std::string description;
};

// Heights never fall below 0 and keep the order of the levels, whatever a
// centroid method or a squared correlation produced.
TEST(LevelConversion, GivesHeightsThatStartAtZeroAndKeepTheOrder) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const ConversionCase cases[] = {
        {"similarity", {0.9f, 0.5f, 0.25f}, false, "1 - level"},
        {"negative correlation", {0.8f, -0.4f}, false, "1 - level"},
        {"similarity above 1", {1.5f, 0.5f}, false, "1.5 - level"},
        {"distance", {0.2f, 1.5f, 4.0f}, true, "level"},
        {"distance below 0", {-0.5f, 0.25f, 2.0f}, true, "level + 0.5"},
        {"not a number ignored", {0.2f, nan, 3.0f}, true, "level"},
    };
    for (const ConversionCase& c : cases) {
        SCOPED_TRACE(c.name);
        const LevelConversion conversion = LevelConversion::for_levels(c.levels, c.distance);
        EXPECT_EQ(conversion.description(), c.description);
        float previous = -1.0f;
        for (float level : c.levels) {
            if (std::isnan(level)) continue;
            const float h = conversion.height(level);
            EXPECT_GE(h, 0.0f) << level;
            if (c.distance) {
                EXPECT_GT(h, previous);
            }
            previous = h;
        }
    }
}

TEST(SeedBox, TellsBlankFromZeroAndRefusesWhatIsNotAWholeNumber) {
    struct Case {
        const char* text;
        SeedSource source;
        std::uint64_t value;
    };
    const Case cases[] = {
        {"", SeedSource::Clock, 0},
        {"  \t", SeedSource::Clock, 0},
        {"0", SeedSource::Typed, 0},
        {" 1234 ", SeedSource::Typed, 1234},
        {"18446744073709551615", SeedSource::Typed, 18446744073709551615u},
        {"18446744073709551616", SeedSource::Invalid, 0},
        {"-3", SeedSource::Invalid, 0},
        {"+3", SeedSource::Invalid, 0},
        {"1.5", SeedSource::Invalid, 0},
        {"12 34", SeedSource::Invalid, 0},
        {"seed", SeedSource::Invalid, 0},
    };
    for (const Case& c : cases) {
        const SeedEntry entry = read_seed_text(c.text);
        EXPECT_EQ(entry.source, c.source) << "\"" << c.text << "\"";
        EXPECT_EQ(entry.value, c.value) << "\"" << c.text << "\"";
    }
    RunSettings fixed;
    fixed.seed_text = "99";
    fixed.random_seed = 7;
    EXPECT_EQ(chosen_seed(fixed).value, 7u);
}

TEST(Sha256, MatchesTheStandardsTestVectorAndMissesNothing) {
    EXPECT_EQ(file_sha256(write_input_file("abc.txt", "abc")),
              "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(file_sha256(write_input_file("empty.txt", "")),
              "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_FALSE(file_sha256("/nonexistent/folder/data.txt").has_value());
}

}  // namespace
}  // namespace tw::test
