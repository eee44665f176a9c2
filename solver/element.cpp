// The conforming 16-DOF plate rectangle, built from one-dimensional Hermite cubics.
#include "solver/element.hpp"

#include "shape/hermite.hpp"
#include "shape/rectangle.hpp"

#include <cassert>

namespace slab {

using shape::Matrix4;
using shape::tensorIndex;

double flexuralRigidity(double e, double thickness, double nu) {
    return e * thickness * thickness * thickness / (12.0 * (1.0 - nu * nu));
}

ElementMatrix elementStiffness(double lx, double ly, double d, double nu) {
    const Matrix4 mx = shape::massMatrix(lx), my = shape::massMatrix(ly);
    const Matrix4 sx = shape::slopeMatrix(lx), sy = shape::slopeMatrix(ly);
    const Matrix4 bx = shape::curvatureMatrix(lx), by = shape::curvatureMatrix(ly);
    const Matrix4 cx = shape::mixedMatrix(lx), cy = shape::mixedMatrix(ly);
    ElementMatrix k{};
    for (int p = 0; p < 16; ++p) {
        auto [a, b] = tensorIndex(p);
        for (int q = p; q < 16; ++q) {
            auto [c, e] = tensorIndex(q);
            // w,xx^2 + w,yy^2 + 2 nu w,xx w,yy + 2 (1 - nu) w,xy^2
            double v = bx[a][c] * my[b][e] + mx[a][c] * by[b][e] +
                       nu * (cx[a][c] * cy[e][b] + cx[c][a] * cy[b][e]) +
                       2.0 * (1.0 - nu) * sx[a][c] * sy[b][e];
            k[p * 16 + q] = d * v;
            k[q * 16 + p] = d * v;
        }
    }
    return k;
}

std::array<float, 256> beddingMatrix(double lx, double ly, double c) {
    const Matrix4 mx = shape::massMatrix(lx), my = shape::massMatrix(ly);
    std::array<float, 256> kb{};
    for (int p = 0; p < 16; ++p) {
        auto [a, b] = tensorIndex(p);
        for (int q = p; q < 16; ++q) {
            auto [cc, e] = tensorIndex(q);
            float v = static_cast<float>(c * mx[a][cc] * my[b][e]);
            kb[p * 16 + q] = v;
            kb[q * 16 + p] = v;
        }
    }
    return kb;
}

std::array<float, 16> equivalentNodalLoads(double lx, double ly, double q,
                                           const std::array<double, 4>& p) {
    const auto [p1, p2, p3, p4] = p;
    const double w = q * lx * ly / 4;
    const double mx = q * lx * lx * ly / 24, my = q * lx * ly * ly / 24;
    const double t = q * lx * lx * ly * ly / 144;
    const std::array<double, 16> f = {
        w + p1 * lx / 2 + p4 * ly / 2, mx + p1 * lx * lx / 12,  my + p4 * ly * ly / 12,  t,
        w + p1 * lx / 2 + p2 * ly / 2, -mx - p1 * lx * lx / 12, my + p2 * ly * ly / 12,  -t,
        w + p3 * lx / 2 + p2 * ly / 2, -mx - p3 * lx * lx / 12, -my - p2 * ly * ly / 12, t,
        w + p3 * lx / 2 + p4 * ly / 2, mx + p3 * lx * lx / 12,  -my - p4 * ly * ly / 12, -t};
    std::array<float, 16> out{};
    for (int i = 0; i < 16; ++i)
        out[i] = static_cast<float>(f[i]);
    return out;
}

PointValues pointValues(double lx, double ly, double d, double nu, const ElementVector& u, double x,
                        double y) {
    // w[i][j] is the derivative w,(i x)(j y).
    const shape::Derivatives w = shape::interpolate(u, lx, ly, x, y);
    PointValues v;
    v.w = w[0][0];
    v.mxx = -d * (w[2][0] + nu * w[0][2]);
    v.myy = -d * (w[0][2] + nu * w[2][0]);
    v.mxy = -d * (1 - nu) * w[1][1];
    v.qx = -d * (w[3][0] + w[1][2]);
    v.qy = -d * (w[0][3] + w[2][1]);
    // The fourth pure derivatives of a bicubic vanish.
    v.ph = 2 * d * w[2][2];
    v.tx = d * (1 - nu) * w[2][1];
    v.ty = -d * (1 - nu) * w[1][2];
    return v;
}

EdgeResultants edgeResultants(const PointValues& v, double nx, double ny) {
    return {nx * nx * v.mxx + 2 * nx * ny * v.mxy + ny * ny * v.myy,
            (nx * nx - ny * ny) * v.mxy - nx * ny * (v.mxx - v.myy), nx * v.qx + ny * v.qy};
}

double linePoint(int k, double length) {
    static constexpr float kPoints[3] = {0.11270166f, 0.5f, 0.88729835f};
    assert(k >= 1 && k <= 3);
    return kPoints[k - 1] * length;
}

double lineWeight(int k, double length) {
    static constexpr float kWeights[3] = {0.2777778f, 0.44444445f, 0.2777778f};
    assert(k >= 1 && k <= 3);
    return kWeights[k - 1] * length;
}

} // namespace slab
