// OpenDocument spreadsheets: every sheet is a <table:table> in content.xml;
// rows and cells may stand for several identical ones through their
// "number-rows-repeated" and "number-columns-repeated" attributes.

#include <QXmlStreamReader>

#include "import/import_error.h"
#include "import/workbook/sheet_readers.h"

namespace tw::import {

namespace {

QByteArray content(ZipEntries& zip) {
    auto bytes = zip.read("content.xml");
    if (!bytes) throw ImportError("The workbook has no readable content.xml; it may be damaged.");
    return *bytes;
}

void check(const QXmlStreamReader& xml) {
    if (xml.hasError()) {
        throw ImportError("The workbook's content.xml is not readable XML: " +
                          xml.errorString().toStdString());
    }
}

int repeat_count(const QXmlStreamReader& xml, QStringView attribute) {
    for (const auto& a : xml.attributes()) {
        if (a.name() == attribute) return std::max(1, a.value().toInt());
    }
    return 1;
}

// The paragraphs of a text cell, with <text:s/> runs of blanks, joined by
// line breaks.
std::string paragraphs(QXmlStreamReader& xml) {
    QString text;
    int depth = 1, paragraphs_seen = 0;
    while (depth > 0 && !xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            ++depth;
            if (xml.name() == u"p" && paragraphs_seen++ > 0) text += '\n';
            if (xml.name() == u"s") text += QString(repeat_count(xml, u"c"), ' ');
            if (xml.name() == u"tab") text += '\t';
        } else if (xml.isEndElement()) {
            --depth;
        } else if (xml.isCharacters()) {
            text += xml.text();
        }
    }
    return text.toStdString();
}

// One cell: numbers from their office:value (full precision, decimal
// point), everything else as shown.
std::string cell_text(QXmlStreamReader& xml) {
    QString type, value, boolean;
    for (const auto& a : xml.attributes()) {
        if (a.name() == u"value-type") type = a.value().toString();
        if (a.name() == u"value") value = a.value().toString();
        if (a.name() == u"boolean-value") boolean = a.value().toString();
    }
    const std::string shown = paragraphs(xml);
    if (type == u"float" || type == u"percentage" || type == u"currency")
        return value.toStdString();
    if (type == u"boolean") return boolean == u"true" ? "TRUE" : "FALSE";
    return shown;
}

// Moves the reader to the start of the index-th <table:table>; returns its name.
void find_table(QXmlStreamReader& xml, std::size_t index) {
    std::size_t seen = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"table" && seen++ == index) return;
    }
    check(xml);
    throw ImportError("The workbook has no sheet number " + std::to_string(index + 1) + ".");
}

}  // namespace

std::vector<std::string> ods_sheet_names(ZipEntries& zip) {
    QXmlStreamReader xml(content(zip));
    std::vector<std::string> names;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != u"table") continue;
        for (const auto& a : xml.attributes()) {
            if (a.name() == u"name") names.push_back(a.value().toString().toStdString());
        }
        xml.skipCurrentElement();
    }
    check(xml);
    return names;
}

SheetCells read_ods_sheet(ZipEntries& zip, std::size_t index) {
    QXmlStreamReader xml(content(zip));
    find_table(xml, index);
    SheetCells cells;
    int row = 0, column = 0, row_repeat = 1;
    int depth = 1;
    while (depth > 0 && !xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement()) {
            --depth;
            if (xml.name() == u"table-row") row += row_repeat - 1;
            continue;
        }
        if (!xml.isStartElement()) continue;
        ++depth;
        if (xml.name() == u"table-row") {
            ++row;
            column = 0;
            row_repeat = repeat_count(xml, u"number-rows-repeated");
        } else if (xml.name() == u"table-cell" || xml.name() == u"covered-table-cell") {
            const int repeat = repeat_count(xml, u"number-columns-repeated");
            const std::string text = cell_text(xml);
            --depth;  // cell_text read the cell's end
            // A repeated row or cell with content stands for that many copies;
            // empty ones (often repeated to the sheet's edge) only move on.
            for (int r = 0; r < (text.empty() ? 0 : row_repeat); ++r) {
                for (int c = 1; c <= repeat; ++c) cells.put(row + r, column + c, text);
            }
            column += repeat;
        }
    }
    check(xml);
    return cells;
}

}  // namespace tw::import
