#include "bootstrap/siglist.h"

namespace tw {

void append_siglist_line(RunContext& ctx, Host& host, std::int32_t link, const std::string& sig) {
    const int channel = ctx.channels.open_next(host, kSigListFile, OpenMode::Append);
    ctx.channels.at(channel).num(link).zone().text(sig).end();
    ctx.channels.close(channel);
}

}  // namespace tw
