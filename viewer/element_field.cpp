// Values inside an element: the Hermite interpolation of w and the patches of the resultants.
#include "viewer/element_field.hpp"

#include <algorithm>
#include <cmath>

namespace viewer {

namespace {

namespace nc = node_column;
namespace ec = element_column;

constexpr Local kCorner[4] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};

// Column of a moment quantity among the six written at the quarter points.
int momentColumn(Quantity q) {
    switch (q) {
    case Quantity::Mxx:
        return 0;
    case Quantity::Myy:
        return 1;
    case Quantity::Mxy:
        return 2;
    case Quantity::M1:
    case Quantity::M2:
    case Quantity::W:
    case Quantity::Qx:
    case Quantity::Qy:
    case Quantity::Soil:
    case Quantity::Reactions:
        break;
    }
    return -1;
}

// The solver's M1 acts in the direction phi and may be the smaller of the two; the pictures
// show the larger as m1 and the smaller as m2, so that both fields are continuous.
double principal(Quantity q, double first, double second) {
    return q == Quantity::M1 ? std::max(first, second) : std::min(first, second);
}

} // namespace

std::optional<int> elementAt(const ResultSet& r, XY p) {
    for (int e = 1; e <= r.elementCount(); ++e) {
        const XY& c1 = r.corner(e, 0);
        const XY& c3 = r.corner(e, 2);
        if (p.x >= c1.x && p.x <= c3.x && p.y >= c1.y && p.y <= c3.y) return e;
    }
    return std::nullopt;
}

Local localPoint(const ResultSet& r, int e, XY p) {
    // The corners' own coordinates, so that a node's point is exactly a corner.
    const XY& c1 = r.corner(e, 0);
    const XY& c3 = r.corner(e, 2);
    return {(p.x - c1.x) / (c3.x - c1.x), (p.y - c1.y) / (c3.y - c1.y)};
}

XY pointOf(const ResultSet& r, int e, Local p) {
    const XY& c1 = r.corner(e, 0);
    const XY& c3 = r.corner(e, 2);
    return {c1.x + p.xi * (c3.x - c1.x), c1.y + p.eta * (c3.y - c1.y)};
}

shape::NodalValues nodalDeflections(const ResultSet& r, int e) {
    shape::NodalValues u{};
    for (int c = 0; c < shape::kCornerCount; ++c) {
        const auto& row = r.nodeResults[static_cast<std::size_t>(r.element(e).node[c])];
        for (int k = 0; k < shape::kComponentCount; ++k)
            u[shape::kComponentCount * c + k] = row[nc::kW + k];
    }
    return u;
}

double deflectionAt(const ResultSet& r, int e, double x, double y) {
    const Element& el = r.element(e);
    return shape::interpolate(nodalDeflections(r, e), el.lx, el.ly, x, y)[0][0];
}

DeflectionPatch::DeflectionPatch(const ResultSet& r, int e)
    : lx_(r.element(e).lx), ly_(r.element(e).ly) {
    const auto u = nodalDeflections(r, e);
    // Each element function is the product of one Hermite cubic in x and one in y.
    for (int p = 0; p < shape::kDofCount; ++p) {
        const auto [i, j] = shape::tensorIndex(p);
        a_[i][j] = u[p];
    }
}

double DeflectionPatch::at(double x, double y) const {
    const auto hx = shape::hermite(x, lx_), hy = shape::hermite(y, ly_);
    double w = 0;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            w += a_[i][j] * hx[i][0] * hy[j][0];
    return w;
}

std::array<double, 2> DeflectionPatch::slopes(double x, double y) const {
    const auto hx = shape::hermite(x, lx_), hy = shape::hermite(y, ly_);
    std::array<double, 2> s{};
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            s[0] += a_[i][j] * hx[i][1] * hy[j][0];
            s[1] += a_[i][j] * hx[i][0] * hy[j][1];
        }
    return s;
}

std::vector<double> DeflectionPatch::grid(const std::vector<double>& xs,
                                          const std::vector<double>& ys) const {
    std::vector<std::array<double, 4>> hx(xs.size());
    for (std::size_t i = 0; i < xs.size(); ++i) {
        const auto h = shape::hermite(xs[i], lx_);
        for (int k = 0; k < 4; ++k)
            hx[i][k] = h[k][0];
    }
    std::vector<double> values(xs.size() * ys.size());
    for (std::size_t j = 0; j < ys.size(); ++j) {
        const auto h = shape::hermite(ys[j], ly_);
        // The x factors of this row: sum over j' of a[i][j'] H_j'(y).
        std::array<double, 4> row{};
        for (int i = 0; i < 4; ++i)
            for (int k = 0; k < 4; ++k)
                row[i] += a_[i][k] * h[k][0];
        for (std::size_t i = 0; i < xs.size(); ++i) {
            double w = 0;
            for (int k = 0; k < 4; ++k)
                w += row[k] * hx[i][k];
            values[j * xs.size() + i] = w;
        }
    }
    return values;
}

bool hasQuarterValues(Quantity q) {
    return isStressResultant(q) && q != Quantity::Qx && q != Quantity::Qy;
}

double nodeValue(const ResultSet& r, Quantity q, int j) {
    const auto& row = r.nodeResults[static_cast<std::size_t>(j)];
    switch (q) {
    case Quantity::W:
        return row[nc::kW];
    case Quantity::Mxx:
        return row[nc::kMxx];
    case Quantity::Myy:
        return row[nc::kMyy];
    case Quantity::Mxy:
        return row[nc::kMxy];
    case Quantity::M1:
    case Quantity::M2:
        return principal(q, row[nc::kM1], row[nc::kM2]);
    case Quantity::Qx:
        return row[nc::kQx];
    case Quantity::Qy:
        return row[nc::kQy];
    case Quantity::Soil:
    case Quantity::Reactions:
        break;
    }
    return 0.0;
}

double centreValue(const ResultSet& r, Quantity q, int e) {
    const auto& row = r.elementResults[static_cast<std::size_t>(e)];
    switch (q) {
    case Quantity::Mxx:
        return row[ec::kMxx];
    case Quantity::Myy:
        return row[ec::kMyy];
    case Quantity::Mxy:
        return row[ec::kMxy];
    case Quantity::M1:
    case Quantity::M2:
        return principal(q, row[ec::kM1], row[ec::kM2]);
    case Quantity::Qx:
        return row[ec::kQx];
    case Quantity::Qy:
        return row[ec::kQy];
    case Quantity::W:
    case Quantity::Soil:
    case Quantity::Reactions:
        break;
    }
    return 0.0;
}

double quarterValue(const ResultSet& r, Quantity q, int e, int k) {
    const auto& row = r.elementResults[static_cast<std::size_t>(e)];
    auto at = [&](int column) { return row[ec::kQuarter + 5 * column + k]; };
    if (q == Quantity::M1 || q == Quantity::M2) return principal(q, at(ec::kM1), at(ec::kM2));
    const int column = momentColumn(q);
    return column < 0 ? 0.0 : at(column);
}

ResultantPatch resultantPatch(const ResultSet& r, Quantity q, int e) {
    ResultantPatch p;
    for (int k = 0; k < 4; ++k) {
        p.at[k] = kCorner[k];
        p.value[k] = nodeValue(r, q, r.element(e).node[k]);
    }
    p.at[kPatchCentre] = {0.5, 0.5};
    p.value[kPatchCentre] = centreValue(r, q, e);
    if (!hasQuarterValues(q)) {
        // The shear forces are written at the centre only: four triangles about it.
        p.vertexCount = 5;
        p.triangleCount = 4;
        for (int k = 0; k < 4; ++k)
            p.triangles[k] = {k, (k + 1) % 4, kPatchCentre};
        return p;
    }
    p.vertexCount = 13;
    for (int k = 0; k < 4; ++k) {
        p.at[kPatchQuarter + k] = kQuarterPoints[k];
        p.value[kPatchQuarter + k] = quarterValue(r, q, e, k);
    }
    // The trapezoid between edge k and quarter points k and k + 1 gets a point at the mean of
    // its corners with the mean value: the subdivision keeps every symmetry of the element.
    for (int k = 0; k < 4; ++k) {
        const int c0 = k, c1 = (k + 1) % 4, q0 = kPatchQuarter + k,
                  q1 = kPatchQuarter + (k + 1) % 4;
        const int t = kPatchTrapezoid + k;
        p.at[t] = {(p.at[c0].xi + p.at[c1].xi + p.at[q0].xi + p.at[q1].xi) / 4,
                   (p.at[c0].eta + p.at[c1].eta + p.at[q0].eta + p.at[q1].eta) / 4};
        // Quarters summed: the sum of four values near the end of the number range would
        // overflow, and a quarter is as exact as the whole.
        p.value[t] = p.value[c0] / 4 + p.value[c1] / 4 + p.value[q0] / 4 + p.value[q1] / 4;
        p.triangles[4 * k + 0] = {c0, c1, t};
        p.triangles[4 * k + 1] = {c1, q1, t};
        p.triangles[4 * k + 2] = {q1, q0, t};
        p.triangles[4 * k + 3] = {q0, c0, t};
        p.triangles[16 + k] = {q0, q1, kPatchCentre};
    }
    p.triangleCount = 20;
    return p;
}

double patchValue(const ResultantPatch& patch, Local p) {
    // The triangle whose smallest barycentric coordinate is largest holds the point (on a
    // shared side either neighbour gives the same value).
    double best = -1e300, value = 0;
    for (int t = 0; t < patch.triangleCount; ++t) {
        const auto [a, b, c] = patch.triangles[t];
        const Local &pa = patch.at[a], &pb = patch.at[b], &pc = patch.at[c];
        const double det =
            (pb.xi - pa.xi) * (pc.eta - pa.eta) - (pc.xi - pa.xi) * (pb.eta - pa.eta);
        const double lb =
            ((p.xi - pa.xi) * (pc.eta - pa.eta) - (pc.xi - pa.xi) * (p.eta - pa.eta)) / det;
        const double lc =
            ((pb.xi - pa.xi) * (p.eta - pa.eta) - (p.xi - pa.xi) * (pb.eta - pa.eta)) / det;
        const double la = 1 - lb - lc;
        const double smallest = std::min({la, lb, lc});
        if (smallest > best) {
            best = smallest;
            value = la * patch.value[a] + lb * patch.value[b] + lc * patch.value[c];
        }
    }
    return value;
}

double pickRadius(const ResultSet& r) {
    double shortest = 0;
    for (int e = 1; e <= r.elementCount(); ++e) {
        const double side = std::min(r.element(e).lx, r.element(e).ly);
        if (e == 1 || side < shortest) shortest = side;
    }
    return shortest / 2;
}

std::optional<int> reactionNodeNear(const ResultSet& r, XY p) {
    const double radius = pickRadius(r);
    std::optional<int> best;
    double bestDistance = 0;
    for (int j = 1; j <= r.nodeCount(); ++j) {
        if (!r.hasReaction(j)) continue;
        const double d = std::hypot(r.node(j).at.x - p.x, r.node(j).at.y - p.y);
        if (d <= radius && (!best || d < bestDistance)) {
            best = j;
            bestDistance = d;
        }
    }
    return best;
}

std::optional<double> valueAt(const ResultSet& r, Quantity q, XY p) {
    if (q == Quantity::Reactions) {
        const auto j = reactionNodeNear(r, p);
        if (!j) return std::nullopt;
        return r.reactions[static_cast<std::size_t>(*j)][0];
    }
    const auto e = elementAt(r, p);
    if (!e) return std::nullopt;
    const XY& c1 = r.corner(*e, 0);
    switch (q) {
    case Quantity::W:
        return deflectionAt(r, *e, p.x - c1.x, p.y - c1.y);
    case Quantity::Soil:
        return r.element(*e).bedding * deflectionAt(r, *e, p.x - c1.x, p.y - c1.y);
    case Quantity::Mxx:
    case Quantity::Myy:
    case Quantity::Mxy:
    case Quantity::M1:
    case Quantity::M2:
    case Quantity::Qx:
    case Quantity::Qy:
        return patchValue(resultantPatch(r, q, *e), localPoint(r, *e, p));
    case Quantity::Reactions:
        break;
    }
    return std::nullopt;
}

PrincipalAxes principalAtCentre(const ResultSet& r, int e) {
    const auto& row = r.elementResults[static_cast<std::size_t>(e)];
    const double first = row[ec::kM1], second = row[ec::kM2], phi = row[ec::kPhi];
    // The solver's M1 acts at phi; when it is the smaller one, the larger acts at right angles.
    if (first >= second) return {first, second, phi};
    return {second, first, phi + 90.0};
}

} // namespace viewer
