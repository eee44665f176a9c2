// Work-equivalent loads of the plate rectangle. Area integrals are turned into integrals along
// the polygon's edges (Green's theorem) and, like the line integrals, taken with the
// five-point Gauss-Legendre rule, which is exact for polynomials up to degree 9 along a
// straight edge: the integrands here reach degree 8.
#include "shape/load_integrals.hpp"

#include <cmath>
#include <cstddef>

namespace shape {

namespace {

/// The five-point Gauss-Legendre rule on [0, 1].
constexpr int kGaussPoints = 5;
constexpr std::array<double, kGaussPoints> kGaussAt = {
    0.5 - 0.9061798459386640 / 2, 0.5 - 0.5384693101056831 / 2, 0.5, 0.5 + 0.5384693101056831 / 2,
    0.5 + 0.9061798459386640 / 2};
constexpr std::array<double, kGaussPoints> kGaussWeight = {
    0.2369268850561891 / 2, 0.4786286704993665 / 2, 0.5688888888888889 / 2, 0.4786286704993665 / 2,
    0.2369268850561891 / 2};

/// [x factor][y factor]: sums gathered per pair of Hermite functions, spread over the DOFs last.
using Factors = std::array<std::array<double, kHermiteCount>, kHermiteCount>;

ElementLoads spread(const Factors& f) {
    ElementLoads loads{};
    for (int p = 0; p < kDofCount; ++p) {
        const auto [a, b] = tensorIndex(p);
        loads[p] = f[a][b];
    }
    return loads;
}

/// ∫_0^s H(t) dt and ∫_0^s t·H(t) dt of the four Hermite functions on [0, L].
struct Antiderivatives {
    std::array<double, kHermiteCount> plain, moment;
};

Antiderivatives antiderivatives(double s, double L) {
    const double t = s / L, t2 = t * t, t3 = t2 * t, t4 = t3 * t, t5 = t4 * t;
    const double L2 = L * L, L3 = L2 * L;
    return {{L * (t - t3 + t4 / 2), L2 * (t2 / 2 - 2 * t3 / 3 + t4 / 4), L * (t3 - t4 / 2),
             L2 * (-t3 / 3 + t4 / 4)},
            {L2 * (t2 / 2 - 3 * t4 / 4 + 2 * t5 / 5), L3 * (t3 / 3 - t4 / 2 + t5 / 5),
             L2 * (3 * t4 / 4 - 2 * t5 / 5), L3 * (-t4 / 4 + t5 / 5)}};
}

LocalPoint along(LocalPoint a, LocalPoint b, double t) {
    return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
}

} // namespace

ElementLoads polygonLoads(const std::vector<LocalPoint>& polygon, const LinearLoad& p, double lx,
                          double ly) {
    // With G(x, y) = ∫_0^x p·Hx·Hy ds = Hy(y)·((p0 + py·y)·A(x) + px·B(x)), the area integral
    // of p·Hx·Hy is the integral of G dy around the polygon. Edges without a rise add nothing.
    Factors f{};
    const std::size_t n = polygon.size();
    for (std::size_t i = 0; i < n; ++i) {
        const LocalPoint a = polygon[i], b = polygon[(i + 1) % n];
        const double rise = b.y - a.y;
        if (rise == 0.0) continue;
        for (int k = 0; k < kGaussPoints; ++k) {
            const LocalPoint q = along(a, b, kGaussAt[k]);
            const Antiderivatives in = antiderivatives(q.x, lx);
            const HermiteTable hy = hermite(q.y, ly);
            const double weight = kGaussWeight[k] * rise, level = p.p0 + p.py * q.y;
            for (int ix = 0; ix < kHermiteCount; ++ix) {
                const double g = weight * (level * in.plain[ix] + p.px * in.moment[ix]);
                for (int iy = 0; iy < kHermiteCount; ++iy)
                    f[ix][iy] += g * hy[iy][0];
            }
        }
    }
    return spread(f);
}

ElementLoads rectangleLoads(const LinearLoad& p, double lx, double ly) {
    // ∫∫ (p0 + px·x + py·y)·Hx·Hy = p0·∫Hx·∫Hy + px·∫x·Hx·∫Hy + py·∫Hx·∫y·Hy over [0, L].
    const Antiderivatives x = antiderivatives(lx, lx), y = antiderivatives(ly, ly);
    Factors f{};
    for (int ix = 0; ix < kHermiteCount; ++ix)
        for (int iy = 0; iy < kHermiteCount; ++iy)
            f[ix][iy] = (p.p0 * x.plain[ix] + p.px * x.moment[ix]) * y.plain[iy] +
                        p.py * x.plain[ix] * y.moment[iy];
    return spread(f);
}

namespace {

/// ∫ v(t)·φ(point at t) ds along a segment, v linear from va to vb, where φ takes the x and y
/// tables of the Hermite functions at a point and gives the factor of each pair.
template <class PairValue>
ElementLoads alongSegment(LocalPoint a, LocalPoint b, double va, double vb, double lx, double ly,
                          PairValue value) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length = std::sqrt(dx * dx + dy * dy);
    Factors f{};
    for (int k = 0; k < kGaussPoints; ++k) {
        const double t = kGaussAt[k];
        const LocalPoint q = along(a, b, t);
        const HermiteTable hx = hermite(q.x, lx), hy = hermite(q.y, ly);
        const double weight = kGaussWeight[k] * length * (va + t * (vb - va));
        for (int ix = 0; ix < kHermiteCount; ++ix)
            for (int iy = 0; iy < kHermiteCount; ++iy)
                f[ix][iy] += weight * value(hx[ix], hy[iy]);
    }
    return spread(f);
}

} // namespace

ElementLoads segmentForces(LocalPoint a, LocalPoint b, double qa, double qb, double lx, double ly) {
    return alongSegment(a, b, qa, qb, lx, ly,
                        [](const auto& hx, const auto& hy) { return hx[0] * hy[0]; });
}

ElementLoads segmentMoments(LocalPoint a, LocalPoint b, double ma, double mb, double nx, double ny,
                            double lx, double ly) {
    return alongSegment(a, b, ma, mb, lx, ly, [nx, ny](const auto& hx, const auto& hy) {
        return nx * hx[1] * hy[0] + ny * hx[0] * hy[1];
    });
}

ElementLoads pointForce(LocalPoint at, double force, double lx, double ly) {
    const auto functions = elementFunctions(lx, ly, at.x, at.y);
    ElementLoads loads{};
    for (int p = 0; p < kDofCount; ++p)
        loads[p] = force * functions[p][0][0];
    return loads;
}

ElementLoads pointMoment(LocalPoint at, double moment, double nx, double ny, double lx, double ly) {
    const auto functions = elementFunctions(lx, ly, at.x, at.y);
    ElementLoads loads{};
    for (int p = 0; p < kDofCount; ++p)
        loads[p] = moment * (nx * functions[p][1][0] + ny * functions[p][0][1]);
    return loads;
}

ElementLoads curvatureLoads(double lx, double ly) {
    // The integral of a second derivative over [0, L] is the difference of the slopes at the
    // ends, which hermiteIntegrals gives exactly.
    const HermiteTable ix = hermiteIntegrals(lx), iy = hermiteIntegrals(ly);
    ElementLoads loads{};
    for (int p = 0; p < kDofCount; ++p) {
        const Derivatives d = productDerivatives(p, ix, iy);
        loads[p] = d[2][0] + d[0][2];
    }
    return loads;
}

} // namespace shape
