#pragma once
// Every window of the program, once: the name scripts and tests know it by
// (its objectName), the name the core's stages show and hide it by, and how
// it is made. The window registry (window_registry.h), the driver's window
// names and the end of the program all read this table, so a new window is
// one entry here and a constructor.

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "run/host.h"

class QWidget;

namespace tw::ui {

class Session;

// Every window, in the order a run meets them.
enum class WindowId {
    Start,        // "Form1"
    Options,      // "Form2", "I/O and Data Options"
    Method,       // "Form3", "Similarity Index and Linkage Method"
    Dendrogram,   // "Form4"
    Results,      // "FORM5", "Messages & Linkage Table"
    DataCheck,    // "Checking Input Data File ..."
    Report,       // the report in the "Screen" output mode
    RunReport,    // the report of the run, from the results window's "Report..."
    Explanation,  // what makes each cluster
};
inline constexpr std::size_t kWindowCount = 9;

enum class Making {
    OnFirstUse,  // made when first needed (also by the core showing it), then kept
    EachCheck,   // a new one for every format check; it unloads itself when the check ends
    OnRequest,   // made when the user asks for it, never by the core
};

struct WindowEntry {
    WindowId id;
    const char* object_name;
    // The run's own windows: the core shows and hides them, each is placed
    // beside the options and the dendrogram when it first opens, and closing
    // the last of them ends the program. None for the windows the user opens
    // to read, which open where the window system puts them.
    std::optional<Window> core;
    Making making;
    QWidget* (*make)(Session& session);
};

// Every window, in WindowId order (kWindowCount of them).
std::span<const WindowEntry> window_table();
const WindowEntry& entry_of(WindowId id);
const WindowEntry* entry_of(Window core);
// The entry of the window whose objectName is `name`, or null.
const WindowEntry* entry_named(std::string_view name);
// Whether a window of the program has the objectName `name`.
inline bool is_window_name(std::string_view name) {
    return entry_named(name) != nullptr;
}

}  // namespace tw::ui
