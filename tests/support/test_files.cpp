#include "support/test_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace tw::test {

std::string write_input_file(const std::string& name, const std::string& contents) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string folder = "tarnwick-tests";
    if (info) folder += std::string("/") + info->test_suite_name() + "." + info->name();
    const auto dir = std::filesystem::temp_directory_path() / folder;
    std::filesystem::create_directories(dir);
    const auto path = dir / name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << contents;
    return path.string();
}

std::string bytes_of(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::string examples_dir() {
    const char* env = std::getenv("TARNWICK_EXAMPLES");
    return env ? env : "examples";
}

}  // namespace tw::test
