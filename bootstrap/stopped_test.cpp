#include "bootstrap/stopped_test.h"

#include "bootstrap/siglist.h"
#include "bootstrap/test_loop.h"
#include "run/number_format.h"

namespace tw {

namespace {

std::int32_t link_count(const RunContext& ctx) {
    return ctx.NumGroups - 1 < 0 ? 0 : ctx.NumGroups - 1;
}

}  // namespace

void mark_stopped_links(RunContext& ctx, Host& host, std::int32_t first) {
    for (std::int32_t link = first; link <= link_count(ctx); ++link) {
        const auto l = static_cast<std::size_t>(link);
        ctx.LinkStat[l] = kStoppedLink;
        if (l < ctx.LinkRedrawn.size()) ctx.LinkRedrawn[l] = Redrawn::No;
    }
    append_siglist_lines(ctx, host, first, link_count(ctx), kStoppedSymbol);
}

std::string stopped_test_note(std::int32_t first, std::int32_t links) {
    const std::string range =
        first == links ? "linkage " + integer_text(first) + " was"
                       : "linkages " + integer_text(first) + " to " + integer_text(links) + " were";
    return "The test was stopped at linkage " + integer_text(first) + " of " + integer_text(links) +
           ": " + range + " not tested.";
}

void write_stopped_note(RunContext& ctx, Host& host, std::int32_t first) {
    const std::string note = stopped_test_note(first, link_count(ctx));
    ctx.channels.report().text(note).end();
    host.link_table().text(note).end();
}

void write_stopped_identifiers_note(RunContext& ctx) {
    ctx.channels.report()
        .text(
            "The test was stopped: only the linkages tested before the stop separate "
            "the clusters.")
        .end();
}

}  // namespace tw
