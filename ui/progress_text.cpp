#include "ui/progress_text.h"

#include <algorithm>
#include <limits>

namespace tw::ui {

namespace {

// Under a second of work the rate is mostly start-up cost.
constexpr std::int64_t kEstimateAfterMs = 1000;

}  // namespace

QString duration_text(std::int64_t ms) {
    const std::int64_t seconds = ms < 0 ? 0 : (ms + 500) / 1000;
    const std::int64_t h = seconds / 3600;
    const std::int64_t m = seconds / 60 % 60;
    const std::int64_t s = seconds % 60;
    const QString ss = QStringLiteral("%1").arg(s, 2, 10, QLatin1Char('0'));
    if (h == 0) return QStringLiteral("%1:%2").arg(m).arg(ss);
    return QStringLiteral("%1:%2:%3").arg(h).arg(m, 2, 10, QLatin1Char('0')).arg(ss);
}

std::vector<double> cumulative_linkage_work(const std::vector<std::int32_t>& link_size,
                                            std::int32_t linkages, double stations_per_group) {
    std::vector<double> work(static_cast<std::size_t>(std::max(linkages, 0)) + 1, 0.0);
    for (std::int32_t l = 1; l <= linkages; ++l) {
        const auto at = static_cast<std::size_t>(l);
        const double groups = at < link_size.size() ? std::max(link_size[at], 2) : 2.0;
        work[at] = work[at - 1] + groups * stations_per_group + groups;
    }
    return work;
}

namespace {

// The share of the whole test's work done: whole linkages before the one
// under test, and that one's replicates done so far.
double share_done(const TestProgress& p, const std::vector<double>& work) {
    const double total = work.back();
    if (total <= 0 || p.linkages <= 0 || p.replicates_total <= 0) return 0;
    const double per_link =
        static_cast<double>(p.replicates_total) / static_cast<double>(p.linkages);
    const double links_done = static_cast<double>(p.replicates_done) / per_link;
    const auto whole =
        static_cast<std::size_t>(std::clamp(links_done, 0.0, static_cast<double>(p.linkages)));
    const double part = links_done - static_cast<double>(whole);
    const double next =
        whole < static_cast<std::size_t>(p.linkages) ? work[whole + 1] - work[whole] : 0.0;
    return (work[whole] + part * next) / total;
}

}  // namespace

QString progress_text(const TestProgress& p, std::int64_t elapsed_ms,
                      const std::vector<double>& cumulative_work) {
    QString text = QStringLiteral("Linkage %1 of %2 - %3 of %4 %5 - %6 elapsed")
                       .arg(p.linkage)
                       .arg(p.linkages)
                       .arg(p.replicates_done)
                       .arg(p.replicates_total)
                       .arg(QString::fromStdString(trials_name(p.test)))
                       .arg(duration_text(elapsed_ms));
    const std::int64_t left = p.replicates_total - p.replicates_done;
    if (left > 0 && p.replicates_done > 0 && elapsed_ms >= kEstimateAfterMs) {
        double remaining = 0;
        if (cumulative_work.size() == static_cast<std::size_t>(p.linkages) + 1) {
            const double done = share_done(p, cumulative_work);
            if (done <= 0) return text;
            remaining = static_cast<double>(elapsed_ms) * (1 - done) / done;
        } else {
            const double per_replicate =
                static_cast<double>(elapsed_ms) / static_cast<double>(p.replicates_done);
            remaining = per_replicate * static_cast<double>(left);
        }
        text += QStringLiteral(", about %1 left")
                    .arg(duration_text(static_cast<std::int64_t>(remaining)));
    }
    return text;
}

BarSteps bar_steps(const TestProgress& p) {
    constexpr std::int64_t kMax = std::numeric_limits<int>::max();
    std::int64_t total = p.replicates_total < 0 ? 0 : p.replicates_total;
    std::int64_t done =
        p.replicates_done < 0 ? 0 : (p.replicates_done > total ? total : p.replicates_done);
    std::int64_t divisor = 1;
    while (total / divisor > kMax) divisor *= 2;
    return BarSteps{static_cast<int>(total / divisor), static_cast<int>(done / divisor)};
}

}  // namespace tw::ui
