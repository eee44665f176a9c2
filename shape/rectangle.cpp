// The plate rectangle's element functions as tensor products of Hermite cubics.
#include "shape/rectangle.hpp"

namespace shape {

TensorIndex tensorIndex(int dof) {
    // H1 and H2 belong to the end at 0, H3 and H4 to the end at L; the slope functions carry
    // the derivative that the component names.
    const int corner = dof / kComponentCount;
    const bool xEnd = corner == 1 || corner == 2;
    const bool yEnd = corner == 2 || corner == 3;
    bool xSlope = false, ySlope = false;
    switch (static_cast<Component>(dof % kComponentCount)) {
    case Component::W:
        break;
    case Component::Wx:
        xSlope = true;
        break;
    case Component::Wy:
        ySlope = true;
        break;
    case Component::Wxy:
        xSlope = ySlope = true;
        break;
    }
    return {(xEnd ? 2 : 0) + (xSlope ? 1 : 0), (yEnd ? 2 : 0) + (ySlope ? 1 : 0)};
}

Derivatives productDerivatives(int dof, const HermiteTable& fx, const HermiteTable& fy) {
    const auto [ix, iy] = tensorIndex(dof);
    Derivatives d{};
    for (int i = 0; i < kDerivativeCount; ++i)
        for (int j = 0; j < kDerivativeCount; ++j)
            d[i][j] = fx[ix][i] * fy[iy][j];
    return d;
}

std::array<Derivatives, kDofCount> elementFunctions(double lx, double ly, double x, double y) {
    const HermiteTable hx = hermite(x, lx), hy = hermite(y, ly);
    std::array<Derivatives, kDofCount> functions{};
    for (int p = 0; p < kDofCount; ++p)
        functions[p] = productDerivatives(p, hx, hy);
    return functions;
}

Derivatives interpolate(const NodalValues& u, double lx, double ly, double x, double y) {
    const HermiteTable hx = hermite(x, lx), hy = hermite(y, ly);
    Derivatives w{};
    for (int p = 0; p < kDofCount; ++p) {
        // Supports hold many nodal values at zero; skipping them saves work and leaves the sum
        // unchanged.
        if (u[p] == 0.0) continue;
        const auto [a, b] = tensorIndex(p);
        for (int i = 0; i < kDerivativeCount; ++i)
            for (int j = 0; j < kDerivativeCount; ++j)
                w[i][j] += u[p] * hx[a][i] * hy[b][j];
    }
    return w;
}

} // namespace shape
