#include "import/workbook/part_device.h"

namespace tw::import {

namespace {

std::string quoted(const QString& name) {
    return "The workbook part \"" + name.toStdString() + "\"";
}

std::string too_large(const QString& name) {
    return quoted(name) + " unpacks to more than " + std::to_string(kMaxPartBytes >> 20) +
           " MB, far more than any sheet the program can take needs; the workbook is damaged "
           "or was built to fill the memory.";
}

}  // namespace

PartDevice::PartDevice(QuaZip* zip, const QString& name) : file_(zip), name_(name) {}

bool PartDevice::open_part() {
    if (!file_.open(QIODevice::ReadOnly)) return false;
    // The size the container declares is checked at once; the count below
    // holds whatever it declares.
    if (file_.usize() > kMaxPartBytes) return refuse(too_large(name_));
    return QIODevice::open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

bool PartDevice::refuse(const std::string& why) {
    if (refusal_.empty()) refusal_ = why;
    return false;
}

qint64 PartDevice::readData(char* data, qint64 max) {
    if (!refusal_.empty()) return -1;
    const qint64 got = file_.read(data, max);
    if (got < 0 || (got == 0 && file_.getZipError() != 0)) {
        refuse(quoted(name_) + " could not be unpacked; the workbook may be damaged.");
        return -1;
    }
    unpacked_ += got;
    if (unpacked_ > kMaxPartBytes) {
        refuse(too_large(name_));
        return -1;
    }
    if (unpacked_ > kFreePartBytes + credit_) {
        refuse(quoted(name_) + " holds " + std::to_string(unpacked_ >> 20) +
               " MB of XML for only " + std::to_string(cells_) +
               (cells_ == 1 ? " cell" : " cells") +
               " with content, far more than its cells could need; the workbook is "
               "damaged or was built to keep the program busy.");
        return -1;
    }
    for (qint64 i = 0; i < got; ++i) {
        if (data[i] == '<' || data[i] == '>') {
            since_markup_ = 0;
        } else if (++since_markup_ > kMaxTextRunBytes) {
            refuse(quoted(name_) + " holds more than " + std::to_string(kMaxTextRunBytes >> 10) +
                   " KB of text between two tags, more than any cell holds; the workbook is "
                   "damaged or was built to fill the memory.");
            return -1;
        }
    }
    return got;
}

}  // namespace tw::import
