// The scripts of tarnwick-drive: what each line asks for, and lines that are
// refused before anything runs.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "ui/drive/driver_script.h"
#include "ui/window_table.h"

namespace tw::drive {
namespace {

Script parse_script(std::string_view text) {
    return tw::drive::parse_script(text, tw::ui::is_window_name);
}

Command only(std::string_view text) {
    Script s = parse_script(text);
    EXPECT_FALSE(s.error) << s.error->message;
    EXPECT_EQ(s.commands.size(), 1u);
    return s.commands.empty() ? Command{} : s.commands.front();
}

TEST(DriverScript, SetTypesTheRestOfTheLineAsWrittenIncludingBlanksOrNothing) {
    EXPECT_EQ(only("set Form2.Text1 /data/lake stations.txt").text, "/data/lake stations.txt");
    EXPECT_EQ(only("set Form2.Text4  ").text, " ");
    EXPECT_EQ(only("set Form2.Text4").text, "");
    EXPECT_EQ(only("set Form2.Text2 out.txt\r").text, "out.txt");  // CR LF scripts
}

TEST(DriverScript, ArrayEntriesNameTheirIndexedButton) {
    const Command c = only("choose Form3.RESMX[3]");
    EXPECT_EQ(c.verb, Verb::Choose);
    EXPECT_EQ(c.target.window, "Form3");
    EXPECT_EQ(c.target.index, 3);
    EXPECT_EQ(c.target.object_name(), "RESMX_3");
    EXPECT_EQ(c.target.spelled(), "Form3.RESMX[3]");
    EXPECT_EQ(only("choose Form2.Option1").target.object_name(), "Option1");
}

TEST(DriverScript, EveryVerbIsRecognised) {
    const Script s = parse_script(
        "# a comment\n"
        "\n"
        "tick Form2.CheckData\n"
        "untick Form2.CheckData\n"
        "click Form1.Command1\n"
        "press Form1.Command1 Enter\n"
        "press FORM5.Command1 q\n"
        "answer cancel\n"
        "answer-all no\n"
        "expect-visible Form4.Command1\n"
        "expect-hidden DataCheck\n"
        "grab Form4 shot.png\n"
        "dump-grid grid.txt\n"
        "dump-text Form2.PicBox1 box.txt\n"
        "seed 42\n");
    ASSERT_FALSE(s.error);
    std::vector<Verb> verbs;
    for (const Command& c : s.commands) verbs.push_back(c.verb);
    EXPECT_EQ(verbs, (std::vector<Verb>{Verb::Tick, Verb::Untick, Verb::Click, Verb::Press,
                                        Verb::Press, Verb::Answer, Verb::AnswerAll,
                                        Verb::ExpectVisible, Verb::ExpectHidden, Verb::Grab,
                                        Verb::DumpGrid, Verb::DumpText, Verb::Seed}));
    EXPECT_EQ(s.commands[0].line, 3);  // lines are counted with comments and blanks
    EXPECT_EQ(s.commands[5].answer, Answer::Cancel);
    EXPECT_EQ(s.commands[6].answer, Answer::No);
    EXPECT_EQ(s.commands[9].target.control, "");
    EXPECT_EQ(s.commands[12].seed, 42u);
    EXPECT_TRUE(s.commands[0].is_user_action());
    EXPECT_FALSE(s.commands[9].is_user_action());
}

// A folder or file name with blanks is one prefix.
TEST(DriverScript, ExportTakesTheRestOfTheLineAsItsPrefix) {
    const Script s = parse_script("export results/lake run 2\n");
    ASSERT_FALSE(s.error);
    ASSERT_EQ(s.commands.size(), 1u);
    EXPECT_EQ(s.commands[0].verb, Verb::Export);
    EXPECT_EQ(s.commands[0].text, "results/lake run 2");
    EXPECT_FALSE(s.commands[0].is_user_action());
}

TEST(DriverScript, EveryWindowOfTheProgramMayBeNamed) {
    for (const tw::ui::WindowEntry& w : tw::ui::window_table()) {
        const Script s = parse_script(std::string("expect-hidden ") + w.object_name + "\n");
        EXPECT_FALSE(s.error) << w.object_name;
    }
}

// The help lists every verb of the table, and the testing notes repeat the
// help word for word, so neither can leave a verb out.
TEST(DriverScript, TheHelpAndTheTestingNotesListEveryVerb) {
    std::ifstream in(std::string(TARNWICK_SOURCE_DIR) + "/docs/testing.md");
    std::stringstream notes;
    notes << in.rdbuf();
    const std::string help = verbs_help();
    for (const VerbEntry& v : verb_table()) {
        const std::string syntax = "    " + std::string(v.syntax) + " ";
        const auto at = help.find(syntax);
        ASSERT_NE(at, std::string::npos) << v.word;
        const std::string line = help.substr(at, help.find('\n', at) - at);
        EXPECT_NE(line.find(v.help), std::string::npos) << v.word;
        EXPECT_NE(notes.str().find(line + "\n"), std::string::npos) << line;
    }
}

struct BadLine {
    const char* name;
    const char* script;
    int line;
    const char* message_part;
};

class RefusedLines : public ::testing::TestWithParam<BadLine> {};

TEST_P(RefusedLines, NameTheLineAndTheProblem) {
    const BadLine& b = GetParam();
    const Script s = parse_script(b.script);
    ASSERT_TRUE(s.error);
    EXPECT_EQ(s.error->line, b.line);
    EXPECT_NE(s.error->message.find(b.message_part), std::string::npos) << s.error->message;
    EXPECT_TRUE(s.commands.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedLines,
    ::testing::Values(
        BadLine{"unknown_verb", "click Form1.Command1\nwave Form1\n", 2, "unknown verb"},
        BadLine{"unknown_window", "click Form9.Command1\n", 1, "unknown window"},
        BadLine{"window_without_control", "click Form1\n", 1, "WINDOW.CONTROL"},
        BadLine{"index_not_a_number", "choose Form3.RESMX[x]\n", 1, "bad control index"},
        BadLine{"index_unclosed", "choose Form3.RESMX[3\n", 1, "bad control index"},
        BadLine{"unknown_key", "press Form1.Command1 F5\n", 1, "unknown key"},
        BadLine{"missing_key", "press Form1.Command1\n", 1, "missing key"},
        BadLine{"unknown_answer", "answer maybe\n", 1, "unknown answer"},
        BadLine{"answer_all_without_cancel", "answer-all cancel\n", 1, "unknown answer"},
        BadLine{"grab_without_file", "grab Form4\n", 1, "missing file name"},
        BadLine{"negative_seed", "seed -3\n", 1, "bad number"},
        BadLine{"export_without_prefix", "export\n", 1, "missing file name prefix"}),
    [](const ::testing::TestParamInfo<BadLine>& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace tw::drive
