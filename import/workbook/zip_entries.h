#pragma once
// The parts of a workbook's zip container, read with QuaZip.

#include <quazip.h>

#include <QByteArray>
#include <QString>
#include <optional>

namespace tw::import {

class ZipEntries {
  public:
    // Throws ImportError when the file is not a zip container.
    explicit ZipEntries(const QString& path);
    ~ZipEntries() { zip_.close(); }
    ZipEntries(const ZipEntries&) = delete;
    ZipEntries& operator=(const ZipEntries&) = delete;

    // The entry's bytes; nullopt when there is no such entry or it cannot be read.
    std::optional<QByteArray> read(const QString& name);

  private:
    QuaZip zip_;
};

}  // namespace tw::import
