#include "cluster/linkage_method.h"

#include <array>

namespace tw {

namespace {

using enum LinkageMethod;

// In LinkageIndex order. The Complete Linkage text keeps its trailing blank:
// the report box has always shown it that way.
const std::array<LinkageTraits, 7>& methods() {
    static const std::array<LinkageTraits, 7> table = {{
        {Single, "1) Single Linkage", "nearest neighbor", "Single Linkage", "single linkage",
         "single"},
        {Complete, "2) Complete Linkage ", "farthest neighbor", "Complete Linkage",
         "complete linkage", "complete"},
        {WPGMA, "3) WPGMA", "WPGMA", "WPGMA", "WPGMA", "wpgma"},
        {WPGMCentroid, "4) WPGMCentroid", "WEIGHTED CENTROID", "WPGMCentroid",
         "WPGMC (weighted centroid)", "wpgmc"},
        {UPGMA, "5) UPGMA", "UPGMA", "UPGMA", "UPGMA", "upgma"},
        {UPGMCentroid, "6) UPGMCentroid", "UPGMCentroid", "UPGMCentroid", "UPGMC (centroid)",
         "upgmc"},
        {MinimumVariance, "7) Minimum Variance", "Minimum Variance", "Minimum Variance",
         "minimum variance", "minimum-variance"},
    }};
    return table;
}

}  // namespace

std::span<const LinkageTraits> linkage_table() {
    return methods();
}

LinkageMethod linkage_method(std::int16_t linkage_index) {
    if (linkage_index < 1 || linkage_index > static_cast<std::int16_t>(methods().size()))
        return LinkageMethod::UPGMA;
    return static_cast<LinkageMethod>(linkage_index);
}

const LinkageTraits& traits_of(LinkageMethod method) {
    return methods()[static_cast<std::size_t>(static_cast<std::int16_t>(method) - 1)];
}

std::optional<LinkageMethod> linkage_of_entry(int entry) {
    if (entry < 0 || entry >= static_cast<int>(methods().size())) return std::nullopt;
    return methods()[static_cast<std::size_t>(entry)].method;
}

int linkage_entry(std::optional<LinkageMethod> method) {
    for (std::size_t i = 0; method && i < methods().size(); ++i)
        if (methods()[i].method == *method) return static_cast<int>(i);
    return -1;
}

}  // namespace tw
