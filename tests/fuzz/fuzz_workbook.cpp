// Workbooks from anywhere. An input that is a zip container is read as an
// .xlsx and as an .ods, so the fuzzer works on the container itself; any
// other input is XML, put into a fresh workbook as the sheet of an .xlsx
// (with the part after a NUL byte as its shared strings) and as the
// content.xml of an .ods, so the fuzzer works on the readers of the XML.

#include <quazip.h>
#include <quazipfile.h>
#include <quazipnewinfo.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fuzz_files.h"
#include "fuzz_imported_table.h"
#include "import/workbook/workbook.h"

namespace {

using Parts = std::vector<std::pair<const char*, std::string_view>>;

void write_workbook(const std::string& path, const Parts& parts) {
    QuaZip zip(QString::fromStdString(path));
    if (!zip.open(QuaZip::mdCreate)) tw::fuzz::fail("cannot write " + path);
    for (const auto& [name, text] : parts) {
        QuaZipFile file(&zip);
        file.open(QIODevice::WriteOnly, QuaZipNewInfo(name), nullptr, 0, 0, 0);
        file.write(text.data(), static_cast<qint64>(text.size()));
        file.close();
    }
    zip.close();
}

void read_workbook(const std::string& path) {
    tw::fuzz::check_import([&] {
        tw::import::workbook_sheets(path);
        return tw::import::import_workbook(path, tw::fuzz::options_from(0x13), "fuzz");
    });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (bytes.substr(0, 2) == "PK") {
        for (const char* extension : {".xlsx", ".ods"})
            read_workbook(tw::fuzz::write_scratch_file(data, size, extension));
        return 0;
    }
    const auto split = bytes.find('\0');
    const std::string xlsx = tw::fuzz::scratch_file(".xlsx");
    write_workbook(xlsx, {{"xl/workbook.xml",
                           "<workbook><sheets><sheet name=\"S\" r:id=\"r1\" xmlns:r=\"urn:r\"/>"
                           "</sheets></workbook>"},
                          {"xl/_rels/workbook.xml.rels",
                           "<Relationships><Relationship Id=\"r1\" Target=\"sheet.xml\"/>"
                           "</Relationships>"},
                          {"xl/sheet.xml", bytes.substr(0, split)},
                          {"xl/sharedStrings.xml",
                           split == std::string_view::npos ? "" : bytes.substr(split + 1)}});
    read_workbook(xlsx);
    const std::string ods = tw::fuzz::scratch_file(".ods");
    write_workbook(ods, {{"content.xml", bytes}});
    read_workbook(ods);
    return 0;
}
