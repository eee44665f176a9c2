// Load vectors of influence surfaces from the bicubic Hermite functions of the plate rectangle.
#include "loads/influence.hpp"

namespace daskel {

namespace {

// [function][derivative]: the four one-dimensional cubic Hermite functions on [0, L] (value at
// 0, slope at 0, value at L, slope at L) and their derivatives 0 to 3.
using Hermite = std::array<std::array<double, 4>, 4>;

Hermite hermite(double s, double L) {
    const double t = s / L, t2 = t * t, t3 = t2 * t;
    return {
        {{1 - 3 * t2 + 2 * t3, (-6 * t + 6 * t2) / L, (-6 + 12 * t) / (L * L), 12 / (L * L * L)},
         {L * (t - 2 * t2 + t3), 1 - 4 * t + 3 * t2, (-4 + 6 * t) / L, 6 / (L * L)},
         {3 * t2 - 2 * t3, (6 * t - 6 * t2) / L, (6 - 12 * t) / (L * L), -12 / (L * L * L)},
         {L * (-t2 + t3), -2 * t + 3 * t2, (-2 + 6 * t) / L, 6 / (L * L)}}};
}

// [function][derivative]: the integrals over [0, L] of derivatives 0 to 3. A derivative's
// integral is the difference of the next lower derivative at the ends; only the functions
// themselves need their own closed form.
Hermite hermiteIntegrals(double L) {
    const Hermite start = hermite(0, L), end = hermite(L, L);
    Hermite r{};
    const std::array<double, 4> plain = {L / 2, L * L / 12, L / 2, -L * L / 12};
    for (int f = 0; f < 4; ++f) {
        r[f][0] = plain[f];
        for (int k = 1; k < 4; ++k)
            r[f][k] = end[f][k - 1] - start[f][k - 1];
    }
    return r;
}

// The one-dimensional functions in x and in y whose product is element function p.
struct TensorIndex {
    int x, y;
};

TensorIndex tensorIndex(int p) {
    const int corner = p / 4, component = p % 4;
    const bool xEnd = corner == 1 || corner == 2;
    const bool yEnd = corner == 2 || corner == 3;
    const bool xSlope = component == 1 || component == 3;
    const bool ySlope = component == 2 || component == 3;
    return {(xEnd ? 2 : 0) + (xSlope ? 1 : 0), (yEnd ? 2 : 0) + (ySlope ? 1 : 0)};
}

// [i][j]: the derivative d^i/dx^i d^j/dy^j of a function (or its integral along a section).
using Derivatives = std::array<std::array<double, 4>, 4>;

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
LoadVector vectorOf(PointQuantity q, double d, double nu, const Hermite& fx, const Hermite& fy) {
    LoadVector f{};
    for (int p = 0; p < 16; ++p) {
        const auto [ix, iy] = tensorIndex(p);
        Derivatives u{};
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j)
                u[i][j] = fx[ix][i] * fy[iy][j];
        f[p] = apply(q, d, nu, u);
    }
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
    return vectorOf(q, d, nu, hermite(x, a), hermite(y, b));
}

LoadVector sectionVector(SectionQuantity q, double d, double nu, double a, double b, double s) {
    // The integrand is a product of one x and one y factor per term, so the integral along the
    // section only replaces the factor of the integration variable by its integral.
    if (isVertical(q)) return vectorOf(integrand(q), d, nu, hermite(s, a), hermiteIntegrals(b));
    return vectorOf(integrand(q), d, nu, hermiteIntegrals(a), hermite(s, b));
}

} // namespace daskel
