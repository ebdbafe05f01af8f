#pragma once
// Writing an imported table as the program's own data file, laid out as a
// user would type it, so that the format check finds nothing to ask about
// and the run reads exactly the table's numbers.

#include <string>

#include "import/table_import.h"

namespace tw::import {

// The whole file, with CR LF line ends.
std::string data_file_text(const ImportedTable& imported);

// Writes the text to `path` through a temporary file in the same folder that
// is renamed when complete, so that a failed write leaves no half file and
// an existing file stays as it was. Throws ImportError naming the file.
// Refuses to write over `table_path`, the table being imported.
void save_data_file(const std::string& path, const std::string& text,
                    const std::string& table_path);

// The same for any file the import writes; `what` names it in the messages
// ("data file", "group names file").
void save_import_file(const std::string& path, const std::string& text,
                      const std::string& table_path, const std::string& what);

}  // namespace tw::import
