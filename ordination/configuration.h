#pragma once
// Points of an ordination: `objects` points in `dimensions` axes, stored
// point by point (x[i * dimensions + a] is object i on axis a).

#include <cstdint>
#include <vector>

namespace tw {

struct Configuration {
    std::int32_t objects = 0;
    std::int32_t dimensions = 2;
    std::vector<double> x;

    Configuration() = default;
    Configuration(std::int32_t n, std::int32_t k)
        : objects(n), dimensions(k), x(static_cast<std::size_t>(n) * static_cast<std::size_t>(k)) {}

    double& at(std::int32_t i, std::int32_t a) { return x[index(i, a)]; }
    double at(std::int32_t i, std::int32_t a) const { return x[index(i, a)]; }
    double distance(std::int32_t i, std::int32_t j) const;

  private:
    std::size_t index(std::int32_t i, std::int32_t a) const {
        return static_cast<std::size_t>(i) * static_cast<std::size_t>(dimensions) +
               static_cast<std::size_t>(a);
    }
};

// Moves the centroid to the origin.
void centre(Configuration& c);

// Turns a centred configuration to its principal axes: the first axis
// carries the most spread. Each axis points so that the object farthest
// along it lies on its positive side, so the same solution always comes out
// the same way round.
void rotate_to_principal_axes(Configuration& c);

// How closely two configurations of the same objects agree once one is
// turned, reflected and scaled onto the other, as vegan's symmetric
// Procrustes analysis measures it: both are centred and scaled to unit sum
// of squares first.
struct ProcrustesFit {
    double correlation = 0;   // sqrt(1 - residual sum of squares)
    double rmse = 0;          // root mean squared distance between matched points
    double max_residual = 0;  // largest distance between matched points
};
ProcrustesFit procrustes(const Configuration& a, const Configuration& b);

}  // namespace tw
