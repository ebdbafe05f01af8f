// A whole run on a fuzzed data file: read, ask (always Yes), average and
// transform, report, resemblance, clustering and dendrogram, and for small
// files the bootstrap test and "Finish". The last two bytes of the input
// choose the options, so the bundled examples seed it as they are (they
// lose only their last line end).

#include <cstdint>
#include <string>

#include "bootstrap/test_linkages.h"
#include "cluster/linkage_method.h"
#include "cluster/observed_run.h"
#include "fuzz_files.h"
#include "resemblance/measure.h"
#include "run/transform.h"

namespace {

// The bootstrap clusters every linkage's pool again per replicate; beyond
// this many groups one input would take seconds.
constexpr std::int32_t kMaxGroupsTested = 12;
constexpr std::int32_t kMaxStationsTested = 60;

const char* const kConstants[] = {"1", "1E20", "-3", ".001"};

void choose_options(tw::RunSettings& s, std::uint8_t a, std::uint8_t b) {
    const auto measures = tw::measure_table();
    const auto methods = tw::linkage_table();
    s.measure = measures[a % measures.size()].index;
    s.linkage = methods[b % methods.size()].method;
    s.sqr_sim = (a & 0x80) != 0;
    const auto& transforms = tw::transform_table();
    tw::choose_transform(s, transforms[static_cast<std::size_t>(a >> 3) % transforms.size()].code);
    s.standardise = (b & 0x80) != 0;
    s.multiply = (b & 0x08) != 0;
    s.constant_text = kConstants[(b >> 4) % 4];
    s.print_average = (b & 0x40) != 0;
    s.sim_matrix = (a & 0x40) != 0;
    s.all_matrix = (a & 0x20) != 0;
    s.output_mode = tw::OutputMode::File;
    s.output_file = "report.lst";
    s.average_file = "average.txt";
    s.boot_text = "3";
    s.random_seed = 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    tw::fuzz::YesHost host;
    tw::RunContext ctx;
    choose_options(ctx.settings, data[size - 2], data[size - 1]);
    ctx.settings.input_file = tw::fuzz::write_scratch_file(data, size - 2);

    const tw::Outcome observed = tw::run_analysis(ctx, host);
    if (observed != tw::Outcome::Completed || host.ended) return 0;
    if (ctx.NumGroups > kMaxGroupsTested || ctx.NumRows > kMaxStationsTested) return 0;
    const tw::Outcome tested = tw::test_linkages(ctx, host);
    if (tested == tw::Outcome::Completed) tw::finish_run(ctx, host);
    return 0;
}
