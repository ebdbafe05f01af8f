#pragma once
// Where the bundled example data files are.

#include <QString>

namespace tw::ui {

// The examples folder of an installed program (share/tarnwick/examples
// beside the bin folder it runs from), else that of the source tree this
// program was built from, else an examples folder beside or above the
// executable, else the current folder.
QString examples_dir();

// The installed examples folder, or "" when the program does not run
// installed.
QString installed_examples_dir();

}  // namespace tw::ui
