#pragma once
// The seven linkage methods, numbered as LinkageIndex numbers them (the
// LINK_METH entry chosen plus 1).

#include <cstdint>
#include <string>

namespace tw {

enum class LinkageMethod : std::int16_t {
    Single = 1,
    Complete = 2,
    WPGMA = 3,
    WPGMCentroid = 4,
    UPGMA = 5,
    UPGMCentroid = 6,
    MinimumVariance = 7,
};

// LinkageIndex 1..7 as a method. Any other value is taken as UPGMA, the
// method the linkage window starts with, so that a clustering is always made
// with a rule the report can name.
LinkageMethod linkage_method(std::int16_t linkage_index);

// The method's line in the report's linkage-method box, e.g. "5) UPGMA".
const std::string& method_report_text(LinkageMethod method);

// The name of the update rule, used in the dendrogram caption.
const std::string& method_name(LinkageMethod method);

}  // namespace tw
