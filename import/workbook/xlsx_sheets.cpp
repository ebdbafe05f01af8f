// Office Open XML workbooks: xl/workbook.xml names the sheets and points
// through xl/_rels/workbook.xml.rels to each sheet's XML; text cells hold an
// index into xl/sharedStrings.xml.

#include <QXmlStreamReader>
#include <map>

#include "import/import_error.h"
#include "import/workbook/sheet_readers.h"

namespace tw::import {

namespace {

QByteArray entry(ZipEntries& zip, const QString& name) {
    auto bytes = zip.read(name);
    if (!bytes) {
        throw ImportError("The workbook has no readable part \"" + name.toStdString() +
                          "\"; it may be damaged.");
    }
    return *bytes;
}

void check(const QXmlStreamReader& xml, const QString& part) {
    if (xml.hasError()) {
        throw ImportError("The workbook part \"" + part.toStdString() +
                          "\" is not readable XML: " + xml.errorString().toStdString());
    }
}

struct SheetEntry {
    std::string name;
    QString rel_id;
};

std::vector<SheetEntry> sheet_entries(ZipEntries& zip) {
    QXmlStreamReader xml(entry(zip, "xl/workbook.xml"));
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
    check(xml, "xl/workbook.xml");
    return sheets;
}

QString sheet_part(ZipEntries& zip, const QString& rel_id) {
    QXmlStreamReader xml(entry(zip, "xl/_rels/workbook.xml.rels"));
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != u"Relationship") continue;
        if (xml.attributes().value("Id") != rel_id) continue;
        QString target = xml.attributes().value("Target").toString();
        return target.startsWith('/') ? target.mid(1) : "xl/" + target;
    }
    check(xml, "xl/_rels/workbook.xml.rels");
    throw ImportError("The workbook does not say where its sheet is stored; it may be damaged.");
}

// Every <t> of a shared string, rich-text runs joined; phonetic guides left out.
std::vector<std::string> shared_strings(ZipEntries& zip) {
    std::vector<std::string> strings;
    auto bytes = zip.read("xl/sharedStrings.xml");
    if (!bytes) return strings;
    QXmlStreamReader xml(*bytes);
    int phonetic = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == u"si") strings.emplace_back();
            if (xml.name() == u"rPh") ++phonetic;
            if (xml.name() == u"t" && phonetic == 0 && !strings.empty())
                strings.back() += xml.readElementText().toStdString();
        } else if (xml.isEndElement() && xml.name() == u"rPh") {
            --phonetic;
        }
    }
    check(xml, "xl/sharedStrings.xml");
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
    const QString part = sheet_part(zip, sheets.at(index).rel_id);
    const auto strings = shared_strings(zip);
    QXmlStreamReader xml(entry(zip, part));
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
            cells.put(row, column, cell_text(xml, type, strings));
        }
    }
    check(xml, part);
    return cells;
}

}  // namespace tw::import
