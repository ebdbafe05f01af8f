#include <gtest/gtest.h>

#include <string>

#include "resemblance/measure.h"
#include "run/printer.h"
#include "run/report_header.h"
#include "run/run_context.h"
#include "support/scripted_host.h"

namespace tw {
namespace {

const std::string kStars = std::string(10, ' ') + std::string(50, '*') + "\r\n";

struct Header : ::testing::Test {
    Header() {
        ctx.DataTitle = "Lake survey";
        ctx.settings.input_file = "C:\\DATA\\LAKE.TXT";
    }
    std::string header() {
        test::RecordingTarget target;
        Printer report(&target);
        write_report_header(ctx, report, measure_choice(ctx.settings.measure));
        return target.shown;
    }
    RunContext ctx;
};

TEST_F(Header, PlainRunGoesFromTheBlankLinesStraightToTheMeasureBox) {
    EXPECT_EQ(header(),
              "Lake survey\r\n"
              " \r\n"
              "Input data file: C:\\DATA\\LAKE.TXT\r\n"
              " \r\n"
              "* * RESEMBLANCE MEASURE * *\r\n" +
                  kStars + "          *        1) Euclidean Dist.                      *\r\n" +
                  kStars +
                  " \r\n"
                  "**   10   bootstrap samples were used **\r\n"
                  " \r\n");
    EXPECT_EQ(ctx.MeasureIndex, Measure::Euclidean);
    EXPECT_EQ(ctx.NumBoot, 10);
}

TEST_F(Header, ConstantLineOnlyWhenItsWholePartIsNotOne) {
    const struct {
        float constant;
        const char* lines;
    } cases[] = {
        {0.5f, "The data were multiplied by the constant value:  .5 \r\n \r\n"},
        {2.0f, "The data were multiplied by the constant value:  2 \r\n \r\n"},
        {-1.0f, "The data were multiplied by the constant value: -1 \r\n \r\n"},
        {1.5f, ""},
        {1.0f, ""},
    };
    for (const auto& c : cases) {
        ctx.MultConstant = c.constant;
        const std::string text = header();
        const std::string before = "LAKE.TXT\r\n \r\n";
        const auto start = text.find(before) + before.size();
        EXPECT_EQ(text.substr(start, text.find("* * RESEMBLANCE") - start), c.lines) << c.constant;
    }
}

TEST_F(Header, TransformLinesFollowTheConstantLine) {
    ctx.MultConstant = 10.0f;
    ctx.TransformCode = Transform::Ln;
    EXPECT_NE(header().find("value:  10 \r\n \r\nThe data were ln(X+1)-tranformed\r\n \r\n* * "),
              std::string::npos);
    ctx.TransformCode = Transform::Binary;
    EXPECT_NE(header().find("\r\nThe data were Binary-transformed\r\n \r\n* * "),
              std::string::npos);
    // Standardising comes before the transformation, as it is applied.
    ctx.StandardiseFlag = true;
    ctx.TransformCode = Transform::FourthRoot;
    EXPECT_NE(header().find("value:  10 \r\n \r\nThe data were standardised to each group's "
                            "total (relative abundance, %)\r\n \r\nThe data were "
                            "fourth-root-transformed\r\n \r\n* * "),
              std::string::npos);
    ctx.TransformCode = Transform::SquareRoot;
    EXPECT_NE(header().find("\r\nThe data were square-root-transformed\r\n \r\n* * "),
              std::string::npos);
}

TEST_F(Header, MeasureBoxKeepsTheTextsTrailingBlanks) {
    ctx.settings.measure = Measure::BrayCurtis;
    EXPECT_NE(header().find("          *        2) Bray-Curtis " + std::string(25, ' ') + "*\r\n"),
              std::string::npos);
    EXPECT_EQ(ctx.MeasureIndex, Measure::BrayCurtis);
    ctx.settings.measure = Measure::Jaccard;
    EXPECT_NE(header().find("*        5) Jaccard's Index    " + std::string(18, ' ') + "*\r\n"),
              std::string::npos);
    EXPECT_EQ(ctx.MeasureIndex, Measure::Jaccard);
}

TEST_F(Header, NoMeasureChosenLeavesTheBoxEmptyAndTheIndexAsItWas) {
    ctx.settings.measure = std::nullopt;
    ctx.MeasureIndex = Measure::SimpleMatching;
    const std::string text = header();
    EXPECT_NE(text.find("* * RESEMBLANCE MEASURE * *\r\n" + kStars + kStars + " \r\n"),
              std::string::npos);
    EXPECT_EQ(ctx.MeasureIndex, Measure::SimpleMatching);
}

TEST_F(Header, SquaredLineIsFollowedByAnEmptyLine) {
    ctx.settings.sqr_sim = true;
    EXPECT_NE(header().find(kStars + " \r\n     Resemblance Measure was Squared\r\n\r\n**   10 "),
              std::string::npos);
}

TEST_F(Header, BootstrapCountIsTheBoxNumberRoundedHalfToEven) {
    const struct {
        const char* text;
        int boot;
        const char* line;
    } cases[] = {
        {"12.5", 12, "**   12   bootstrap samples were used **\r\n"},
        {"13.5", 14, "**   14   bootstrap samples were used **\r\n"},
        {"lots", 0, "**   0   bootstrap samples were used **\r\n"},
        {" 1 00", 100, "**   100   bootstrap samples were used **\r\n"},
    };
    for (const auto& c : cases) {
        ctx.settings.boot_text = c.text;
        EXPECT_NE(header().find(c.line), std::string::npos) << c.text;
        EXPECT_EQ(ctx.NumBoot, c.boot);
    }
}

TEST_F(Header, ReplicateSequenceLineOnlyWhenLongerThanOneCharacter) {
    ctx.ReplicateSequenceText = "3";
    EXPECT_EQ(header().find("Replicate Sequence"), std::string::npos);
    ctx.ReplicateSequenceText = "3 3 3 3";
    EXPECT_NE(header().find("LAKE.TXT\r\n \r\nReplicate Sequence String: 3 3 3 3\r\n* * "),
              std::string::npos);
}

TEST(ReportTarget, DevicesForScreenAndPrinterOtherwiseTheFileName) {
    RunSettings s;
    s.output_file = "out.lst";
    s.output_mode = OutputMode::Screen;
    EXPECT_EQ(report_target(s), "SCRN:");
    s.output_mode = OutputMode::Printer;
    EXPECT_EQ(report_target(s), "LPT1:");
    s.output_mode = OutputMode::File;
    EXPECT_EQ(report_target(s), "out.lst");
}

}  // namespace
}  // namespace tw
