// Influence load vectors against bicubic fields evaluated directly, and their distribution on
// meshes with openings, offsets and uneven columns; every refusal with its text.
#include "loads/element_loads.hpp"
#include "loads/influence.hpp"
#include "loads/influence_loads.hpp"
#include "tests/support/test_support.hpp"

#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <random>
#include <set>

using namespace daskel;
using testsupport::near;

namespace {

// Exact identities are checked to round-off relative to the size of the terms summed.
constexpr double kExact = 1e-12;

constexpr double kE = 30000000.0, kNu = 0.2, kT = 0.2;
const double kD = kE * kT * kT * kT / (12 * (1 - kNu * kNu));

std::vector<PointQuantity> allPointQuantities() {
    std::vector<PointQuantity> q;
    for (int c = 0; c < kPointQuantityCount; ++c)
        q.push_back(*pointQuantity(c));
    return q;
}

std::vector<SectionQuantity> allSectionQuantities() {
    std::vector<SectionQuantity> q;
    for (int c = 0; c < kSectionQuantityCount; ++c)
        q.push_back(*sectionQuantity(c));
    return q;
}

// u = sum c[i][j] x^i y^j (i, j <= 3): the element reproduces it exactly.
struct Bicubic {
    double c[4][4] = {};

    explicit Bicubic(unsigned seed) {
        std::mt19937 gen(seed);
        std::uniform_real_distribution<double> dist(-1.0, 1.0);
        for (auto& row : c)
            for (double& v : row)
                v = dist(gen);
    }

    // d^dx/dx^dx d^dy/dy^dy u at (x, y).
    double at(int dx, int dy, double x, double y) const {
        double sum = 0;
        for (int i = dx; i < 4; ++i)
            for (int j = dy; j < 4; ++j)
                sum += c[i][j] * falling(i, dx) * falling(j, dy) * std::pow(x, i - dx) *
                       std::pow(y, j - dy);
        return sum;
    }
    static double falling(int n, int k) {
        double r = 1;
        for (int m = 0; m < k; ++m)
            r *= n - m;
        return r;
    }
    std::array<double, 4> dofs(double x, double y) const {
        return {at(0, 0, x, y), at(1, 0, x, y), at(0, 1, x, y), at(1, 1, x, y)};
    }
};

// The quantities as the plate theory defines them, applied to the polynomial.
double quantity(PointQuantity q, double d, double nu, const Bicubic& u, double x, double y) {
    auto w = [&](int i, int j) { return u.at(i, j, x, y); };
    switch (q) {
    case PointQuantity::Mxx:
        return -d * (w(2, 0) + nu * w(0, 2));
    case PointQuantity::Myy:
        return -d * (w(0, 2) + nu * w(2, 0));
    case PointQuantity::Mxy:
        return -d * (1 - nu) * w(1, 1);
    case PointQuantity::Qx:
        return -d * (w(3, 0) + w(1, 2));
    case PointQuantity::Qy:
        return -d * (w(0, 3) + w(2, 1));
    case PointQuantity::W:
        return w(0, 0);
    case PointQuantity::Wx:
        return w(1, 0);
    case PointQuantity::Wy:
        return w(0, 1);
    case PointQuantity::Wxy:
        return w(1, 1);
    case PointQuantity::Vx:
        return -d * (w(3, 0) + (2 - nu) * w(1, 2));
    case PointQuantity::Vy:
        return -d * (w(0, 3) + (2 - nu) * w(2, 1));
    }
    return 0;
}

PointQuantity integrandOf(SectionQuantity q) {
    switch (q) {
    case SectionQuantity::Mxx:
        return PointQuantity::Mxx;
    case SectionQuantity::Mxy:
        return PointQuantity::Mxy;
    case SectionQuantity::Qx:
        return PointQuantity::Qx;
    case SectionQuantity::Vx:
        return PointQuantity::Vx;
    case SectionQuantity::Myy:
        return PointQuantity::Myy;
    case SectionQuantity::Myx:
        return PointQuantity::Mxy;
    case SectionQuantity::Qy:
        return PointQuantity::Qy;
    case SectionQuantity::Vy:
        return PointQuantity::Vy;
    }
    return PointQuantity::W;
}

// Composite Simpson rule: exact for the cubics met along a section.
double simpson(const std::function<double(double)>& f, double lo, double hi, int panels = 6) {
    const double h = (hi - lo) / (2 * panels);
    double sum = f(lo) + f(hi);
    for (int k = 1; k < 2 * panels; ++k)
        sum += (k % 2 ? 4 : 2) * f(lo + k * h);
    return sum * h / 3;
}

// The 16 nodal values of u on the element with corner 1 at (x0, y0).
LoadVector elementDofs(const Bicubic& u, double x0, double y0, double a, double b) {
    const double cx[4] = {x0, x0 + a, x0 + a, x0}, cy[4] = {y0, y0, y0 + b, y0 + b};
    LoadVector v{};
    for (int c = 0; c < 4; ++c) {
        const auto d = u.dofs(cx[c], cy[c]);
        for (int k = 0; k < 4; ++k)
            v[4 * c + k] = d[k];
    }
    return v;
}

struct Dot {
    double value = 0, scale = 0; ///< sum of f u, and of |f u|
};
Dot dot(const LoadVector& f, const LoadVector& u) {
    Dot r;
    for (int i = 0; i < 16; ++i) {
        r.value += f[i] * u[i];
        r.scale += std::fabs(f[i] * u[i]);
    }
    return r;
}

} // namespace

TEST(InfluenceQuantities, ChoicesLabelsAndDirections) {
    const char* point[] = {"mxx", "myy", "mxy", "qx", "qy", "w", "w,x", "w,y", "w,xy", "vx", "vy"};
    ASSERT_EQ(kPointQuantityCount, 11);
    for (int c = 0; c < kPointQuantityCount; ++c) {
        ASSERT_TRUE(pointQuantity(c));
        EXPECT_EQ(static_cast<int>(*pointQuantity(c)), c);
        EXPECT_EQ(label(*pointQuantity(c)), point[c]);
    }
    EXPECT_FALSE(pointQuantity(-1));
    EXPECT_FALSE(pointQuantity(11));

    const char* section[] = {"mxx", "mxy", "qx", "vx", "myy", "myx", "qy", "vy"};
    ASSERT_EQ(kSectionQuantityCount, 8);
    for (int c = 0; c < kSectionQuantityCount; ++c) {
        ASSERT_TRUE(sectionQuantity(c));
        EXPECT_EQ(label(*sectionQuantity(c)), section[c]);
        EXPECT_EQ(isVertical(*sectionQuantity(c)), c < 4) << c;
        EXPECT_EQ(sectionDirection(*sectionQuantity(c)),
                  c < 4 ? SectionDirection::Vertical : SectionDirection::Horizontal);
    }
    EXPECT_FALSE(sectionQuantity(-1));
    EXPECT_FALSE(sectionQuantity(8));
}

TEST(InfluenceQuantities, PlateStiffness) {
    // 30000 * 0.25^3 / (0.96 * 12) = 468.75 / 11.52
    EXPECT_TRUE(near(plateStiffness(30000, 0.25, 0.2), 40.690104166666667, 1e-15));
    slab::ElementRecord el;
    el.e = 30000;
    el.thickness = 0.25;
    el.nu = 0.2;
    EXPECT_EQ(plateStiffness(el), plateStiffness(30000, 0.25, 0.2));
}

TEST(InfluenceVectors, DisplacementsAtTheCornersPickTheirOwnFreedom) {
    // A unit force (moment, twist) on the freedom itself: the influence function of a nodal
    // displacement is the deflection under the unit load on it.
    const double a = 2, b = 3;
    const double cx[4] = {0, a, a, 0}, cy[4] = {0, 0, b, b};
    const PointQuantity disp[4] = {PointQuantity::W, PointQuantity::Wx, PointQuantity::Wy,
                                   PointQuantity::Wxy};
    for (int c = 0; c < 4; ++c)
        for (int k = 0; k < 4; ++k) {
            const LoadVector f = pointVector(disp[k], kD, kNu, a, b, cx[c], cy[c]);
            for (int i = 0; i < 16; ++i)
                EXPECT_EQ(f[i], i == 4 * c + k ? 1.0 : 0.0) << c << k << i;
        }
}

TEST(InfluenceVectors, DeflectionInsideTheElementIsTheProductOfTheValueFunctions) {
    const LoadVector f = pointVector(PointQuantity::W, kD, kNu, 2, 3, 0.5, 1.2);
    // H1(0.25) = 0.84375, H3(0.25) = 0.15625, H1(0.4) = 0.648, H3(0.4) = 0.352
    EXPECT_TRUE(near(f[0], 0.54675, 1e-14));
    EXPECT_TRUE(near(f[4], 0.10125, 1e-14));
    EXPECT_TRUE(near(f[8], 0.15625 * 0.352, 1e-14));
    EXPECT_TRUE(near(f[12], 0.84375 * 0.352, 1e-14));
    // The value functions sum to 1 everywhere.
    EXPECT_TRUE(near(f[0] + f[4] + f[8] + f[12], 1.0, 1e-15));
}

TEST(InfluenceVectors, EveryPointQuantityReproducesABicubicField) {
    // Sum f_i u_i is Q of the interpolated field, and the element interpolates a bicubic
    // exactly: so it must equal Q of the polynomial itself, for every quantity and point.
    const double x0 = 0.3, y0 = -0.7;
    for (auto [a, b] : {std::pair(2.0, 3.0), std::pair(0.7, 1.3)}) {
        for (unsigned seed : {1u, 2u, 3u}) {
            const Bicubic u(seed);
            const LoadVector dofs = elementDofs(u, x0, y0, a, b);
            for (auto [x, y] : {std::pair(0.0, 0.0), std::pair(a, b), std::pair(0.31 * a, 0.77 * b),
                                std::pair(a / 2, b / 2), std::pair(0.0, 0.6 * b)}) {
                for (PointQuantity q : allPointQuantities()) {
                    const Dot r = dot(pointVector(q, kD, kNu, a, b, x, y), dofs);
                    const double expected = quantity(q, kD, kNu, u, x0 + x, y0 + y);
                    EXPECT_TRUE(near(r.value, expected, 0, kExact * r.scale))
                        << label(q) << " at " << x << ", " << y << " seed " << seed;
                }
            }
        }
    }
}

TEST(InfluenceVectors, EverySectionQuantityIntegratesABicubicFieldAlongTheSection) {
    const double x0 = 1.1, y0 = 0.4;
    for (auto [a, b] : {std::pair(2.0, 3.0), std::pair(0.7, 1.3)}) {
        const Bicubic u(7);
        const LoadVector dofs = elementDofs(u, x0, y0, a, b);
        for (SectionQuantity q : allSectionQuantities()) {
            const PointQuantity p = integrandOf(q);
            const bool vertical = isVertical(q);
            for (double t : {0.0, 0.37, 1.0}) {
                const double s = t * (vertical ? a : b);
                const Dot r = dot(sectionVector(q, kD, kNu, a, b, s), dofs);
                const double expected =
                    vertical ? simpson([&](double y) { return quantity(p, kD, kNu, u, x0 + s, y); },
                                       y0, y0 + b)
                             : simpson([&](double x) { return quantity(p, kD, kNu, u, x, y0 + s); },
                                       x0, x0 + a);
                EXPECT_TRUE(near(r.value, expected, 0, kExact * r.scale))
                    << label(q) << " at s = " << s;
            }
        }
    }
}

TEST(InfluenceVectors, SectionVectorIsThePointVectorIntegratedAlongTheLine) {
    // mxx on a vertical section at s = 0 runs over the element's full height; "vy" on a
    // horizontal one follows its twin "vx": the integral of the point vector over x at y = s.
    const double a = 2, b = 3;
    for (SectionQuantity q : allSectionQuantities()) {
        const bool vertical = isVertical(q);
        for (double s : {0.0, 0.9}) {
            const LoadVector f = sectionVector(q, kD, kNu, a, b, s);
            for (int i = 0; i < 16; ++i) {
                auto component = [&](double t) {
                    return vertical ? pointVector(integrandOf(q), kD, kNu, a, b, s, t)[i]
                                    : pointVector(integrandOf(q), kD, kNu, a, b, t, s)[i];
                };
                const double expected = simpson(component, 0, vertical ? b : a);
                EXPECT_TRUE(near(f[i], expected, 1e-12, 1e-12 * kD)) << label(q) << " " << i;
            }
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Distribution on meshes.

namespace {

// A mesh of columns xs and rows ys; the cells in `holes` (column, row) have no element. Nodes
// are numbered row by row over the whole grid, so nodes inside a large opening belong to no
// element; elements row by row, or backwards with `reversed`.
struct Mesh {
    SlabModel model;
    std::map<std::pair<int, int>, int> element; ///< (column, row) -> element number
    int node(int column, int row) const { return row * columns + column + 1; }
    int columns = 0;
};

Mesh buildMesh(const std::vector<double>& xs, const std::vector<double>& ys,
               const std::set<std::pair<int, int>>& holes = {}, bool reversed = false) {
    Mesh m;
    m.columns = static_cast<int>(xs.size());
    const int rows = static_cast<int>(ys.size());
    m.model.nodeCount = m.columns * rows;
    m.model.nodes.assign(static_cast<std::size_t>(m.model.nodeCount) + 1, {});
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < m.columns; ++c) {
            auto& n = m.model.nodes[m.node(c, r)];
            n.number = m.node(c, r);
            n.x = xs[c];
            n.y = ys[r];
        }
    std::vector<std::pair<int, int>> cells;
    for (int r = 0; r + 1 < rows; ++r)
        for (int c = 0; c + 1 < m.columns; ++c)
            if (!holes.count({c, r})) cells.push_back({c, r});
    if (reversed) std::reverse(cells.begin(), cells.end());
    m.model.elementCount = static_cast<int>(cells.size());
    m.model.elements.assign(cells.size() + 1, {});
    for (std::size_t k = 0; k < cells.size(); ++k) {
        const auto [c, r] = cells[k];
        auto& el = m.model.elements[k + 1];
        el.number = static_cast<int>(k + 1);
        el.node = {m.node(c, r), m.node(c + 1, r), m.node(c + 1, r + 1), m.node(c, r + 1)};
        el.e = kE;
        el.nu = kNu;
        el.thickness = kT;
        m.element[{c, r}] = static_cast<int>(k + 1);
    }
    return m;
}

std::vector<double> evenly(double start, double step, int count) {
    std::vector<double> v;
    for (int k = 0; k < count; ++k)
        v.push_back(start + k * step);
    return v;
}

// Sum over the loaded nodes of load times the nodal values of u: the quantity the loads
// measure on the field u.
Dot measure(const InfluenceLoads& loads, const SlabModel& m, const Bicubic& u) {
    Dot r;
    for (const NodeLoad& l : loads.loads) {
        const auto d = u.dofs(m.nodes[l.node].x, m.nodes[l.node].y);
        for (int k = 0; k < 4; ++k) {
            r.value += l.load[k] * d[k];
            r.scale += std::fabs(l.load[k] * d[k]);
        }
    }
    return r;
}

std::map<int, std::array<double, 4>> byNode(const InfluenceLoads& loads) {
    std::map<int, std::array<double, 4>> r;
    for (const NodeLoad& l : loads.loads)
        r[l.node] = l.load;
    return r;
}

// A 6 x 4 mesh of 1.5 m x 1 m elements whose lower left corner is (10, 5), with an opening of
// two elements in row 1.
Mesh offsetMeshWithOpening() {
    return buildMesh(evenly(10, 1.5, 7), evenly(5, 1, 5), {{2, 1}, {3, 1}});
}

} // namespace

TEST(InfluenceLoads, PointInAnElementGoesToItsCorners) {
    const Mesh m = offsetMeshWithOpening();
    const int e = m.element.at({1, 2});
    const InfluenceLoads w = elementPointLoads(m.model, PointQuantity::W, e, 0, 0);
    ASSERT_TRUE(w.ok()) << w.error;
    const auto loads = byNode(w);
    ASSERT_EQ(loads.size(), 4u);
    EXPECT_EQ(loads.at(m.node(1, 2)), (std::array<double, 4>{1, 0, 0, 0}));
    for (int n : {m.node(2, 2), m.node(2, 3), m.node(1, 3)})
        EXPECT_EQ(loads.at(n), (std::array<double, 4>{})) << n;

    // The loads measure the quantity of any bicubic field at the global point.
    const Bicubic u(11);
    for (PointQuantity q : allPointQuantities()) {
        const InfluenceLoads l = elementPointLoads(m.model, q, e, 0.4, 0.9);
        ASSERT_TRUE(l.ok()) << l.error;
        const Dot r = measure(l, m.model, u);
        EXPECT_TRUE(near(r.value, quantity(q, kD, kNu, u, 11.9, 7.9), 0, kExact * r.scale))
            << label(q);
    }
}

TEST(InfluenceLoads, PointAtANodeAveragesTheElementsAroundIt) {
    const Mesh m = offsetMeshWithOpening();
    // "w,x" at an inner node of four elements: each element puts a quarter of its vector, a
    // unit moment on the node, so the node carries Mx = 1 and nothing else.
    const int inner = m.node(1, 1);
    const InfluenceLoads wx = nodePointLoads(m.model, PointQuantity::Wx, inner);
    ASSERT_TRUE(wx.ok()) << wx.error;
    for (const auto& [node, load] : byNode(wx))
        for (int k = 0; k < 4; ++k)
            EXPECT_TRUE(near(load[k], node == inner && k == 1 ? 1.0 : 0.0, 0, 1e-15))
                << node << " " << k;
    EXPECT_EQ(byNode(wx).size(), 9u); // the four elements' nine nodes

    // A force quantity: each far corner of the four elements belongs to one of them only and
    // receives a quarter of that element's vector there.
    const InfluenceLoads mxx = nodePointLoads(m.model, PointQuantity::Mxx, inner);
    ASSERT_TRUE(mxx.ok()) << mxx.error;
    const auto loads = byNode(mxx);
    const double a = 1.5, b = 1;
    struct Far {
        int node;
        double x, y; // inner node's position in that element
        int corner;  // far corner's index 0..3
    };
    const Far far[4] = {{m.node(0, 0), a, b, 0},
                        {m.node(2, 0), 0, b, 1},
                        {m.node(2, 2), 0, 0, 2},
                        {m.node(0, 2), a, 0, 3}};
    for (const Far& f : far) {
        const LoadVector v = pointVector(PointQuantity::Mxx, kD, kNu, a, b, f.x, f.y);
        for (int k = 0; k < 4; ++k)
            EXPECT_TRUE(near(loads.at(f.node)[k], v[4 * f.corner + k] / 4, 1e-15, 1e-12))
                << f.node << " " << k;
    }

    // A corner of the slab lies in one element and receives its whole vector.
    const InfluenceLoads corner = nodePointLoads(m.model, PointQuantity::Wx, m.node(0, 0));
    ASSERT_TRUE(corner.ok());
    EXPECT_EQ(byNode(corner).at(m.node(0, 0)), (std::array<double, 4>{0, 1, 0, 0}));
    const InfluenceLoads cornerMxx = nodePointLoads(m.model, PointQuantity::Mxx, m.node(0, 0));
    const LoadVector v = pointVector(PointQuantity::Mxx, kD, kNu, a, b, 0, 0);
    const int nodes[4] = {m.node(0, 0), m.node(1, 0), m.node(1, 1), m.node(0, 1)};
    for (int c = 0; c < 4; ++c)
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(byNode(cornerMxx).at(nodes[c])[k], v[4 * c + k]);

    // Every node, at the rim of the opening as well, measures the quantity of a bicubic field.
    const Bicubic u(5);
    for (int node : {inner, m.node(2, 1), m.node(3, 2), m.node(6, 4), m.node(4, 1)})
        for (PointQuantity q : allPointQuantities()) {
            const InfluenceLoads l = nodePointLoads(m.model, q, node);
            ASSERT_TRUE(l.ok()) << l.error;
            const Dot r = measure(l, m.model, u);
            const auto& p = m.model.nodes[node];
            EXPECT_TRUE(near(r.value, quantity(q, kD, kNu, u, p.x, p.y), 0, kExact * r.scale))
                << label(q) << " at node " << node;
        }
}

TEST(InfluenceSections, ElementListsOnAnOffsetMeshWithAnOpening) {
    // Elements numbered backwards, so that the order along the line comes from the geometry.
    const Mesh m = buildMesh(evenly(10, 1.5, 7), evenly(-5, 1, 5), {{2, 1}, {3, 1}}, true);
    auto at = [&](int c, int r) { return m.element.at({c, r}); };
    const auto row1 = std::vector<int>{at(0, 1), at(1, 1), at(4, 1), at(5, 1)};

    SectionElements s = completeSection(m.model, SectionDirection::Horizontal, at(4, 1));
    ASSERT_TRUE(s.ok()) << s.error;
    EXPECT_EQ(s.elements, row1);
    s = completeSection(m.model, SectionDirection::Vertical, at(2, 3));
    EXPECT_EQ(s.elements, (std::vector<int>{at(2, 0), at(2, 2), at(2, 3)}));

    // A partial section spans the opening and runs in line order whichever end is named first.
    for (auto [from, to] : {std::pair(at(1, 1), at(5, 1)), std::pair(at(5, 1), at(1, 1))}) {
        s = partialSection(m.model, SectionDirection::Horizontal, from, to);
        ASSERT_TRUE(s.ok()) << s.error;
        EXPECT_EQ(s.elements, (std::vector<int>{at(1, 1), at(4, 1), at(5, 1)}));
    }
    s = partialSection(m.model, SectionDirection::Vertical, at(0, 3), at(0, 3));
    EXPECT_EQ(s.elements, std::vector<int>{at(0, 3)});

    // "bis" off the line, or a "von" whose line misses "bis".
    for (auto [from, to] : {std::pair(at(1, 1), at(1, 2)), std::pair(at(1, 2), at(0, 1))}) {
        s = partialSection(m.model, SectionDirection::Horizontal, from, to);
        EXPECT_EQ(s.error, "Gewählte Elemente liegen nicht in einem Schnitt!");
        EXPECT_TRUE(s.elements.empty());
    }
}

TEST(InfluenceSections, UnevenColumnsAreWalkedWithoutGapsOrRepeats) {
    // Sampling the line every a of the first element would miss or repeat elements here.
    const Mesh m = buildMesh({-3, -2.5, -0.5, 0.25, 4}, {-1, 0.5, 0.8, 3});
    auto at = [&](int c, int r) { return m.element.at({c, r}); };
    SectionElements s = completeSection(m.model, SectionDirection::Horizontal, at(2, 1));
    EXPECT_EQ(s.elements, (std::vector<int>{at(0, 1), at(1, 1), at(2, 1), at(3, 1)}));
    s = completeSection(m.model, SectionDirection::Vertical, at(3, 0));
    EXPECT_EQ(s.elements, (std::vector<int>{at(3, 0), at(3, 1), at(3, 2)}));
}

TEST(InfluenceSections, LoadsMeasureTheIntegralAlongTheSection) {
    const Mesh m = offsetMeshWithOpening();
    const Bicubic u(23);
    for (SectionQuantity q : allSectionQuantities()) {
        const SectionDirection dir = sectionDirection(q);
        const bool vertical = dir == SectionDirection::Vertical;
        // Through the row or column of the opening: the opening carries nothing.
        const int through = m.element.at(vertical ? std::pair(2, 3) : std::pair(5, 1));
        const SectionElements crossed = completeSection(m.model, dir, through);
        ASSERT_TRUE(crossed.ok()) << crossed.error;
        const double s = vertical ? 0.6 : 0.25;
        const InfluenceLoads l = sectionLoads(m.model, q, dir, crossed.elements, s);
        ASSERT_TRUE(l.ok()) << l.error;
        double expected = 0;
        const PointQuantity p = integrandOf(q);
        for (int e : crossed.elements) {
            const auto& c1 = m.model.nodes[m.model.elements[e].node[0]];
            const auto& c3 = m.model.nodes[m.model.elements[e].node[2]];
            expected +=
                vertical ? simpson([&](double y) { return quantity(p, kD, kNu, u, c1.x + s, y); },
                                   c1.y, c3.y)
                         : simpson([&](double x) { return quantity(p, kD, kNu, u, x, c1.y + s); },
                                   c1.x, c3.x);
        }
        const Dot r = measure(l, m.model, u);
        EXPECT_TRUE(near(r.value, expected, 0, kExact * r.scale)) << label(q);
    }
}

TEST(InfluenceLoads, AddedToTheNodeTableOnTopOfWhatIsThere) {
    const Mesh m = offsetMeshWithOpening();
    LoadTables tables = emptyLoadTables(m.model);
    tables.nodeLoads[m.node(1, 2)].v[slab::NodalLoadRecord::kLoad] = 2.0;
    tables.nodeLoads[m.node(1, 2)].v[slab::NodalLoadRecord::kPrescribed] = 0.5;
    const InfluenceLoads l = nodePointLoads(m.model, PointQuantity::Wy, m.node(1, 2));
    ASSERT_FALSE(addInfluenceLoads(tables, l));
    const auto& v = tables.nodeLoads[m.node(1, 2)].v;
    EXPECT_EQ(v[slab::NodalLoadRecord::kLoad + 0], 2.0);
    EXPECT_EQ(v[slab::NodalLoadRecord::kLoad + 2], 1.0); // My
    EXPECT_EQ(v[slab::NodalLoadRecord::kPrescribed], 0.5);
}

TEST(InfluenceLoads, LocalCoordinatesOnTheEdgeWithinRoundOff) {
    const Mesh m = buildMesh(evenly(0, 7.0 / 6, 4), evenly(0, 1, 3));
    // Lengths in single precision, as the solver's element takes them.
    const CheckedFrame f = elementFrame(m.model, 1);
    ASSERT_TRUE(f.ok());
    EXPECT_EQ(f.frame.a, static_cast<double>(static_cast<float>(7.0 / 6)));
    EXPECT_EQ(f.frame.b, 1.0);
    const InfluenceLoads onEdge = elementPointLoads(m.model, PointQuantity::Mxx, 1, 7.0 / 6, 1);
    ASSERT_TRUE(onEdge.ok()) << onEdge.error;
    const LoadVector v = pointVector(PointQuantity::Mxx, kD, kNu, f.frame.a, 1, f.frame.a, 1);
    EXPECT_EQ(byNode(onEdge).at(m.node(1, 1))[0], v[8]);
    EXPECT_FALSE(elementPointLoads(m.model, PointQuantity::Mxx, 1, 1.17, 1).ok());
}

TEST(InfluenceLoads, RefusalsSayWhatIsWrongAndChangeNothing) {
    Mesh m = offsetMeshWithOpening(); // 35 nodes, 22 elements
    const PointQuantity w = PointQuantity::W;
    auto pointError = [&](int e, double x, double y) {
        return elementPointLoads(m.model, w, e, x, y).error;
    };
    EXPECT_EQ(pointError(0, 0, 0),
              "Element 0 gibt es nicht; die Platte hat die Elemente 1 bis 22.");
    EXPECT_EQ(pointError(23, 0, 0),
              "Element 23 gibt es nicht; die Platte hat die Elemente 1 bis 22.");
    EXPECT_EQ(pointError(5, 1.6, 0),
              "Schnittkoordinate x = 1,6 m liegt nicht im Element 5 (0 bis 1,5 m).");
    EXPECT_EQ(pointError(5, -0.01, 0),
              "Schnittkoordinate x = -0,01 m liegt nicht im Element 5 (0 bis 1,5 m).");
    EXPECT_EQ(pointError(5, 0, 1.25),
              "Schnittkoordinate y = 1,25 m liegt nicht im Element 5 (0 bis 1 m).");
    EXPECT_EQ(pointError(5, std::numeric_limits<double>::quiet_NaN(), 0),
              "Schnittkoordinate x = nan m liegt nicht im Element 5 (0 bis 1,5 m).");

    EXPECT_EQ(nodePointLoads(m.model, w, 0).error,
              "Knoten 0 gibt es nicht; die Platte hat die Knoten 1 bis 35.");
    EXPECT_EQ(nodePointLoads(m.model, w, 36).error,
              "Knoten 36 gibt es nicht; die Platte hat die Knoten 1 bis 35.");
    m.model.nodes.push_back({}); // a node outside every element
    ++m.model.nodeCount;
    EXPECT_EQ(nodePointLoads(m.model, w, 36).error, "Knoten 36 gehört zu keinem Element.");

    const SectionDirection vertical = SectionDirection::Vertical;
    EXPECT_EQ(sectionLoads(m.model, SectionQuantity::Myy, vertical, {1}, 0).error,
              "Die Größe myy gehört zu einem horizontalen Schnitt.");
    EXPECT_EQ(
        sectionLoads(m.model, SectionQuantity::Qx, SectionDirection::Horizontal, {1}, 0).error,
        "Die Größe qx gehört zu einem vertikalen Schnitt.");
    EXPECT_EQ(sectionLoads(m.model, SectionQuantity::Mxx, vertical, {}, 0).error,
              "Der Schnitt kreuzt kein Element.");
    EXPECT_EQ(sectionLoads(m.model, SectionQuantity::Mxx, vertical, {1, 40}, 0).error,
              "Element 40 gibt es nicht; die Platte hat die Elemente 1 bis 22.");
    EXPECT_EQ(
        sectionLoads(m.model, SectionQuantity::Qy, SectionDirection::Horizontal, {1}, 1.5).error,
        "Schnittkoordinate y = 1,5 m liegt nicht im Element 1 (0 bis 1 m).");
    EXPECT_EQ(partialSection(m.model, vertical, 3, 99).error,
              "Element 99 gibt es nicht; die Platte hat die Elemente 1 bis 22.");
    EXPECT_EQ(completeSection(m.model, vertical, -1).error,
              "Element -1 gibt es nicht; die Platte hat die Elemente 1 bis 22.");

    // Damaged element records: corners outside the node table, lengths that are not positive,
    // a stiffness that is not defined. A section walk meets them anywhere along the slab.
    Mesh bad = offsetMeshWithOpening();
    bad.model.elements[3].node[1] = 99;
    EXPECT_EQ(elementPointLoads(bad.model, w, 3, 0, 0).error,
              "Element 3: Eckknoten 2 ist Knoten 99, es gibt aber nur die Knoten 1 bis 35.");
    EXPECT_EQ(completeSection(bad.model, SectionDirection::Horizontal, 20).error,
              "Element 3: Eckknoten 2 ist Knoten 99, es gibt aber nur die Knoten 1 bis 35.");

    bad = offsetMeshWithOpening();
    std::swap(bad.model.elements[4].node[0], bad.model.elements[4].node[1]); // clockwise
    EXPECT_EQ(elementPointLoads(bad.model, w, 4, 0, 0).error,
              "Element 4: Die Länge in x-Richtung ist -1,5 m und damit nicht positiv.");
    bad = offsetMeshWithOpening();
    bad.model.nodes[bad.model.elements[4].node[2]].y =
        bad.model.nodes[bad.model.elements[4].node[1]].y;
    EXPECT_EQ(elementPointLoads(bad.model, w, 4, 0, 0).error,
              "Element 4: Die Länge in y-Richtung ist 0 m und damit nicht positiv.");
    EXPECT_EQ(nodePointLoads(bad.model, w, bad.model.elements[4].node[0]).error,
              "Element 4: Die Länge in y-Richtung ist 0 m und damit nicht positiv.");

    bad = offsetMeshWithOpening();
    bad.model.elements[2].nu = 1;
    EXPECT_EQ(elementPointLoads(bad.model, w, 2, 0, 0).error,
              "Element 2: E = 3e+07, ν = 1 und d = 0,2 ergeben keine positive "
              "Plattensteifigkeit.");
    bad.model.elements[2].nu = kNu;
    bad.model.elements[2].e = 0;
    EXPECT_EQ(sectionLoads(bad.model, SectionQuantity::Mxx, vertical, {2}, 0).error,
              "Element 2: E = 0, ν = 0,2 und d = 0,2 ergeben keine positive "
              "Plattensteifigkeit.");

    // Tables shorter than their counts are never read past their end.
    bad = offsetMeshWithOpening();
    bad.model.elements.resize(10);
    EXPECT_EQ(elementPointLoads(bad.model, w, 12, 0, 0).error,
              "Element 12 fehlt in der Elementtabelle.");
    bad = offsetMeshWithOpening();
    bad.model.nodes.resize(20);
    EXPECT_EQ(elementPointLoads(bad.model, w, m.element.at({5, 3}), 0, 0).error,
              "Knoten 27 fehlt in der Knotentabelle.");

    SlabModel empty;
    EXPECT_EQ(elementPointLoads(empty, w, 1, 0, 0).error,
              "Die Position hat keine Elemente; bitte erst die Platte im Geometrieprogramm "
              "speichern.");
    EXPECT_EQ(nodePointLoads(empty, w, 1).error,
              "Die Position hat keine Knoten; bitte erst die Platte im Geometrieprogramm "
              "speichern.");

    // A refusal, or a node the load table lacks, leaves the table as it was.
    LoadTables tables = emptyLoadTables(m.model);
    tables.nodeLoads[1].v[slab::NodalLoadRecord::kLoad] = 3;
    const auto before = slab::encodeRows(tables.nodeLoads, tables.nodeLoads.size() - 1);
    const InfluenceLoads refused = elementPointLoads(m.model, w, 0, 0, 0);
    EXPECT_EQ(addInfluenceLoads(tables, refused).value_or(""), refused.error);
    InfluenceLoads beyond = elementPointLoads(m.model, w, 1, 0, 0);
    beyond.loads.push_back({400, {1, 0, 0, 0}});
    EXPECT_EQ(addInfluenceLoads(tables, beyond).value_or(""),
              "Knoten 400 fehlt in der Knotenlasttabelle.");
    EXPECT_EQ(slab::encodeRows(tables.nodeLoads, tables.nodeLoads.size() - 1), before);
}
