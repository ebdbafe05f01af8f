#pragma once
// Where the bundled example data files are.

#include <QString>

namespace tw::ui {

// The examples folder of the source tree this program was built from, else
// an examples folder beside or above the executable, else the current folder.
QString examples_dir();

}  // namespace tw::ui
