#pragma once
// The parts of a workbook's zip container, read with QuaZip.

#include <quazip.h>

#include <QString>
#include <QXmlStreamReader>
#include <memory>

#include "import/workbook/part_device.h"

namespace tw::import {

class ZipEntries {
  public:
    // Throws ImportError when the file is not a zip container.
    explicit ZipEntries(const QString& path);
    ~ZipEntries() { zip_.close(); }
    ZipEntries(const ZipEntries&) = delete;
    ZipEntries& operator=(const ZipEntries&) = delete;

    // The part, to be read as it unpacks; nullptr when there is no such part
    // or it cannot be opened. One part at a time. Throws ImportError when the
    // part declares a size beyond kMaxPartBytes.
    std::unique_ptr<PartDevice> open(const QString& name);

  private:
    QuaZip zip_;
};

// Throws ImportError naming the part when reading it stopped at one of its
// limits, or when what was read is not well-formed XML.
void check_part(const QXmlStreamReader& xml, const PartDevice& part);

}  // namespace tw::import
