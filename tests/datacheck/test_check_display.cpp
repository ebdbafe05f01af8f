// What the check leaves on screen between presses, and what it reports to
// the method window when it ends.

#include <gtest/gtest.h>

#include "check_fixture.h"

namespace tw::test {
namespace {

TEST(CheckDisplay, BetweenPressesTheLineAndCharacterShownAreTheOnesLastExamined) {
    CheckRun run;
    run.start(data_file({"\"r1\" 1 2", "\"r2\" 3 4", "\"r3\" 5 6"}, 2, "2\r\n2 1\r\n"));
    run.press();  // the title, "Test data" in quotes: 11 characters
    EXPECT_EQ(run.view.field(DataCheckField::LineNum), "1");
    EXPECT_EQ(run.view.field(DataCheckField::CharNum), "11");
    EXPECT_EQ(run.view.field(DataCheckField::TotChar), "11");
    run.press();  // "3 2"
    EXPECT_EQ(run.view.field(DataCheckField::LineNum), "2");
    EXPECT_EQ(run.view.field(DataCheckField::CharNum), "3");
    EXPECT_EQ(run.view.field(DataCheckField::TotChar), "3");
    run.press();  // the column labels
    run.press();  // every data line in one press: the last one is shown
    EXPECT_EQ(run.view.field(DataCheckField::LineNum), "6");
    EXPECT_EQ(run.view.field(DataCheckField::CharNum), "8");
}

TEST(CheckDisplay, EmptyLineShowsItsOwnNumberAndLength) {
    CheckRun run;
    run.start("\r\n3 2\r\n");
    run.answer_yes(2);
    run.press();
    EXPECT_EQ(run.view.field(DataCheckField::LineNum), "1");
    EXPECT_EQ(run.view.field(DataCheckField::TotChar), "0");
}

TEST(CheckDisplay, EveryFaultAnsweredYesIsCounted) {
    CheckRun run;
    run.answer_yes(2);
    run.start(data_file({"\"r1\" 1 2E1", "\"r2\" 3 4", "\"r3\" 5 6"}, 2, "2\r\n2 1\r\n")
                  .replace(0, 11, "'Test data'"));
    run.host.answer(Answer::Cancel);  // the exponent question, silenced
    EXPECT_GT(run.press_to_end(), 0);
    EXPECT_EQ(run.check.state().FaultsAnswered, 3);
    EXPECT_EQ(check_result_text(run.check.state().FaultsAnswered),
              "The format check found 3 faults; you answered Yes to go on after each");
    EXPECT_EQ(check_result_text(0), "The format check found no faults");
    EXPECT_EQ(check_result_text(1), "The format check found 1 fault; you answered Yes to go on");
}

}  // namespace
}  // namespace tw::test
