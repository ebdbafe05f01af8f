#include "ui/picture_resolution.h"

#include <QInputDialog>

namespace tw::ui {

namespace {

ResolutionProvider& provider() {
    static ResolutionProvider p;
    return p;
}

}  // namespace

void set_resolution_provider(ResolutionProvider p) {
    provider() = std::move(p);
}

int choose_resolution(QWidget* parent) {
    if (provider()) return provider()();
    bool ok = false;
    const int dpi =
        QInputDialog::getInt(parent, QStringLiteral("Picture resolution"),
                             QStringLiteral("Pixels per inch (at least 300 for print):"),
                             kPrintResolution, kPrintResolution, 1200, 50, &ok);
    return ok ? dpi : 0;
}

}  // namespace tw::ui
