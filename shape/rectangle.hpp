// The 16 shape functions of the conforming plate rectangle, each the product of one Hermite
// cubic in x and one in y: their derivatives at a local point and the field they interpolate.
#pragma once

#include "shape/hermite.hpp"

namespace shape {

/// Element DOF p (0 to 15) is component p % 4 of corner p / 4. Corners run counter-clockwise
/// from the lower left: (0, 0), (lx, 0), (lx, ly), (0, ly) in local coordinates (metres).
inline constexpr int kCornerCount = 4;
inline constexpr int kComponentCount = 4;
inline constexpr int kDofCount = kCornerCount * kComponentCount;

/// The nodal unknowns of a corner in their order.
enum class Component { W, Wx, Wy, Wxy };

/// The element DOF of component c at corner 0 to 3.
constexpr int dofOf(int corner, Component c) {
    return kComponentCount * corner + static_cast<int>(c);
}

/// The Hermite functions (0 to 3) in x and in y whose product is one element function.
struct TensorIndex {
    int x, y;
};

/// The x and y factors of element function p (0 to 15).
TensorIndex tensorIndex(int dof);

/// [i][j]: the derivative d^i/dx^i d^j/dy^j (i, j = 0 to 3; all higher ones vanish), in m^-(i+j)
/// times the unit of the function or field.
using Derivatives = std::array<std::array<double, kDerivativeCount>, kDerivativeCount>;

/// Element function p from its x and y factor tables: hermite(x, lx) and hermite(y, ly) give its
/// derivatives at (x, y); an integral table in place of one gives their integral along it.
Derivatives productDerivatives(int dof, const HermiteTable& fx, const HermiteTable& fy);

/// Derivatives of the 16 element functions at local (x, y) of an lx x ly element (lx, ly > 0).
std::array<Derivatives, kDofCount> elementFunctions(double lx, double ly, double x, double y);

/// The 16 nodal values w, w,x, w,y, w,xy of the four corners, in DOF order.
using NodalValues = std::array<double, kDofCount>;

/// Derivatives at local (x, y) of the field that the nodal values u interpolate.
Derivatives interpolate(const NodalValues& u, double lx, double ly, double x, double y);

} // namespace shape
