#pragma once
// Two-dimensional arrays of the data model. Every dimension is allocated from
// index 0 but used from index 1, so Matrix<float>(n, m) holds rows 1..n and
// columns 1..m (row and column 0 exist and stay untouched).

#include <cstddef>
#include <cstdint>
#include <vector>

#include "run/zeroed_allocator.h"

namespace tw {

template <class T>
class Matrix {
  public:
    Matrix() = default;
    Matrix(std::int32_t last_row, std::int32_t last_col) { recreate(last_row, last_col); }

    // Re-creating discards the old contents; every entry starts at T{} (zero
    // for numbers). The old storage is released first, so that the new one
    // comes zeroed from the allocator.
    void recreate(std::int32_t last_row, std::int32_t last_col) {
        last_row_ = last_row < 0 ? 0 : last_row;
        last_col_ = last_col < 0 ? 0 : last_col;
        Cells().swap(cells_);
        cells_.resize(static_cast<std::size_t>(last_row_ + 1) *
                      static_cast<std::size_t>(last_col_ + 1));
    }

    // Re-creates the matrix only when its shape changes: a working matrix
    // that is filled before it is read keeps its storage, and whatever it
    // held, from one use to the next.
    void fit(std::int32_t last_row, std::int32_t last_col) {
        if (cells_.empty() || last_row_ != (last_row < 0 ? 0 : last_row) ||
            last_col_ != (last_col < 0 ? 0 : last_col))
            recreate(last_row, last_col);
    }

    T& operator()(std::int32_t row, std::int32_t col) { return cells_[index(row, col)]; }
    const T& operator()(std::int32_t row, std::int32_t col) const {
        return cells_[index(row, col)];
    }

    std::int32_t last_row() const { return last_row_; }
    std::int32_t last_col() const { return last_col_; }
    bool empty() const { return cells_.empty(); }

    // Pointer to row `row`, column 0; columns follow contiguously.
    T* row(std::int32_t r) { return cells_.data() + index(r, 0); }
    const T* row(std::int32_t r) const { return cells_.data() + index(r, 0); }

  private:
    std::size_t index(std::int32_t row, std::int32_t col) const {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(last_col_ + 1) +
               static_cast<std::size_t>(col);
    }

    std::int32_t last_row_ = 0;
    std::int32_t last_col_ = 0;
    using Cells = std::vector<T, ZeroedAllocator<T>>;
    Cells cells_;
};

}  // namespace tw
