#pragma once
// Fusion levels as heights of a tree that grows up from its tips at 0, for
// the Newick tree and the linkage matrix. Tree readers want heights that
// grow towards the root and are not negative:
// - a distance is its own height ("level"), shifted up by the lowest level
//   when a centroid method produced levels below 0 ("level + 0.5");
// - a similarity is turned over: "1 - level" for the coefficients bounded
//   by 1, or "M - level" with M the highest level when a level exceeds 1.
// Either way the order of the levels is kept, and the record of the run
// says which conversion was used.

#include <string>
#include <vector>

namespace tw {

class LevelConversion {
  public:
    // Chooses the conversion for these levels (non-finite ones are ignored).
    static LevelConversion for_levels(const std::vector<float>& levels, bool distance);

    float height(float level) const { return distance_ ? level - base_ : base_ - level; }
    // The conversion in words, e.g. "1 - level" or "level".
    std::string description() const;

  private:
    LevelConversion(bool distance, float base) : distance_(distance), base_(base) {}
    bool distance_;
    float base_;  // subtracted from a distance, or what a similarity is subtracted from
};

}  // namespace tw
