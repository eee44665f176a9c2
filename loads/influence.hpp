// Load vectors of influence surfaces: the quantity Q applied to the 16 shape functions of the
// plate rectangle, at a point or integrated along a section through the element.
#pragma once

#include "solver/modelfiles/elemente1.hpp"

#include <array>
#include <optional>
#include <string_view>

namespace daskel {

/// The point quantities in the order of the dialog's radio group (choice 0 to 10).
enum class PointQuantity { Mxx, Myy, Mxy, Qx, Qy, W, Wx, Wy, Wxy, Vx, Vy };
inline constexpr int kPointQuantityCount = 11;

/// The section quantities in the order of the dialog's radio group (choice 0 to 7): the first
/// four act on a vertical section (x = const), the last four on a horizontal one (y = const).
enum class SectionQuantity { Mxx, Mxy, Qx, Vx, Myy, Myx, Qy, Vy };
inline constexpr int kSectionQuantityCount = 8;

/// Element DOF p (0-based) is component p % 4 (w, w,x, w,y, w,xy) of corner p / 4.
using LoadVector = std::array<double, 16>;

/// The quantity of dialog choice 0 to 10; nullopt for any other number.
std::optional<PointQuantity> pointQuantity(int choice);
/// The quantity of dialog choice 0 to 7; nullopt for any other number.
std::optional<SectionQuantity> sectionQuantity(int choice);

/// The label of the dialog: "mxx", "myy", "mxy", "qx", "qy", "w", "w,x", "w,y", "w,xy", "vx",
/// "vy".
std::string_view label(PointQuantity q);
/// The label of the dialog: "mxx", "mxy", "qx", "vx", "myy", "myx", "qy", "vy".
std::string_view label(SectionQuantity q);

/// True for the quantities of a vertical section (mxx, mxy, qx, vx).
bool isVertical(SectionQuantity q);

/// Plate stiffness D = E t³ / ((1 - nu²) 12) [kNm].
double plateStiffness(double e, double thickness, double nu);
/// D of an element record of ELEMENTE1.
double plateStiffness(const slab::ElementRecord& element);

/// Q applied to the shape functions at local (x, y) of an a x b element (a, b > 0 m): the
/// equivalent nodal loads whose work on the nodal values is Q of the interpolated field there.
LoadVector pointVector(PointQuantity q, double d, double nu, double a, double b, double x,
                       double y);

/// Q integrated along the section through the a x b element: over y from 0 to b at local x = s
/// for the vertical quantities, over x from 0 to a at local y = s for the horizontal ones.
/// Exact (closed-form integrals of the cubic shape functions).
LoadVector sectionVector(SectionQuantity q, double d, double nu, double a, double b, double s);

} // namespace daskel
