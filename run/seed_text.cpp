#include "run/seed_text.h"

#include <charconv>

namespace tw {

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

}  // namespace

SeedEntry read_seed_text(const std::string& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && is_blank(text[begin])) ++begin;
    while (end > begin && is_blank(text[end - 1])) --end;
    if (begin == end) return {SeedSource::Clock, 0};

    SeedEntry entry{SeedSource::Typed, 0};
    const char* first = text.data() + begin;
    const char* last = text.data() + end;
    // from_chars takes no sign, so "-3" and "+3" are refused here too.
    const auto [stop, error] = std::from_chars(first, last, entry.value);
    if (error != std::errc() || stop != last) return {SeedSource::Invalid, 0};
    return entry;
}

SeedEntry chosen_seed(const RunSettings& settings) {
    if (settings.random_seed != 0) return {SeedSource::Typed, settings.random_seed};
    return read_seed_text(settings.seed_text);
}

std::string seed_problem_message(const std::string& text) {
    return "The random seed \"" + text +
           "\" is not a whole number. Leave \"Random seed (blank: from the clock):\" blank to "
           "seed the bootstrap from the clock, or enter a whole number such as 1234 to repeat "
           "a test, and run the analysis again.";
}

}  // namespace tw
