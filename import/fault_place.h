#pragma once
// Where an import fault lies, read back from its message: the messages name
// the place as "line 7, column 3", "line 7" (of a text table) or "cell C7",
// "row 7" (of a sheet), so that a preview can show and mark it.

#include <string_view>

namespace tw::import {

struct FaultPlace {
    int row = 0;     // 1-based line of the file or row of the sheet; 0: none named
    int column = 0;  // 1-based column; 0: the whole row
};

FaultPlace fault_place(std::string_view message);

}  // namespace tw::import
