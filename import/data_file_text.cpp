#include "import/data_file_text.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "import/import_error.h"

namespace tw::import {

namespace {

std::string quoted(const std::string& s) {
    return "\"" + s + "\"";
}

}  // namespace

std::string data_file_text(const ImportedTable& imported) {
    const SpeciesTable& t = imported.table;
    const std::string eol = "\r\n";
    std::string out = quoted(t.title) + eol;
    out += std::to_string(t.stations.size()) + ", " + std::to_string(t.species.size()) + eol;
    // The reader skips this heading; the program's own files all say STATION.
    out += quoted("STATION");
    for (const auto& s : t.species) out += "," + quoted(s);
    out += eol;
    for (std::size_t i = 0; i < t.stations.size(); ++i) {
        out += quoted(t.stations[i]);
        for (const auto& v : t.values[i]) out += " " + v;
        out += eol;
    }
    out += std::to_string(imported.group_sizes.size()) + eol;
    if (!imported.group_sizes.empty()) {
        std::string sizes;
        for (int n : imported.group_sizes) sizes += (sizes.empty() ? "" : " ") + std::to_string(n);
        out += sizes + eol;
    }
    return out;
}

void save_data_file(const std::string& path, const std::string& text,
                    const std::string& table_path) {
    save_import_file(path, text, table_path, "data file");
}

void save_import_file(const std::string& path, const std::string& text,
                      const std::string& table_path, const std::string& what) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::exists(path, ec) && fs::equivalent(path, table_path, ec)) {
        throw ImportError("The " + what + " \"" + path +
                          "\" is the table itself; choose another name so that the table is kept.");
    }
    const std::string temp = path + ".part";
    {
        std::ofstream file(temp, std::ios::binary | std::ios::trunc);
        file << text;
        file.close();
        if (!file) {
            fs::remove(temp, ec);
            throw ImportError("The " + what + " \"" + path + "\" could not be written.");
        }
    }
    fs::rename(temp, path, ec);
    if (ec) {
        fs::remove(temp, ec);
        throw ImportError("The " + what + " \"" + path +
                          "\" could not be written: " + ec.message() + ".");
    }
}

}  // namespace tw::import
