#include "ui/drive/widget_lookup.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>

#include "ui/dendrogram_view.h"
#include "ui/session.h"
#include "ui/text_panel.h"

namespace tw::drive {

Found find_target(const tw::ui::Session& session, const ControlRef& ref) {
    Found f;
    QWidget* window = session.loaded_window(QString::fromStdString(ref.window));
    if (!window) {
        f.window_not_loaded = true;
        f.error = QStringLiteral("window %1 is not open").arg(QString::fromStdString(ref.window));
        return f;
    }
    if (ref.control.empty()) {
        f.widget = window;
        return f;
    }
    const QString name = QString::fromStdString(ref.object_name());
    f.widget = window->findChild<QWidget*>(name);
    if (!f.widget) {
        f.error =
            QStringLiteral("%1 has no control %2")
                .arg(QString::fromStdString(ref.window), QString::fromStdString(ref.spelled()));
    }
    return f;
}

QString shown_text(const QWidget* w) {
    if (auto* d = qobject_cast<const tw::ui::DendrogramView*>(w)) return d->listing();
    if (auto* p = qobject_cast<const tw::ui::TextPanel*>(w)) return p->shown();
    if (auto* t = qobject_cast<const QPlainTextEdit*>(w)) return t->toPlainText();
    if (auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
    if (auto* l = qobject_cast<const QLabel*>(w)) return l->text();
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) return b->text();
    if (auto* p = qobject_cast<const QProgressBar*>(w))
        return QStringLiteral("%1 of %2").arg(p->value()).arg(p->maximum());
    return w->windowTitle();
}

}  // namespace tw::drive
