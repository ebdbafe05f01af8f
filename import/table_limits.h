#pragma once
// How much of a table the import takes, set from what a run can hold: at
// most 10000 stations and 32767 species, plus a label and a group column
// (or row). Anything beyond these is refused while it is read, before it
// fills the memory, so that no file, whatever it holds, keeps the program
// busy for long or makes it grow past about a gigabyte.

#include <cstddef>

namespace tw::import {

inline constexpr int kMaxSheetRows = 10002;
inline constexpr int kMaxSheetColumns = 32770;

// The cells of one table (empty ones inside it included). Each cell costs
// a workbook import up to about 150 bytes on its way to the data file; five
// million is, for instance, 10000 stations by 500 species, or 152 stations
// by all 32767, and keeps a whole import under a gigabyte.
inline constexpr std::size_t kMaxTableCells = 5'000'000;

// A line of text can hold one row of the widest table: 32770 cells of up to
// 256 bytes each (long labels, quoted text) is 8 MB.
inline constexpr std::size_t kMaxLineCells = kMaxSheetColumns;
inline constexpr std::size_t kMaxLineBytes = std::size_t{8} << 20;

// A text table is read whole; the largest table takes far less than this
// (five million cells of up to 50 bytes).
inline constexpr std::size_t kMaxTextFileBytes = std::size_t{256} << 20;

}  // namespace tw::import
