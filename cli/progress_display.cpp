#include "cli/progress_display.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace tw::batch {

namespace {

// A terminal line is redrawn at most this often; a plain line is written at
// most this often, whatever the number of linkages.
constexpr auto kRedrawEvery = std::chrono::milliseconds(100);
constexpr auto kLineEvery = std::chrono::seconds(10);

}  // namespace

std::string clock_text(double seconds) {
    const long long s = std::llround(std::max(seconds, 0.0));
    char buffer[32];
    if (s >= 3600) {
        std::snprintf(buffer, sizeof buffer, "%lld:%02lld:%02lld", s / 3600, s / 60 % 60, s % 60);
    } else {
        std::snprintf(buffer, sizeof buffer, "%lld:%02lld", s / 60, s % 60);
    }
    return buffer;
}

std::string progress_text(const TestProgress& p, double elapsed_seconds) {
    if (p.timing)
        return "timing linkage " + std::to_string(p.linkage) + " of " + std::to_string(p.linkages) +
               " for the time left, " + clock_text(elapsed_seconds) + " elapsed";
    std::string text = "linkage " + std::to_string(p.linkage) + " of " +
                       std::to_string(p.linkages) + ", " + std::to_string(p.replicates_done) +
                       " of " + std::to_string(p.replicates_total) + " " + trials_name(p.test) +
                       ", " + clock_text(elapsed_seconds) + " elapsed";
    if (p.replicates_done > 0 && p.replicates_total >= p.replicates_done) {
        // The test's own estimate when it has one (the bootstrap learns what
        // its later, larger linkages cost); otherwise replicates alike.
        const double per_replicate = elapsed_seconds / static_cast<double>(p.replicates_done);
        const auto left = static_cast<double>(p.replicates_total - p.replicates_done);
        const double seconds =
            p.ms_left >= 0 ? static_cast<double>(p.ms_left) / 1000.0 : per_replicate * left;
        text += ", about " + clock_text(seconds) + " left";
    }
    return text;
}

std::string progress_bar(const TestProgress& p, double elapsed_seconds, int width) {
    const double share = p.replicates_total > 0
                             ? std::clamp(static_cast<double>(p.replicates_done) /
                                              static_cast<double>(p.replicates_total),
                                          0.0, 1.0)
                             : 0.0;
    const int filled = static_cast<int>(share * width);
    return "[" + std::string(static_cast<std::size_t>(filled), '#') +
           std::string(static_cast<std::size_t>(width - filled), '.') + "] " +
           progress_text(p, elapsed_seconds);
}

double ProgressDisplay::elapsed() const {
    return std::chrono::duration<double>(Clock::now() - start_).count();
}

void ProgressDisplay::update(const TestProgress& progress) {
    const Clock::time_point now = Clock::now();
    if (!started_) {
        started_ = true;
        start_ = now;
    }
    last_ = progress;
    const bool new_linkage = !progress.timing && progress.linkage != last_linkage_;
    last_linkage_ = progress.linkage;
    if (terminal_) {
        if (shown_ && !new_linkage && now - last_shown_ < kRedrawEvery) return;
        // Blanks after the text wipe the end of a longer earlier line.
        out_ << '\r' << progress_bar(progress, elapsed()) << "   " << std::flush;
        line_open_ = true;
    } else {
        if (shown_ && now - last_shown_ < kLineEvery) return;
        out_ << progress_text(progress, elapsed()) << '\n' << std::flush;
    }
    shown_ = true;
    last_shown_ = now;
}

void ProgressDisplay::break_line() {
    if (!line_open_) return;
    out_ << '\n' << std::flush;
    line_open_ = false;
}

void ProgressDisplay::finish(bool completed) {
    if (!started_) return;
    if (!completed) {
        break_line();  // the last bar stays as it was
        return;
    }
    TestProgress done = last_;
    done.replicates_done = done.replicates_total;
    done.linkage = done.linkages;
    if (terminal_) {
        out_ << (line_open_ ? "\r" : "") << progress_bar(done, elapsed()) << "   \n" << std::flush;
        line_open_ = false;
    } else {
        out_ << progress_text(done, elapsed()) << '\n' << std::flush;
    }
}

}  // namespace tw::batch
