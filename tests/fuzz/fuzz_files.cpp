#include "fuzz_files.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace tw::fuzz {

namespace {

// Kept alive to the very end: the exit handler that removes the file runs
// after static destructors would have freed an ordinary static string.
const std::string& scratch_path() {
    static const std::string* const path = [] {
        const std::filesystem::path p = std::filesystem::temp_directory_path() /
                                        ("tarnwick_fuzz_" + std::to_string(::getpid()) + ".txt");
        auto* kept = new std::string(p.string());
        std::atexit([] { std::remove(scratch_path().c_str()); });
        return kept;
    }();
    return *path;
}

}  // namespace

std::string write_scratch_file(const std::uint8_t* data, std::size_t size) {
    const std::string& path = scratch_path();
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
