// The start-up window asks for the data title in single quotes; the data
// file reads them as part of the title, and a figure leaves them out.

#include <gtest/gtest.h>

#include "e2e/e2e_fixture.h"
#include "figure/figure_source.h"

namespace tw::test {
namespace {

TEST(FigureTitle, SingleQuotesAroundTheTitleAreNotShown) {
    const std::string data =
        write_input_file("quoted_title.txt",
                         "'Dune meadows'\n3, 2\n\"STATION\",\"a\",\"b\"\n\"x\" 1 2\n"
                         "\"y\" 2 1\n\"z\" 0 3\n0\n");
    Session run(data);
    ASSERT_EQ(run.observed(), Outcome::Completed);
    EXPECT_EQ(run.ctx.DataTitle, "'Dune meadows'");  // the report keeps the file's title
    EXPECT_EQ(figure_source(run.ctx, false).title, "Dune meadows");

    EXPECT_EQ(figure_title("  'Lake survey' "), "Lake survey");
    EXPECT_EQ(figure_title("''"), "");
    for (const char* kept : {"Lake 'A' survey", "'", "Lake's survey", "'Lake", ""})
        EXPECT_EQ(figure_title(kept), kept);
}

}  // namespace
}  // namespace tw::test
