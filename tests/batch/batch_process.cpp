#include "batch_process.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "support/test_files.h"

namespace tw::test {

namespace {

namespace fs = std::filesystem;

std::string quoted(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

int shell(const std::string& command) {
    const int raw = std::system(command.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

}  // namespace

std::string fresh_folder(const std::string& name) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    fs::path dir = fs::temp_directory_path() / "tarnwick-batch-tests";
    if (info) dir /= std::string(info->test_suite_name()) + "." + info->name();
    dir /= name;
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir.string();
}

Ran run_batch(const std::string& folder, const std::vector<std::string>& args) {
    std::string command = "cd " + quoted(folder) + " && " + quoted(TARNWICK_BATCH_EXE);
    for (const std::string& a : args) command += " " + quoted(a);
    command += " >batch.out 2>batch.err </dev/null";
    Ran ran;
    ran.status = shell(command);
    ran.out = file_in(folder, "batch.out");
    ran.err = file_in(folder, "batch.err");
    fs::remove(fs::path(folder) / "batch.out");
    fs::remove(fs::path(folder) / "batch.err");
    return ran;
}

bool have_windows() {
#ifdef TARNWICK_DRIVE_EXE
    return true;
#else
    return false;
#endif
}

std::vector<std::string> run_window_scripts(const std::vector<std::string>& folders) {
    std::vector<std::string> failed;
#ifdef TARNWICK_DRIVE_EXE
    // In this test's own folder: tests may run side by side.
    const fs::path list = fs::path(fresh_folder("sessions")) / "sessions.list";
    {
        std::ofstream out(list, std::ios::trunc);
        for (const std::string& f : folders) out << f << '\n';
    }
    const std::string session = "cd \"$0\" && " + quoted(TARNWICK_DRIVE_EXE) +
                                " script.drive >drive.out 2>drive.err; echo $? >drive.status";
    shell("xargs -P 8 -a " + quoted(list.string()) + " -n 1 sh -c " + quoted(session));
    for (const std::string& f : folders) {
        if (file_in(f, "drive.status") != "0\n") {
            failed.push_back(f + ": " + file_in(f, "drive.out") + file_in(f, "drive.err"));
        }
    }
#else
    (void)folders;
#endif
    return failed;
}

std::string file_in(const std::string& folder, const std::string& name) {
    return bytes_of((fs::path(folder) / name).string());
}

bool exists_in(const std::string& folder, const std::string& name) {
    return fs::exists(fs::path(folder) / name);
}

}  // namespace tw::test
