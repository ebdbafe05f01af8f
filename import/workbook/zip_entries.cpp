#include "import/workbook/zip_entries.h"

#include <quazipfile.h>

#include "import/import_error.h"

namespace tw::import {

ZipEntries::ZipEntries(const QString& path) : zip_(path) {
    if (!zip_.open(QuaZip::mdUnzip)) {
        throw ImportError("\"" + path.toStdString() +
                          "\" could not be read as a workbook (.xlsx or .ods).");
    }
}

std::optional<QByteArray> ZipEntries::read(const QString& name) {
    if (!zip_.setCurrentFile(name)) return std::nullopt;
    QuaZipFile file(&zip_);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray bytes = file.readAll();
    file.close();
    if (file.getZipError() != 0) return std::nullopt;
    return bytes;
}

}  // namespace tw::import
