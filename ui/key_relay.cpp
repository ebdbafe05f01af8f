#include "ui/key_relay.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace tw::ui {

bool is_enter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

KeyRelay* KeyRelay::watch(QObject* button) {
    auto* relay = new KeyRelay(button);
    button->installEventFilter(relay);
    return relay;
}

bool KeyRelay::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const int k = key->key();
    const bool typed = is_enter(k) || k == Qt::Key_Escape || k == Qt::Key_Backspace ||
                       (!key->text().isEmpty() && key->text().at(0).isPrint());
    if (!typed || k == Qt::Key_Space || k == Qt::Key_Tab || k == Qt::Key_Backtab) return false;
    emit keyPressed(k);
    return true;
}

ClickRelay* ClickRelay::watch(QObject* widget) {
    auto* relay = new ClickRelay(widget);
    widget->installEventFilter(relay);
    return relay;
}

bool ClickRelay::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        auto* w = qobject_cast<QWidget*>(watched);
        if (mouse->button() == Qt::LeftButton && w &&
            w->rect().contains(mouse->position().toPoint())) {
            emit clicked();
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tw::ui
