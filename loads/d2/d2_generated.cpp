// The sums of the generated loads in the load document.
#include "loads/d2/d2_generated.hpp"

#include "common/format.hpp"

#include <cmath>

namespace daskel {

namespace {

/// Labels are padded to this many characters, so that the numbers stand in one column.
constexpr std::size_t kLabelWidth = 40;
constexpr int kRuleWidth = 53;

/// The label and the force "%10.2lf kN", the label padded by characters, not bytes.
void forceLine(std::string& out, const std::string& label, double force) {
    std::size_t characters = 0;
    for (unsigned char c : label)
        if ((c & 0xC0) != 0x80) ++characters;
    // A sum that rounds to nothing (the forces of moments cancel to round-off) shows as 0.00,
    // not as -0.00.
    if (std::fabs(force) < 0.005) force = 0;
    out += " " + label;
    if (characters < kLabelWidth) out += std::string(kLabelWidth - characters, ' ');
    slab::appendFormat(out, "%10.2lf kN\n", force);
}

void rule(std::string& out) {
    out += " " + std::string(kRuleWidth, '-') + "\n";
}

} // namespace

double tableForce(const SlabModel& model, const LoadTables& tables) {
    using slab::ElementLoadRecord;
    double force = 0;
    for (int e = 1; e <= model.elementCount; ++e) {
        const auto& corner = model.elements[e].node;
        auto point = [&](int k) { return model.nodes[corner[k]]; };
        const double edges[4] = {point(1).x - point(0).x, point(2).y - point(1).y,
                                 point(2).x - point(3).x, point(3).y - point(0).y};
        const auto& v = tables.elementLoads[e].v;
        force += edges[0] * edges[1] * v[ElementLoadRecord::kAreaLoad];
        for (int k = 0; k < 4; ++k)
            force += edges[k] * v[ElementLoadRecord::kEdgeLoad + k];
    }
    for (int n = 1; n <= model.nodeCount; ++n)
        force += tables.nodeLoads[n].v[slab::NodalLoadRecord::kLoad];
    return force;
}

std::string d2GeneratedPart(const GeneratedLoads& generated, double tables) {
    if (!generated.anyKind()) return {};
    std::string out = " \n";
    const std::string head = "Erzeugte Knotenlasten";
    out += " " + head + std::string(kLabelWidth - head.size(), ' ') + "Vertikalkraft\n";
    rule(out);
    for (int k = 0; k < kGeneratedKinds; ++k)
        if (generated.present[k])
            forceLine(out, kindName(static_cast<GeneratedKind>(k)), generated.force[k]);
    rule(out);
    forceLine(out, "Summe der erzeugten Lasten", generated.totalForce());
    forceLine(out, "Element- und Knotenlasten der Tabellen", tables);
    forceLine(out, "Summe der Vertikalkräfte (LF p)", generated.totalForce() + tables);
    out += " \n";
    return out;
}

} // namespace daskel
