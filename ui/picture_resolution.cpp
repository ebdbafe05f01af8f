#include "ui/picture_resolution.h"

#include <QInputDialog>

#include "ui/file_chooser.h"
#include "ui/message_box.h"

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

void save_picture_as(QWidget* parent, const QString& caption,
                     const std::function<bool(const QString&, int)>& save) {
    const QString path =
        choose_file(parent, caption, FileUse::Save, QString::fromLatin1(file_filter::kPicture));
    if (path.isEmpty()) return;
    int dpi = kPrintResolution;
    if (!path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive) &&
        !path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        dpi = choose_resolution(parent);
        if (dpi == 0) return;
    }
    if (!save(path, dpi)) {
        ask_box(parent, QStringLiteral("File Error"),
                QStringLiteral("The picture could not be written to \"%1\".").arg(path),
                Buttons::Ok);
    }
}

}  // namespace tw::ui
