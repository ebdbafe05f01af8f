// How long the bootstrap goes on redrawing replicates that meet two empty
// objects under Bray-Curtis. A linkage is given up after 100 abandoned
// attempts in a row, but every pair computed before the empty pair resets
// that count, so a pool in which most stations are empty would keep drawing
// until chance gives enough replicates without two empty objects: minutes
// for the twelve stations below, far longer with more empty stations. So a
// linkage is also given up after 100 redraws per bootstrap sample.

#include <gtest/gtest.h>

#include <string_view>

#include "bootstrap/test_linkages.h"
#include "cluster/observed_run.h"
#include "run/null_host.h"
#include "support/test_files.h"

namespace tw {
namespace {

struct StillDrawing {
    long long redraws;
};

// Answers Yes to everything and counts the redraw notes in the message area,
// stopping the test once there are more than `limit`.
class RedrawCountingHost : public NullHost {
  public:
    explicit RedrawCountingHost(long long limit) : counter_(limit), printer_(&counter_) {}
    Printer& messages() override { return printer_; }

  private:
    class Counter : public TextTarget {
      public:
        explicit Counter(long long limit) : limit_(limit) {}
        void write(std::string_view text) override {
            if (text.find("Resampling to avoid DIVIDE-BY-ZERO error") == std::string_view::npos)
                return;
            if (++redraws_ > limit_) throw StillDrawing{redraws_};
        }

      private:
        long long limit_;
        long long redraws_ = 0;
    };
    Counter counter_;
    Printer printer_;
};

// Nine empty stations and three with animals. Under Bray-Curtis the empty
// stations join first at similarity 1; the last linkage pools all twelve,
// and almost every replicate of that pool holds two empty objects somewhere
// after its first pair.
std::string mostly_empty_file() {
    std::string f = "\"Mostly empty\"\r\n12 3\r\n\"S\",\"a\",\"b\",\"c\"\r\n";
    for (int i = 1; i <= 9; ++i) f += "\"E" + std::to_string(i) + "\" 0 0 0\r\n";
    f += "\"A\" 5 1 0\r\n\"B\" 0 4 2\r\n\"C\" 1 1 7\r\n0\r\n";
    return f;
}

TEST(RedrawLimit, APoolOfMostlyEmptyStationsIsGivenUpAfterAHundredRedrawsPerSample) {
    const long long limit = 100 * 10 * 11;  // 100 per sample, 10 samples, 11 linkages
    RedrawCountingHost host(limit);
    RunContext ctx;
    ctx.settings.input_file = test::write_input_file("data.txt", mostly_empty_file());
    ctx.settings.output_file = "report.lst";
    ctx.settings.measure = Measure::BrayCurtis;
    ctx.settings.boot_text = "10";
    ctx.settings.random_seed = 3;
    ASSERT_EQ(run_analysis(ctx, host), Outcome::Completed);
    try {
        EXPECT_EQ(test_linkages(ctx, host), Outcome::Completed);
    } catch (const StillDrawing& s) {
        ADD_FAILURE() << "the bootstrap was still redrawing after " << s.redraws << " redraws";
    }
}

}  // namespace
}  // namespace tw
