#pragma once
// Where each window goes when it first opens: the options window at the
// left, so its message area stays in sight, and the window the user needs
// next beside it, in front.

#include <QPoint>
#include <QRect>
#include <QSize>

#include "run/host.h"

class QWidget;

namespace tw::ui {

// The top-left corner for `window` of frame size `size` on the screen area
// `screen`, given the frames of the options window and the dendrogram window
// where they are on screen (empty rectangles when they are not).
QPoint first_position(Window window, const QRect& screen, const QSize& size, const QRect& options,
                      const QRect& dendrogram);

// Where `window` goes and how large it is when it first opens, as a frame
// rectangle: `wanted` as large as the screen allows but not below
// `smallest`. The results window goes beside the dendrogram when there is
// room at its right, else below it, else at the screen's left over the
// options window and as tall as the screen; it never covers the dendrogram
// (its clusters and legend) when any of these fits.
QRect first_frame(Window window, const QRect& screen, const QSize& wanted, const QSize& smallest,
                  const QRect& options, const QRect& dendrogram);

// The screen area free for windows where `w` would open.
QRect available_screen(const QWidget* w);

}  // namespace tw::ui
