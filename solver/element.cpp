// The conforming 16-DOF plate rectangle, built from one-dimensional Hermite cubics.
#include "solver/element.hpp"

#include <cassert>

namespace slab {

namespace {

using Matrix4 = std::array<std::array<double, 4>, 4>;

// One-dimensional cubic Hermite functions on [0, L]: value at 0, slope at 0, value at L, slope
// at L. The element functions are products of one x and one y function.
Matrix4 massMatrix(double L) { // integral of H_i H_j
    double f = L / 420.0;
    return {{{156 * f, 22 * L * f, 54 * f, -13 * L * f},
             {22 * L * f, 4 * L * L * f, 13 * L * f, -3 * L * L * f},
             {54 * f, 13 * L * f, 156 * f, -22 * L * f},
             {-13 * L * f, -3 * L * L * f, -22 * L * f, 4 * L * L * f}}};
}

Matrix4 slopeMatrix(double L) { // integral of H_i' H_j'
    double f = 1.0 / (30.0 * L);
    return {{{36 * f, 3 * L * f, -36 * f, 3 * L * f},
             {3 * L * f, 4 * L * L * f, -3 * L * f, -L * L * f},
             {-36 * f, -3 * L * f, 36 * f, -3 * L * f},
             {3 * L * f, -L * L * f, -3 * L * f, 4 * L * L * f}}};
}

Matrix4 curvatureMatrix(double L) { // integral of H_i'' H_j''
    double f = 1.0 / (L * L * L);
    return {{{12 * f, 6 * L * f, -12 * f, 6 * L * f},
             {6 * L * f, 4 * L * L * f, -6 * L * f, 2 * L * L * f},
             {-12 * f, -6 * L * f, 12 * f, -6 * L * f},
             {6 * L * f, 2 * L * L * f, -6 * L * f, 4 * L * L * f}}};
}

Matrix4 mixedMatrix(double L) { // integral of H_i'' H_j = [H_i' H_j] - integral of H_i' H_j'
    Matrix4 c = slopeMatrix(L);
    for (auto& row : c)
        for (double& v : row) v = -v;
    c[3][2] += 1.0; // H4'(L) H3(L)
    c[1][0] -= 1.0; // H2'(0) H1(0)
    return c;
}

// The 1-D function indexes (in x and in y) of element DOF p.
struct TensorIndex {
    int x, y;
};

TensorIndex tensorIndex(int p) {
    int corner = p / 4, component = p % 4;
    bool xEnd = corner == 1 || corner == 2;
    bool yEnd = corner == 2 || corner == 3;
    int xValue = xEnd ? 2 : 0, yValue = yEnd ? 2 : 0;
    bool xSlope = component == 1 || component == 3;
    bool ySlope = component == 2 || component == 3;
    return {xValue + (xSlope ? 1 : 0), yValue + (ySlope ? 1 : 0)};
}

// Values and derivatives 0 to 3 of the four Hermite functions at s on [0, L].
using Hermite = std::array<std::array<double, 4>, 4>; // [function][derivative]

Hermite hermite(double s, double L) {
    double t = s / L, t2 = t * t, t3 = t2 * t;
    return {{{1 - 3 * t2 + 2 * t3, (-6 * t + 6 * t2) / L, (-6 + 12 * t) / (L * L), 12 / (L * L * L)},
             {L * (t - 2 * t2 + t3), 1 - 4 * t + 3 * t2, (-4 + 6 * t) / L, 6 / (L * L)},
             {3 * t2 - 2 * t3, (6 * t - 6 * t2) / L, (6 - 12 * t) / (L * L), -12 / (L * L * L)},
             {L * (-t2 + t3), -2 * t + 3 * t2, (-2 + 6 * t) / L, 6 / (L * L)}}};
}

} // namespace

double flexuralRigidity(double e, double thickness, double nu) {
    return e * thickness * thickness * thickness / (12.0 * (1.0 - nu * nu));
}

ElementMatrix elementStiffness(double lx, double ly, double d, double nu) {
    const Matrix4 mx = massMatrix(lx), my = massMatrix(ly);
    const Matrix4 sx = slopeMatrix(lx), sy = slopeMatrix(ly);
    const Matrix4 bx = curvatureMatrix(lx), by = curvatureMatrix(ly);
    const Matrix4 cx = mixedMatrix(lx), cy = mixedMatrix(ly);
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
    const Matrix4 mx = massMatrix(lx), my = massMatrix(ly);
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
    for (int i = 0; i < 16; ++i) out[i] = static_cast<float>(f[i]);
    return out;
}

PointValues pointValues(double lx, double ly, double d, double nu, const ElementVector& u,
                        double x, double y) {
    const Hermite hx = hermite(x, lx), hy = hermite(y, ly);
    // Derivatives w,(i x)(j y) for i, j = 0 to 3.
    double w[4][4] = {};
    for (int p = 0; p < 16; ++p) {
        if (u[p] == 0.0) continue;
        auto [a, b] = tensorIndex(p);
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j) w[i][j] += u[p] * hx[a][i] * hy[b][j];
    }
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
