#pragma once
// The two settings of the resemblance-and-linkage window that the bootstrap
// test reads: the number of replicates and the alpha rejection level.

#include <cstdint>
#include <optional>
#include <string>

#include "run/run_context.h"

namespace tw {

struct TestSettings {
    std::int32_t num_boot = 0;  // replicates per linkage (NumBoot)
    std::string alpha_text;     // shown unchanged in the headings
    float alpha = 0.0f;         // the text read as a single, for the verdicts
};

TestSettings read_test_settings(const RunContext& ctx);

// Why the test cannot start with these settings, or nothing when it can.
// A P value needs at least one replicate, and an alpha text without a number
// would silently read as 0 and turn every verdict but P = 0 into "NS", so
// both are refused before a single replicate is drawn.
std::optional<std::string> settings_problem(const TestSettings& s);

// True when the text, with blanks, tabs and line feeds ignored, starts with a
// decimal number (so that reading it as a number does not fall back to 0).
bool has_leading_number(const std::string& text);

// Why an alpha text cannot be used (it holds no number), or nothing; every
// significance test refuses such a level the same way.
std::optional<std::string> alpha_problem(const std::string& alpha_text);

}  // namespace tw
