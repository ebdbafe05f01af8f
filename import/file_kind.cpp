#include "import/file_kind.h"

#include <algorithm>
#include <cctype>

#include "import/import_error.h"

namespace tw::import {

namespace {

bool starts(std::string_view head, std::string_view magic) {
    return head.substr(0, magic.size()) == magic;
}

bool contains(std::string_view head, std::string_view what) {
    return head.find(what) != std::string_view::npos;
}

// UTF-16 text has a zero in every other byte; the text decoder reads it.
bool looks_utf16(std::string_view head) {
    if (starts(head, "\xFF\xFE") || starts(head, "\xFE\xFF")) return true;
    const std::size_t n = std::min<std::size_t>(head.size(), 512) & ~std::size_t{1};
    if (n < 4) return false;
    std::size_t even = 0, odd = 0;
    for (std::size_t i = 0; i < n; i += 2) {
        even += head[i] == '\0';
        odd += head[i + 1] == '\0';
    }
    return std::max(even, odd) * 2 >= n / 2 && std::min(even, odd) == 0;
}

bool looks_binary(std::string_view head) {
    const std::string_view sample = head.substr(0, 8192);
    if (sample.empty() || looks_utf16(sample)) return false;
    std::size_t control = 0;
    for (char ch : sample) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == 0) return true;
        if (c < 32 && c != '\t' && c != '\n' && c != '\r' && c != '\f') ++control;
    }
    return control * 10 > sample.size();  // more than one byte in ten
}

std::string named(const std::string& path) {
    return "The file \"" + path + "\" ";
}

}  // namespace

FileKind file_kind(std::string_view head) {
    if (starts(head, "%PDF-")) return FileKind::Pdf;
    if (starts(head, "\x89PNG\r\n\x1A\n") || starts(head, "\xFF\xD8\xFF") ||
        starts(head, "GIF87a") || starts(head, "GIF89a") ||
        starts(head, std::string_view("II*\0", 4)) || starts(head, std::string_view("MM\0*", 4)))
        return FileKind::Image;
    if (starts(head, "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1")) return FileKind::OldWorkbook;
    if (starts(head, "PK\x03\x04")) {
        // The entries' names are in the local headers near the start.
        const bool workbook = contains(head, "[Content_Types].xml") || contains(head, "xl/") ||
                              contains(head, "opendocument.spreadsheet");
        return workbook ? FileKind::Workbook : FileKind::OtherZip;
    }
    return looks_binary(head) ? FileKind::Binary : FileKind::Text;
}

void refuse_non_table(const std::string& path, std::string_view head) {
    switch (file_kind(head)) {
        case FileKind::Text:
        case FileKind::Workbook:
            return;
        case FileKind::Pdf:
            throw ImportError(named(path) +
                              "is a PDF document, not a table. Save the table from the program "
                              "that made it as a .csv, .xlsx or .ods file and choose that.");
        case FileKind::Image:
            throw ImportError(named(path) +
                              "is a picture, not a table. Choose the table the numbers are in "
                              "(.csv, .tsv, .xlsx or .ods).");
        case FileKind::OldWorkbook:
            throw ImportError(named(path) +
                              "is an older Excel workbook (.xls), which cannot be read. Save it "
                              "as .xlsx or .csv in the spreadsheet program and choose that.");
        case FileKind::OtherZip:
            throw ImportError(named(path) +
                              "is a zip archive that holds no spreadsheet. Unpack it and choose "
                              "the table inside (.csv, .tsv, .xlsx or .ods).");
        case FileKind::Binary:
            throw ImportError(named(path) +
                              "is not text and not a workbook: it holds binary data. Choose a "
                              "table saved as .csv, .tsv, .xlsx or .ods.");
    }
}

std::string with_decimal_comma_hint(const std::string& message, std::string_view text,
                                    Separator separator) {
    // Only a fault of a row's length (square_grid's message) can come of it.
    if (separator != Separator::Comma || !contains(message, " cells where the first row has "))
        return message;
    // A number with a decimal comma: a digit, a comma and a digit with no
    // space between, as "3,5" (a comma-separated table writes "3, 5" or "3,x").
    bool found = false;
    for (std::size_t i = 1; i + 1 < text.size() && !found; ++i) {
        found = text[i] == ',' && std::isdigit(static_cast<unsigned char>(text[i - 1])) &&
                std::isdigit(static_cast<unsigned char>(text[i + 1]));
    }
    if (!found) return message;
    return message +
           " The numbers may be written with a decimal comma (as 3,5): then the columns are "
           "separated by semicolons or tabs, and the separator and decimal mark chosen for this "
           "table should say so.";
}

}  // namespace tw::import
