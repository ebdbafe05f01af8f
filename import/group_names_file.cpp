#include "import/group_names_file.h"

#include <filesystem>
#include <system_error>

#include "import/data_file_text.h"
#include "import/import_error.h"
#include "run/group_names.h"

namespace tw::import {

namespace {

std::string quoted(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

}  // namespace

std::string group_names_text(const ImportedTable& imported) {
    const SpeciesTable& t = imported.table;
    if (t.groups.empty()) return {};
    const std::string eol = "\r\n";
    std::string out =
        "station,station_label,table_row,group," + quoted(imported.summary.group_column) + eol;
    std::size_t group = 0;
    for (std::size_t i = 0; i < t.stations.size(); ++i) {
        if (i == 0 || t.groups[i] != t.groups[i - 1]) ++group;
        const int row = i < t.table_rows.size() ? t.table_rows[i] : static_cast<int>(i + 1);
        out += std::to_string(i + 1) + "," + quoted(t.stations[i]) + "," + std::to_string(row) +
               "," + std::to_string(group) + "," + quoted(t.groups[i]) + eol;
    }
    return out;
}

void save_imported_table(const std::string& data_path, const ImportedTable& imported,
                         const std::string& table_path) {
    save_data_file(data_path, data_file_text(imported), table_path);
    const std::string names_path = group_names_path(data_path);
    const std::string names = group_names_text(imported);
    if (!names.empty()) {
        save_import_file(names_path, names, table_path, "group names file");
        return;
    }
    std::error_code ec;
    if (std::filesystem::exists(names_path, ec) &&
        !std::filesystem::equivalent(names_path, table_path, ec))
        std::filesystem::remove(names_path, ec);
}

}  // namespace tw::import
