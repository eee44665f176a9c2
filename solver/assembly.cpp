// Assembly into the profile of the reduced system, and the results of the solution.
#include "solver/assembly.hpp"

#include "solver/model_reader.hpp"

#include <algorithm>
#include <chrono>

namespace slab {

namespace {

int globalDof(const SolverModel& m, int element, int p) {
    return 4 * (m.elements[element].node[p / 4] - 1) + p % 4;
}

// Nodes that share an element with each node (itself included), in increasing order.
std::vector<std::vector<int>> nodeNeighbours(const SolverModel& m) {
    std::vector<std::vector<int>> adj(static_cast<std::size_t>(m.nodeCount) + 1);
    for (int e = 1; e <= m.elementCount; ++e)
        for (int a : m.elements[e].node)
            for (int b : m.elements[e].node) adj[a].push_back(b);
    for (auto& list : adj) {
        std::sort(list.begin(), list.end());
        list.erase(std::unique(list.begin(), list.end()), list.end());
    }
    return adj;
}

HeldRows makeHeldRows(const std::vector<int>& freeIndex,
                      const std::vector<std::vector<int>>& adj) {
    HeldRows h;
    h.rowOf.assign(freeIndex.size(), -1);
    h.begin.push_back(0);
    for (std::size_t g = 0; g < freeIndex.size(); ++g) {
        if (freeIndex[g] >= 0) continue;
        h.rowOf[g] = static_cast<int>(h.dof.size());
        h.dof.push_back(static_cast<int>(g));
        for (int nb : adj[g / 4 + 1])
            for (int k = 0; k < 4; ++k) h.cols.push_back(4 * (nb - 1) + k);
        h.begin.push_back(h.cols.size());
    }
    h.vals.assign(h.cols.size(), 0.0);
    return h;
}

double secondsSince(std::chrono::steady_clock::time_point& t) {
    auto now = std::chrono::steady_clock::now();
    double s = std::chrono::duration<double>(now - t).count();
    t = now;
    return s;
}

} // namespace

void computeElementMatrices(SolverModel& m) {
    m.stiffness.resize(static_cast<std::size_t>(m.elementCount) + 1);
    for (int e = 1; e <= m.elementCount; ++e) {
        const auto& el = m.elements[e];
        const auto [lx, ly] = elementSize(m, e);
        ElementMatrix k = elementStiffness(lx, ly, flexuralRigidity(el.e, el.thickness, el.nu), el.nu);
        auto& bed = m.bedding[e].v;
        if (bed[0] != 0.0f) {
            const auto kb = beddingMatrix(lx, ly, bed[0]);
            for (int i = 0; i < 16; ++i)
                for (int j = 0; j < 16; ++j) {
                    k[i * 16 + j] += kb[i * 16 + j];
                    bed[1 + 17 * (i + 1) + (j + 1)] = kb[i * 16 + j];
                }
        }
        m.stiffness[e] = k;

        auto& load = m.elementLoads[e].v;
        const std::array<double, 4> edge = {load[ElementLoadRecord::kEdgeLoad],
                                            load[ElementLoadRecord::kEdgeLoad + 1],
                                            load[ElementLoadRecord::kEdgeLoad + 2],
                                            load[ElementLoadRecord::kEdgeLoad + 3]};
        const auto f = equivalentNodalLoads(lx, ly, load[ElementLoadRecord::kAreaLoad], edge);
        std::copy(f.begin(), f.end(), load.begin() + ElementLoadRecord::kEquivalentLoad);
    }
}

bool checkSpringsAndSettlements(const SolverModel& m, ports::MessageBox& box) {
    for (int j = 1; j <= m.nodeCount; ++j)
        for (int k = 0; k < 4; ++k)
            if (m.springs[j].v[SpringRecord::kConstant + k] != 0.0f &&
                m.nodes[j].code[k] == kHeld) {
                box.message(kSolverTitle, "Federauflager dürfen nicht gelagert werden!");
                return false;
            }
    for (int j = 1; j <= m.nodeCount; ++j)
        for (int k = 0; k < 4; ++k)
            if (m.nodalLoads[j].v[NodalLoadRecord::kPrescribed + k] != 0.0 &&
                m.nodes[j].code[k] == kFree) {
                box.message(kSolverTitle,
                            "Knoten mit eingeprägten Lagerverschiebungen müssen gelagert werden!");
                return false;
            }
    return true;
}

ReducedSystem assembleReducedSystem(const SolverModel& m) {
    const int neq = 4 * m.nodeCount;
    ReducedSystem s;
    s.freeIndex.assign(static_cast<std::size_t>(neq), -1);
    for (int g = 0; g < neq; ++g) {
        if (m.nodes[g / 4 + 1].code[g % 4] != kFree) continue;
        s.freeIndex[g] = static_cast<int>(s.freeDofs.size());
        s.freeDofs.push_back(g);
    }
    const int nf = static_cast<int>(s.freeDofs.size());

    // The envelope: a free row reaches back to the first free freedom of any of its elements.
    std::vector<int> envelope(static_cast<std::size_t>(nf));
    for (int i = 0; i < nf; ++i) envelope[i] = i;
    for (int e = 1; e <= m.elementCount; ++e) {
        int first = nf;
        for (int p = 0; p < 16; ++p)
            if (int f = s.freeIndex[globalDof(m, e, p)]; f >= 0) first = std::min(first, f);
        for (int p = 0; p < 16; ++p)
            if (int f = s.freeIndex[globalDof(m, e, p)]; f >= 0)
                envelope[f] = std::min(envelope[f], first);
    }
    s.matrix = makeProfile(envelope);
    const auto adj = nodeNeighbours(m);
    s.held = makeHeldRows(s.freeIndex, adj);

    std::vector<double> elementLoad(static_cast<std::size_t>(neq), 0.0);
    for (int e = 1; e <= m.elementCount; ++e) {
        const ElementMatrix& k = m.stiffness[e];
        const auto& node = m.elements[e].node;
        int dof[16];
        for (int p = 0; p < 16; ++p) dof[p] = globalDof(m, e, p);
        // Same element order and (p, q) order as a dense assembly, so the sums are identical.
        for (int p = 0; p < 16; ++p) {
            const int fp = s.freeIndex[dof[p]];
            if (fp >= 0) {
                for (int q = 0; q < 16; ++q) {
                    const int fq = s.freeIndex[dof[q]];
                    if (fq >= 0 && fq <= fp) s.matrix.at(fp, fq) += k[p * 16 + q];
                }
            } else {
                const int row = s.held.rowOf[dof[p]];
                const auto& nbs = adj[node[p / 4]];
                for (int q = 0; q < 16; ++q) {
                    auto pos = std::lower_bound(nbs.begin(), nbs.end(), node[q / 4]) - nbs.begin();
                    s.held.vals[s.held.begin[row] + 4 * static_cast<std::size_t>(pos) + q % 4] +=
                        k[p * 16 + q];
                }
            }
            elementLoad[dof[p]] += m.elementLoads[e].v[ElementLoadRecord::kEquivalentLoad + p];
        }
    }

    for (int j = 1; j <= m.nodeCount; ++j)
        for (int k = 0; k < 4; ++k) {
            const float spring = m.springs[j].v[SpringRecord::kConstant + k];
            const int f = s.freeIndex[4 * (j - 1) + k];
            if (spring != 0.0f && f >= 0) s.matrix.at(f, f) += spring;
        }
    trimProfile(s.matrix);

    s.load.resize(static_cast<std::size_t>(neq));
    for (int g = 0; g < neq; ++g) {
        const float nodal = static_cast<float>(m.nodalLoads[g / 4 + 1].v[NodalLoadRecord::kLoad + g % 4]);
        s.load[g] = static_cast<double>(nodal) + elementLoad[g];
    }
    s.rhs.resize(static_cast<std::size_t>(nf));
    for (int i = 0; i < nf; ++i) s.rhs[i] = s.load[s.freeDofs[i]];
    for (std::size_t row = 0; row < s.held.dof.size(); ++row) {
        const int g = s.held.dof[row];
        const double r = m.nodalLoads[g / 4 + 1].v[NodalLoadRecord::kPrescribed + g % 4];
        if (r == 0.0) continue;
        for (std::size_t k = s.held.begin[row]; k < s.held.begin[row + 1]; ++k)
            if (int f = s.freeIndex[s.held.cols[k]]; f >= 0) s.rhs[f] -= r * s.held.vals[k];
    }
    return s;
}

void storeResults(SolverModel& m, const ReducedSystem& s, const std::vector<double>& solution) {
    const int neq = 4 * m.nodeCount;
    std::vector<double> v(static_cast<std::size_t>(neq), 0.0);
    for (int g = 0; g < neq; ++g) {
        const int f = s.freeIndex[g];
        v[g] = f >= 0 ? solution[f] : m.nodalLoads[g / 4 + 1].v[NodalLoadRecord::kPrescribed + g % 4];
    }
    m.displacement.assign(static_cast<std::size_t>(m.nodeCount) + 1, {});
    for (int g = 0; g < neq; ++g) m.displacement[g / 4 + 1][g % 4] = v[g];

    for (int g = 0; g < neq; ++g) {
        const int j = g / 4 + 1, k = g % 4;
        double reaction = 0.0;
        if (m.nodes[j].code[k] == kHeld) {
            const int row = s.held.rowOf[g];
            for (std::size_t i = s.held.begin[row]; i < s.held.begin[row + 1]; ++i)
                reaction += s.held.vals[i] * v[s.held.cols[i]];
            reaction -= s.load[g];
        }
        float force = 0.0f;
        const float spring = m.springs[j].v[SpringRecord::kConstant + k];
        if (spring != 0.0f && s.freeIndex[g] >= 0) force = static_cast<float>(-spring * v[g]);
        m.springs[j].v[SpringRecord::kForce + k] = force;
        m.nodalLoads[j].v[NodalLoadRecord::kReaction + k] = reaction + force;
    }

    double p = 0.0;
    for (int e = 1; e <= m.elementCount; ++e) {
        const auto [lx, ly] = elementSize(m, e);
        const auto& load = m.elementLoads[e].v;
        p += lx * ly * load[ElementLoadRecord::kAreaLoad];
        for (int edge = 1; edge <= 4; ++edge)
            p += edgeLength(m, e, edge) * load[ElementLoadRecord::kEdgeLoad + edge - 1];
    }
    double sn = 0.0, ss = 0.0;
    for (int j = 1; j <= m.nodeCount; ++j) {
        p += static_cast<float>(m.nodalLoads[j].v[NodalLoadRecord::kLoad]);
        sn += s.load[4 * (j - 1)];
        ss += m.nodalLoads[j].v[NodalLoadRecord::kReaction];
    }
    m.totalLoad = p;
    m.equivalentSum = sn;
    m.supportSum = ss;
}

bool formAndSolve(SolverModel& m, ports::MessageBox& box, ports::ProgressBar& progress, StageTimes* times) {
    StageTimes local;
    StageTimes& t = times ? *times : local;
    auto clock = std::chrono::steady_clock::now();
    computeElementMatrices(m);
    t.elementMatrices = secondsSince(clock);
    if (!checkSpringsAndSettlements(m, box)) return false;
    ReducedSystem s = assembleReducedSystem(m);
    t.assembly = secondsSince(clock);
    if (factorize(s.matrix)) {
        box.message(kSolverTitle, kNotPositiveDefinite);
        return false;
    }
    t.factorisation = secondsSince(clock);
    const auto u = substitute(s.matrix, std::move(s.rhs), progress);
    t.substitution = secondsSince(clock);
    storeResults(m, s, u);
    t.reactions = secondsSince(clock);
    return true;
}

} // namespace slab
