// A batch run stopped with Ctrl+C (SIGINT) or by a job manager (SIGTERM)
// in the middle of its bootstrap leaves none of its staged files in the
// folder and no output under its real name, exits with 128 + the signal's
// number and says in one line what was not written.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "batch_process.h"
#include "support/test_files.h"

namespace tw::test {
namespace {

namespace fs = std::filesystem;

bool has_staged_file(const std::string& folder) {
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().filename().string().find(".tarnwick-") != std::string::npos) return true;
    }
    return false;
}

struct Interrupted {
    int status = -1;
    std::string err;
};

// Starts a bootstrap far too long to finish, waits until its outputs are
// staged, then sends `signal`.
Interrupted interrupt_batch_run(const std::string& folder, int signal) {
    const std::string data = fs::absolute(examples_dir() + "/lake_stations.txt").string();
    const std::string err = folder + "/stderr.txt";
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::chdir(folder.c_str()) != 0 || !std::freopen(err.c_str(), "w", stderr)) ::_exit(99);
        ::execl(TARNWICK_BATCH_EXE, TARNWICK_BATCH_EXE, "--report", "REPORT.TXT", "--replicates",
                "1000000", "--seed", "1", "--yes", data.c_str(), static_cast<char*>(nullptr));
        ::_exit(98);
    }
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    int raw = 0;
    bool ended = false;
    while (!has_staged_file(folder) && std::chrono::steady_clock::now() < give_up &&
           !(ended = ::waitpid(pid, &raw, WNOHANG) == pid))
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_FALSE(ended) << "the run ended before it was interrupted";
    // Into the bootstrap, where the run spends its time.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    if (!ended) {
        ::kill(pid, signal);
        ::waitpid(pid, &raw, 0);
    }
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, bytes_of(err)};
}

TEST(InterruptedRuns, LeaveNoStagedFileAndSayWhatWasNotWritten) {
    for (const int signal : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(signal);
        const std::string folder = fresh_folder(signal == SIGINT ? "sigint" : "sigterm");
        const Interrupted run = interrupt_batch_run(folder, signal);
        EXPECT_EQ(run.status, 128 + signal) << run.err;
        EXPECT_FALSE(has_staged_file(folder));
        EXPECT_FALSE(exists_in(folder, "REPORT.TXT"));
        EXPECT_FALSE(exists_in(folder, "CLUSTER.LST"));
        const std::string last_line = run.err.substr(run.err.rfind('\n', run.err.size() - 2) + 1);
        EXPECT_EQ(last_line, std::string("tarnwick-batch: ") +
                                 (signal == SIGINT ? "interrupted (SIGINT)" : "stopped (SIGTERM)") +
                                 "; not written: REPORT.TXT, CLUSTER.LST.\n");
    }
}

}  // namespace
}  // namespace tw::test
