#include "import/workbook/zip_entries.h"

#include "import/import_error.h"

namespace tw::import {

ZipEntries::ZipEntries(const QString& path) : zip_(path) {
    if (!zip_.open(QuaZip::mdUnzip)) {
        throw ImportError("\"" + path.toStdString() +
                          "\" could not be read as a workbook (.xlsx or .ods).");
    }
}

std::unique_ptr<PartDevice> ZipEntries::open(const QString& name) {
    if (!zip_.setCurrentFile(name)) return nullptr;
    auto part = std::make_unique<PartDevice>(&zip_, name);
    if (part->open_part()) return part;
    if (!part->refusal().empty()) throw ImportError(part->refusal());
    return nullptr;
}

void check_part(const QXmlStreamReader& xml, const PartDevice& part) {
    // A part cut off at a limit also ends the XML early; the limit is the news.
    if (!part.refusal().empty()) throw ImportError(part.refusal());
    if (xml.hasError()) {
        throw ImportError("The workbook part \"" + part.name().toStdString() +
                          "\" is not readable XML: " + xml.errorString().toStdString());
    }
}

}  // namespace tw::import
