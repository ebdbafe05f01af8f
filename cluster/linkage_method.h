#pragma once
// The seven linkage methods, numbered as LinkageIndex numbers them (the
// LINK_METH entry chosen plus 1), and the one table of what the rest of the
// program shows of each: the linkage window's caption, the report's method
// box, the dendrogram caption, the run record's running text and the batch
// command's --linkage value. A rule's formula is in update_rules.h.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "run/linkage_choice.h"

namespace tw {

struct LinkageTraits {
    LinkageMethod method;
    std::string report_text;  // the report's linkage-method box, e.g. "5) UPGMA"
    std::string name;         // the update rule's name, in the dendrogram caption
    std::string caption;      // the linkage window's option button
    std::string prose;        // in running text, as the run record's methods paragraph has it
    std::string option;       // the batch command's --linkage value
};

// Every method, in the order of the linkage window's option buttons.
std::span<const LinkageTraits> linkage_table();

// LinkageIndex 1..7 as a method. Any other value is taken as UPGMA, the
// method the linkage window starts with, so that a clustering is always made
// with a rule the report can name.
LinkageMethod linkage_method(std::int16_t linkage_index);

const LinkageTraits& traits_of(LinkageMethod method);

// The method of the linkage window's option button `entry` (its place in the
// table), none for any other entry.
std::optional<LinkageMethod> linkage_of_entry(int entry);
// The place of `method` in the table, as the run record numbers the buttons;
// -1 for none.
int linkage_entry(std::optional<LinkageMethod> method);

// The method's line in the report's linkage-method box, e.g. "5) UPGMA".
inline const std::string& method_report_text(LinkageMethod method) {
    return traits_of(method).report_text;
}

// The name of the update rule, used in the dendrogram caption.
inline const std::string& method_name(LinkageMethod method) {
    return traits_of(method).name;
}

}  // namespace tw
