#include "cluster/linkage_report.h"

namespace tw {

namespace {

const std::string& label_of(const std::vector<std::string>& labels, std::int32_t index) {
    static const std::string none;
    const auto slot = static_cast<std::size_t>(index);
    return slot < labels.size() ? labels[slot] : none;
}

}  // namespace

void write_linkage_method_box(Printer& out, LinkageMethod method) {
    const std::string stars(40, '*');
    out.text("* * LINKAGE METHOD * *").end();
    out.tab(11).text(stars).end();
    out.tab(11).text("*").tab(20).text(method_report_text(method)).tab(50).text("*").end();
    out.tab(11).text(stars).end();
    out.text(" ").end();
}

void write_linkage_table(Printer& out, Host& host, const Workspace& w, std::int32_t n,
                         const std::vector<std::string>& labels) {
    for (std::int32_t link = 1; link < n; ++link) {
        const auto slot = static_cast<std::size_t>(link);
        out.num(link).tab(6).num(w.JoinLevel[slot]);
        out.tab(23).text(label_of(labels, w.LinkI[slot]));
        out.tab(33).text(label_of(labels, w.LinkJ[slot])).end();
        host.yield();
    }
}

}  // namespace tw
