#pragma once
// The boundary between a window event and the core. Every stage started by a
// window goes through run_guarded, the one place where an early stop becomes
// what the user sees.

#include <exception>
#include <new>
#include <string>

#include "run/host.h"
#include "run/outcome.h"
#include "run/run_context.h"

namespace tw {

// A report left open part-way through a run says so in its last line, so
// that nobody takes what it holds for the whole result.
inline void mark_report_stopped(RunContext& ctx) {
    if (!ctx.channels.is_open(Channels::kReport)) return;
    if (ctx.Stage == RunStage::Idle || ctx.Stage == RunStage::Complete) return;
    Printer& report = ctx.channels.report();
    if (report.column() != 1) report.end();  // a line left part-way is ended first
    report.text(stopped_report_line(ctx.Stage)).end();
}

// Ends the program: every channel closed, then the host leaves its event loop.
inline void end_program(RunContext& ctx, Host& host) {
    try {
        mark_report_stopped(ctx);
    } catch (...) {
        // A report that cannot take one more line still gets closed.
    }
    ctx.channels.close_all();
    host.end_program();
}

// The message for a fault the program has no message of its own for.
inline std::string unexpected_fault_text(const RunContext& ctx, const std::string& detail) {
    return "The program met an unexpected fault while " + stage_description(ctx.Stage) + " (" +
           detail +
           "). The run has been stopped and its files closed; you can start a new run from "
           "the options window.";
}

// A fault that reached the entry point: the report says where it stopped,
// every file is closed, one message names what failed, and the windows stay
// usable for another run.
inline Outcome stopped_by_fault(RunContext& ctx, Host& host, const std::string& detail) {
    const std::string text = unexpected_fault_text(ctx, detail);
    try {
        mark_report_stopped(ctx);
    } catch (...) {
        // The report's own fault: it is closed below all the same.
    }
    ctx.channels.close_all();
    ctx.Stage = RunStage::Idle;
    host.ask("Program Error", text, Buttons::Ok);
    host.show(Window::Options, true);
    return Outcome::Failed;
}

template <class Stage>
Outcome run_guarded(RunContext& ctx, Host& host, Stage&& stage) {
    try {
        return stage();
    } catch (const ProgramEnd& end) {
        if (!end.reason.empty()) host.ask("TARNWICK", end.reason, Buttons::Ok);
        end_program(ctx, host);
        return Outcome::Ended;
    } catch (const RunError& error) {
        ctx.channels.close_all();  // whatever was written stays complete up to its last line
        host.ask(error.title(), error.what(), Buttons::Ok);
        return Outcome::Failed;
    } catch (const std::bad_alloc&) {
        try {
            mark_report_stopped(ctx);
        } catch (...) {
            // No memory even for that line: the report is closed all the same.
        }
        ctx.channels.close_all();
        host.ask("Memory Error",
                 "There is not enough memory for these data. Close other programs or use a "
                 "smaller data file.",
                 Buttons::Ok);
        return Outcome::Failed;
    } catch (const std::exception& fault) {
        return stopped_by_fault(ctx, host, fault.what());
    } catch (...) {
        return stopped_by_fault(ctx, host, "no description");
    }
}

}  // namespace tw
