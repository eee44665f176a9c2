// Extremes of the written values, and the search of the deflection inside the elements.
#include "viewer/extrema.hpp"

#include "viewer/element_field.hpp"

#include <algorithm>
#include <cmath>
#include <vector>

namespace viewer {

namespace {

/// Samples along each side of an element before the search zooms in.
constexpr int kSearchGrid = 8;
/// Elements whose best sample comes nearest to the extreme are searched further.
constexpr int kSearchedElements = 8;
/// Zoom steps of the search; each shrinks the searched square to kZoom of its size.
constexpr int kZoomSteps = 12;
constexpr double kZoom = 0.4;

class Collector {
  public:
    void offer(double value, XY at) {
        if (!found_ || value < result_.min.value) result_.min = {value, at};
        if (!found_ || value > result_.max.value) result_.max = {value, at};
        found_ = true;
    }
    bool found() const { return found_; }
    Extremes& result() { return result_; }

  private:
    bool found_ = false;
    Extremes result_;
};

struct Sample {
    double value = 0;
    double x = 0, y = 0; ///< local [m]
    int element = 0;
};

XY global(const ResultSet& r, const Sample& s) {
    const XY& c1 = r.corner(s.element, 0);
    return {c1.x + s.x, c1.y + s.y};
}

// Zooms in on the best sample: sign +1 searches a maximum, -1 a minimum.
Sample refine(const DeflectionPatch& patch, double factor, Sample best, double sign) {
    double hx = patch.lx() / kSearchGrid, hy = patch.ly() / kSearchGrid;
    for (int step = 0; step < kZoomSteps; ++step) {
        const Sample centre = best;
        for (int i = -2; i <= 2; ++i)
            for (int j = -2; j <= 2; ++j) {
                const double x = std::clamp(centre.x + hx * i / 2, 0.0, patch.lx());
                const double y = std::clamp(centre.y + hy * j / 2, 0.0, patch.ly());
                const double v = factor * patch.at(x, y);
                if (sign * (v - best.value) > 0) best = {v, x, y, centre.element};
            }
        hx *= kZoom;
        hy *= kZoom;
    }
    return best;
}

// The deflection or the soil pressure: written nodal values first, then the elements' insides.
void hermiteExtremes(const ResultSet& r, Quantity q, Collector& c) {
    const bool soil = q == Quantity::Soil;
    auto factor = [&](int e) { return soil ? r.element(e).bedding : 1.0; };
    if (soil) {
        for (int e = 1; e <= r.elementCount(); ++e)
            for (int k = 0; k < 4; ++k)
                c.offer(factor(e) * r.nodeResults[r.element(e).node[k]][node_column::kW],
                        r.corner(e, k));
    } else {
        std::vector<bool> used(static_cast<std::size_t>(r.nodeCount()) + 1, false);
        for (int e = 1; e <= r.elementCount(); ++e)
            for (int n : r.element(e).node)
                used[n] = true;
        for (int j = 1; j <= r.nodeCount(); ++j)
            if (used[j]) c.offer(r.nodeResults[j][node_column::kW], r.node(j).at);
    }
    if (!c.found()) return;

    std::vector<Sample> highs, lows;
    for (int e = 1; e <= r.elementCount(); ++e) {
        const DeflectionPatch patch(r, e);
        std::vector<double> xs(kSearchGrid + 1), ys(kSearchGrid + 1);
        for (int i = 0; i <= kSearchGrid; ++i) {
            xs[i] = patch.lx() * i / kSearchGrid;
            ys[i] = patch.ly() * i / kSearchGrid;
        }
        const auto grid = patch.grid(xs, ys);
        Sample high{-1e300, 0, 0, e}, low{1e300, 0, 0, e};
        for (int j = 0; j <= kSearchGrid; ++j)
            for (int i = 0; i <= kSearchGrid; ++i) {
                const double v = factor(e) * grid[j * (kSearchGrid + 1) + i];
                if (v > high.value) high = {v, xs[i], ys[j], e};
                if (v < low.value) low = {v, xs[i], ys[j], e};
            }
        highs.push_back(high);
        lows.push_back(low);
    }
    const auto byValue = [](const Sample& a, const Sample& b) { return a.value > b.value; };
    const std::size_t searched = std::min<std::size_t>(kSearchedElements, highs.size());
    std::partial_sort(highs.begin(), highs.begin() + searched, highs.end(), byValue);
    std::partial_sort(lows.begin(), lows.begin() + searched, lows.end(),
                      [&](const Sample& a, const Sample& b) { return byValue(b, a); });

    Extremes& result = c.result();
    const double size = std::max(std::fabs(result.min.value), std::fabs(result.max.value));
    const double gain = kInteriorGain * size;
    for (std::size_t k = 0; k < searched; ++k) {
        const Sample high =
            refine(DeflectionPatch(r, highs[k].element), factor(highs[k].element), highs[k], 1.0);
        if (high.value > result.max.value + gain) result.max = {high.value, global(r, high)};
        const Sample low =
            refine(DeflectionPatch(r, lows[k].element), factor(lows[k].element), lows[k], -1.0);
        if (low.value < result.min.value - gain) result.min = {low.value, global(r, low)};
    }
}

void writtenExtremes(const ResultSet& r, Quantity q, Collector& c) {
    std::vector<bool> used(static_cast<std::size_t>(r.nodeCount()) + 1, false);
    for (int e = 1; e <= r.elementCount(); ++e)
        for (int n : r.element(e).node)
            used[n] = true;
    for (int j = 1; j <= r.nodeCount(); ++j)
        if (used[j]) c.offer(nodeValue(r, q, j), r.node(j).at);
    for (int e = 1; e <= r.elementCount(); ++e) {
        c.offer(centreValue(r, q, e), pointOf(r, e, {0.5, 0.5}));
        if (hasQuarterValues(q))
            for (int k = 0; k < 4; ++k)
                c.offer(quarterValue(r, q, e, k), pointOf(r, e, kQuarterPoints[k]));
    }
}

} // namespace

std::optional<Extremes> extremaOf(const ResultSet& r, Quantity q) {
    Collector c;
    switch (q) {
    case Quantity::W:
    case Quantity::Soil:
        hermiteExtremes(r, q, c);
        break;
    case Quantity::Mxx:
    case Quantity::Myy:
    case Quantity::Mxy:
    case Quantity::M1:
    case Quantity::M2:
    case Quantity::Qx:
    case Quantity::Qy:
        writtenExtremes(r, q, c);
        break;
    case Quantity::Reactions:
        for (int j = 1; j <= r.nodeCount(); ++j)
            if (r.hasReaction(j)) c.offer(r.reactions[j][0], r.node(j).at);
        break;
    }
    if (!c.found()) return std::nullopt;
    return c.result();
}

} // namespace viewer
