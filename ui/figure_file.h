#pragma once
// A publication figure written to a file from a program without windows:
// the batch command. Fonts need a GUI application object; one is made, on
// the offscreen platform unless another is asked for, when none exists.

#include <string>

#include "figure/figure.h"

namespace tw::ui {

// SVG, PDF or PNG by the file's suffix, as the dendrogram window saves it;
// a PNG has `dpi` pixels per inch. False when it cannot be written.
bool write_figure_file(const Figure& figure, const std::string& path, int dpi);

// Makes the GUI application object that painting text needs, when the
// program has none (on the offscreen platform unless another is asked for).
void ensure_gui_application();

}  // namespace tw::ui
