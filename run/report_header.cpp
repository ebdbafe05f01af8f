#include "run/report_header.h"

#include <cstdint>

#include "run/text_number.h"
#include "run/transform.h"

namespace tw {

namespace {

// The box around the measure runs from column 11 to column 60.
constexpr int kBoxLeft = 11;
constexpr int kBoxText = 20;
constexpr int kBoxRight = 60;

void blank_line(Printer& report) {
    report.text(" ").end();
}

void write_measure_box(RunContext& ctx, Printer& report, const MeasureChoice& chosen) {
    const std::string stars(static_cast<std::size_t>(kBoxRight - kBoxLeft + 1), '*');
    report.text("* * RESEMBLANCE MEASURE * *").end();
    report.tab(kBoxLeft).text(stars).end();
    if (chosen.measure) {
        report.tab(kBoxLeft).text("*").tab(kBoxText).text(chosen.box_text).tab(kBoxRight);
        report.text("*").end();
        ctx.MeasureIndex = *chosen.measure;
    }
    report.tab(kBoxLeft).text(stars).end();
    blank_line(report);
}

}  // namespace

std::string report_target(const RunSettings& settings) {
    switch (settings.output_mode) {
        case OutputMode::Screen:
            return "SCRN:";
        case OutputMode::Printer:
            return "LPT1:";
        default:
            return settings.output_file;
    }
}

void write_report_header(RunContext& ctx, Printer& report, const MeasureChoice& chosen) {
    report.text(ctx.DataTitle).end();
    blank_line(report);
    report.text("Input data file: ").text(ctx.settings.input_file).end();
    blank_line(report);
    if (ctx.ReplicateSequenceText.size() > 1) {
        report.text("Replicate Sequence String: ").text(ctx.ReplicateSequenceText).end();
    }
    write_transform_lines(report, ctx.MultConstant, ctx.StandardiseFlag, ctx.TransformCode);
    write_measure_box(ctx, report, chosen);
    if (ctx.settings.sqr_sim) {
        report.text("     Resemblance Measure was Squared").end();
        report.line();
    }
    ctx.NumBoot = whole_number_setting(ctx.settings.boot_text);
    if (ctx.settings.test_method == TestMethod::Simprof) {
        // The bootstrap's sample count means nothing to this run; the line
        // names the test that will run and its permutations instead.
        report.text("**  ").num(whole_number_setting(ctx.settings.permutations_text));
        report.text("  permutations per tested linkage (similarity profile test) **").end();
    } else {
        report.text("**  ").num(ctx.NumBoot).text("  bootstrap samples were used **").end();
    }
    blank_line(report);
}

}  // namespace tw
