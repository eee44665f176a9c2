// Load vectors of influence surfaces from the bicubic Hermite functions of the plate rectangle.
#include "loads/influence.hpp"

#include "shape/hermite.hpp"
#include "shape/rectangle.hpp"

namespace daskel {

namespace {

// A quantity is applied to the derivatives of an element function at a point, or to their
// integrals along a section.
using shape::Derivatives;
using shape::HermiteTable;

double apply(PointQuantity q, double d, double nu, const Derivatives& u) {
    switch (q) {
    case PointQuantity::Mxx:
        return -d * (u[2][0] + nu * u[0][2]);
    case PointQuantity::Myy:
        return -d * (u[0][2] + nu * u[2][0]);
    case PointQuantity::Mxy:
        return -d * (1 - nu) * u[1][1];
    case PointQuantity::Qx:
        return -d * (u[3][0] + u[1][2]);
    case PointQuantity::Qy:
        return -d * (u[0][3] + u[2][1]);
    case PointQuantity::W:
        return u[0][0];
    case PointQuantity::Wx:
        return u[1][0];
    case PointQuantity::Wy:
        return u[0][1];
    case PointQuantity::Wxy:
        return u[1][1];
    case PointQuantity::Vx:
        return -d * (u[3][0] + (2 - nu) * u[1][2]);
    case PointQuantity::Vy:
        return -d * (u[0][3] + (2 - nu) * u[2][1]);
    }
    return 0;
}

// The point operator a section quantity integrates; myx is mxy on a horizontal section.
PointQuantity integrand(SectionQuantity q) {
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

// Q of each element function, the x and y factors of its derivatives taken from fx and fy.
LoadVector vectorOf(PointQuantity q, double d, double nu, const HermiteTable& fx,
                    const HermiteTable& fy) {
    LoadVector f{};
    for (int p = 0; p < shape::kDofCount; ++p)
        f[p] = apply(q, d, nu, shape::productDerivatives(p, fx, fy));
    return f;
}

} // namespace

std::optional<PointQuantity> pointQuantity(int choice) {
    if (choice < 0 || choice >= kPointQuantityCount) return std::nullopt;
    return static_cast<PointQuantity>(choice);
}

std::optional<SectionQuantity> sectionQuantity(int choice) {
    if (choice < 0 || choice >= kSectionQuantityCount) return std::nullopt;
    return static_cast<SectionQuantity>(choice);
}

std::string_view label(PointQuantity q) {
    switch (q) {
    case PointQuantity::Mxx:
        return "mxx";
    case PointQuantity::Myy:
        return "myy";
    case PointQuantity::Mxy:
        return "mxy";
    case PointQuantity::Qx:
        return "qx";
    case PointQuantity::Qy:
        return "qy";
    case PointQuantity::W:
        return "w";
    case PointQuantity::Wx:
        return "w,x";
    case PointQuantity::Wy:
        return "w,y";
    case PointQuantity::Wxy:
        return "w,xy";
    case PointQuantity::Vx:
        return "vx";
    case PointQuantity::Vy:
        return "vy";
    }
    return "";
}

std::string_view label(SectionQuantity q) {
    switch (q) {
    case SectionQuantity::Mxx:
        return "mxx";
    case SectionQuantity::Mxy:
        return "mxy";
    case SectionQuantity::Qx:
        return "qx";
    case SectionQuantity::Vx:
        return "vx";
    case SectionQuantity::Myy:
        return "myy";
    case SectionQuantity::Myx:
        return "myx";
    case SectionQuantity::Qy:
        return "qy";
    case SectionQuantity::Vy:
        return "vy";
    }
    return "";
}

bool isVertical(SectionQuantity q) {
    switch (q) {
    case SectionQuantity::Mxx:
    case SectionQuantity::Mxy:
    case SectionQuantity::Qx:
    case SectionQuantity::Vx:
        return true;
    case SectionQuantity::Myy:
    case SectionQuantity::Myx:
    case SectionQuantity::Qy:
    case SectionQuantity::Vy:
        return false;
    }
    return false;
}

double plateStiffness(double e, double thickness, double nu) {
    return e * thickness * thickness * thickness / ((1 - nu * nu) * 12);
}

double plateStiffness(const slab::ElementRecord& element) {
    return plateStiffness(element.e, element.thickness, element.nu);
}

LoadVector pointVector(PointQuantity q, double d, double nu, double a, double b, double x,
                       double y) {
    return vectorOf(q, d, nu, shape::hermite(x, a), shape::hermite(y, b));
}

LoadVector sectionVector(SectionQuantity q, double d, double nu, double a, double b, double s) {
    // The integrand is a product of one x and one y factor per term, so the integral along the
    // section only replaces the factor of the integration variable by its integral.
    if (isVertical(q))
        return vectorOf(integrand(q), d, nu, shape::hermite(s, a), shape::hermiteIntegrals(b));
    return vectorOf(integrand(q), d, nu, shape::hermiteIntegrals(a), shape::hermite(s, b));
}

} // namespace daskel
