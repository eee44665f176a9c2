// The perspective of the deformed slab: element patches sampled from the Hermite interpolation,
// projected through a camera and painted farthest first.
#include "scene/deformed_view.hpp"

#include "common/format.hpp"
#include "scene/colour_scale.hpp"
#include "viewer/element_field.hpp"
#include "viewer/outline.hpp"

#include <algorithm>
#include <cmath>

namespace scene {

namespace {

constexpr double kPi = 3.141592653589793;
/// Patches of the whole surface at the most, and per element side.
constexpr int kPatchBudget = 12000, kMaxPatchCells = 8;

struct Projection {
    double cx, cy;         ///< the slab's centre
    double ca, sa, ce, se; ///< cosines and sines of azimuth and elevation
    double eye;            ///< distance of the eye [m]
    double lift;           ///< metres of height per metre of deflection (negative: w is down)

    /// The projected point and its depth along the line of sight.
    std::pair<Point, double> operator()(double x, double y, double w) const {
        const double px = x - cx, py = y - cy, z = lift * w;
        // Turned about the vertical axis, then seen from the front and above.
        const double right = px * ca - py * sa;
        const double ahead = px * sa + py * ca;
        const double depth = eye + ahead * ce - z * se;
        const double up = ahead * se + z * ce;
        const double f = eye / std::max(depth, 1e-9 * eye);
        return {{right * f, up * f}, depth};
    }
};

struct Patch {
    std::vector<Point> points;
    Color fill;
    double depth;
    int element;
};

int patchCells(int elementCount, int subdivisions) {
    if (subdivisions > 0) return subdivisions;
    const double perElement = double(kPatchBudget) / std::max(1, elementCount);
    return std::clamp(static_cast<int>(std::sqrt(perElement)), 1, kMaxPatchCells);
}

// n x n patches per element, coloured by w on a scale without steps: bands on a curved surface
// would look like terraces.
std::vector<Patch> surfacePatches(const viewer::ResultSet& r, const Projection& project,
                                  const viewer::Levels& levels, int n) {
    std::vector<Patch> patches;
    const double range = levels.max - levels.min;
    for (int e = 1; e <= r.elementCount(); ++e) {
        const viewer::DeflectionPatch patch(r, e);
        const viewer::XY c1 = r.corner(e, 0);
        for (int j = 0; j < n; ++j)
            for (int i = 0; i < n; ++i) {
                Patch p{{}, {}, 0, e};
                const int xs[4] = {i, i + 1, i + 1, i}, ys[4] = {j, j, j + 1, j + 1};
                for (int k = 0; k < 4; ++k) {
                    const double x = patch.lx() * xs[k] / n, y = patch.ly() * ys[k] / n;
                    p.points.push_back(project(c1.x + x, c1.y + y, patch.at(x, y)).first);
                }
                const double x = patch.lx() * (i + 0.5) / n, y = patch.ly() * (j + 0.5) / n;
                const double w = patch.at(x, y);
                p.depth = project(c1.x + x, c1.y + y, w).second;
                const double t = range > 0 ? (w - levels.min) / range : 0.5;
                p.fill = shaded(scaleColour(t), patch.slopes(x, y), project.lift);
                patches.push_back(std::move(p));
            }
    }
    return patches;
}

// The element's border along its Hermite sides, m points per side.
Polyline elementBorder(const viewer::ResultSet& r, int e, const Projection& project, int m) {
    const viewer::DeflectionPatch patch(r, e);
    const viewer::XY c1 = r.corner(e, 0);
    Polyline border{{}, Pen{{50, 50, 50}, 0}, true};
    for (int side = 0; side < 4; ++side)
        for (int t = 0; t < m; ++t) {
            const double u = double(t) / m;
            const double xs[4] = {u, 1, 1 - u, 0}, ys[4] = {0, u, 1, 1 - u};
            const double x = patch.lx() * xs[side], y = patch.ly() * ys[side];
            border.points.push_back(project(c1.x + x, c1.y + y, patch.at(x, y)).first);
        }
    return border;
}

// Farthest first; the patches of an element stay together so that its border, drawn after
// them, is hidden by what lies in front.
void paintSurface(Scene& s, std::vector<Patch> patches, const viewer::ResultSet& r,
                  const Projection& project, int n) {
    std::vector<double> elementDepth(static_cast<std::size_t>(r.elementCount()) + 1, 0);
    for (const auto& p : patches)
        elementDepth[p.element] += p.depth;
    std::stable_sort(patches.begin(), patches.end(), [&](const Patch& a, const Patch& b) {
        if (a.element != b.element) return elementDepth[a.element] > elementDepth[b.element];
        return a.depth > b.depth;
    });
    for (std::size_t k = 0; k < patches.size(); ++k) {
        // The outline in the fill's colour closes the hairline gaps between patches.
        s.add(Polygon{patches[k].points, patches[k].fill, Pen{patches[k].fill, 0}});
        if (k + 1 == patches.size() || patches[k + 1].element != patches[k].element)
            s.add(elementBorder(r, patches[k].element, project, 2 * n));
    }
}

slab::WorldRect boundsWithMargin(const Scene& s, double share) {
    bool first = true;
    slab::WorldRect b{0, 0, 1, 1};
    auto take = [&](const Point& p) {
        const float x = static_cast<float>(p.x), y = static_cast<float>(p.y);
        b = first ? slab::WorldRect{x, y, x, y}
                  : slab::WorldRect{std::min(b.x1, x), std::min(b.y1, y), std::max(b.x2, x),
                                    std::max(b.y2, y)};
        first = false;
    };
    for (const auto* p : s.all<Polygon>())
        for (const auto& pt : p->points)
            take(pt);
    for (const auto* p : s.all<Polyline>())
        for (const auto& pt : p->points)
            take(pt);
    const float margin = static_cast<float>(share) * std::max(b.x2 - b.x1, b.y2 - b.y1);
    return {b.x1 - margin, b.y1 - margin, b.x2 + margin, b.y2 + margin};
}

} // namespace

Color shaded(Color c, std::array<double, 2> slope, double lift) {
    const double nx = -lift * slope[0], ny = -lift * slope[1];
    const double length = std::sqrt(nx * nx + ny * ny + 1);
    const double facing =
        std::clamp((nx * kLight[0] + ny * kLight[1] + kLight[2]) / length, 0.0, 1.0);
    const double f = kShadow + (1 - kShadow) * facing;
    auto scale = [&](std::uint8_t v) { return static_cast<std::uint8_t>(std::lround(v * f)); };
    return {scale(c.r), scale(c.g), scale(c.b)};
}

double exaggeration(double largestDeflection, double steepestSlope, double diagonal,
                    double elevation) {
    double raw = largestDeflection > 0 ? kDeflectionShare * diagonal / largestDeflection : 0;
    if (steepestSlope > 0)
        raw = std::min(raw, kSlopeShare * std::tan(elevation * kPi / 180) / steepestSlope);
    if (!std::isfinite(raw) || raw <= 1) return 1;
    // The largest round factor at or below the raw one (a hair's breadth of round-off allowed).
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double f : {5.0, 2.0, 1.0})
        if (f * power <= raw * (1 + 1e-12)) return f * power;
    return power;
}

ResultDrawing deformedView(const viewer::ResultSet& r, const std::string& caption,
                           const Camera& camera, int subdivisions) {
    ResultDrawing d;
    const auto extremes = viewer::extremaOf(r, viewer::Quantity::W);
    const auto levels = levelsOf(extremes);
    const slab::WorldRect box = slabExtents(r);
    const double diagonal = std::hypot(box.x2 - box.x1, box.y2 - box.y1);
    const double largest =
        extremes ? std::max(std::fabs(extremes->min.value), std::fabs(extremes->max.value)) : 0;
    double steepest = 0;
    for (int j = 1; j <= r.nodeCount(); ++j)
        steepest = std::max({steepest, std::fabs(r.nodeResults[j][viewer::node_column::kW + 1]),
                             std::fabs(r.nodeResults[j][viewer::node_column::kW + 2])});
    const double factor = exaggeration(largest, steepest, diagonal, camera.elevation);
    const Projection project{(box.x1 + box.x2) / 2.0,
                             (box.y1 + box.y2) / 2.0,
                             std::cos(camera.azimuth * kPi / 180),
                             std::sin(camera.azimuth * kPi / 180),
                             std::cos(camera.elevation * kPi / 180),
                             std::sin(camera.elevation * kPi / 180),
                             camera.distance * diagonal,
                             -factor};

    const int n = patchCells(r.elementCount(), subdivisions);
    paintSurface(d.plan, surfacePatches(r, project, levels, n), r, project, n);
    // The undeformed outline as the reference plane.
    for (const auto& loop : viewer::slabOutline(r)) {
        std::vector<Point> line;
        for (const auto& p : loop)
            line.push_back(project(p.x, p.y, 0).first);
        d.plan.add(Polyline{line, Pen{{120, 120, 120}, 0.6, LineStyle::Dashed}, true});
    }
    d.plan.bounds = boundsWithMargin(d.plan, 0.04);

    const std::string exaggerated = slab::format("%.0f-fach überhöht", factor);
    d.legend =
        resultLegend(viewer::Quantity::W, levels, extremes, {}, {"Verformung " + exaggerated});
    d.title = caption + ": Verformte Platte (" + exaggerated + ")";
    return d;
}

} // namespace scene
