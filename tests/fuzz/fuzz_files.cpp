#include "fuzz_files.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace tw::fuzz {

namespace {

// Made afresh each time rather than kept in a static string: the exit
// handler that removes the files runs after static destructors.
std::string scratch_path(const std::string& extension) {
    return (std::filesystem::temp_directory_path() /
            ("tarnwick_fuzz_" + std::to_string(::getpid()) + extension))
        .string();
}

void remove_scratch_files() {
    for (const char* extension : {".txt", ".xlsx", ".ods"})
        std::remove(scratch_path(extension).c_str());
}

}  // namespace

std::string scratch_file(const std::string& extension) {
    static const bool removed_at_exit = std::atexit(remove_scratch_files) == 0;
    (void)removed_at_exit;
    return scratch_path(extension);
}

std::string write_scratch_file(const std::uint8_t* data, std::size_t size,
                               const std::string& extension) {
    const std::string path = scratch_file(extension);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.close();
    if (!out) fail("cannot write the scratch file " + path);
    return path;
}

void fail(const std::string& what) {
    std::fprintf(stderr, "\n*** %s\n", what.c_str());
    std::abort();
}

}  // namespace tw::fuzz
