#include "cli/interrupted_run.h"

#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cstring>

namespace tw::batch {

namespace {

// Fixed storage, read by the signal handler: it may not allocate, lock or
// touch a std::string that the run is changing. A slot's paths are written
// before it is marked in use and read only while it is.
constexpr int kSlots = 32;
constexpr std::size_t kPathBytes = 4096;

struct Slot {
    std::atomic<bool> in_use{false};
    char temporary[kPathBytes];
    char name[kPathBytes];
};

Slot g_slots[kSlots];
bool g_terminal = false;
const char* g_program = "tarnwick-batch";

void put(const char* text) {
    const ssize_t ignored = ::write(STDERR_FILENO, text, std::strlen(text));
    (void)ignored;
}

// Only async-signal-safe calls from here on: unlink, write, _exit.
void on_interrupt(int signal) {
    if (g_terminal) put("\n");
    put(g_program);
    put(signal == SIGINT ? ": interrupted (SIGINT)" : ": stopped (SIGTERM)");
    bool any = false;
    for (Slot& slot : g_slots) {
        if (!slot.in_use.load(std::memory_order_acquire)) continue;
        // A copy already renamed into place is gone: that output was written.
        if (::unlink(slot.temporary) != 0) continue;
        put(any ? ", " : "; not written: ");
        put(slot.name);
        any = true;
    }
    put(any ? ".\n" : "; no output was being written.\n");
    ::_exit(128 + signal);
}

}  // namespace

void remove_staged_files_on_interrupt(bool terminal, const char* program) {
    g_terminal = terminal;
    g_program = program;
    struct sigaction action {};
    action.sa_handler = on_interrupt;
    sigemptyset(&action.sa_mask);
    // The other signal waits while one is handled, so the folder is cleaned once.
    sigaddset(&action.sa_mask, SIGINT);
    sigaddset(&action.sa_mask, SIGTERM);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
}

int register_staged_file(const std::string& temporary, const std::string& name) {
    if (temporary.size() >= kPathBytes || name.size() >= kPathBytes) return -1;
    for (int i = 0; i < kSlots; ++i) {
        Slot& slot = g_slots[i];
        if (slot.in_use.load(std::memory_order_relaxed)) continue;
        std::memcpy(slot.temporary, temporary.c_str(), temporary.size() + 1);
        std::memcpy(slot.name, name.c_str(), name.size() + 1);
        slot.in_use.store(true, std::memory_order_release);
        return i;
    }
    return -1;
}

void unregister_staged_file(int slot) {
    if (slot >= 0 && slot < kSlots) g_slots[slot].in_use.store(false, std::memory_order_release);
}

}  // namespace tw::batch
