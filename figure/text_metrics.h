#pragma once
// The widths of the figure's typeface (DejaVu Sans, without kerning), held
// here so that the layout measures text the same way in the windows, in the
// batch command and in the tests, whatever fonts the machine has. The
// painter draws with the same face, so measured and painted widths agree.

#include <string>

namespace tw {

// Width of `text` (UTF-8) at font size `size`, in the units of `size`.
double figure_text_width(const std::string& text, double size);

// How much wider `text` is in the bold face than in the plain one: the
// layout measures plain text and widens what it draws bold by this.
double bold_widening(const std::string& text);

// Baseline position within a line of the face: ascent and descent as parts
// of the font size.
inline constexpr double kFaceAscent = 0.928281;
inline constexpr double kFaceDescent = 0.235781;

inline constexpr const char* kFaceName = "DejaVu Sans";

}  // namespace tw
