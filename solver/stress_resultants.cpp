// Stress resultants from the point functions of the element.
#include "solver/stress_resultants.hpp"

#include "solver/node_elements.hpp"

#include <cmath>

namespace slab {

namespace {

constexpr double kPi = 3.141592653589793;
// Stands in for an infinite tangent when mxx = myy: the direction is then +-45 degrees.
constexpr double kSteepTangent = 1e20;

struct ElementField {
    double lx, ly, d, nu;
    ElementVector u;
};

ElementField elementField(const SolverModel& m, int e) {
    const auto [lx, ly] = elementSize(m, e);
    const auto& el = m.elements[e];
    return {lx, ly, flexuralRigidity(el.e, el.thickness, el.nu), el.nu, elementDisplacements(m, e)};
}

PointValues at(const ElementField& f, double x, double y) {
    return pointValues(f.lx, f.ly, f.d, f.nu, f.u, x, y);
}

// Writes mxx, myy, mxy, M1, M2 and phi at every stride-th slot from first.
void putMoments(ElementResultRow& row, int first, int stride, const PointValues& v) {
    const auto [m1, m2] = principalMoments(v.mxx, v.myy, v.mxy);
    const double values[6] = {v.mxx, v.myy, v.mxy, m1, m2, principalDirection(v.mxx, v.myy, v.mxy)};
    for (int i = 0; i < 6; ++i) row[first + i * stride] = values[i];
}

} // namespace

PrincipalMoments principalMoments(double mxx, double myy, double mxy) {
    const double mean = (mxx + myy) / 2;
    const double half = (mxx - myy) / 2;
    const double r = std::sqrt(half * half + mxy * mxy);
    if (mxx - myy >= 0) return {mean + r, mean - r};
    return {mean - r, mean + r};
}

double principalDirection(double mxx, double myy, double mxy) {
    if (std::fabs(mxy) <= kPrincipalCutOff) return 0.0;
    double alpha;
    if (std::fabs(mxx - myy) <= kPrincipalCutOff)
        alpha = mxy > 0 ? std::atan(kSteepTangent) : -std::atan(kSteepTangent);
    else
        alpha = std::atan(2 * mxy / (mxx - myy));
    const double phi = alpha * 0.5 * 180 / kPi;
    return std::fabs(phi) <= kPhiCutOff ? 0.0 : phi;
}

double resultantShear(double qx, double qy) { return std::sqrt(qx * qx + qy * qy); }

void computeElementResults(SolverModel& m) {
    m.elementResults.assign(static_cast<std::size_t>(m.elementCount) + 1, ElementResultRow{});
    for (int e = 1; e <= m.elementCount; ++e) {
        const ElementField f = elementField(m, e);
        const float lx = static_cast<float>(f.lx), ly = static_cast<float>(f.ly);
        auto& row = m.elementResults[e];

        const PointValues c = at(f, lx / 2, ly / 2);
        putMoments(row, 0, 1, c);
        row[6] = c.qx;
        row[7] = c.qy;
        row[8] = resultantShear(c.qx, c.qy);

        // Quarter points Q1 to Q4 run counter-clockwise like the corners.
        const float qx[4] = {lx / 4, 3 * lx / 4, 3 * lx / 4, lx / 4};
        const float qy[4] = {ly / 4, ly / 4, 3 * ly / 4, 3 * ly / 4};
        for (int q = 0; q < 4; ++q) putMoments(row, 10 + q, 5, at(f, qx[q], qy[q]));
    }
}

void computeNodalAverages(SolverModel& m) {
    m.nodeElements = buildNodeElements(m);
    m.nodeResults.assign(static_cast<std::size_t>(m.nodeCount) + 1, NodeResultRow{});
    std::vector<ElementField> fields;
    fields.reserve(static_cast<std::size_t>(m.elementCount) + 1);
    fields.push_back({});
    for (int e = 1; e <= m.elementCount; ++e) fields.push_back(elementField(m, e));

    for (int j = 1; j <= m.nodeCount; ++j) {
        auto& row = m.nodeResults[j];
        for (int k = 0; k < 4; ++k) row[1 + k] = m.displacement[j][k];
        const int n = filledSlots(m.nodeElements[j]);
        if (n == 0) continue; // a node without elements keeps zero averages
        double sum[5] = {};
        for (int s = 1; s <= n; ++s) {
            const auto [e, corner] = m.nodeElements[j][s];
            const ElementField& f = fields[e];
            const double x = corner == 2 || corner == 3 ? f.lx : 0.0;
            const double y = corner == 3 || corner == 4 ? f.ly : 0.0;
            const PointValues v = at(f, x, y);
            const double values[5] = {v.mxx, v.myy, v.mxy, v.qx, v.qy};
            for (int i = 0; i < 5; ++i) sum[i] += values[i];
        }
        for (double& s : sum) s /= n;
        const auto [m1, m2] = principalMoments(sum[0], sum[1], sum[2]);
        const double values[9] = {sum[0], sum[1], sum[2], m1, m2,
                                  principalDirection(sum[0], sum[1], sum[2]),
                                  sum[3], sum[4], resultantShear(sum[3], sum[4])};
        for (int i = 0; i < 9; ++i) row[5 + i] = values[i];
    }
}

} // namespace slab
