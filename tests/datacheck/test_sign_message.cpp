// The sign/exponent question of the station lines, which the user may
// silence for the rest of one check.

#include <gtest/gtest.h>

#include "check_fixture.h"

namespace tw::test {
namespace {

const Fault kSignQuestion{
    "error on data line Click NO to Exit",
    "A '-', '+', or 'E' character was detected. If you wish to continue detecting these "
    "errors, click YES. If you wish to skip messages about these symbols, click CANCEL."};

// Presses up to and including the one that examines the station lines.
void check_station_lines(CheckRun& run, const std::string& contents) {
    run.start(contents);
    for (int press = 1; press <= 4; ++press) run.press();
}

TEST(SignMessage, ExponentValueCountsOnceAndIsAskedAboutOnce) {
    CheckRun run;
    run.host.answer(Answer::Yes);
    check_station_lines(run, data_file({"\"x\" 1 2.5 3E2"}, 3, "0\r\n"));
    EXPECT_EQ(run.faults(), std::vector<Fault>{kSignQuestion});  // no value-count fault
    EXPECT_EQ(run.host.questions[0].buttons, Buttons::YesNoCancel);
}

TEST(SignMessage, EverySignAndExponentIsAskedAboutUntilCancelled) {
    const std::string file = data_file({"\"a\" -1 2e3", "\"b\" +4 5", "\"c\" 1E-2 3"}, 2, "0\r\n");
    CheckRun yes;
    yes.answer_yes(5);
    check_station_lines(yes, file);
    EXPECT_EQ(yes.faults().size(), 5u);

    CheckRun cancel;
    cancel.host.answer(Answer::Cancel);
    check_station_lines(cancel, file);
    EXPECT_EQ(cancel.faults(), std::vector<Fault>{kSignQuestion});
    EXPECT_TRUE(cancel.check.state().SignMessagesSilenced);
}

TEST(SignMessage, CancelLastsForOneCheckOnly) {
    const std::string file = data_file({"\"a\" -1", "\"b\" -2"}, 1, "");
    CheckRun run;
    run.host.answer(Answer::Cancel);
    run.start(file);
    EXPECT_EQ(run.press_to_end(), 4);
    EXPECT_EQ(run.faults().size(), 1u);

    // The same window checking again asks again, for every line.
    run.answer_yes(2);
    run.view.unloads = 0;
    run.press();
    EXPECT_EQ(run.press_to_end(), 4);
    EXPECT_EQ(run.faults(1), (std::vector<Fault>{kSignQuestion, kSignQuestion}));
}

TEST(SignMessage, NoEndsTheProgram) {
    CheckRun run;
    run.host.answer(Answer::No);
    check_station_lines(run, data_file({"\"a\" -1", "\"b\" -2"}, 1, "0\r\n"));
    EXPECT_TRUE(run.host.ended);
    EXPECT_EQ(run.faults().size(), 1u);
    EXPECT_EQ(run.view.unloads, 0);
}

}  // namespace
}  // namespace tw::test
