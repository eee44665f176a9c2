// The load document's section of one load case, part by part, with the formats of the document.
#include "loads/d2/d2_sections.hpp"

#include "common/format.hpp"
#include "loads/macros/load_macros.hpp"

namespace daskel {

namespace {

constexpr const char* kMargin = " ";

void dashes(std::string& out, int count) {
    out += kMargin + std::string(static_cast<std::size_t>(count), '-') + "\n";
}

void marginLine(std::string& out) {
    out += std::string(kMargin) + "\n";
}

void selfWeightPart(std::string& out, const LoadCase& lc, const SlabOutline& outline) {
    slab::appendFormat(out, "%sSpez. Gewicht = %6.2lf kN/m3,  Belag, Putz etc. = %.2lf kN/m2\n",
                       kMargin, lc.gamma, lc.g);
    dashes(out, 60);
    const auto& domains = outline.domains;
    if (domains.size() == 1) {
        const Domain& d = domains[0];
        const double q = lc.gamma * d.thickness + lc.g;
        slab::appendFormat(
            out, "%sd = %.2lf m  g = %.2lf kN/m2  Fläche = %.2lf m2  Gewicht = %.2lf kN\n", kMargin,
            d.thickness, q, d.area, d.area * q);
        dashes(out, 68);
        return;
    }
    if (domains.empty()) return;
    for (const Domain& d : domains) {
        const double q = lc.gamma * d.thickness + lc.g;
        const char* head = d.columnHead ? "Stütze" : (d.number == 1 ? "Bereich" : "       ");
        slab::appendFormat(out,
                           "%s%s %2i  d = %4.2lf m  g = %5.2lf kN/m2  Fläche = %6.2lf m2  G = "
                           "%6.1lf kN\n",
                           kMargin, head, d.columnHead ? d.column : d.number, d.thickness, q,
                           d.area, q * d.area);
    }
    marginLine(out);
}

void uniformPart(std::string& out, const LoadCase& lc) {
    if (lc.uniformShape == UniformShape::Triangular) {
        slab::appendFormat(out, "%sLineare Belastung    po * x = %8.2lf kN/m^2 * x\n", kMargin,
                           lc.uniformValue);
        dashes(out, 49);
    } else {
        slab::appendFormat(out, "%sGleichmässige Belastung = %10.3lf kN/m2\n", kMargin,
                           lc.uniformValue);
        dashes(out, 43);
    }
}

void lineLoadPart(std::string& out, const LoadCase& lc) {
    marginLine(out);
    out += " Linienlasten\n";
    dashes(out, 12);
    out += std::string(kMargin) + "          von          nach     Länge          Wert\n";
    out += std::string(kMargin) + "Nr.  x [m]  y [m]  x [m]  y [m]  [m]     am Anfang  am Ende\n";
    dashes(out, 74);
    int i = 0;
    for (const LineLoad& l : lc.lineLoads) {
        ++i;
        const bool moments = l.kind == LineLoadKind::Moments;
        if (!l.comment.empty()) {
            slab::appendFormat(out, "%s%2i %s\n", kMargin, i, l.comment.c_str());
            slab::appendFormat(out, "%s   %6.2lf %6.2lf %6.2lf %6.2lf %6.2lf", kMargin,
                               double(l.xa), double(l.ya), double(l.xb), double(l.yb),
                               double(l.length));
        } else {
            slab::appendFormat(out, "%s%*d %6.2lf %6.2lf %6.2lf %6.2lf %6.2lf", kMargin, 2, i,
                               double(l.xa), double(l.ya), double(l.xb), double(l.yb),
                               double(l.length));
        }
        slab::appendFormat(out, "%s%7.2lf%s%7.2lf%s\n", kMargin, double(l.start),
                           moments ? " kNm/m " : " kN/m  ", double(l.end),
                           moments ? " kNm/m" : " kN/m");
    }
    marginLine(out);
}

void temperaturePart(std::string& out, const LoadCase& lc) {
    slab::appendFormat(out, "%sUngleichmässige Temperatur Delta T = %8.2lf\n", kMargin, lc.deltaT);
    slab::appendFormat(out, "%sTemperaturkoeffizient      Alpha T = %6.3lE\n", kMargin, lc.alphaT);
    dashes(out, 49);
}

void areaLoadPart(std::string& out, const LoadCase& lc) {
    marginLine(out);
    out += " Belastete Teilflächen\n";
    dashes(out, 22);
    marginLine(out);
    int k = 0;
    for (const AreaLoad& area : lc.areaLoads) {
        slab::appendFormat(out, " Nr. %i\n", ++k);
        marginLine(out);
        out += std::string(kMargin) + "   Liste der Eckpunkte          Eckwerte  \n";
        out += std::string(kMargin) + "                    Länge    der Belastung [kN/m2]\n";
        out += std::string(kMargin) + "Nr.  x [m]  y [m]    [m]     Eingabe  Interpoliert \n";
        dashes(out, 63);
        const LoadPlane plane = planeOf(area);
        int j = 0;
        for (const AreaCorner& c : area.corners) {
            slab::appendFormat(out, "%s%2d %6.2lf %6.2lf", kMargin, ++j, double(c.x), double(c.y));
            slab::appendFormat(out, "   %6.2f%s%5.2f%s%5.2lf\n", double(c.length), "     ",
                               double(c.p1), "    ", plane.at(c.x, c.y));
        }
        marginLine(out);
        slab::appendFormat(out, "%sFläche = %.2lf m2  Belastung = %.2lf kN\n", kMargin,
                           double(area.area), double(area.resultant));
        marginLine(out);
    }
}

const char* pointKindText(PointLoadKind kind) {
    switch (kind) {
    case PointLoadKind::Force:
        return " Kraft  [kN] ";
    case PointLoadKind::Moment:
        return " Moment [kNm]";
    case PointLoadKind::Kink:
        return " Knick  [/]  ";
    case PointLoadKind::Rotation:
        return " Verdr. [/]  ";
    case PointLoadKind::Offset:
        return " Sprung [m]  ";
    }
    return "";
}

void pointLoadPart(std::string& out, const LoadCase& lc) {
    marginLine(out);
    out += " Punktlasten\n";
    dashes(out, 11);
    out += std::string(kMargin) +
           "           Mittelpunkt      Breite    Richtung       Groesse    Art\n";
    out += std::string(kMargin) + "Nr.    x [m]       y [m]    b [m]    nx [/] ny [/]\n";
    dashes(out, 74);
    int i = 0;
    for (const PointLoad& p : lc.pointLoads) {
        ++i;
        const char* kind = pointKindText(p.kind);
        if (!p.comment.empty()) {
            slab::appendFormat(out, "%s%2i %s\n", kMargin, i, p.comment.c_str());
            slab::appendFormat(out, "%s   %9.2lf %11.2lf   %6.3lf   %6.3lf %6.3lf %10.2lf %s\n",
                               kMargin, double(p.x), double(p.y), double(p.width), double(p.nx),
                               double(p.ny), double(p.size), kind);
        } else {
            slab::appendFormat(out, "%s%2d %9.2lf %11.2lf   %6.3lf   %6.3lf %6.3lf %10.2lf %s\n",
                               kMargin, i, double(p.x), double(p.y), double(p.width), double(p.nx),
                               double(p.ny), double(p.size), kind);
        }
    }
    marginLine(out);
}

/// "Rand  ", "Rand 1", "Oeff.<n>" or "Rand <n>": with one domain the higher curves are the
/// openings, counted from 1; a second outer boundary keeps the word "Rand".
std::string boundaryText(int boundary, const SlabOutline& outline) {
    const bool oneDomain = outline.domains.size() <= 1;
    if (boundary == 1) return oneDomain ? "Rand  " : "Rand 1";
    const bool opening = boundary > static_cast<int>(outline.curves.size()) ||
                         outline.curves[static_cast<std::size_t>(boundary) - 1].opening;
    if (oneDomain && opening) return slab::format("Oeff.%d", boundary - 1);
    return slab::format("Rand %d", boundary);
}

void edgeLoadPart(std::string& out, const LoadCase& lc, const SlabOutline& outline) {
    out += " Randlasten\n";
    dashes(out, 10);
    out += std::string(kMargin) + "                                             Wert\n";
    out += std::string(kMargin) + "Nr.  Rand/Oeffnung  Abschnitt   Art  am Anfang   am Ende\n";
    dashes(out, 59);
    int i = 0;
    for (const EdgeLoad& e : lc.edgeLoads) {
        ++i;
        const bool moments = e.kind == EdgeLoadKind::Moments;
        const std::string where = boundaryText(e.boundary, outline);
        const char* kind = moments ? "Momente" : "Kräfte";
        if (!e.comment.empty()) {
            slab::appendFormat(out, "%s%2i %s\n", kMargin, i, e.comment.c_str());
            slab::appendFormat(out, "%s        %s         %*d     %s", kMargin, where.c_str(), 2,
                               int(e.section), kind);
        } else {
            slab::appendFormat(out, "%s%*d      %s         %*d     %s", kMargin, 2, i,
                               where.c_str(), 2, int(e.section), kind);
        }
        slab::appendFormat(out, " %7.2lf   %7.2lf %s\n", double(e.a), double(e.b),
                           moments ? "kNm/m" : "kN/m");
    }
    marginLine(out);
}

} // namespace

std::string d2TitlePrefix(int n) {
    return slab::format(" Lastfall %i : ", n);
}

std::string d2OpeningLine() {
    std::string out;
    dashes(out, 74);
    return out;
}

std::string d2Section(const LoadCase& lc, const SlabOutline& outline) {
    std::string out;
    out += d2TitlePrefix(lc.number) + lc.title + "\n";
    dashes(out, 74);
    if (lc.selfWeight)
        selfWeightPart(out, lc, outline);
    else if (lc.uniform)
        uniformPart(out, lc);
    if (lc.nl() > 0) lineLoadPart(out, lc);
    if (lc.temperature) temperaturePart(out, lc);
    if (lc.nt() > 0) areaLoadPart(out, lc);
    if (lc.np() > 0) pointLoadPart(out, lc);
    if (lc.edgeLoadFlag) edgeLoadPart(out, lc, outline);
    // Settlements are listed per column and wall of the geometry with their coordinates; the
    // mesh has neither, so the part stays empty (the load echo keeps the values).
    return out;
}

} // namespace daskel
