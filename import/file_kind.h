#pragma once
// What a chosen file is, from its first bytes, before any reader parses it:
// a PDF or a picture chosen as a table would otherwise be read as text and
// fail on some line far into the garbage, which tells the user nothing.
// Also the hint a row-length fault gets when a decimal comma explains it.

#include <string>
#include <string_view>

#include "import/delimited_text.h"

namespace tw::import {

enum class FileKind {
    Text,         // anything a delimited-text reader may try
    Workbook,     // an .xlsx or .ods workbook (a zip holding a spreadsheet)
    OldWorkbook,  // a binary .xls workbook of older spreadsheet programs
    Pdf,
    Image,     // PNG, JPEG, GIF or TIFF
    OtherZip,  // a zip archive that is not a workbook
    Binary,    // bytes that are not text
};

// `head` is the start of the file (a few kilobytes or the whole file).
FileKind file_kind(std::string_view head);

// Throws ImportError naming `path` and what it is, for a file no table
// reader can use; returns for text and workbooks.
void refuse_non_table(const std::string& path, std::string_view head);

// `message` for a row-length fault in `text` split at `separator`, with a
// note when the separator is the comma and the text has numbers with a
// decimal comma ("3,5") that would explain the extra cells.
std::string with_decimal_comma_hint(const std::string& message, std::string_view text,
                                    Separator separator);

}  // namespace tw::import
