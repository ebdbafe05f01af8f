// Data files of the sizes at the program's limits. Random bytes alone never
// declare ten thousand stations or 32767 species and then fill them, so here
// the input is read as the shape of a file (its sizes, its groups, how its
// lines are laid out and the run's options) and the file is written out in
// full from it. Every file is read; those small enough to run in a moment
// are run through the observed run, whatever their species count.

#include <cstdint>
#include <sstream>
#include <string>

#include "cluster/linkage_method.h"
#include "cluster/observed_run.h"
#include "fuzz_files.h"
#include "resemblance/measure.h"
#include "run/input_file.h"
#include "run/outcome.h"

namespace {

const std::int32_t kStationChoices[] = {
    1, 2, 3, 16, 17, 64, tw::kMaxStations - 1, tw::kMaxStations, tw::kMaxStations + 1};
const std::int32_t kSpeciesChoices[] = {
    1, 2, 3, 16, 1000, tw::kMaxSpecies - 1, tw::kMaxSpecies, tw::kMaxSpecies + 1};

// Objects the observed run clusters per input, so that one input takes well
// under the fuzzer's time limit even with every species.
constexpr std::int64_t kMaxValuesRun = 600'000;
constexpr std::int32_t kMaxStationsRun = 200;

// The input's bytes one after another, then zeros.
class Bytes {
  public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint8_t next() { return at_ < size_ ? data_[at_++] : 0; }
    // A value byte for station i, species j: the rest of the input repeated.
    std::uint8_t value(std::int64_t cell) const {
        const std::size_t left = size_ > at_ ? size_ - at_ : 0;
        return left == 0 ? 0 : data_[at_ + static_cast<std::size_t>(cell) % left];
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

struct Shape {
    std::int32_t stations = 1;
    std::int32_t species = 1;
    std::int32_t groups = 0;   // 0: one station per group
    bool split_lines = false;  // each station's values go on over a second line
    std::uint8_t layout = 0;   // which values are empty, decimal commas, ...
};

Shape read_shape(Bytes& in) {
    Shape s;
    s.stations = kStationChoices[in.next() % std::size(kStationChoices)];
    s.species = kSpeciesChoices[in.next() % std::size(kSpeciesChoices)];
    const std::uint8_t g = in.next();
    s.groups = g % 4 == 0 ? 0 : 1 + g % (s.stations < 8 ? s.stations : 8);
    s.split_lines = (in.next() & 1) != 0;
    s.layout = in.next();
    return s;
}

void write_value(std::ostringstream& out, std::uint8_t byte, std::uint8_t layout) {
    // Mostly whole counts, some zeros (empty rows and columns), and now and
    // then a spreadsheet's decimal comma, which the reader must refuse.
    if ((layout & 1) != 0 && byte % 97 == 0) {
        out << byte % 7 << "," << byte % 10;
    } else {
        out << (byte % 3 == 0 ? 0 : byte % 50);
    }
}

std::string write_file(const Shape& s, const Bytes& in) {
    std::ostringstream out;
    out << "\"Sized\"\n" << s.stations << " " << s.species << "\n";
    // Beyond what the program holds only the sizes are written: the reader
    // must refuse them before it reads any further.
    if (std::int64_t{s.stations} * s.species > tw::kMaxValues || s.stations > tw::kMaxStations ||
        s.species > tw::kMaxSpecies) {
        return out.str();
    }
    out << "\"Station\"";
    for (std::int32_t j = 1; j <= s.species; ++j) out << " \"s" << j << "\"";
    out << "\n";
    for (std::int32_t i = 1; i <= s.stations; ++i) {
        out << "\"st" << i << "\"";
        for (std::int32_t j = 1; j <= s.species; ++j) {
            if (s.split_lines && j == s.species / 2 + 1) out << "\n";
            out << " ";
            write_value(out, in.value(std::int64_t{i} * s.species + j), s.layout);
        }
        out << "\n";
    }
    out << s.groups << "\n";
    for (std::int32_t g = 1; g <= s.groups; ++g)
        out << (g < s.groups ? 1 : s.stations - s.groups + 1) << " ";
    out << "\n";
    return out.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes in(data, size);
    const Shape shape = read_shape(in);
    const std::uint8_t options = in.next();
    const std::string text = write_file(shape, in);

    tw::InputFile f;
    try {
        f = tw::parse_input_file(text, "sized.txt");
    } catch (const tw::RunError&) {
        return 0;
    }
    if (f.rows != shape.stations || f.cols != shape.species) tw::fuzz::fail("sizes misread");
    if (std::int64_t{f.rows} * f.cols > kMaxValuesRun || f.rows > kMaxStationsRun) return 0;

    tw::fuzz::YesHost host;
    tw::RunContext ctx;
    ctx.settings.input_file = tw::fuzz::write_scratch_file(
        reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    const auto measures = tw::measure_table();
    const auto methods = tw::linkage_table();
    ctx.settings.measure = measures[options % measures.size()].index;
    ctx.settings.linkage = methods[(options >> 3) % methods.size()].method;
    ctx.settings.output_mode = tw::OutputMode::File;
    ctx.settings.output_file = "report.lst";
    tw::run_analysis(ctx, host);
    return 0;
}
