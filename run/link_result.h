#pragma once
// What a significance test found at each linkage of the observed hierarchy:
// one result that the bootstrap and the similarity profile test each fill
// and that every output reads (the grid, the figure, the exports, the run
// record, the methods paragraph). No output works a P or a verdict out again
// from a test's working state.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tw {

enum class SignificanceTest : std::int8_t {
    Bootstrap,          // replicate groups resampled from the linkage's pooled stations
    SimilarityProfile,  // species shuffled among the objects under the linkage
};

enum class Verdict : std::int8_t {
    NotReached,           // not tested: no test yet, or (similarity profile) inside a group
    Significant,          // P at or below alpha
    NotSignificant,       // P above alpha
    ContainsSignificant,  // bootstrap: holds a linkage already significant ("*")
    TooFewObjects,        // two stations (bootstrap pool) or two objects (profile)
    GivenUp,              // bootstrap: every replicate attempt failed, 100 in a row
    Stopped,              // the user stopped the test before it reached the linkage
};

// A verdict that comes with a P.
inline bool was_tested(Verdict v) {
    return v == Verdict::Significant || v == Verdict::NotSignificant;
}

struct LinkResult {
    Verdict verdict = Verdict::NotReached;
    // The following hold for a tested linkage only. P = count / trials: for
    // the bootstrap the replicates that joined at or beyond the observed
    // level out of its replicates; for the similarity profile test the
    // profiles as far from the mean as the real one or farther, the real one
    // included, out of the real one and its null permutations.
    double p = 0.0;
    std::int64_t count = 0;
    std::int64_t trials = 0;
    double standard_error = 0.0;      // Monte-Carlo: sqrt(P(1 - P) / trials)
    std::optional<double> statistic;  // pi of the similarity profile test
    std::int32_t objects = 0;         // groups under the linkage
};

struct TestResults {
    SignificanceTest test = SignificanceTest::Bootstrap;
    std::int32_t trials = 0;  // as set: replicates per linkage, or permutations N
    std::string alpha_text;   // as typed, for headings
    float alpha = 0.0f;       // alpha_level(alpha_text)
    std::optional<std::uint64_t> seed = {};
    unsigned threads = 0;
    std::vector<LinkResult> links = {};  // 1..NumGroups-1; empty until a test has run

    bool ran() const { return !links.empty(); }
    // The linkage's result; a NotReached one outside 1..links.
    const LinkResult& at(std::int32_t link) const;
};

// The alpha rejection level as every verdict reads its text: the leading
// number, in single precision.
float alpha_level(const std::string& alpha_text);

// The one rule of both tests: significant when 0 <= P <= alpha. A P equal to
// alpha is significant; a P or alpha that is not a number never is.
bool is_significant(double p, float alpha);

// sqrt(P(1 - P) / trials): how far another set of as many trials would
// typically move P; 0 without trials.
double p_standard_error(double p, std::int64_t trials);

// A tested linkage whose verdict more trials could change: P within two
// standard errors of alpha.
bool verdict_uncertain(const LinkResult& r, float alpha);

// The result of a tested linkage from its count and trials, with P as the
// test computed it.
LinkResult tested_link(double p, std::int64_t count, std::int64_t trials, float alpha);

// The verdict column of the report, SIGLIST.TXT and the exports: "S",
// "NS", "*" (contains a significant linkage), "N/A" (too few, given up),
// "STOPPED"; a linkage the test did not reach is "-" after the similarity
// profile test (inside a group) and blank otherwise.
std::string verdict_symbol(Verdict v, SignificanceTest test);

// "bootstrap", "similarity profile": the test's name in running text and
// in the exports.
std::string test_name(SignificanceTest test);
// "replicates", "permutations": what the test's trials are.
std::string trials_name(SignificanceTest test);

}  // namespace tw
