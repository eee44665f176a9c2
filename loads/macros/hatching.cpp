// Hatch lines of slope 1 swept down across an area load, cut by its edges.
#include "loads/macros/hatching.hpp"

#include "loads/outline/polygon.hpp"

#include <algorithm>
#include <cmath>

namespace daskel {

namespace {

/// A corner closer to a hatch line than this share of the spacing lies on it.
constexpr double kOnLine = 1e-7;

struct Box {
    double xmin = 0, ymin = 0, xmax = 0, ymax = 0;
    bool empty = true;
    void add(double x, double y) {
        if (empty) {
            xmin = xmax = x;
            ymin = ymax = y;
            empty = false;
        }
        xmin = std::min(xmin, x);
        xmax = std::max(xmax, x);
        ymin = std::min(ymin, y);
        ymax = std::max(ymax, y);
    }
};

Box outlineBox(const SlabOutline& outline) {
    Box box;
    for (const BoundaryCurve& c : outline.curves)
        for (const OutlineSection& s : c.sections)
            box.add(s.xa, s.ya);
    return box;
}

Box areaBox(const AreaLoad& area) {
    Box box;
    for (const AreaCorner& c : area.corners)
        box.add(c.x, c.y);
    return box;
}

/// The x of the crossings of the line y = x + c with the polygon's edges, sorted. A corner
/// within `onLine` of the line counts as on it, so that the stepping of c does not decide by
/// round-off whether a line through a corner clips it.
std::vector<double> crossings(const AreaLoad& area, double c, double onLine) {
    std::vector<double> xs;
    const std::size_t n = area.corners.size();
    auto side = [&](const AreaCorner& p) {
        const double f = double(p.y) - p.x - c;
        return std::fabs(f) <= onLine ? 0.0 : f;
    };
    for (std::size_t j = 0; j < n && static_cast<int>(xs.size()) < kMaxHatchCrossings; ++j) {
        const AreaCorner& a = area.corners[j];
        const AreaCorner& b = area.corners[(j + 1) % n];
        // Above (> 0) or not: an end on the line goes with the side below.
        const double fa = side(a), fb = side(b);
        if ((fa > 0) == (fb > 0)) continue;
        const double t = fa / (fa - fb);
        xs.push_back(a.x + t * (double(b.x) - a.x));
    }
    std::sort(xs.begin(), xs.end());
    return xs;
}

} // namespace

std::vector<HatchSegment> hatchSegments(const AreaLoad& area, const SlabOutline& outline) {
    std::vector<HatchSegment> segments;
    const Box own = areaBox(area);
    Box slab = outlineBox(outline);
    if (slab.empty) slab = own;
    const double spacing = kHatchSpacing * std::max(slab.xmax - slab.xmin, slab.ymax - slab.ymin);
    if (own.empty || !(spacing > 0)) return segments;
    // The lines y = x + c that meet the area's box, from its upper left corner down.
    const double top = own.ymax - own.xmin, bottom = own.ymin - own.xmax;
    for (long k = 0;; ++k) {
        const double c = top - static_cast<double>(k) * spacing;
        if (c < bottom) break;
        const std::vector<double> xs = crossings(area, c, kOnLine * spacing);
        for (std::size_t i = 0; i + 1 < xs.size(); i += 2)
            // A line touching a corner from below meets it twice: nothing to draw.
            if (xs[i + 1] - xs[i] > kZeroTolerance)
                segments.push_back({static_cast<float>(xs[i]), static_cast<float>(xs[i] + c),
                                    static_cast<float>(xs[i + 1]),
                                    static_cast<float>(xs[i + 1] + c)});
    }
    return segments;
}

} // namespace daskel
