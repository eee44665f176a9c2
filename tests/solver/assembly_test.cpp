// Assembly into the profile of the reduced system against a dense formulation, and the
// supports, springs and prescribed displacements of small slabs.
#include "solver/assembly.hpp"
#include "solver/example_slab.hpp"
#include "tests/support/test_support.hpp"
#include "ui/console/scripted_ui.hpp"

#include <algorithm>
#include <memory>
#include <numeric>

using namespace slab;
using testsupport::near;

namespace {

// The straightforward formulation: dense global matrix, dense reduced matrix, its profile by
// the row-start rule, the same factorisation.
struct DenseResult {
    ProfileMatrix reduced;
    std::vector<double> rhs, v, reactions;
    std::vector<float> springForces;
    double sn = 0, ss = 0;
};

DenseResult denseReference(SolverModel m) {
    computeElementMatrices(m);
    const int neq = 4 * m.nodeCount;
    std::vector<double> k(static_cast<std::size_t>(neq) * neq, 0.0), fe(neq, 0.0), f(neq);
    for (int e = 1; e <= m.elementCount; ++e)
        for (int p = 0; p < 16; ++p) {
            const int gp = 4 * (m.elements[e].node[p / 4] - 1) + p % 4;
            for (int q = 0; q < 16; ++q) {
                const int gq = 4 * (m.elements[e].node[q / 4] - 1) + q % 4;
                k[gp * neq + gq] += m.stiffness[e][p * 16 + q];
            }
            fe[gp] += m.elementLoads[e].v[7 + p];
        }
    for (int g = 0; g < neq; ++g)
        f[g] = static_cast<float>(m.nodalLoads[g / 4 + 1].v[6 + g % 4]) + fe[g];
    auto code = [&](int g) { return m.nodes[g / 4 + 1].code[g % 4]; };
    auto spring = [&](int g) { return m.springs[g / 4 + 1].v[1 + g % 4]; };
    auto prescribed = [&](int g) { return m.nodalLoads[g / 4 + 1].v[1 + g % 4]; };
    std::vector<int> free;
    for (int g = 0; g < neq; ++g)
        if (code(g) == 0) free.push_back(g);
    const int nf = static_cast<int>(free.size());
    std::vector<double> a(static_cast<std::size_t>(nf) * nf);
    DenseResult r;
    r.rhs.resize(nf);
    for (int i = 0; i < nf; ++i) {
        for (int j = 0; j < nf; ++j) a[i * nf + j] = k[free[i] * neq + free[j]];
        r.rhs[i] = f[free[i]];
    }
    for (int i = 0; i < nf; ++i)
        if (spring(free[i]) != 0) a[i * nf + i] += spring(free[i]);
    for (int g = 0; g < neq; ++g)
        if (prescribed(g) != 0)
            for (int i = 0; i < nf; ++i) r.rhs[i] -= prescribed(g) * k[free[i] * neq + g];
    r.reduced = profileFromDense(a, nf);
    ProfileMatrix factors = r.reduced;
    EXPECT_FALSE(factorize(factors));
    ui::ScriptedUi bar;
    const auto u = substitute(factors, r.rhs, bar);
    r.v.assign(neq, 0.0);
    for (int g = 0; g < neq; ++g) r.v[g] = prescribed(g);
    for (int i = 0; i < nf; ++i) r.v[free[i]] = u[i];
    r.reactions.assign(neq, 0.0);
    r.springForces.assign(neq, 0.0f);
    for (int g = 0; g < neq; ++g) {
        if (code(g) == 1) {
            double s = 0;
            for (int n = 0; n < neq; ++n) s += k[g * neq + n] * r.v[n];
            r.reactions[g] = s - f[g];
        }
        if (code(g) == 0 && spring(g) != 0) r.springForces[g] = static_cast<float>(-spring(g) * r.v[g]);
        r.reactions[g] += r.springForces[g];
    }
    for (int j = 0; j < m.nodeCount; ++j) {
        r.sn += f[4 * j];
        r.ss += r.reactions[4 * j];
    }
    return r;
}

// A 4 x 3 hinged slab with bedding, springs, line and nodal loads, a settlement and a held-
// without-reaction code, its nodes numbered in a scrambled order so that the profile is ragged.
std::unique_ptr<SolverModel> awkwardSlab() {
    auto m = std::make_unique<SolverModel>();
    ExampleSlab s;
    s.nx = 4;
    s.ny = 3;
    s.width = 4.0;
    s.height = 2.4;
    buildExampleSlab(s, *m);
    m->bedding[2].v[0] = 20000.0f;
    m->bedding[7].v[0] = 5000.0f;
    m->elementLoads[3].v[2] = 4.0f;  // line load on edge 1
    m->elementLoads[10].v[5] = -2.5f; // on edge 4
    m->nodalLoads[7].v[6] = 12.0;     // a point load on a free node
    m->nodalLoads[8].v[7] = -3.0;     // a moment
    m->nodalLoads[1].v[6] = 5.0;      // a load on a held corner
    m->nodalLoads[3].v[1] = -0.002;   // a settlement of a held w
    m->springs[12].v[1] = 8000.0f;    // a spring on a free w
    m->springs[13].v[3] = 900.0f;     // a rotational spring
    m->nodes[15].code[3] = 2;         // held without reaction
    // Scramble the node numbers.
    const int nn = m->nodeCount;
    std::vector<int> perm(nn + 1);
    std::iota(perm.begin(), perm.end(), 0);
    std::reverse(perm.begin() + 1, perm.begin() + 1 + nn / 2);
    std::swap(perm[3], perm[18]);
    auto nodes = m->nodes;
    auto springs = m->springs;
    auto nodal = m->nodalLoads;
    for (int j = 1; j <= nn; ++j) {
        m->nodes[perm[j]] = nodes[j];
        m->nodes[perm[j]].number = perm[j];
        m->springs[perm[j]] = springs[j];
        m->nodalLoads[perm[j]] = nodal[j];
    }
    for (int e = 1; e <= m->elementCount; ++e)
        for (int& n : m->elements[e].node) n = perm[n];
    return m;
}

} // namespace

TEST(Assembly, ProfileAssemblyEqualsTheDenseFormulation) {
    for (bool clamped : {false, true}) {
        auto m = clamped ? std::make_unique<SolverModel>() : awkwardSlab();
        if (clamped) {
            ExampleSlab s;
            s.nx = 3;
            s.ny = 5;
            s.clamped = true;
            buildExampleSlab(s, *m);
        }
        const DenseResult dense = denseReference(*m);
        computeElementMatrices(*m);
        ReducedSystem sys = assembleReducedSystem(*m);
        EXPECT_EQ(sys.matrix.rowStart, dense.reduced.rowStart);
        EXPECT_EQ(sys.matrix.diag, dense.reduced.diag);
        EXPECT_EQ(sys.matrix.values, dense.reduced.values);
        EXPECT_EQ(sys.rhs, dense.rhs);

        ui::ScriptedUi ui;
        ASSERT_TRUE(formAndSolve(*m, ui, ui));
        EXPECT_TRUE(ui.messages.empty());
        for (int j = 1; j <= m->nodeCount; ++j)
            for (int k = 0; k < 4; ++k) {
                const int g = 4 * (j - 1) + k;
                EXPECT_EQ(m->displacement[j][k], dense.v[g]);
                EXPECT_EQ(m->nodalLoads[j].v[11 + k], dense.reactions[g]);
                EXPECT_EQ(m->springs[j].v[6 + k], dense.springForces[g]);
            }
        EXPECT_EQ(m->equivalentSum, dense.sn);
        EXPECT_EQ(m->supportSum, dense.ss);
    }
}

TEST(Assembly, SettlementMovesTheNodeAndLoadsOnHeldFreedomsGoToTheReaction) {
    auto m = awkwardSlab();
    ui::ScriptedUi ui;
    ASSERT_TRUE(formAndSolve(*m, ui, ui));
    // Find the nodes by their prescribed value and load (numbers were scrambled).
    for (int j = 1; j <= m->nodeCount; ++j) {
        const auto& n = m->nodalLoads[j].v;
        if (n[1] == -0.002) {
            EXPECT_EQ(m->displacement[j][0], -0.002);
        }
        if (m->nodes[j].code[0] == 1) {
            EXPECT_EQ(m->displacement[j][0], n[1]);
        }
        if (m->nodes[j].code[3] == 2) {
            EXPECT_EQ(n[14], 0.0); // held without reaction
        }
        if (m->springs[j].v[1] == 8000.0f) {
            EXPECT_EQ(m->springs[j].v[6], static_cast<float>(-8000.0 * m->displacement[j][0]));
            EXPECT_EQ(n[11], static_cast<double>(m->springs[j].v[6]));
        }
    }
    // The reactions (with the spring force) balance all loads, bedding included only
    // through the slab: P = -(Ss + bedding forces); without bedding exactly -Ss.
    EXPECT_TRUE(near(m->totalLoad, 10.0 * 4.0 * 2.4 + 4.0 * 1.0 - 2.5 * 0.8 + 12.0 + 5.0, 1e-6));
}

TEST(Assembly, ReactionsBalanceTheLoadOfAHingedSlab) {
    auto m = std::make_unique<SolverModel>();
    buildExampleSlab(ExampleSlab{}, *m);
    m->springs[20].v[1] = 1000.0f; // a spring on an interior w also carries load
    ui::ScriptedUi ui;
    ASSERT_TRUE(formAndSolve(*m, ui, ui));
    EXPECT_TRUE(near(m->totalLoad, 480.0));
    EXPECT_TRUE(near(m->equivalentSum, m->totalLoad, 1e-7));
    EXPECT_TRUE(near(m->supportSum, -m->equivalentSum, 1e-9));
    // A held w alone carries a reaction on w and nothing on the free freedoms.
    for (int j = 1; j <= m->nodeCount; ++j)
        for (int k = 0; k < 4; ++k)
            if (m->nodes[j].code[k] == 0 && m->springs[j].v[1 + k] == 0) {
                EXPECT_EQ(m->nodalLoads[j].v[11 + k], 0.0);
            }
}

TEST(Assembly, SpringOnAHeldFreedomIsRefused) {
    auto m = std::make_unique<SolverModel>();
    buildExampleSlab(ExampleSlab{}, *m);
    m->springs[1].v[1] = 100.0f; // node 1 is a held corner
    m->nodalLoads[20].v[1] = 0.01; // and a settlement of a free node: the spring is found first
    ui::ScriptedUi ui;
    EXPECT_FALSE(formAndSolve(*m, ui, ui));
    EXPECT_EQ(ui.texts(), (std::vector<std::string>{"Federauflager dürfen nicht gelagert werden!"}));
    EXPECT_TRUE(m->displacement.empty());
}

TEST(Assembly, SettlementOfAFreeFreedomIsRefused) {
    auto m = std::make_unique<SolverModel>();
    buildExampleSlab(ExampleSlab{}, *m);
    m->nodalLoads[20].v[3] = 0.01;
    ui::ScriptedUi ui;
    EXPECT_FALSE(formAndSolve(*m, ui, ui));
    EXPECT_EQ(ui.texts(), (std::vector<std::string>{
                              "Knoten mit eingeprägten Lagerverschiebungen müssen gelagert werden!"}));
}

TEST(Assembly, UnsupportedSlabIsNotPositiveDefiniteWhateverTheRoundOff) {
    // Round-off leaves the vanishing pivot of the rigid-body motion slightly positive on some
    // meshes (3 x 2, 8 x 6, 53 x 6 among them) and slightly negative on others.
    for (auto [nx, ny] : {std::pair{3, 2}, {8, 6}, {2, 2}, {7, 2}, {9, 2}, {53, 6}, {13, 31}}) {
        auto m = std::make_unique<SolverModel>();
        ExampleSlab s;
        s.nx = nx;
        s.ny = ny;
        buildExampleSlab(s, *m);
        for (int j = 1; j <= m->nodeCount; ++j) m->nodes[j].code = {0, 0, 0, 0};
        ui::ScriptedUi ui;
        EXPECT_FALSE(formAndSolve(*m, ui, ui)) << nx << " x " << ny;
        EXPECT_EQ(ui.texts(), (std::vector<std::string>{"Stiffness matrix is not positiv definit!"}));
        EXPECT_TRUE(ui.positions.empty()); // the bar only moves once the factors exist
        EXPECT_TRUE(m->displacement.empty());
    }
}

TEST(Assembly, NotANumberOrZeroStiffnessIsNotPositiveDefinite) {
    for (double e : {std::numeric_limits<double>::quiet_NaN(), 0.0}) {
        auto m = std::make_unique<SolverModel>();
        buildExampleSlab(ExampleSlab{}, *m);
        if (e == 0.0)
            for (int k = 1; k <= m->elementCount; ++k) m->elements[k].thickness = 0.0;
        else
            m->elements[5].e = e;
        ui::ScriptedUi ui;
        EXPECT_FALSE(formAndSolve(*m, ui, ui));
        EXPECT_EQ(ui.texts(), (std::vector<std::string>{"Stiffness matrix is not positiv definit!"}));
    }
}

TEST(Assembly, StiffnessContrastBeyondDoublePrecisionIsRefused) {
    // A stiff patch in a hinged 10 x 10 slab: up to 1e15 the reactions still balance the load;
    // at 1e24 a solution would lose half the load, so it is refused.
    for (double stiff : {1e15, 1e24}) {
        auto m = std::make_unique<SolverModel>();
        ExampleSlab s;
        s.nx = s.ny = 10;
        s.width = s.height = 10.0;
        buildExampleSlab(s, *m);
        for (int e : {44, 45, 46, 54, 55, 56}) m->elements[e].e = stiff;
        ui::ScriptedUi ui;
        const bool solved = formAndSolve(*m, ui, ui);
        EXPECT_EQ(solved, stiff < 1e20);
        if (solved) {
            EXPECT_TRUE(near(m->supportSum, -1000.0, 1e-6));
        }
    }
}

TEST(Assembly, BeddingAloneCarriesAnUnsupportedSlab) {
    // A free slab on an elastic bedding under a uniform load sinks evenly by q / c.
    auto m = std::make_unique<SolverModel>();
    ExampleSlab s;
    s.nx = 4;
    s.ny = 3;
    buildExampleSlab(s, *m);
    for (int j = 1; j <= m->nodeCount; ++j) m->nodes[j].code = {0, 0, 0, 0};
    for (int e = 1; e <= m->elementCount; ++e) m->bedding[e].v[0] = 20000.0f;
    ui::ScriptedUi ui;
    ASSERT_TRUE(formAndSolve(*m, ui, ui));
    for (int j = 1; j <= m->nodeCount; ++j) {
        EXPECT_TRUE(near(m->displacement[j][0], 10.0 / 20000.0, 1e-6));
        EXPECT_TRUE(near(m->displacement[j][1], 0.0, 0, 1e-10));
    }
    EXPECT_EQ(m->supportSum, 0.0);
}
