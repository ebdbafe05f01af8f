#pragma once
// The program's windows, each made as its entry in the window table says
// and then kept until the session ends (the data-check window excepted,
// which unloads itself when its check ends). The registry also places each
// of the run's windows beside the others when it first opens.

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <set>
#include <string_view>

#include "ui/window_table.h"

namespace tw::ui {

class Session;

class WindowRegistry {
  public:
    explicit WindowRegistry(Session& session);
    ~WindowRegistry();
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;

    // The window, made on first use.
    QWidget& window(WindowId id);
    template <class W>
    W& window_as(WindowId id) {
        return static_cast<W&>(window(id));
    }
    // The window if it is loaded, else null.
    QWidget* loaded(WindowId id) const { return windows_[index(id)].data(); }
    template <class W>
    W* loaded_as(WindowId id) const {
        return static_cast<W*>(loaded(id));
    }
    QWidget* loaded(std::string_view object_name) const;
    // A window that unloads itself: the next use makes a new one.
    void forget(WindowId id) { windows_[index(id)] = nullptr; }
    // Called with every window made, once it is made.
    void on_made(std::function<void(WindowId)> made) { made_ = std::move(made); }

    // Shows or hides a window as the core asks: a window made on first use
    // is made to be shown; the others only when they are loaded.
    void show(WindowId id, bool visible);
    // Places a run's window beside the others the first time it opens;
    // place_afresh forgets where it went before.
    void place_on_first_show(WindowId id);
    void place_afresh(WindowId id);
    // Whether one of the run's windows other than `except` is on screen.
    bool run_window_visible(const QWidget* except) const;
    void hide_all();

  private:
    static std::size_t index(WindowId id) { return static_cast<std::size_t>(id); }

    Session& session_;
    std::array<QPointer<QWidget>, kWindowCount> windows_;
    std::function<void(WindowId)> made_;
    std::set<WindowId> placed_;
};

}  // namespace tw::ui
