#include "figure/figure_options.h"

#include <array>

namespace tw {

namespace {

constexpr std::array<ChoiceName<FigureView>, 2> kViews = {{
    {FigureView::Names, "names"},
    {FigureView::Clusters, "clusters"},
}};

constexpr std::array<ChoiceName<PShown>, 3> kPShown = {{
    {PShown::All, "all"},
    {PShown::Significant, "significant"},
    {PShown::None, "none"},
}};

constexpr std::array<ChoiceName<LeafSide>, 2> kLeafSides = {{
    {LeafSide::Down, "down"},
    {LeafSide::Left, "left"},
}};

}  // namespace

std::span<const ChoiceName<FigureView>> figure_view_names() {
    return kViews;
}

std::span<const ChoiceName<PShown>> p_shown_names() {
    return kPShown;
}

std::span<const ChoiceName<LeafSide>> leaf_side_names() {
    return kLeafSides;
}

}  // namespace tw
