#pragma once
// The choices a user makes about a publication figure, filled alike by the
// dendrogram window's "Figure options" dialog and by the batch command's
// --figure-* options, so that both draw the same figure.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tw {

// Which tree is drawn: every object by name, or each cluster as one tip.
enum class FigureView { Names, Clusters };

// Which nodes carry their P.
enum class PShown { All, Significant, None };

// Where the leaves stand. Down falls back to Left for a tree whose labels
// cannot stand side by side at the smallest size.
enum class LeafSide { Down, Left };

enum class ColourScheme { Colour, Greyscale };

struct FigureOptions {
    std::string title;  // empty: the data title
    FigureView view = FigureView::Names;
    PShown p_shown = PShown::All;
    LeafSide leaf_side = LeafSide::Down;
    ColourScheme colours = ColourScheme::Colour;
    double label_size = 0;  // largest leaf label size in points; 0 lets the page decide
    int tip_labels = 0;     // clusters view: how many member names follow each tip
    bool cut_line = true;   // where one level separates every cluster from the next
    int dpi = 300;          // pixels per inch of a PNG

    friend bool operator==(const FigureOptions&, const FigureOptions&) = default;
};

// The words that name each choice on the command line, one table a choice.
template <typename E>
struct ChoiceName {
    E value;
    const char* word;
};

std::span<const ChoiceName<FigureView>> figure_view_names();
std::span<const ChoiceName<PShown>> p_shown_names();
std::span<const ChoiceName<LeafSide>> leaf_side_names();

template <typename E>
std::optional<E> choice_named(std::span<const ChoiceName<E>> table, std::string_view word) {
    for (const ChoiceName<E>& c : table)
        if (word == c.word) return c.value;
    return std::nullopt;
}

// "names|clusters": the words of a table for a usage line.
template <typename E>
std::string choice_words(std::span<const ChoiceName<E>> table) {
    std::string out;
    for (const ChoiceName<E>& c : table) {
        if (!out.empty()) out += '|';
        out += c.word;
    }
    return out;
}

}  // namespace tw
