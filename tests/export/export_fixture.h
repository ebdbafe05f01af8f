#pragma once
// Whole runs exported to a fresh folder of the test's own, and the exports
// read back through read_exports.py by the real clients.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "e2e/e2e_fixture.h"
#include "export/export_results.h"

namespace tw::test {

using Fields = std::vector<std::string>;

inline Fields split_tabs(const std::string& line) {
    Fields fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string::npos) return fields;
        start = tab + 1;
    }
}

// What read_exports.py prints for `what` on `target`, one line per entry;
// a client that refuses the file fails the test.
inline std::vector<Fields> read_back(const std::string& what, const std::string& target) {
    const std::string command = std::string(TARNWICK_PYTHON) + " " + TARNWICK_EXPORT_READER + " " +
                                what + " '" + target + "' 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    std::string text;
    if (pipe) {
        char buffer[4096];
        std::size_t got = 0;
        while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) text.append(buffer, got);
    }
    const int status = pipe ? ::pclose(pipe) : -1;
    EXPECT_EQ(status, 0) << what << " " << target << " was refused:\n" << text;
    std::vector<Fields> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(split_tabs(line));
    return lines;
}

// The run record flattened to key paths ("test.seed"), each with its JSON text.
inline std::map<std::string, std::string> record_of(const std::string& prefix) {
    std::map<std::string, std::string> record;
    for (const Fields& f : read_back("json", prefix)) record[f.at(0)] = f.at(1);
    return record;
}

// A folder of the test's own, emptied first.
inline std::string fresh_folder(const std::string& name) {
    const std::filesystem::path input = write_input_file("placeholder", "");
    const std::filesystem::path folder = input.parent_path() / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder.string();
}

inline const std::chrono::system_clock::time_point kMade =
    std::chrono::system_clock::from_time_t(1'800'000'000);

// A run through "Finish", exported to PREFIX in a fresh folder.
struct ExportedRun {
    Session run;
    std::string prefix;

    ExportedRun(const std::string& input_path, Measure measure, LinkageMethod linkage,
                std::uint64_t seed = 20240611)
        : run(input_path, seed) {
        run.ctx.settings.measure = measure;
        run.ctx.settings.linkage = linkage;
        run.ctx.settings.boot_text = "40";
        run.ctx.settings.bootstrap_threads = 1;
        EXPECT_EQ(run.whole_run(), Outcome::Completed);
        prefix = fresh_folder("exports") + "/run";
        EXPECT_EQ(export_results(run.ctx, run.host, prefix, kMade), Outcome::Completed);
    }

    const RunContext& ctx() const { return run.ctx; }
};

}  // namespace tw::test
