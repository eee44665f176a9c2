// OUTPUTFEM.txt, formatted block by block into one buffer and written at once.
#include "solver/report.hpp"

#include "common/file_io.hpp"
#include "common/format.hpp"
#include "solver/ph_load_case.hpp"

#include <cmath>

namespace slab {

namespace {

void heading(std::string& out, const char* title) {
    out += "\n\n\n--- ";
    out += title;
    out += " ---\n\n";
}

void basics(std::string& out, const SolverModel& m, int loadCase) {
    heading(out, "Grundinformation");
    appendFormat(out, "Anzahl der Knoten:\t\t%i\n", m.nodeCount);
    appendFormat(out, "Anzahl der Elemente:\t\t%i\n", m.elementCount);
    appendFormat(out, "Berechneter Lastfall (Nr.):\t%i\n", loadCase);
}

void loadControl(std::string& out, const SolverModel& m) {
    heading(out, "Globale Lastkontrolle");
    appendFormat(out, "Summe der Vertikalkräfte (LF p):\t%.2lf\n", m.totalLoad);
    appendFormat(out, "Summe der äquiv. Knotenkräfte (FEM):\t%.2lf\n", m.equivalentSum);
    appendFormat(out, "Summe der äquiv. Lagerkräfte (FEM):\t%.2lf\n", m.supportSum);
    appendFormat(out, "Gleichgewicht des Lastfalls ph (=0!):\t%.2lf\n", m.phSums.all);
    out += globalEquilibrium(m) ? "\n\n  ''Das globale Gleichgewicht ist erfüllt!'' \n"
                                : "\n\n  ''Das globale Gleichgewicht ist NICHT erfüllt!'' \n";
}

void nodesAndCodes(std::string& out, const SolverModel& m) {
    out += "\n\n\n--- Knotenkoordinaten und Randbedingungen---\n\n";
    out += "Nr.\t x\t y\t w\t w,x\t w,y\t w,xy\n\n ";
    for (int j = 1; j <= m.nodeCount; ++j) {
        const auto& n = m.nodes[j];
        appendFormat(out, "%i\t%.2lf\t%.2lf\t%i\t%i\t%i\t%i\t\n", j, n.x, n.y, n.code[0], n.code[1],
                     n.code[2], n.code[3]);
    }
}

void elements(std::string& out, const SolverModel& m) {
    heading(out, "Elementkoinzidenzen");
    for (int e = 1; e <= m.elementCount; ++e) {
        const auto& n = m.elements[e].node;
        appendFormat(out, "%i\t%i\t%i\t%i\t%i\t\n", e, n[0], n[1], n[2], n[3]);
    }
    heading(out, "Elementdaten");
    out += "Nr.\t E-Modul\t Dicke\t nue\t Bettung\n\n";
    for (int e = 1; e <= m.elementCount; ++e) {
        const auto& el = m.elements[e];
        appendFormat(out, "%i\t%.1lf\t%.2lf\t%.2lf\t%.1lf\t\n", e, el.e, el.thickness, el.nu,
                     static_cast<double>(m.bedding[e].v[0]));
    }
    // No file describes downstand beams, so their table stays empty.
    heading(out, "Unterzüge");
    out += "Nr.\t Anfang\t Ende\t Breite\t Höhe(inkl. Platte)\n\n";
}

// Each line is formatted by one call: the report has some 150000 numbers for a full mesh.
void nineValues(std::string& out, int number, const double* v) {
    appendFormat(out, "%i\t%.2lf\t%.2lf\t%.2lf\t%.2lf\t%.2lf\t%.2lf\t%.2lf\t%.2lf\t%.2lf\t\n",
                 number, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8]);
}

void nodalResults(std::string& out, const SolverModel& m) {
    const int nn = m.nodeCount;
    heading(out, "Knotenverformungen");
    out += "Nr.\t w\t w,x\t w,y\t w,xy\n\n";
    for (int j = 1; j <= nn; ++j) {
        const auto& d = m.displacement[j];
        appendFormat(out, "%i\t%.8lf\t%.8lf\t%.8lf\t%.8lf\t\n", j, d[0], d[1], d[2], d[3]);
    }

    heading(out, "Lagerreaktionen (Kräfte und Momente)");
    out += "Nr.\t F\t Mxx\t Myy\t Mxy\n\n";
    for (int j = 1; j <= nn; ++j) {
        const auto& v = m.nodalLoads[j].v;
        constexpr std::size_t r = NodalLoadRecord::kReaction;
        appendFormat(out, "%i\t%.6lf\t%.6lf\t%.6lf\t%.6lf\t\n", j, v[r], v[r + 1], v[r + 2], v[r + 3]);
    }

    heading(out, "Federkräfte (Kräfte und Momente)");
    out += "Nr.\t F\t Mxx\t Myy\t Mxy\n\n";
    for (int j = 1; j <= nn; ++j) {
        const auto& v = m.springs[j].v;
        constexpr std::size_t f = SpringRecord::kForce;
        appendFormat(out, "%i\t%.2lf\t%.2lf\t%.2lf\t%.2lf\t\n", j, static_cast<double>(v[f]),
                     static_cast<double>(v[f + 1]), static_cast<double>(v[f + 2]),
                     static_cast<double>(v[f + 3]));
    }
}

void stressResults(std::string& out, const SolverModel& m) {
    static constexpr const char* kColumns =
        "Nr.\t Mxx\t  Myy\t  Mxy\t  M1\t  M2\t phi\t Qx\t  Qy\t  Q1\t\n\n";
    heading(out, "Schnittgrößen in den Elementmittelpunkten");
    out += kColumns;
    for (int e = 1; e <= m.elementCount; ++e) nineValues(out, e, m.elementResults[e].data());
    heading(out, "Gemittelte Knotenschnittgrößen");
    out += kColumns;
    for (int j = 1; j <= m.nodeCount; ++j) nineValues(out, j, m.nodeResults[j].data() + 5);
}

void phResults(std::string& out, const SolverModel& m) {
    heading(out, "Lastfall ph: Lastinhalt der Gebietslast");
    for (int e = 1; e <= m.elementCount; ++e)
        appendFormat(out, "%i\t%.2lf\t\n", e, m.elementPh[e].t[kPhAreaLoad]);
    heading(out, "Lastfall ph: Eckkräfte F");
    for (int j = 1; j <= m.nodeCount; ++j) appendFormat(out, "%i\t%.10lf\t\n", j, m.cornerForce[j]);
    heading(out, "Kantenwerte, Lastfall p");
    // Inner edges are numbered from 1 like every other table of the report.
    for (std::size_t i = 0; i < m.innerEdgeRows.size(); ++i)
        appendFormat(out, "%i\t%.2lf\t\n", static_cast<int>(i + 1), m.innerEdgeRows[i].load[9]);

    const PhSums& s = m.phSums;
    out += "\n\n\n--- Globale Kontrolle für den Lastfall ph: ---\n\n";
    appendFormat(out, "Summe der Elementlasten (LF ph):\t\t\t%.2lf\n", s.elementLoads);
    appendFormat(out, "Summe der freien Eckkräfte (LF ph):\t\t\t%.2lf\n", s.freeCorners);
    appendFormat(out, "Summe der gesperrten Eckkräfte (LF ph):\t\t\t%.2lf\n", s.heldCorners);
    appendFormat(out, "Summe der freien Aussenkantenlasten (LF ph):\t\t%.2lf\n", s.freeOuterEdges);
    appendFormat(out, "Summe der gesperrten Aussenkantenlasten (LF ph):\t%.2lf\n", s.heldOuterEdges);
    appendFormat(out, "Summe der freien Innenkantenlasten (LF ph):\t\t%.2lf\n", s.freeInnerEdges);
    appendFormat(out, "Summe der gesperrten Innenkantenlasten (LF ph):\t\t%.2lf\n", s.heldInnerEdges);
    appendFormat(out, "Summe aller freien Vertikalkräfte (LF ph):\t\t%.2lf\n", s.allFree);
    appendFormat(out, "Summe aller gesperrten Vertikalkräfte (LF ph):\t\t%.2lf\n", s.allHeld);
    appendFormat(out, "Summe aller Vertikalkräfte (LF ph):\t\t\t%.2lf\n", s.all);
    // A load case without vertical load has no ratio: the line says so instead of inf or nan.
    if (m.totalLoad != 0)
        appendFormat(out, "Lastratio (ph zu p):\t\t\t\t\t%.2lf\n", 100 * s.allFree / m.totalLoad);
    else
        out += "Lastratio (ph zu p):\t\t\t\t\t-\n";
}

} // namespace

bool globalEquilibrium(const SolverModel& m) {
    const double p = m.totalLoad;
    const double limit = std::fabs(kEquilibriumShare * p);
    return std::fabs(p - m.equivalentSum) < limit && std::fabs(p + m.supportSum) < limit &&
           std::fabs(m.phSums.all) < limit;
}

std::string formatReport(const SolverModel& m, int loadCase) {
    std::string out;
    // About 60 bytes per number line; one reservation keeps the buffer from moving.
    out.reserve(static_cast<std::size_t>(m.nodeCount) * 400 +
                static_cast<std::size_t>(m.elementCount) * 200 + m.innerEdges.size() * 20 + 4096);
    basics(out, m, loadCase);
    loadControl(out, m);
    nodesAndCodes(out, m);
    elements(out, m);
    nodalResults(out, m);
    stressResults(out, m);
    phResults(out, m);
    return out;
}

bool writeReport(const SolverModel& m, const std::string& dir, int loadCase) {
    return writeFileAtomic(dir + kReportFileName, formatReport(m, loadCase));
}

} // namespace slab
