#include "figure/p_labels.h"

#include <algorithm>
#include <array>

#include "figure/free_space.h"

namespace tw {

namespace {

constexpr double kLineClearance = 1.5;  // from a branch, wider than the widest line

// Places beside the node, most natural first: above the branch on the side
// away from the root, then between the two children, then below.
std::array<Box, 5> sides(const WantedP& p, double w, double lh) {
    const double c = kLineClearance;
    const double g = p.mark / 2 + 1;
    const double x = p.x, y = p.y;
    if (p.facing == NodeFacing::Up) {
        const double under = std::max(c, g);
        return {Box{x + g, y - c - lh, x + g + w, y - c}, Box{x - g - w, y - c - lh, x - g, y - c},
                Box{x - w / 2, y + under, x + w / 2, y + under + lh},
                Box{x + g, y + c, x + g + w, y + c + lh}, Box{x - g - w, y + c, x - g, y + c + lh}};
    }
    const double before = std::max(c, g);
    return {Box{x + c, y - g - lh, x + c + w, y - g}, Box{x + c, y + g, x + c + w, y + g + lh},
            Box{x - before - w, y - lh / 2, x - before, y + lh / 2},
            Box{x - c - w, y - g - lh, x - c, y - g}, Box{x - c - w, y + g, x - c, y + g + lh}};
}

// "0.012" as ".012", "<0.001" as "<.001"; empty when there is no zero to drop.
std::string shortened(const std::string& s) {
    const std::size_t zero = s.find("0.");
    if (zero == std::string::npos || (zero > 0 && s[zero - 1] != '<')) return {};
    return s.substr(0, zero) + s.substr(zero + 1);
}

}  // namespace

std::int32_t place_p_labels(Figure& fig, const std::vector<WantedP>& wanted, double size,
                            const TextWidth& width_of) {
    if (wanted.empty()) return 0;
    FreeSpace space(fig.width, fig.height, 4 * size);
    space.take(fig);
    std::vector<const WantedP*> order;
    for (const WantedP& p : wanted) order.push_back(&p);
    std::stable_partition(order.begin(), order.end(),
                          [](const WantedP* p) { return p->significant; });
    const double lh = line_height(size);
    std::int32_t left_out = 0;
    for (const WantedP* p : order) {
        bool placed = false;
        for (const std::string& text : {p->text, shortened(p->text)}) {
            if (text.empty() || placed) continue;
            for (const Box& b : sides(*p, width_of(text, size), lh)) {
                if (!space.clear(b)) continue;
                space.take(b);
                fig.texts.push_back({b, text, TextRole::PValue, size, kInk, false, false});
                placed = true;
                break;
            }
        }
        left_out += placed ? 0 : 1;
    }
    return left_out;
}

}  // namespace tw
