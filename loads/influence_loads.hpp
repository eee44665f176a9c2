// Influence load cases on the mesh: the elements a section crosses, and the nodal loads of a
// point or section quantity, formed without touching the load tables until they are added.
#pragma once

#include "loads/influence.hpp"
#include "loads/slab_model.hpp"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace daskel {

/// "Horizontaler Schnitt" is a line y = const walked along x, "Vertikaler Schnitt" a line
/// x = const walked along y.
enum class SectionDirection { Horizontal, Vertical };

/// The direction of the sections a quantity belongs to.
SectionDirection sectionDirection(SectionQuantity q);

/// Points this far outside an element, relative to its length, count as on its edge: above the
/// single-precision rounding of the lengths, far below any position a dialog can express.
inline constexpr double kLocalTolerance = 1e-6;

/// An element as influence loads see it: corner nodes, corner 1 and corner 3, and the lengths
/// of edges 1 and 2 rounded to single precision as the solver's element uses them.
struct ElementFrame {
    std::array<int, 4> node{};
    double x1 = 0, y1 = 0; ///< corner 1 [m]
    double x3 = 0, y3 = 0; ///< corner 3 [m]
    double a = 0, b = 0;   ///< [m], both > 0
};

/// The frame of an element, or why it cannot take influence loads.
struct CheckedFrame {
    ElementFrame frame;
    std::string error; ///< German message; empty when the frame is valid
    bool ok() const { return error.empty(); }
};

/// Checks the element number, its corners against the node table and its lengths.
CheckedFrame elementFrame(const SlabModel& model, int element);

/// The loads P, Mx, My, Mxy to add to one node.
struct NodeLoad {
    int node = 0;
    std::array<double, 4> load{};
};

/// The nodal loads of an influence load case, each node once in increasing order, or why
/// there are none.
struct InfluenceLoads {
    std::vector<NodeLoad> loads;
    std::string error; ///< German message; empty when the loads can be added
    bool ok() const { return error.empty(); }
};

/// The elements crossed by a section in their order along it, or why there are none.
struct SectionElements {
    std::vector<int> elements;
    std::string error; ///< German message; empty on success
    bool ok() const { return error.empty(); }
};

/// Quantity q at local (x, y) of an element, 0 <= x <= a, 0 <= y <= b.
InfluenceLoads elementPointLoads(const SlabModel& model, PointQuantity q, int element, double x,
                                 double y);

/// Quantity q at a node: the mean of the vectors of the elements around it, each taken at the
/// node's corner.
InfluenceLoads nodePointLoads(const SlabModel& model, PointQuantity q, int node);

/// "Teilschnitt": the elements along the line through the centre of `from`, from `from` to
/// `to` (both included, in the order along the line).
SectionElements partialSection(const SlabModel& model, SectionDirection direction, int from,
                               int to);

/// "Kompletter Schnitt": every element along the line through the centre of `element`.
SectionElements completeSection(const SlabModel& model, SectionDirection direction, int element);

/// Quantity q integrated along a section of the given direction through the elements, at the
/// same local coordinate s (x for vertical, y for horizontal sections) in each of them.
InfluenceLoads sectionLoads(const SlabModel& model, SectionQuantity q, SectionDirection direction,
                            const std::vector<int>& elements, double s);

/// Adds the loads to P, Mx, My and Mxy of the node load table; nothing is changed and the
/// reason is returned when the loads carry an error or name a node the table lacks.
std::optional<std::string> addInfluenceLoads(LoadTables& tables, const InfluenceLoads& loads);

} // namespace daskel
