#pragma once
// Finding the window or control a script line names, and reading what a
// control shows.

#include <QString>

#include "ui/drive/driver_script.h"

class QWidget;

namespace tw::ui {
class Session;
}

namespace tw::drive {

struct Found {
    QWidget* widget = nullptr;  // null: see error
    QString error;
    bool window_not_loaded = false;  // the window has not been created (or was unloaded)
};

Found find_target(const tw::ui::Session& session, const ControlRef& ref);

// The text a control shows: a picture box's printed text, a text box's
// contents, a label's or button's caption, the dendrogram's items.
QString shown_text(const QWidget* widget);

}  // namespace tw::drive
