#pragma once
// The resemblance measures and the one table of what the rest of the program
// shows of each: the linkage window's caption, the report's measure box, the
// message-area heading, the name in the dendrogram caption and on the
// publication figure's axis, the batch command's option value, the question
// asked of data it cannot take, and whether a smaller value means closer (a
// distance) or farther (a similarity).
// Adding a measure is an entry here, its function in its own file and a case
// in compute_resemblance (resemblance.cpp).

#include <cstdint>
#include <optional>
#include <span>

#include "run/measure_index.h"

namespace tw {

struct MeasureTraits {
    Measure index;
    const char* name;       // MeasureName, in the dendrogram caption
    const char* box_text;   // inside the report's measure box
    const char* heading;    // first line in the message area of the observed run
    const char* caption;    // the linkage window's option button
    const char* prose;      // in running text, as the run record's methods paragraph has it
    const char* axis_name;  // the publication figure's axis title: "Bray-Curtis similarity ..."
    const char* option;     // the batch command's --measure value
    Resemblance kind;
    // For a measure that cannot be computed for a station whose abundances
    // total zero or less (the heterogeneity ratio): the question asked when
    // the data hold one. Both null for a measure that takes any station.
    const char* row_totals_warning = nullptr;
    const char* row_totals_prompt = nullptr;
    bool reference_line = false;  // the heterogeneity ratio marks the level 1
};

// Every measure, in the order of the linkage window's option buttons.
std::span<const MeasureTraits> measure_table();

const MeasureTraits& traits_of(Measure m);

// The measure of the linkage window's option button `entry` (its place in
// the table), none for any other entry.
std::optional<Measure> measure_of_entry(int entry);
// The place of `m` in the table, as the run record numbers the buttons; -1
// for none.
int measure_entry(std::optional<Measure> m);

// The run's first stage's view of the measure chosen, none when no button is
// set.
MeasureChoice measure_choice(std::optional<Measure> chosen);

inline Resemblance distance_flag(Measure m) {
    return traits_of(m).kind;
}

}  // namespace tw
