#pragma once
// A run set up against a data file written for the test, with a scripted
// host: the common ground of the run tests.

#include <initializer_list>
#include <string>

#include "run/run_context.h"
#include "support/scripted_host.h"
#include "support/test_files.h"

namespace tw::test {

// Lines joined with CR LF, the last one ended too.
inline std::string crlf_lines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

// Five stations of two species grouped 2 2 1.
inline std::string five_station_file() {
    return crlf_lines({"\"Five stations\"", "5, 2", "\"STATION\",\"Sp1\",\"Sp2\"", "\"A1\" 1 4",
                       "\"A2\" 2 6", "\"B1\" 0 3", "\"B2\" 5 0", "\"C1\" 7 1", "3", "2 2 1"});
}

struct RunFixture {
    RunFixture() {
        ctx.settings.output_mode = OutputMode::File;
        ctx.settings.output_file = "report.lst";
        ctx.settings.average_file = "average.txt";
    }

    // Writes the data file and names it on the options window.
    void use_file(const std::string& contents) {
        ctx.settings.input_file = write_input_file("data.txt", contents);
    }

    ScriptedHost host;
    RunContext ctx;
};

}  // namespace tw::test
