#include "ui/window_registry.h"

#include "ui/window_placement.h"

namespace tw::ui {

namespace {

// A window manager's frame, for a window whose frame is not known yet.
const QSize kFrameAllowance(8, 30);

}  // namespace

WindowRegistry::WindowRegistry(Session& session) : session_(session) {}

WindowRegistry::~WindowRegistry() {
    // The data-check window first: it refers to the run data of a check that
    // is still open. Then the others, the last made kind first.
    delete windows_[index(WindowId::DataCheck)].data();
    for (auto w = windows_.rbegin(); w != windows_.rend(); ++w) delete w->data();
}

QWidget& WindowRegistry::window(WindowId id) {
    QPointer<QWidget>& slot = windows_[index(id)];
    if (slot) return *slot;
    QWidget* made = entry_of(id).make(session_);
    slot = made;
    if (made_) made_(id);
    return *made;
}

QWidget* WindowRegistry::loaded(std::string_view object_name) const {
    const WindowEntry* entry = entry_named(object_name);
    return entry ? loaded(entry->id) : nullptr;
}

void WindowRegistry::show(WindowId id, bool visible) {
    const bool make = visible && entry_of(id).making == Making::OnFirstUse;
    QWidget* w = make ? &window(id) : loaded(id);
    if (!w) return;
    if (visible) place_on_first_show(id);
    w->setVisible(visible);
    if (visible) {
        w->raise();
        w->activateWindow();
    }
}

void WindowRegistry::place_afresh(WindowId id) {
    placed_.erase(id);
    place_on_first_show(id);
}

void WindowRegistry::place_on_first_show(WindowId id) {
    QWidget* w = loaded(id);
    const std::optional<Window> core = entry_of(id).core;
    if (!w || !core || placed_.count(id) != 0) return;
    placed_.insert(id);
    const QWidget* options = loaded(WindowId::Options);
    const QWidget* dendrogram = loaded(WindowId::Dendrogram);
    const QRect none;
    // A window not shown yet has no frame: allow for one.
    QSize frame = w->frameGeometry().size() - w->size();
    if (frame.isNull()) frame = kFrameAllowance;
    const QSize smallest = w->minimumSizeHint().expandedTo(w->minimumSize());
    // A window never resized would open at its size hint, not at the
    // default size a hidden widget reports.
    const QSize wanted = w->testAttribute(Qt::WA_Resized) ? w->size() : w->sizeHint();
    const QRect at = first_frame(
        *core, available_screen(w), wanted.expandedTo(smallest) + frame, smallest + frame,
        options && options->isVisible() ? options->frameGeometry() : none,
        dendrogram && dendrogram->isVisible() ? dendrogram->frameGeometry() : none);
    w->resize(at.size() - frame);
    w->move(at.topLeft());
}

bool WindowRegistry::run_window_visible(const QWidget* except) const {
    for (const WindowEntry& e : window_table()) {
        const QWidget* w = loaded(e.id);
        if (e.core && w && w != except && w->isVisible()) return true;
    }
    return false;
}

void WindowRegistry::hide_all() {
    for (const WindowEntry& e : window_table())
        if (QWidget* w = loaded(e.id)) w->hide();
}

}  // namespace tw::ui
