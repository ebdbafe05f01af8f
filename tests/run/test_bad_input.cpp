#include <gtest/gtest.h>

#include <string>

#include "cluster/observed_run.h"
#include "run_fixture.h"

namespace tw {
namespace {

using test::bytes_of;

// Three stations, the second one empty: a run that read this far would ask
// about it, so any question besides the error shows that reading went on.
std::string file_with(const std::string& sizes, const std::string& groups,
                      const std::string& first_row = "\"A\" 1 2") {
    return "\"Bad\"\r\n" + sizes + "\r\n\"S\",\"a\",\"b\"\r\n" + first_row +
           "\r\n\"B\" 0 0\r\n\"C\" 3 4\r\n" + groups;
}

std::string with_path(std::string message, const std::string& path) {
    const auto at = message.find("%F");
    if (at != std::string::npos) message.replace(at, 2, path);
    return message;
}

// One message box, nothing written, the message area untouched, the options
// window still up, the program still running, the data file as it was.
void expect_refused(test::RunFixture& run, const std::string& title, const std::string& message,
                    const std::string& contents, const std::string& name) {
    EXPECT_EQ(run_analysis(run.ctx, run.host), Outcome::Failed) << name;
    ASSERT_EQ(run.host.questions.size(), 1u) << name;
    EXPECT_EQ(run.host.questions[0].buttons, Buttons::Ok) << name;
    EXPECT_EQ(run.host.questions[0].title, title) << name;
    EXPECT_EQ(run.host.questions[0].text, with_path(message, run.ctx.settings.input_file)) << name;
    EXPECT_TRUE(run.host.files.empty()) << name;
    EXPECT_EQ(run.host.message_area.history, "") << name;
    EXPECT_TRUE(run.host.visible(Window::Options)) << name;
    EXPECT_FALSE(run.host.ended) << name;
    if (!contents.empty()) {
        EXPECT_EQ(bytes_of(run.ctx.settings.input_file), contents) << name;
    }
}

struct BadFile {
    const char* name;
    std::string contents;
    const char* message;
};

TEST(BadInput, FileIsRefusedWithOneMessageNamingItAndTheLine) {
    const BadFile cases[] = {
        {"ends in the data", "\"Bad\"\r\n3 2\r\n\"S\",\"a\",\"b\"\r\n\"A\" 1 2\r\n\"B\" 0\r\n",
         "The data file \"%F\" ends at line 5 before all items were read: value 2 of station 2 "
         "(B) is missing."},
        {"ends before the group sizes", file_with("3 2", "2\r\n"),
         "The data file \"%F\" ends at line 7 before all items were read: the size of group 1 "
         "is missing."},
        {"ends before the group count", file_with("3 2", ""),
         "The data file \"%F\" ends at line 6 before all items were read: the number of "
         "replicate groups is missing."},
        {"negative station count", file_with("-3 2", "0"),
         "Line 2 of the data file \"%F\": the number of stations is -3; it must be at least 1."},
        {"no species", file_with("3, 0", "0"),
         "Line 2 of the data file \"%F\": the number of species is 0; it must be at least 1."},
        {"absurd station count", file_with("2000000000 2", "0"),
         "Line 2 of the data file \"%F\": the number of stations is 2E+09; the program can "
         "hold at most 10000."},
        {"absurd species count", file_with("3 99999", "0"),
         "Line 2 of the data file \"%F\": the number of species is 99999; the program can hold "
         "at most 32767."},
        {"too many values", file_with("10000 30000", "0"),
         "Line 2 of the data file \"%F\": 10000 stations of 30000 species are 300000000 "
         "values; the program can hold at most 20000000."},
        {"group of no stations", file_with("3 2", "2\r\n2 0"),
         "Line 8 of the data file \"%F\": the size of group 2 is 0; it must be at least 1."},
        {"negative group", file_with("3 2", "2\r\n-1 3"),
         "Line 8 of the data file \"%F\": the size of group 1 is -1; it must be at least 1."},
        {"groups beyond the stations", file_with("3 2", "2\r\n2\r\n2"),
         "Line 8 of the data file \"%F\": the group sizes add up to 4, more than the 3 "
         "stations."},
        {"more groups than stations", file_with("3 2", "4\r\n1 1 1 1"),
         "Line 7 of the data file \"%F\": the number of replicate groups is 4; there are only "
         "3 stations."},
        {"open quote", "\"Bad\"\r\n1 1\r\n\"S\",\"a\r\n\"A\" 1\r\n0\r\n",
         "Line 3 of the data file \"%F\": a text item has no closing double quote."},
        {"value beyond a single", file_with("3 2", "0", "\"A\" 1e39 2"),
         "Line 4 of the data file \"%F\": value 1 of station 1 is too large for the program's "
         "numbers."},
        {"empty file", " \r\n\r\n", "The data file \"%F\" is empty."},
        {"decimal commas", file_with("3 2", "0", "\"A\" 0,5 1,25"),
         "Line 4 of the data file \"%F\": the values look like numbers written with decimal "
         "commas (such as 0,55), which the program reads as two numbers each; the line holds 5 "
         "items, but a station label and 2 values were expected. Save the file with decimal "
         "points."},
        {"two stations on a line", file_with("3 2", "0", "\"A\" 1 2 \"B\" 0 0"),
         "Line 4 of the data file \"%F\": the line holds 6 items, but a station label and 2 "
         "values were expected. Each station must start a line of its own."},
    };
    for (const auto& c : cases) {
        test::RunFixture run;
        run.use_file(c.contents);
        run.ctx.settings.print_average = true;
        expect_refused(run, "Data File Error", c.message, c.contents, c.name);
    }
}

TEST(BadInput, ValuesGoingOnOverTheNextLinesStillRead) {
    test::RunFixture run;
    run.use_file(
        "\"Split\"\r\n2 3\r\n\"S\",\"a\",\"b\",\"c\"\r\n\"A\" 1\r\n2, 3\r\n"
        "\"B\"\r\n4 5\r\n6\r\n0\r\n");
    ASSERT_EQ(run_analysis(run.ctx, run.host), Outcome::Completed);
    EXPECT_EQ(run.ctx.DataMatrix(1, 3), 3.0f);
    EXPECT_EQ(run.ctx.DataMatrix(2, 1), 4.0f);
    EXPECT_EQ(run.ctx.StationLabel[2], "B");
}

TEST(BadInput, MissingFileIsNamed) {
    test::RunFixture run;
    run.ctx.settings.input_file = test::write_input_file("x.txt", "") + ".missing";
    expect_refused(run, "Data File Error", "The data file \"%F\" cannot be opened.", "", "missing");
    test::RunFixture unnamed;
    expect_refused(unnamed, "Data File Error", "No data file has been named.", "", "unnamed");
}

TEST(BadInput, ConstantThatOverflowsTheDataIsRefused) {
    test::RunFixture run;
    const std::string contents = file_with("3 2", "0", "\"A\" 1e30 2");
    run.use_file(contents);
    run.ctx.settings.multiply = true;
    run.ctx.settings.constant_text = "1e10";
    expect_refused(run, "Data File Error",
                   "Line 4 of the data file \"%F\": value 1 of station 1 (A) multiplied by the "
                   "constant 1E+10 is beyond the range of the program's numbers.",
                   contents, "overflow");
    test::RunFixture huge;
    huge.use_file(contents);
    huge.ctx.settings.multiply = true;
    huge.ctx.settings.constant_text = "1e40";
    expect_refused(huge, "Constant Error",
                   "The constant \"1e40\" is too large for the program's numbers.", contents,
                   "huge");
}

TEST(BadInput, OutputsMustBeNamedAndMustNotBeTheDataFile) {
    const struct {
        const char* output;
        bool average;
        const char* average_name;  // "%F": the data file itself
        const char* message;
    } cases[] = {
        {" ", false, "", "No name has been given for the output file."},
        {"r.lst", true, "", "No name has been given for the average abundance matrix file."},
        {"r.lst", true, "%F",
         "The file \"%F\" is the input data file; choose another name for the output."},
        {"%F", false, "",
         "The file \"%F\" is the input data file; choose another name for "
         "the output."},
    };
    const std::string contents = test::five_station_file();
    for (const auto& c : cases) {
        test::RunFixture run;
        run.use_file(contents);
        run.ctx.settings.output_file = with_path(c.output, run.ctx.settings.input_file);
        run.ctx.settings.print_average = c.average;
        run.ctx.settings.average_file = with_path(c.average_name, run.ctx.settings.input_file);
        expect_refused(run, "File Error", c.message, contents, c.message);
    }
}

TEST(BadInput, ReportThatCannotBeOpenedStopsTheRunWithItsName) {
    test::RunFixture run;
    run.use_file(test::five_station_file());
    run.host.unopenable.insert("report.lst");
    EXPECT_EQ(run_analysis(run.ctx, run.host), Outcome::Failed);
    ASSERT_FALSE(run.host.questions.empty());
    EXPECT_EQ(run.host.questions.back().text,
              "The file \"report.lst\" cannot be created or written.");
    EXPECT_TRUE(run.host.visible(Window::Options));
}

}  // namespace
}  // namespace tw
