#include "cluster/linkage_method.h"

#include <array>

namespace tw {

namespace {

struct MethodTexts {
    std::string report_text;
    std::string name;
};

// Indexed by LinkageIndex - 1. The Complete Linkage text keeps its trailing
// blank: the report box has always shown it that way.
const std::array<MethodTexts, 7>& method_texts() {
    static const std::array<MethodTexts, 7> texts = {{
        {"1) Single Linkage", "nearest neighbor"},
        {"2) Complete Linkage ", "farthest neighbor"},
        {"3) WPGMA", "WPGMA"},
        {"4) WPGMCentroid", "WEIGHTED CENTROID"},
        {"5) UPGMA", "UPGMA"},
        {"6) UPGMCentroid", "UPGMCentroid"},
        {"7) Minimum Variance", "Minimum Variance"},
    }};
    return texts;
}

std::size_t slot(LinkageMethod method) {
    return static_cast<std::size_t>(static_cast<std::int16_t>(method) - 1);
}

}  // namespace

LinkageMethod linkage_method(std::int16_t linkage_index) {
    if (linkage_index < 1 || linkage_index > 7) return LinkageMethod::UPGMA;
    return static_cast<LinkageMethod>(linkage_index);
}

const std::string& method_report_text(LinkageMethod method) {
    return method_texts()[slot(method)].report_text;
}

const std::string& method_name(LinkageMethod method) {
    return method_texts()[slot(method)].name;
}

}  // namespace tw
