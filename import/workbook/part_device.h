#pragma once
// One part of a workbook's zip container, unpacked as it is read, for
// QXmlStreamReader to read from. It refuses to go on (and says why) once the
// part unpacks to more than any sheet the program can take could need, or
// holds a stretch of text between two tags longer than any cell: the marks
// of a damaged workbook, or of a zip bomb built to fill the memory. Nothing
// of the part is held here beyond the reader's own buffer.

#include <quazipfile.h>

#include <QIODevice>
#include <QString>
#include <cstdint>
#include <string>

namespace tw::import {

// A sheet of the largest table the program takes (kMaxTableCells) at about
// 50 bytes of XML a cell. Shared strings and content.xml hold no more.
inline constexpr std::int64_t kMaxPartBytes = std::int64_t{512} << 20;
// A cell holds at most 32767 characters (the spreadsheets' own limit), each
// at most 6 bytes once written as XML ("&quot;"); attributes are far shorter.
inline constexpr std::int64_t kMaxTextRunBytes = std::int64_t{256} << 10;

// Beyond this, a part may hold only as much XML as its cells with content
// could need: each such cell earns kCellCredit bytes and twice its text
// (entities such as "&amp;" write text long). The free part covers the
// styles, empty cells and other sheets' plain text of an ordinary workbook;
// a part of tags with nothing in them, which the reader would otherwise
// take minutes over, is refused after it.
inline constexpr std::int64_t kFreePartBytes = std::int64_t{4} << 20;
inline constexpr std::int64_t kCellCredit = 512;

class PartDevice : public QIODevice {
  public:
    // `zip` must have the part as its current file and outlive the device.
    PartDevice(QuaZip* zip, const QString& name);

    const QString& name() const { return name_; }
    // Why reading stopped before the end of the part; empty when it did not.
    const std::string& refusal() const { return refusal_; }
    // Opens the part; false (with refusal() set when the part says it is
    // too large) when it cannot be read.
    bool open_part();
    // A cell with content holding `text_bytes` of text was met.
    void credit_cell(std::size_t text_bytes) {
        credit_ += kCellCredit + 2 * static_cast<std::int64_t>(text_bytes);
        ++cells_;
    }

  protected:
    qint64 readData(char* data, qint64 max) override;
    qint64 writeData(const char*, qint64) override { return -1; }

  private:
    bool refuse(const std::string& why);

    QuaZipFile file_;
    QString name_;
    std::string refusal_;
    std::int64_t unpacked_ = 0;
    std::int64_t since_markup_ = 0;
    std::int64_t credit_ = 0;
    std::int64_t cells_ = 0;
};

}  // namespace tw::import
