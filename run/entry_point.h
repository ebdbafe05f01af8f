#pragma once
// The boundary between a window event and the core. Every stage started by a
// window goes through run_guarded, the one place where an early stop becomes
// what the user sees.

#include <new>
#include <string>

#include "run/host.h"
#include "run/outcome.h"
#include "run/run_context.h"

namespace tw {

// Ends the program: every channel closed, then the host leaves its event loop.
inline void end_program(RunContext& ctx, Host& host) {
    ctx.channels.close_all();
    host.end_program();
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
        ctx.channels.close_all();
        host.ask("Memory Error",
                 "There is not enough memory for these data. Close other programs or use a "
                 "smaller data file.",
                 Buttons::Ok);
        return Outcome::Failed;
    }
}

}  // namespace tw
