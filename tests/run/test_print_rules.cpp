#include <gtest/gtest.h>

#include "run/number_format.h"
#include "run/printer.h"
#include "support/scripted_host.h"

namespace tw {
namespace {

struct SingleCase {
    float value;
    const char* text;
};

TEST(PrintRules, SinglesUseTheShortestFormWithAtMostSevenDigits) {
    const SingleCase cases[] = {
        {0.5f, ".5"},
        {-0.25f, "-.25"},
        {3.0f, "3"},
        {0.0f, "0"},
        {12345678.0f, "1.234568E+07"},
        {1234567.0f, "1234567"},
        {0.1f, ".1"},
        {1.0f / 3.0f, ".3333333"},
        {2.302585f, "2.302585"},
        {0.0001f, ".0001"},
        {0.00001f, "1E-05"},
        {-1.5e-6f, "-1.5E-06"},
        {100.0f, "100"},
        {1e7f, "1E+07"},
        {123.4567f, "123.4567"},
    };
    for (const auto& c : cases) EXPECT_EQ(single_text(c.value), c.text) << c.value;
}

TEST(PrintRules, PrintedNumbersCarryASignBlankAndATrailingBlank) {
    EXPECT_EQ(printed_number(std::int64_t{10}), " 10 ");
    EXPECT_EQ(printed_number(std::int64_t{-3}), "-3 ");
    EXPECT_EQ(printed_number(0.5f), " .5 ");
    EXPECT_EQ(printed_number(-0.25f), "-.25 ");
    test::RecordingTarget t;
    Printer p(&t);
    p.num(std::int16_t{0}).num(std::int16_t{-32767}).num(std::int32_t{2147483647}).num(-0.0f);
    EXPECT_EQ(t.shown, " 0 -32767  2147483647  0 ");
}

TEST(PrintRules, CommaMovesToTheNextFourteenColumnZone) {
    test::RecordingTarget t;
    Printer p(&t);
    p.num(3).zone().text("S").end();
    p.num(12).zone().text("NS").end();
    p.text("STATION: ").num(1).zone().num(3).text(" REPS.").end();
    EXPECT_EQ(t.shown, " 3            S\r\n 12           NS\r\nSTATION:  1    3  REPS.\r\n");
}

TEST(PrintRules, SemicolonJoinsItemsDirectly) {
    test::RecordingTarget t;
    Printer p(&t);
    p.text("**  ").num(10).text("  bootstrap samples were used **").end();
    EXPECT_EQ(t.shown, "**   10   bootstrap samples were used **\r\n");
}

TEST(PrintRules, TabPadsToItsColumnOrMovesToTheNextLine) {
    test::RecordingTarget t;
    Printer p(&t);
    p.tab(11).text("*").tab(20).text("x").end();
    EXPECT_EQ(t.shown, "          *        x\r\n");
    t.shown.clear();
    p.text("\"LONGLABEL\"").tab(10).text("1").end();
    EXPECT_EQ(t.shown, "\"LONGLABEL\"\r\n         1\r\n");
    t.shown.clear();
    p.text("abc").tab(4).text("d").end();
    EXPECT_EQ(t.shown, "abcd\r\n");
}

TEST(PrintRules, StatementsWithoutLineEndKeepThePosition) {
    test::RecordingTarget t;
    Printer p(&t);
    p.num(0);
    p.num(0);
    EXPECT_EQ(p.column(), 7);
    p.end();
    p.line();
    EXPECT_EQ(t.shown, " 0  0 \r\n\r\n");
    p.text("x");
    p.clear();
    EXPECT_EQ(p.column(), 1);
}

TEST(PrintRules, PatternsRoundHalvesAwayFromZero) {
    EXPECT_EQ(pattern_text("#0.000 ", 0.0), "0.000 ");
    EXPECT_EQ(pattern_text("#0.000 ", 2.0625), "2.063 ");
    EXPECT_EQ(pattern_text("#0.000 ", -2.0625), "-2.063 ");
    EXPECT_EQ(pattern_text("#0.000 ", 12.5), "12.500 ");
    EXPECT_EQ(pattern_text("0.000", 0.3), "0.300");
    EXPECT_EQ(pattern_text("#0.000", 0.4), "0.400");
    EXPECT_EQ(pattern_text("##.#", 0.2), ".2");
    EXPECT_EQ(pattern_text("##.#", 1.0), "1.0");
    EXPECT_EQ(pattern_text("##.#", 0.0), ".0");
    EXPECT_EQ(pattern_text("####", 80.0), "80");
    EXPECT_EQ(pattern_text("####", 0.0), "0");
    EXPECT_EQ(pattern_text("####", 12345.0), "12345");
    EXPECT_EQ(pattern_text("#0.000 ", -0.0001), "0.000 ");
}

}  // namespace
}  // namespace tw
