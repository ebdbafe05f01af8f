#pragma once
// Files built to make a reader run for long or fill the memory, written by
// the tests themselves (a few MB on disk) rather than kept as fixtures, and
// a way to run tarnwick-import on them measuring its time and peak memory.

#include <cstdint>
#include <string>
#include <vector>

namespace tw::test {

// A zip part whose text is `head`, then `filler` repeated `repeats` times,
// then `tail`; the filler is compressed once and its compressed bytes
// repeated, so that gigabytes take a moment to write.
struct ZipPart {
    std::string name;
    std::string head;
    std::string filler;
    std::uint64_t repeats = 0;
    std::string tail;
    bool stored = false;  // head and tail as they are, not compressed
};

void write_zip(const std::string& path, const std::vector<ZipPart>& parts);

// The parts of an .xlsx whose one sheet is `sheet`, and of an .ods whose
// content.xml is `content`.
std::vector<ZipPart> xlsx_parts(ZipPart sheet);
std::vector<ZipPart> ods_parts(ZipPart content);

struct MeasuredRun {
    int status = -1;
    std::string err;
    double seconds = 0;
    // The command's peak resident memory: an upper bound, since the kernel
    // also counts the test process's memory at the moment it was started.
    long peak_kb = 0;
};

MeasuredRun run_import_measured(const std::vector<std::string>& args);

}  // namespace tw::test
