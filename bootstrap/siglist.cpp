#include "bootstrap/siglist.h"

namespace tw {

void append_siglist_line(RunContext& ctx, Host& host, std::int32_t link, const std::string& sig) {
    append_siglist_lines(ctx, host, link, link, sig);
}

void append_siglist_lines(RunContext& ctx, Host& host, std::int32_t first, std::int32_t last,
                          const std::string& sig) {
    if (first > last) return;
    const int channel = ctx.channels.open_next(host, kSigListFile, OpenMode::Append);
    Printer& out = ctx.channels.at(channel);
    for (std::int32_t link = first; link <= last; ++link) out.num(link).zone().text(sig).end();
    ctx.channels.close(channel);
}

}  // namespace tw
