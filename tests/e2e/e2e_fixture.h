#pragma once
// Whole runs as the windows drive them: the options filled in, "CONTINUE" on
// the linkage window (run_analysis), "Continue" under the dendrogram
// (test_linkages) and "Finish" (finish_run), with a scripted host that keeps
// every output in memory.

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "bootstrap/test_linkages.h"
#include "cluster/observed_run.h"
#include "support/scripted_host.h"
#include "support/test_files.h"

namespace tw::test {

inline constexpr const char* kReportName = "REPORT.LST";

// The lines of a text written with CR LF line ends; a text that does not end
// with CR LF, or holds a bare CR or LF, fails the test.
inline std::vector<std::string> crlf_lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "text does not end with CR LF: [" << text.substr(start) << "]";
            break;
        }
        std::string line = text.substr(start, end - start);
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "stray line end in: " << line;
        lines.push_back(std::move(line));
        start = end + 2;
    }
    return lines;
}

// One program session: the same context and host across runs, as the
// windows keep them.
struct Session {
    ScriptedHost host;
    RunContext ctx;

    // Settings a user would leave for a plain run: report to a file, no data
    // check, a fixed bootstrap seed so that the counts repeat.
    explicit Session(const std::string& input_path, std::uint64_t seed = 20240611) {
        ctx.settings.input_file = input_path;
        ctx.settings.output_mode = OutputMode::File;
        ctx.settings.output_file = kReportName;
        ctx.settings.bypass_check = true;
        ctx.settings.random_seed = seed;
    }

    Outcome observed() { return run_analysis(ctx, host); }
    Outcome bootstrap() { return test_linkages(ctx, host); }
    void finish() { finish_run(ctx, host); }

    // Observed run, bootstrap test and "Finish"; stops at the first stage
    // that does not complete and returns its outcome.
    Outcome whole_run() {
        const Outcome first = observed();
        if (first != Outcome::Completed) return first;
        const Outcome second = bootstrap();
        if (second != Outcome::Completed) return second;
        finish();
        return Outcome::Completed;
    }

    std::string report() const { return host.file(kReportName); }
    std::string cluster_list() const { return host.file("CLUSTER.LST"); }
    std::string siglist() const { return host.file("SIGLIST.TXT"); }
};

inline std::string example_path(const std::string& name) {
    return examples_dir() + "/" + name;
}

}  // namespace tw::test
