#include "cluster/matrix_listing.h"

#include <algorithm>

namespace tw {

namespace {

constexpr std::int32_t kBlockWidth = 10;
constexpr int kColumnStep = 7;

class Listing {
  public:
    Listing(Printer& out, const Matrix<float>& m, const std::vector<std::int16_t>& absorbed)
        : out_(out), m_(m), absorbed_(absorbed) {}

    void block(std::int32_t first, std::int32_t width) const {
        for (std::int32_t c = 1; c <= width; ++c) {
            out_.tab(kColumnStep * c).num(first + c - 1).text(" ");
        }
        out_.text(" ").end();
        for (std::int32_t row = 1; row < first; ++row) {
            out_.num(row);
            entries(row, first, 1, width);
            out_.text(" ").end();
        }
        for (std::int32_t r = 1; r <= width; ++r) {
            const std::int32_t row = first + r - 1;
            out_.num(row).tab(kColumnStep * r);
            entries(row, first, r + 1, width);
            out_.text(" ").end();
        }
        out_.text(" ").end();
    }

  private:
    bool current(std::int32_t index) const {
        const auto slot = static_cast<std::size_t>(index);
        return slot >= absorbed_.size() || absorbed_[slot] == 0;
    }

    // Columns from_c..to_c of the block starting at matrix column `first`.
    // An absorbed entry prints nothing at all, not even the move to its
    // column, so a row ends right after its last current entry.
    void entries(std::int32_t row, std::int32_t first, std::int32_t from_c,
                 std::int32_t to_c) const {
        if (!current(row)) return;
        for (std::int32_t c = from_c; c <= to_c; ++c) {
            const std::int32_t col = first + c - 1;
            if (!current(col)) continue;
            out_.tab(kColumnStep * c).pattern("#0.000", static_cast<double>(m_(row, col)));
        }
    }

    Printer& out_;
    const Matrix<float>& m_;
    const std::vector<std::int16_t>& absorbed_;
};

}  // namespace

void write_matrix_listing(Printer& out, const Matrix<float>& m, std::int32_t n,
                          const std::vector<std::int16_t>& absorbed) {
    out.tab(10).text("SIMILARITY MATRIX").end();
    const Listing listing(out, m, absorbed);
    for (std::int32_t first = 1; first <= n; first += kBlockWidth) {
        listing.block(first, std::min(kBlockWidth, n - first + 1));
    }
}

}  // namespace tw
