#include "ui/progress_text.h"

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

QString progress_text(const TestProgress& p, std::int64_t elapsed_ms) {
    if (p.timing)
        return QStringLiteral("Timing linkage %1 of %2 for the time left - %3 elapsed")
            .arg(p.linkage)
            .arg(p.linkages)
            .arg(duration_text(elapsed_ms));
    QString text = QStringLiteral("Linkage %1 of %2 - %3 of %4 %5 - %6 elapsed")
                       .arg(p.linkage)
                       .arg(p.linkages)
                       .arg(p.replicates_done)
                       .arg(p.replicates_total)
                       .arg(QString::fromStdString(trials_name(p.test)))
                       .arg(duration_text(elapsed_ms));
    const std::int64_t left = p.replicates_total - p.replicates_done;
    if (left > 0 && p.replicates_done > 0 && elapsed_ms >= kEstimateAfterMs) {
        const double per_replicate =
            static_cast<double>(elapsed_ms) / static_cast<double>(p.replicates_done);
        const auto remaining =
            p.ms_left >= 0 ? p.ms_left
                           : static_cast<std::int64_t>(per_replicate * static_cast<double>(left));
        text += QStringLiteral(", about %1 left").arg(duration_text(remaining));
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
