// Office Open XML workbooks: xl/workbook.xml names the sheets and points
// through xl/_rels/workbook.xml.rels to each sheet's XML; text cells hold an
// index into xl/sharedStrings.xml.

#include <QXmlStreamReader>
#include <map>
#include <memory>

#include "import/import_error.h"
#include "import/workbook/sheet_readers.h"

namespace tw::import {

namespace {

std::unique_ptr<PartDevice> part(ZipEntries& zip, const QString& name) {
    auto device = zip.open(name);
    if (!device) {
        throw ImportError("The workbook has no readable part \"" + name.toStdString() +
                          "\"; it may be damaged.");
    }
    return device;
}

// Far more than the texts of any table the program takes (labels of 10000
// stations and 32767 species), and than a whole workbook of them needs.
constexpr std::size_t kMaxSharedStrings = 1'000'000;
constexpr std::size_t kMaxSharedTextBytes = std::size_t{64} << 20;

struct SheetEntry {
    std::string name;
    QString rel_id;
};

std::vector<SheetEntry> sheet_entries(ZipEntries& zip) {
    const auto book = part(zip, "xl/workbook.xml");
    QXmlStreamReader xml(book.get());
    std::vector<SheetEntry> sheets;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != u"sheet") continue;
        QString id;
        for (const auto& a : xml.attributes()) {
            if (a.name() == u"id") id = a.value().toString();
        }
        sheets.push_back({xml.attributes().value("name").toString().toStdString(), id});
    }
    check_part(xml, *book);
    return sheets;
}

QString sheet_part(ZipEntries& zip, const QString& rel_id) {
    const auto rels = part(zip, "xl/_rels/workbook.xml.rels");
    QXmlStreamReader xml(rels.get());
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != u"Relationship") continue;
        if (xml.attributes().value("Id") != rel_id) continue;
        QString target = xml.attributes().value("Target").toString();
        return target.startsWith('/') ? target.mid(1) : "xl/" + target;
    }
    check_part(xml, *rels);
    throw ImportError("The workbook does not say where its sheet is stored; it may be damaged.");
}

// Every <t> of a shared string, rich-text runs joined; phonetic guides left out.
std::vector<std::string> shared_strings(ZipEntries& zip) {
    std::vector<std::string> strings;
    const auto table = zip.open("xl/sharedStrings.xml");
    if (!table) return strings;
    QXmlStreamReader xml(table.get());
    int phonetic = 0;
    std::size_t text_bytes = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == u"si") {
                if (!strings.empty()) table->credit_cell(strings.back().size());
                strings.emplace_back();
            }
            if (xml.name() == u"rPh") ++phonetic;
            if (xml.name() == u"t" && phonetic == 0 && !strings.empty()) {
                const std::string run = xml.readElementText().toStdString();
                strings.back() += run;
                text_bytes += run.size();
            }
            if (strings.size() > kMaxSharedStrings || text_bytes > kMaxSharedTextBytes) {
                throw ImportError("The workbook part \"xl/sharedStrings.xml\" holds more than " +
                                  std::to_string(kMaxSharedStrings) + " texts or " +
                                  std::to_string(kMaxSharedTextBytes >> 20) +
                                  " MB of text, far more than any table the program can take "
                                  "needs; the workbook is damaged or was built to fill the "
                                  "memory.");
            }
        } else if (xml.isEndElement() && xml.name() == u"rPh") {
            --phonetic;
        }
    }
    check_part(xml, *table);
    return strings;
}

// One <c> element: its text as the user sees it.
std::string cell_text(QXmlStreamReader& xml, const QString& type,
                      const std::vector<std::string>& strings) {
    std::string value, inline_text;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"v") {
            value = xml.readElementText().toStdString();
        } else if (xml.name() == u"is") {
            inline_text = xml.readElementText(QXmlStreamReader::IncludeChildElements).toStdString();
        } else {
            xml.skipCurrentElement();
        }
    }
    if (type == u"s") {
        bool ok = false;
        const auto i = static_cast<std::size_t>(QString::fromStdString(value).toULongLong(&ok));
        if (!ok) return {};
        return i < strings.size() ? strings[i] : std::string();
    }
    if (type == u"inlineStr") return inline_text;
    if (type == u"b") return value == "1" ? "TRUE" : "FALSE";
    return value;  // numbers, formula results, error codes such as #N/A
}

}  // namespace

std::vector<std::string> xlsx_sheet_names(ZipEntries& zip) {
    std::vector<std::string> names;
    for (const auto& s : sheet_entries(zip)) names.push_back(s.name);
    return names;
}

SheetCells read_xlsx_sheet(ZipEntries& zip, std::size_t index) {
    const auto sheets = sheet_entries(zip);
    const QString part_name = sheet_part(zip, sheets.at(index).rel_id);
    const auto strings = shared_strings(zip);
    const auto sheet = part(zip, part_name);
    QXmlStreamReader xml(sheet.get());
    SheetCells cells;
    int row = 0, column = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == u"row") {
            const auto r = xml.attributes().value("r");
            row = r.isEmpty() ? row + 1 : r.toInt();
            column = 0;
        } else if (xml.name() == u"c") {
            const auto ref = cell_reference(xml.attributes().value("r").toString().toStdString());
            column = ref.second > 0 ? ref.second : column + 1;
            if (ref.first > 0) row = ref.first;
            const QString type = xml.attributes().value("t").toString();
            std::string text = cell_text(xml, type, strings);
            if (!text.empty()) sheet->credit_cell(text.size());
            cells.put(row, column, std::move(text));
        }
    }
    check_part(xml, *sheet);
    return cells;
}

}  // namespace tw::import
