#include "ui/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <optional>

namespace tw::ui {

namespace {

constexpr int kMargin = 16;
constexpr int kGap = 8;

// Keeps a window of `size` inside the screen, its top-left corner first.
QPoint inside(const QRect& screen, const QSize& size, QPoint at) {
    at.setX(std::max(screen.left(), std::min(at.x(), screen.right() + 1 - size.width())));
    at.setY(std::max(screen.top(), std::min(at.y(), screen.bottom() + 1 - size.height())));
    return at;
}

// Right of the options window; at the screen's right edge when there is no
// room, covering the options' controls rather than their message area below.
QPoint beside_options(const QRect& screen, const QSize& size, const QRect& options, int y) {
    const int x = options.isEmpty() ? screen.left() + kMargin : options.right() + 1 + kGap;
    return inside(screen, size, QPoint(x, y));
}

}  // namespace

QPoint first_position(Window window, const QRect& screen, const QSize& size, const QRect& options,
                      const QRect& dendrogram) {
    const int top = screen.top() + kMargin;
    switch (window) {
        case Window::Start:
            return inside(screen, size,
                          QPoint(screen.left() + (screen.width() - size.width()) / 2,
                                 screen.top() + (screen.height() - size.height()) / 2));
        case Window::Options:
            return inside(screen, size, QPoint(screen.left() + kMargin, top));
        case Window::Method:
        case Window::DataCheck:
        case Window::Dendrogram:
            return beside_options(screen, size, options, top);
        case Window::Results: {
            // Below the dendrogram when it fits, else as low as the screen allows.
            const int y = dendrogram.isEmpty() ? top : dendrogram.bottom() + 1 + kGap;
            return beside_options(screen, size, options, y);
        }
    }
    return inside(screen, size, QPoint(screen.left() + kMargin, top));
}

namespace {

QSize bounded(const QSize& wanted, const QSize& smallest, const QSize& room) {
    return QSize(std::max(smallest.width(), std::min(wanted.width(), room.width())),
                 std::max(smallest.height(), std::min(wanted.height(), room.height())));
}

std::optional<QRect> results_frame(const QRect& screen, const QSize& wanted, const QSize& smallest,
                                   const QRect& options, const QRect& dendrogram) {
    if (dendrogram.isEmpty()) return std::nullopt;
    const int top = screen.top() + kMargin;
    const int full_height = screen.height() - 2 * kMargin;
    const int right_room = screen.right() + 1 - kMargin - (dendrogram.right() + 1 + kGap);
    if (right_room >= smallest.width()) {
        const QSize size = bounded(wanted, smallest, QSize(right_room, full_height));
        return QRect(QPoint(dendrogram.right() + 1 + kGap, top), size);
    }
    const int below_room = screen.bottom() + 1 - kMargin - (dendrogram.bottom() + 1 + kGap);
    if (below_room >= smallest.height()) {
        const QSize size =
            bounded(wanted, smallest, QSize(screen.width() - 2 * kMargin, below_room));
        const QPoint at = beside_options(screen, size, options, dendrogram.bottom() + 1 + kGap);
        return QRect(at, size);
    }
    const int left_room = dendrogram.left() - kGap - (screen.left() + kMargin);
    if (left_room >= smallest.width()) {
        // Over the options window, whose controls wait for Finish anyway; as
        // tall as the screen, so the grid shows as many linkages as fit.
        const QSize size =
            bounded(QSize(wanted.width(), full_height), smallest, QSize(left_room, full_height));
        return QRect(QPoint(screen.left() + kMargin, top), size);
    }
    return std::nullopt;
}

}  // namespace

QRect first_frame(Window window, const QRect& screen, const QSize& wanted, const QSize& smallest,
                  const QRect& options, const QRect& dendrogram) {
    if (window == Window::Results) {
        if (auto frame = results_frame(screen, wanted, smallest, options, dendrogram))
            return *frame;
    }
    const QSize size = bounded(wanted, smallest,
                               QSize(screen.width() - 2 * kMargin, screen.height() - 2 * kMargin));
    return QRect(first_position(window, screen, size, options, dendrogram), size);
}

QRect available_screen(const QWidget* w) {
    const QScreen* screen = w && w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

}  // namespace tw::ui
