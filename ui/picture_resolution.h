#pragma once
// How many pixels per inch a PNG picture gets. Asked through one function
// with a hook, like every other question, so scripted sessions never block.

#include <functional>

class QString;
class QWidget;

namespace tw::ui {

// What journals ask of line art and text in a bitmap: at least 300 dpi.
inline constexpr int kPrintResolution = 300;

// Returns the chosen resolution, or 0 when the user cancels.
using ResolutionProvider = std::function<int()>;
void set_resolution_provider(ResolutionProvider provider);

// Asks for a resolution between 300 and 1200 dpi, 300 offered first.
int choose_resolution(QWidget* parent);

// "Save picture...": asks for a picture file and, for a bitmap, its
// resolution; then saves through `save` (path, dpi), telling the user when
// the file could not be written. Nothing happens when the user cancels.
void save_picture_as(QWidget* parent, const QString& caption,
                     const std::function<bool(const QString&, int)>& save);

}  // namespace tw::ui
