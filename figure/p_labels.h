#pragma once
// The P of each tested node, put beside its mark where it overprints
// nothing: no other text, no branch, no mark. Where no side is clear the
// leading zero goes ("0.012" becomes ".012"); where even that finds no room
// the P is left out, and the figure says how many were.

#include <cstdint>
#include <string>
#include <vector>

#include "figure/figure.h"
#include "figure/publication_layout.h"

namespace tw {

// Which way the branch above a node leaves it.
enum class NodeFacing { Up, Right };

struct WantedP {
    double x = 0, y = 0;  // the node's mark
    double mark = 0;      // its size across
    std::string text;
    bool significant = false;  // placed first: these matter most to a reader
    NodeFacing facing = NodeFacing::Up;
};

// Adds a text for each P that finds a clear place; returns how many did not.
std::int32_t place_p_labels(Figure& fig, const std::vector<WantedP>& wanted, double size,
                            const TextWidth& width_of);

}  // namespace tw
