#include "import/oriented_grid.h"

#include "import/import_error.h"

namespace tw::import {

std::string OrientedGrid::name(std::size_t r, std::size_t c) const {
    std::string n = transposed_ ? cell_name(grid_, c, r) : cell_name(grid_, r, c);
    if (!n.empty()) n[0] = static_cast<char>(n[0] - 'a' + 'A');
    return n;
}

std::size_t find_heading(const OrientedGrid& view, const std::string& name) {
    const std::string wanted = trimmed(name);
    for (std::size_t c = 0; c < view.columns(); ++c) {
        if (trimmed(view.at(0, c)) == wanted) return c;
    }
    throw ImportError("There is no " + view.line_word() + " headed \"" + wanted + "\" in " +
                      view.heading_place() + ".");
}

}  // namespace tw::import
