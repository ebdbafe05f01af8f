#include "cluster/cluster_list.h"
#include "run/array_index.h"

#include <utility>

#include "run/text_number.h"

namespace tw {

namespace {

const std::string kTaken = " ";
const std::string kNoLabel;

}  // namespace

// The box takes its number as text; a fraction such as "2.5" or a number
// followed by other characters ("3 levels") is read as its leading number
// and rounded to the nearest whole number, halves to even, the way every
// whole-number box of the program is read. Text without a number gives 0: no
// cluster list.
std::int32_t cluster_list_threshold(std::string_view savelinks_text) {
    return whole_number_setting(savelinks_text);
}

MemberTexts::MemberTexts(std::int32_t n, const std::vector<std::string>& labels)
    : n_(n < 0 ? 0 : n),
      labels_(labels),
      text_(at(n_) + 1),
      live_(at(n_) + 1, 0),
      holder_(at(n_) + 1, 0),
      joined_(at(n_) + 1, 0) {}

// A cluster's live text is found by its representative's index rather than
// by comparing the first label of each text: labels may repeat, contain
// blanks, or begin alike ("1" and "10"), and none of that may pull a wrong
// text into the new cluster.
std::string MemberTexts::take_cluster_text(std::int32_t representative) {
    const std::int32_t m = holder_[at(representative)];
    if (m == 0) return label(representative);
    holder_[at(representative)] = 0;
    live_[at(m)] = 0;
    return std::exchange(text_[at(m)], kTaken);
}

void MemberTexts::join(std::int32_t link, std::int32_t i, std::int32_t j) {
    std::string merged = take_cluster_text(i);
    merged += ' ';
    merged += take_cluster_text(j);
    text_[at(link)] = std::move(merged);
    live_[at(link)] = 1;
    holder_[at(i)] = link;
    joined_[at(i)] = 1;
    joined_[at(j)] = 1;
    links_made_ = link;
}

const std::string& MemberTexts::text(std::int32_t link) const {
    return text_[at(link)];
}

bool MemberTexts::is_live(std::int32_t link) const {
    return live_[at(link)] != 0;
}

bool MemberTexts::joined(std::int32_t station) const {
    return joined_[at(station)] != 0;
}

const std::string& MemberTexts::label(std::int32_t station) const {
    return at(station) < labels_.size() ? labels_[at(station)] : kNoLabel;
}

void write_cluster_level_block(Printer& out, const MemberTexts& texts) {
    const std::string stars(30, '*');
    const std::int32_t clusters = texts.stations() - texts.links_made();
    out.text(stars).end();
    out.text("*").tab(10).num(clusters).tab(15).text("CLUSTER LEVEL").tab(30).text("*").end();
    out.text(stars).end();
    for (std::int32_t m = 1; m <= texts.links_made(); ++m) {
        if (texts.is_live(m)) out.text(texts.text(m)).end();
    }
    for (std::int32_t s = 1; s <= texts.stations(); ++s) {
        if (!texts.joined(s)) out.text(texts.label(s)).end();
    }
    out.text(" ").end();
}

}  // namespace tw
