#include "cli/batch_options.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <span>

#include <stdexcept>

#include "cli/batch_figure.h"
#include "cli/batch_ordination.h"
#include "cli/table_options.h"
#include "cluster/linkage_method.h"
#include "resemblance/measure.h"
#include "run/text_number.h"
#include "run/transform.h"
#include "simprof/simprof_settings.h"

namespace tw::batch {

namespace {

// Thrown inside the parser only; parse_batch_options turns it into the error text.
struct UsageError {
    std::string message;
};

using Setter = std::function<void(BatchOptions&, const std::string&)>;

struct BatchOption {
    const char* name;
    bool takes_value;
    Setter set;
};

std::int64_t whole_number(const std::string& option, const std::string& value, std::int64_t low) {
    std::int64_t n = 0;
    const char* end = value.data() + value.size();
    const auto [ptr, ec] = std::from_chars(value.data(), end, n);
    if (value.empty() || ec != std::errc() || ptr != end || n < low) {
        throw UsageError{"--" + option + " needs a whole number of " + std::to_string(low) +
                         " or more, not '" + value + "'"};
    }
    return n;
}

double real_number(const std::string& option, const std::string& value) {
    char* end = nullptr;
    const double x = std::strtod(value.c_str(), &end);
    if (value.empty() || end != value.c_str() + value.size() || !std::isfinite(x)) {
        throw UsageError{"--" + option + " needs a number, not '" + value + "'"};
    }
    return x;
}

int index_of(const std::string& option, const std::string& value,
             const std::vector<std::string>& names) {
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == value) return static_cast<int>(i);
    std::string known;
    for (const std::string& n : names) known += (known.empty() ? "" : ", ") + n;
    throw UsageError{"unknown " + option + " '" + value + "' (choose one of: " + known + ")"};
}

void set_ordination_file(BatchOptions& o, const std::string& value) {
    if (!ordination_file_kind_known(value))
        throw UsageError{
            "--ordination needs a file ending in .svg, .pdf or .png (the picture) or .csv "
            "(the coordinates), not '" +
            value + "'"};
    o.ordination_file = value;
}

template <typename E>
E figure_choice(const std::string& option, std::span<const ChoiceName<E>> table,
                const std::string& value) {
    if (const auto chosen = choice_named(table, value)) return *chosen;
    throw UsageError{"unknown --" + option + " '" + value + "' (choose " + choice_words(table) +
                     ")"};
}

void set_transform(RunSettings& s, const std::string& value) {
    const int chosen = index_of("transform", value, transform_names());
    choose_transform(s, transform_table()[static_cast<std::size_t>(chosen)].code);
}

void set_alpha(RunSettings& s, const std::string& value) {
    const double a = real_number("alpha", value);
    if (a <= 0 || a >= 1) throw UsageError{"--alpha must lie between 0 and 1, not " + value};
    s.alpha_text = value;
}

void set_seed(BatchOptions& o, const std::string& value) {
    std::uint64_t seed = 0;
    const char* end = value.data() + value.size();
    const auto [ptr, ec] = std::from_chars(value.data(), end, seed);
    if (value.empty() || ec != std::errc() || ptr != end) {
        throw UsageError{"--seed needs a whole number of 0 or more, not '" + value + "'"};
    }
    o.settings.random_seed = seed;
    o.seed_given = seed != 0;  // 0 asks for a seed from the clock, as the default does
}

void set_simper_cut(BatchOptions& o, const std::string& value) {
    const double cut = real_number("simper-cut", value);
    if (cut <= 0 || cut > 100)
        throw UsageError{"--simper-cut must lie above 0 and at most 100, not " + value};
    o.settings.simper_cut = cut;
}

const std::vector<BatchOption>& batch_option_table() {
    static const std::vector<BatchOption> known = {
        {"measure", true,
         [](BatchOptions& o, const std::string& v) {
             o.settings.measure = measure_of_entry(index_of("measure", v, measure_names()));
         }},
        {"linkage", true,
         [](BatchOptions& o, const std::string& v) {
             o.settings.linkage = linkage_of_entry(index_of("linkage", v, linkage_names()));
         }},
        {"squared", false, [](BatchOptions& o, const std::string&) { o.settings.sqr_sim = true; }},
        {"constant", true,
         [](BatchOptions& o, const std::string& v) {
             real_number("constant", v);
             o.settings.multiply = true;
             o.settings.constant_text = v;
         }},
        {"transform", true,
         [](BatchOptions& o, const std::string& v) { set_transform(o.settings, v); }},
        {"standardise", false,
         [](BatchOptions& o, const std::string&) { o.settings.standardise = true; }},
        {"average-matrix", true,
         [](BatchOptions& o, const std::string& v) {
             if (v.empty()) throw UsageError{"--average-matrix needs a file name"};
             o.settings.print_average = true;
             o.settings.average_file = v;
         }},
        {"savelinks", true,
         [](BatchOptions& o, const std::string& v) {
             o.settings.savelinks_text = std::to_string(whole_number("savelinks", v, 0));
         }},
        {"sim-matrix", false,
         [](BatchOptions& o, const std::string&) { o.settings.sim_matrix = true; }},
        {"all-matrices", false,
         [](BatchOptions& o, const std::string&) { o.settings.all_matrix = true; }},
        {"replicates", true,
         [](BatchOptions& o, const std::string& v) {
             o.settings.boot_text = std::to_string(whole_number("replicates", v, 1));
         }},
        {"alpha", true, [](BatchOptions& o, const std::string& v) { set_alpha(o.settings, v); }},
        {"test", true,
         [](BatchOptions& o, const std::string& v) {
             const int chosen = index_of("test", v, {"bootstrap", "simprof"});
             o.settings.test_method = chosen == 0 ? TestMethod::Bootstrap : TestMethod::Simprof;
         }},
        {"permutations", true,
         [](BatchOptions& o, const std::string& v) {
             // Read as the method window's box reads it, and refused with its message.
             const std::int32_t n = whole_number_setting(v);
             if (const auto problem = permutations_problem(n))
                 throw UsageError{"--permutations " + v + ": " + *problem};
             o.settings.permutations_text = std::to_string(n);
         }},
        {"seed", true, set_seed},
        {"explain", false,
         [](BatchOptions& o, const std::string&) { o.settings.explain_clusters = true; }},
        {"simper-cut", true, set_simper_cut},
        {"indicator-permutations", true,
         [](BatchOptions& o, const std::string& v) {
             o.settings.indicator_permutations = static_cast<std::int32_t>(
                 std::min<std::int64_t>(whole_number("indicator-permutations", v, 0), 99'999'999));
         }},
        {"threads", true,
         [](BatchOptions& o, const std::string& v) {
             o.settings.bootstrap_threads = static_cast<unsigned>(whole_number("threads", v, 0));
         }},
        {"export", true,
         [](BatchOptions& o, const std::string& v) {
             if (v.empty()) throw UsageError{"--export needs a file name prefix"};
             o.export_prefix = v;
         }},
        {"ordination", true, set_ordination_file},
        {"ordination-dimensions", true,
         [](BatchOptions& o, const std::string& v) {
             o.ordination_dimensions =
                 static_cast<int>(whole_number("ordination-dimensions", v, 2));
             if (o.ordination_dimensions > 3)
                 throw UsageError{"--ordination-dimensions needs 2 or 3, not '" + v + "'"};
         }},
        {"ordination-starts", true,
         [](BatchOptions& o, const std::string& v) {
             const std::int64_t n = whole_number("ordination-starts", v, 1);
             if (n > 1000) throw UsageError{"--ordination-starts takes at most 1000, not " + v};
             o.ordination_starts = static_cast<int>(n);
         }},
        {"figure", true,
         [](BatchOptions& o, const std::string& v) {
             if (v.empty()) throw UsageError{"--figure needs a file name"};
             o.figure_file = v;
         }},
        {"figure-view", true,
         [](BatchOptions& o, const std::string& v) {
             o.figure.view = figure_choice("figure-view", figure_view_names(), v);
         }},
        {"figure-title", true, [](BatchOptions& o, const std::string& v) { o.figure.title = v; }},
        {"figure-p", true,
         [](BatchOptions& o, const std::string& v) {
             o.figure.p_shown = figure_choice("figure-p", p_shown_names(), v);
         }},
        {"figure-orientation", true,
         [](BatchOptions& o, const std::string& v) {
             o.figure.leaf_side = figure_choice("figure-orientation", leaf_side_names(), v);
         }},
        {"figure-dpi", true,
         [](BatchOptions& o, const std::string& v) {
             o.figure.dpi = static_cast<int>(whole_number("figure-dpi", v, 72));
         }},
        {"no-bootstrap", false,
         [](BatchOptions& o, const std::string&) { o.run_bootstrap = false; }},
        {"report", true,
         [](BatchOptions& o, const std::string& v) {
             if (v.empty()) throw UsageError{"--report needs a file name, or - for the screen"};
             o.settings.output_file = v;
         }},
        {"check", false, [](BatchOptions& o, const std::string&) { o.check = true; }},
        {"yes", false, [](BatchOptions& o, const std::string&) { o.answer_yes = true; }},
        {"quiet", false, [](BatchOptions& o, const std::string&) { o.quiet = true; }},
        {"help", false, [](BatchOptions& o, const std::string&) { o.help = true; }},
        {"version", false, [](BatchOptions& o, const std::string&) { o.version = true; }},
    };
    return known;
}

// The batch command's own option called `name`, or a table option (how a
// table given as DATA is read, as tarnwick-import reads it).
BatchOption find_option(const std::string& name) {
    for (const BatchOption& option : batch_option_table())
        if (name == option.name) return option;
    if (const cli::TableOption* table = cli::find_table_option(name)) {
        return {table->name, table->value_name != nullptr,
                [set = table->set](BatchOptions& o, const std::string& v) {
                    try {
                        set(o.table, v);
                    } catch (const std::invalid_argument& e) {
                        throw UsageError{e.what()};
                    }
                }};
    }
    throw UsageError{"unknown option '--" + name + "'"};
}

// The settings of a batch run before any option: the windows' defaults
// (Euclidean distance, UPGMA), with the report on standard output and no
// format check.
BatchOptions defaults() {
    BatchOptions o;
    o.settings.output_mode = OutputMode::File;
    o.settings.output_file = kStandardOutput;
    o.settings.bypass_check = true;
    return o;
}

// Consumes args[i] (and its value when the option takes one); returns the
// index of the next argument.
std::size_t take_option(BatchOptions& o, const std::vector<std::string>& args, std::size_t i) {
    const std::string word = args[i].substr(2);
    const std::size_t eq = word.find('=');
    const std::string name = word.substr(0, eq);
    const BatchOption option = find_option(name);
    if (!option.takes_value) {
        if (eq != std::string::npos) throw UsageError{"--" + name + " takes no value"};
        option.set(o, {});
        return i + 1;
    }
    if (eq != std::string::npos) {
        option.set(o, word.substr(eq + 1));
        return i + 1;
    }
    if (i + 1 >= args.size()) throw UsageError{"--" + name + " needs a value"};
    option.set(o, args[i + 1]);
    return i + 2;
}

BatchOptions parse(const std::vector<std::string>& args) {
    BatchOptions o = defaults();
    std::vector<std::string> data;
    bool options_ended = false;
    for (std::size_t i = 0; i < args.size();) {
        const std::string& a = args[i];
        if (!options_ended && a == "--") {
            options_ended = true;
            ++i;
        } else if (!options_ended && a.size() > 2 && a.rfind("--", 0) == 0) {
            i = take_option(o, args, i);
        } else if (!options_ended && a.size() > 1 && a[0] == '-') {
            throw UsageError{"unknown option '" + a + "' (options are written --name)"};
        } else {
            data.push_back(a);
            ++i;
        }
    }
    if (o.help || o.version) return o;
    if (data.empty()) throw UsageError{"no data file named"};
    if (data.size() > 1) {
        throw UsageError{"one data file per run, but " + std::to_string(data.size()) +
                         " were named (run once per file, for instance in a shell loop)"};
    }
    o.settings.input_file = data.front();
    o.settings.bypass_check = !o.check;
    if (!o.figure_file.empty() && !figure_format_supported(o.figure_file)) {
        throw UsageError{"--figure writes .svg, .pdf or .png files, not '" + o.figure_file + "'"};
    }
    return o;
}

// The option values of a measure or method table, in the table's order.
template <class Table>
std::vector<std::string> option_values(Table table) {
    std::vector<std::string> values;
    for (const auto& entry : table) values.emplace_back(entry.option);
    return values;
}

}  // namespace

const std::vector<std::string>& measure_names() {
    static const std::vector<std::string> names = option_values(measure_table());
    return names;
}

const std::vector<std::string>& linkage_names() {
    static const std::vector<std::string> names = option_values(linkage_table());
    return names;
}

const std::vector<std::string>& transform_names() {
    static const std::vector<std::string> names = option_values(transform_table());
    return names;
}

ParsedOptions parse_batch_options(const std::vector<std::string>& args) {
    try {
        return {parse(args), {}};
    } catch (const UsageError& e) {
        return {std::nullopt, e.message};
    }
}

}  // namespace tw::batch
