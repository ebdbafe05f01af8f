// OpenDocument spreadsheets: every sheet is a <table:table> in content.xml;
// rows and cells may stand for several identical ones through their
// "number-rows-repeated" and "number-columns-repeated" attributes.

#include <QXmlStreamReader>
#include <algorithm>
#include <memory>

#include "import/import_error.h"
#include "import/workbook/sheet_readers.h"

namespace tw::import {

namespace {

std::unique_ptr<PartDevice> content(ZipEntries& zip) {
    auto part = zip.open("content.xml");
    if (!part) throw ImportError("The workbook has no readable content.xml; it may be damaged.");
    return part;
}

// Sheets are commonly repeated out to the spreadsheet's edge (a million
// rows); any count beyond the sheet limits reads as one past them, which
// keeps the running row and column far from overflowing.
int repeat_count(const QXmlStreamReader& xml, QStringView attribute) {
    for (const auto& a : xml.attributes()) {
        if (a.name() == attribute) return std::clamp(a.value().toInt(), 1, kMaxSheetColumns + 1);
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
// Typed cells (numbers and text alike carry office:value-type) earn their
// part the room they need, in every sheet the reader passes.
void credit_typed_cell(const QXmlStreamReader& xml, PartDevice& part) {
    if (xml.name() == u"table-cell" &&
        xml.attributes().hasAttribute("urn:oasis:names:tc:opendocument:xmlns:office:1.0",
                                      "value-type")) {
        part.credit_cell(0);
    }
}

// Moves the reader to the start of the index-th <table:table>.
void find_table(QXmlStreamReader& xml, PartDevice& part, std::size_t index) {
    std::size_t seen = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == u"table" && seen++ == index) return;
        credit_typed_cell(xml, part);
    }
    check_part(xml, part);
    throw ImportError("The workbook has no sheet number " + std::to_string(index + 1) + ".");
}

// Rows and columns past the sheet limits count no further, so that endless
// empty repeats cannot overflow the count; a cell with content out there is
// refused all the same.
constexpr int kFarOut = 1 << 24;

}  // namespace

std::vector<std::string> ods_sheet_names(ZipEntries& zip) {
    const auto part = content(zip);
    QXmlStreamReader xml(part.get());
    std::vector<std::string> names;
    int tables_open = 0;  // a table inside a cell is no sheet
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == u"table") --tables_open;
        if (!xml.isStartElement()) continue;
        credit_typed_cell(xml, *part);
        if (xml.name() != u"table" || tables_open++ > 0) continue;
        for (const auto& a : xml.attributes()) {
            if (a.name() == u"name") names.push_back(a.value().toString().toStdString());
        }
    }
    check_part(xml, *part);
    return names;
}

SheetCells read_ods_sheet(ZipEntries& zip, std::size_t index) {
    const auto part = content(zip);
    QXmlStreamReader xml(part.get());
    find_table(xml, *part, index);
    SheetCells cells;
    int row = 0, column = 0, row_repeat = 1;
    int depth = 1;
    while (depth > 0 && !xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement()) {
            --depth;
            if (xml.name() == u"table-row") row = std::min(row + row_repeat - 1, kFarOut);
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
            // The far corner goes first, so that copies beyond the limits are
            // refused before any of them is made.
            if (!text.empty()) {
                part->credit_cell(text.size());
                cells.put(row + row_repeat - 1, column + repeat, text);
            }
            for (int r = 0; r < (text.empty() ? 0 : row_repeat); ++r) {
                for (int c = 1; c <= repeat; ++c) cells.put(row + r, column + c, text);
            }
            column = std::min(column + repeat, kFarOut);
        }
    }
    check_part(xml, *part);
    return cells;
}

}  // namespace tw::import
