#include "ui/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

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
        case Window::Form1:
            return inside(screen, size,
                          QPoint(screen.left() + (screen.width() - size.width()) / 2,
                                 screen.top() + (screen.height() - size.height()) / 2));
        case Window::Form2:
            return inside(screen, size, QPoint(screen.left() + kMargin, top));
        case Window::Form3:
        case Window::DataCheck:
        case Window::Form4:
            return beside_options(screen, size, options, top);
        case Window::FORM5: {
            // Below the dendrogram when it fits, else as low as the screen allows.
            const int y = dendrogram.isEmpty() ? top : dendrogram.bottom() + 1 + kGap;
            return beside_options(screen, size, options, y);
        }
    }
    return inside(screen, size, QPoint(screen.left() + kMargin, top));
}

QRect available_screen(const QWidget* w) {
    const QScreen* screen = w && w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

}  // namespace tw::ui
