#pragma once
// The input data file: read whole, parsed and checked before any of it goes
// into the run, so that a bad file stops the run before a question is asked
// or anything is written.
//
// Layout (free-format items, see free_format.h):
//   the title
//   n stations, m species
//   the heading of the station-label column, then m species labels
//   n times: a station label and m values
//   k, the number of replicate groups (0: every station its own group)
//   when k > 0: k group sizes
// Nothing after the last item used is read.

#include <cstdint>
#include <string>
#include <vector>

#include "run/matrix.h"

namespace tw {

// Sizes the program refuses before allocating anything for them. Every
// station may become an object of the clustering, whose resemblance matrix
// grows with the square of the objects (10000 objects: 400 MB) and whose
// search for the closest pair grows faster still; the bootstrap's last
// linkage pools every station. 20 million values keep the data matrix near
// 80 MB. Far beyond any field survey.
inline constexpr std::int32_t kMaxStations = 10000;
inline constexpr std::int32_t kMaxSpecies = 32767;  // the species count is 16-bit
inline constexpr std::int64_t kMaxValues = 20'000'000;

struct InputFile {
    std::string title;
    std::int32_t rows = 0;                  // n
    std::int16_t cols = 0;                  // m
    std::vector<std::string> species;       // 1..m
    std::vector<std::string> stations;      // 1..n
    std::vector<int> station_line;          // 1..n: line on which station i's label stands
    Matrix<float> values;                   // (station, species) as read, not yet rescaled
    std::int32_t groups = 0;                // k as read; 0 when the stations are not grouped
    std::vector<std::int32_t> group_sizes;  // 1..k
};

// The whole file as UTF-8 text (a file that is not valid UTF-8 is read as
// Windows-1252). Throws RunError when it cannot be opened or read.
std::string read_data_file(const std::string& path);

// Parses and checks the file's text. Throws RunError naming the file and the
// line when the file ends early, declares sizes the program cannot hold, or
// has group sizes that are below 1 or add up to more than the stations.
InputFile parse_input_file(std::string text, const std::string& file_name);

// Throws RunError naming the file, the station's line and the value when a
// value times `multiplier` is beyond the range of the program's numbers.
void check_rescaled_range(const InputFile& f, float multiplier, const std::string& file_name);

}  // namespace tw
