#include "run/input_file.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "run/code_page.h"
#include "run/crowded_line.h"
#include "run/free_format.h"
#include "run/number_format.h"
#include "run/outcome.h"

namespace tw {

namespace {

const char* const kTitle = "Data File Error";

[[noreturn]] void refuse(const FreeFormat& in, const std::string& problem) {
    throw RunError(kTitle, "Line " + std::to_string(in.item_line()) + " of the data file \"" +
                               in.file_name() + "\": " + problem);
}

[[noreturn]] void refuse_at(const FreeFormat& in, int line, const std::string& problem) {
    throw RunError(kTitle, "Line " + std::to_string(line) + " of the data file \"" +
                               in.file_name() + "\": " + problem);
}

std::string count_text(double value) {
    return single_text(static_cast<float>(value));
}

// A count as the file gives it, rounded to a whole number (halves to even)
// and kept within [low, high]; `what` names it in the message and
// `over_high` says why a larger one is refused.
std::int64_t count_item(FreeFormat& in, const std::string& what, std::int64_t low,
                        std::int64_t high, const std::string& over_high) {
    const double raw = in.number_item(what);
    const double rounded = std::nearbyint(raw);
    if (!(rounded >= static_cast<double>(low))) {
        refuse(in, what + " is " + count_text(raw) + "; it must be at least " +
                       std::to_string(low) + ".");
    }
    if (rounded > static_cast<double>(high)) {
        refuse(in, what + " is " + count_text(raw) + "; " + over_high + ".");
    }
    return static_cast<std::int64_t>(rounded);
}

void read_sizes(FreeFormat& in, InputFile& f) {
    f.rows = static_cast<std::int32_t>(
        count_item(in, "the number of stations", 1, kMaxStations,
                   "the program can hold at most " + std::to_string(kMaxStations)));
    f.cols = static_cast<std::int16_t>(
        count_item(in, "the number of species", 1, kMaxSpecies,
                   "the program can hold at most " + std::to_string(kMaxSpecies)));
    const std::int64_t cells = std::int64_t{f.rows} * f.cols;
    if (cells > kMaxValues) {
        refuse(in, std::to_string(f.rows) + " stations of " + std::to_string(f.cols) +
                       " species are " + std::to_string(cells) +
                       " values; the program can hold at most " + std::to_string(kMaxValues) + ".");
    }
}

void read_labels(FreeFormat& in, InputFile& f) {
    in.text_item("the heading of the station-label column");
    f.species.assign(static_cast<std::size_t>(f.cols) + 1, std::string());
    for (int j = 1; j <= f.cols; ++j) {
        f.species[j] = in.text_item("the label of species " + std::to_string(j));
    }
}

// A station whose label line still holds items once its values are read
// means the line was taken apart differently from what the file meant:
// going on would shift every later label and value. Values that go on over
// the next lines are fine.
void refuse_crowded_line(FreeFormat& in, int label_line, std::int16_t species) {
    if (in.next_item_line() != label_line) return;
    const std::string line = in.line_text(label_line);
    refuse_at(in, label_line, crowded_line_problem(line, line_item_count(line), species));
}

void read_stations(FreeFormat& in, InputFile& f) {
    f.stations.assign(static_cast<std::size_t>(f.rows) + 1, std::string());
    f.station_line.assign(static_cast<std::size_t>(f.rows) + 1, 0);
    f.values.recreate(f.rows, f.cols);
    for (std::int32_t i = 1; i <= f.rows; ++i) {
        f.stations[i] = in.text_item("the label of station " + std::to_string(i));
        f.station_line[i] = in.item_line();
        for (int j = 1; j <= f.cols; ++j) {
            const float v = in.has_item()
                                ? in.single_item("a value")
                                : in.single_item("value " + std::to_string(j) + " of station " +
                                                 std::to_string(i) + " (" + f.stations[i] + ")");
            if (std::isinf(v)) {
                refuse(in, "value " + std::to_string(j) + " of station " + std::to_string(i) +
                               " is too large for the program's numbers.");
            }
            f.values(i, j) = v;
        }
        refuse_crowded_line(in, f.station_line[i], f.cols);
    }
}

void read_groups(FreeFormat& in, InputFile& f) {
    // More groups than stations cannot all hold a station; refusing here also
    // keeps an absurd count from sizing anything.
    const std::string only = "there are only " + std::to_string(f.rows) + " stations";
    f.groups = static_cast<std::int32_t>(
        count_item(in, "the number of replicate groups", 0, f.rows, only));
    f.group_sizes.assign(static_cast<std::size_t>(f.groups) + 1, 0);
    std::int64_t total = 0;
    int first_line = 0;
    for (std::int32_t g = 1; g <= f.groups; ++g) {
        const std::string what = "the size of group " + std::to_string(g);
        f.group_sizes[g] = static_cast<std::int32_t>(count_item(in, what, 1, f.rows, only));
        if (g == 1) first_line = in.item_line();
        total += f.group_sizes[g];
    }
    if (total > f.rows) {
        throw RunError(kTitle, "Line " + std::to_string(first_line) + " of the data file \"" +
                                   in.file_name() + "\": the group sizes add up to " +
                                   std::to_string(total) + ", more than the " +
                                   std::to_string(f.rows) + " stations.");
    }
}

}  // namespace

void check_rescaled_range(const InputFile& f, float multiplier, const std::string& file_name) {
    for (std::int32_t i = 1; i <= f.rows; ++i) {
        for (int j = 1; j <= f.cols; ++j) {
            if (std::isfinite(multiplier * f.values(i, j))) continue;
            throw RunError(kTitle, "Line " + std::to_string(f.station_line[i]) +
                                       " of the data file \"" + file_name + "\": value " +
                                       std::to_string(j) + " of station " + std::to_string(i) +
                                       " (" + f.stations[i] + ") multiplied by the constant " +
                                       single_text(multiplier) +
                                       " is beyond the range of the program's numbers.");
        }
    }
}

std::string read_data_file(const std::string& path) {
    if (path.empty()) throw RunError(kTitle, "No data file has been named.");
    std::error_code ec;
    std::ifstream in;
    if (!std::filesystem::is_directory(path, ec)) in.open(path, std::ios::binary);
    if (!in.is_open()) throw RunError(kTitle, "The data file \"" + path + "\" cannot be opened.");
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad() || bytes.bad()) {
        throw RunError(kTitle, "The data file \"" + path + "\" cannot be read.");
    }
    // A file saved in the Windows code page keeps its accented letters.
    return as_utf8(std::move(bytes).str());
}

InputFile parse_input_file(std::string text, const std::string& file_name) {
    if (text.find_first_not_of(" \t\r\n") == std::string::npos) {
        throw RunError(kTitle, "The data file \"" + file_name + "\" is empty.");
    }
    FreeFormat in(std::move(text), file_name);
    InputFile f;
    f.title = in.text_item("the title");
    read_sizes(in, f);
    read_labels(in, f);
    read_stations(in, f);
    read_groups(in, f);
    return f;
}

}  // namespace tw
