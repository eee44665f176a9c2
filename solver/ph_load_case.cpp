// Load case ph per element, and its collection on edges and nodes.
#include "solver/ph_load_case.hpp"

#include "solver/edge_lists.hpp"
#include "solver/node_elements.hpp"

namespace slab {

namespace {

constexpr float kNormalX[5] = {0, 0, 1, 0, -1};
constexpr float kNormalY[5] = {0, -1, 0, 1, 0};

// Weighted sum of Vn at the quarter, middle and three-quarter points (not at the Gauss points
// themselves): the rule the result files were defined with.
double edgeResultant(const std::array<double, 19>& values, double length) {
    return lineWeight(1, length) * values[14] + lineWeight(2, length) * values[15] +
           lineWeight(3, length) * values[16];
}

// Adds the values of one element's edge into an edge row.
void addEdge(const SolverModel& m, int e, int j, EdgeRow& row) {
    const auto& t = m.elementPh[e].t;
    const double p = m.elementLoads[e].v[ElementLoadRecord::kEdgeLoad + j - 1];
    for (int k = 1; k <= 5; ++k) {
        row.load[6 + k] += p;
        row.values[k] += t[phMn(j, k)];
        row.values[6 + k] += t[phMnt(j, k)];
        row.values[12 + k] += t[phVn(j, k)];
    }
}

EdgeRow edgeRow(const SolverModel& m, const MeshEdge& edge) {
    EdgeRow row;
    addEdge(m, edge.firstElement, edge.firstEdge, row);
    if (edge.secondElement != 0) addEdge(m, edge.secondElement, edge.secondEdge, row);
    row.values[18] = edgeResultant(row.values, edgeLength(m, edge.firstElement, edge.firstEdge));
    return row;
}

// Adds an edge's resultant to the free sum when one of its nodes is free in w, to the held
// sum when both are held; other boundary codes count in neither.
void addEdgeSum(const SolverModel& m, const MeshEdge& edge, const EdgeRow& row, double& free,
                double& held) {
    const int a = m.nodes[edge.startNode].code[0], b = m.nodes[edge.endNode].code[0];
    if (a == kFree || b == kFree)
        free += row.values[18];
    else if (a == kHeld && b == kHeld)
        held += row.values[18];
}

} // namespace

void computeElementPh(SolverModel& m) {
    m.elementPh.assign(static_cast<std::size_t>(m.elementCount) + 1, ElementPhRow{});
    m.beddingForce.assign(static_cast<std::size_t>(m.elementCount) + 1, 0.0);
    for (int e = 1; e <= m.elementCount; ++e) {
        const auto [lxd, lyd] = elementSize(m, e);
        const float lx = static_cast<float>(lxd), ly = static_cast<float>(lyd);
        const auto& el = m.elements[e];
        const double d = flexuralRigidity(el.e, el.thickness, el.nu);
        const double c = m.bedding[e].v[0];
        const ElementVector u = elementDisplacements(m, e);
        auto at = [&](double x, double y) { return pointValues(lx, ly, d, el.nu, u, x, y); };
        auto& row = m.elementPh[e];
        auto& t = row.t;
        for (int j = 1; j <= 4; ++j) {
            row.nx[j - 1] = kNormalX[j];
            row.ny[j - 1] = kNormalY[j];
        }

        const float px[5] = {0, lx, lx, 0, lx / 2}, py[5] = {0, 0, ly, ly, ly / 2};
        double cwCentre = 0;
        for (int i = 0; i < 5; ++i) {
            const PointValues v = at(px[i], py[i]);
            row.ph[i] = v.ph + c * v.w;
            if (i == 4) cwCentre = c * v.w;
        }

        // Edge points run in increasing x or y on every edge.
        const float s[5] = {0, 0.25f, 0.5f, 0.75f, 1};
        for (int j = 1; j <= 4; ++j) {
            for (int k = 1; k <= 5; ++k) {
                const double x = j == 2 ? lx : j == 4 ? 0.0f : s[k - 1] * lx;
                const double y = j == 1 ? 0.0f : j == 3 ? ly : s[k - 1] * ly;
                const PointValues v = at(x, y);
                const auto r = edgeResultants(v, kNormalX[j], kNormalY[j]);
                const double derivative = j == 1 ? v.tx : j == 2 ? v.ty : j == 3 ? -v.tx : -v.ty;
                t[phMn(j, k)] = r.mn;
                t[phMnt(j, k)] = r.mnt;
                t[phMntDerivative(j, k)] = derivative;
                t[phQn(j, k)] = r.qn;
                t[phVn(j, k)] = r.qn + derivative;
            }
            const double length = edgeLength(m, e, j);
            t[phEdgeResultant(j)] = lineWeight(1, length) * t[phVn(j, 2)] +
                                    lineWeight(2, length) * t[phVn(j, 3)] +
                                    lineWeight(3, length) * t[phVn(j, 4)];
        }

        // Corner forces are the jumps of the twisting moment where two edges meet.
        t[phCornerForce(1)] = t[phMnt(1, 1)] - t[phMnt(4, 1)];
        t[phCornerForce(2)] = t[phMnt(2, 1)] - t[phMnt(1, 5)];
        t[phCornerForce(3)] = t[phMnt(3, 5)] - t[phMnt(2, 5)];
        t[phCornerForce(4)] = t[phMnt(4, 5)] - t[phMnt(3, 1)];

        // The plain p_h of a bicubic is bilinear, so the centre value times the area is exact.
        const double area = static_cast<double>(lx) * ly;
        t[kPhAreaLoad] = area * row.ph[4];
        m.beddingForce[e] = c != 0 ? -area * cwCentre : 0.0;
        double total = t[kPhAreaLoad] + m.beddingForce[e];
        for (int j = 1; j <= 4; ++j) total += t[phEdgeResultant(j)] + t[phCornerForce(j)];
        t[kPhElementTotal] = total;
    }
}

void computePhSums(SolverModel& m) {
    EdgeLists lists = buildEdgeLists(m);
    m.innerEdges = std::move(lists.inner);
    m.outerEdges = std::move(lists.outer);

    PhSums sums;
    m.cornerForce.assign(static_cast<std::size_t>(m.nodeCount) + 1, 0.0);
    for (int j = 1; j <= m.nodeCount; ++j) {
        double f = 0;
        for (int s = 1; s <= 4; ++s) {
            const auto [e, corner] = m.nodeElements[j][s];
            if (e != 0) f += m.elementPh[e].t[phCornerForce(corner)];
        }
        m.cornerForce[j] = f;
        const int code = m.nodes[j].code[0];
        if (code == kFree) sums.freeCorners += f;
        else if (code == kHeld) sums.heldCorners += f;
    }

    m.outerEdgeRows.clear();
    m.outerEdgeRows.reserve(m.outerEdges.size());
    for (const MeshEdge& edge : m.outerEdges) {
        m.outerEdgeRows.push_back(edgeRow(m, edge));
        addEdgeSum(m, edge, m.outerEdgeRows.back(), sums.freeOuterEdges, sums.heldOuterEdges);
    }
    m.innerEdgeRows.clear();
    m.innerEdgeRows.reserve(m.innerEdges.size());
    for (const MeshEdge& edge : m.innerEdges) {
        m.innerEdgeRows.push_back(edgeRow(m, edge));
        addEdgeSum(m, edge, m.innerEdgeRows.back(), sums.freeInnerEdges, sums.heldInnerEdges);
    }

    for (int e = 1; e <= m.elementCount; ++e)
        sums.elementLoads += m.elementPh[e].t[kPhAreaLoad] + m.beddingForce[e];
    sums.allFree = sums.freeCorners + sums.elementLoads + sums.freeOuterEdges + sums.freeInnerEdges;
    sums.allHeld = sums.heldCorners + sums.heldOuterEdges + sums.heldInnerEdges;
    sums.all = sums.allFree + sums.allHeld;
    m.phSums = sums;
}

} // namespace slab
