#pragma once
// The settings of one run as the windows hold them. Text boxes are kept as
// text: each stage reads them as numbers where it uses them, as the windows'
// own code did (see text_number.h).

#include <cstdint>
#include <optional>
#include <string>

#include "run/linkage_choice.h"
#include "run/measure_index.h"

namespace tw {

enum class OutputMode { Screen, Printer, File };

// The significance test that the dendrogram window's Continue runs.
enum class TestMethod {
    Bootstrap,  // bootstrap of replicate groups
    Simprof,    // similarity profile of the objects under each linkage
};

struct RunSettings {
    // Form2, "I/O and Data Options"
    std::string input_file;                     // Text1
    OutputMode output_mode = OutputMode::File;  // Option1..Option3
    std::string output_file;                    // Text2
    std::string average_file;                   // Text3
    bool multiply = false;                      // Check1 "Multiply data by a constant"
    std::string constant_text = "1";            // Text4
    bool transform_ln = false;                  // Option4 "ln(X+1)" (Check2 clear turns both off)
    bool transform_binary = false;              // Option5 "Binary"
    bool transform_sqrt = false;                // Option6 "Square root"
    bool transform_fourth_root = false;         // Option7 "Fourth root"
    bool standardise = false;                   // Standardise: each group to its total, in %
    bool print_average = false;                 // Check3
    bool bypass_check = false;                  // CheckData
    bool sim_matrix = false;                    // "Output Similarity Matrix"
    bool all_matrix = false;                    // "Output All Subsequent Similarity Matricies"
    std::string savelinks_text = "100";         // savelinks

    // Form3, "Similarity Index and Linkage Method"
    // The option buttons set in RESMX and LINK_METH; none when no button of
    // the array is set, and the previous run's choice stays.
    std::optional<Measure> measure = Measure::Euclidean;
    std::optional<LinkageMethod> linkage = LinkageMethod::UPGMA;
    bool sqr_sim = false;
    std::string alpha_text = "0.05";  // Alpha_level
    std::string boot_text = "10";     // Text1 "Number of bootstrap samples to use:"
    std::string seed_text;            // Seed "Random seed (blank: from the clock):"

    // A seed fixed outside the windows: tests and scripted sessions set it for
    // repeatable counts, and it wins over seed_text; 0 leaves the choice to
    // seed_text (see seed_text.h).
    std::uint64_t random_seed = 0;
    // random_seed was itself drawn from the clock (the batch command draws
    // it before the run so that it can say it), as the run record says.
    bool random_seed_from_clock = false;

    // Threads that draw bootstrap replicates; 0 uses every core. The counts
    // do not depend on it: each replicate draws from its own seeded stream.
    unsigned bootstrap_threads = 0;
    // A linkage whose replicates are smaller than this (values drawn and
    // averaged, plus pairs times species compared) runs them on the window
    // thread: handing tiny replicates to other threads costs more than it
    // saves. Tests set 0 to spread even the smallest over the threads.
    std::int64_t bootstrap_thread_min_work = 50'000;

    // Threads that compute the observed run's resemblance matrix; 0 uses
    // every core. The matrix and the message area do not depend on it.
    unsigned resemblance_threads = 0;
    // Below this many objects the observed run computes its resemblances on
    // the window thread alone: the whole matrix takes less time than starting
    // the threads. Tests set 16 to use threads on small data.
    std::int32_t resemblance_thread_min_objects = 400;

    // Form3, the choice of test: TestMethod entry and the Permutations box.
    TestMethod test_method = TestMethod::Bootstrap;
    std::string permutations_text = "1000";

    // What makes each cluster: its report section is written after the test
    // only when asked (Form3's ExplainClusters, --explain); the results
    // window works it out on demand with the same two numbers.
    bool explain_clusters = false;
    double simper_cut = 90.0;  // cumulative percent the species lists run to
    std::int32_t indicator_permutations = 999;
};

}  // namespace tw
