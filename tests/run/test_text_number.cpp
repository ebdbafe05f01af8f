#include <gtest/gtest.h>

#include <limits>

#include "run/text_number.h"

namespace tw {
namespace {

struct NumberCase {
    const char* text;
    double value;
};

TEST(TextNumber, TakesTheLongestLeadingDecimalNumber) {
    const NumberCase cases[] = {
        {"10", 10}, {"12.5", 12.5}, {"-3e2x", -300},  {"+.5", 0.5}, {"5 samples", 5},
        {"1e", 1},  {"1e+", 1},     {"2.5E-1", 0.25}, {"abc", 0},   {"", 0},
        {".", 0},   {"-", 0},       {"7.5.3", 7.5},   {"0x10", 0},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(leading_number(c.text), c.value) << c.text;
}

TEST(TextNumber, IgnoresBlanksTabsAndLineFeedsWherever) {
    EXPECT_DOUBLE_EQ(leading_number("  1 2 . 5 "), 12.5);
    EXPECT_DOUBLE_EQ(leading_number("\t-\n3"), -3);
    EXPECT_DOUBLE_EQ(leading_number(" "), 0);
    EXPECT_DOUBLE_EQ(leading_number("1 e 3"), 1000);
}

TEST(TextNumber, WholeSettingsRoundHalvesToEven) {
    EXPECT_EQ(whole_number_setting("12.5"), 12);
    EXPECT_EQ(whole_number_setting("13.5"), 14);
    EXPECT_EQ(whole_number_setting("-2.5"), -2);
    EXPECT_EQ(whole_number_setting("10.51"), 11);
    EXPECT_EQ(whole_number_setting("none"), 0);
    EXPECT_EQ(whole_number_setting("1e12"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(whole_number_setting("-1e12"), std::numeric_limits<std::int32_t>::min());
}

}  // namespace
}  // namespace tw
