// Inside the load generator: the nodal loads of one load gathered before they are taken, and
// the generation of each kind of load.
#pragma once

#include "loads/generator/generated_loads.hpp"
#include "loads/generator/mesh_cells.hpp"

#include <string>
#include <vector>

namespace daskel {

/// An area or a length off the slab below this share of the whole is the round-off of the
/// single-precision coordinates the loads are stored with (a few 1e-7), not a load left out.
inline constexpr double kNegligibleShare = 1e-6;

/// The nodal loads of one load, gathered element by element.
class NodeSums {
  public:
    explicit NodeSums(int nodeCount);
    /// Adds the loads of an element's 16 functions to its corner nodes.
    void add(const Cell& cell, const shape::ElementLoads& loads);
    /// The vertical force gathered: the loads on w (the w functions sum to 1 everywhere).
    double force() const;
    /// True when every value is finite and within the single-precision range the solver
    /// reads nodal loads in.
    bool fits() const;
    /// Adds the gathered loads to `nodes` and starts again from nothing.
    void moveInto(std::vector<NodalLoads>& nodes);
    /// Starts again from nothing.
    void clear();

  private:
    std::vector<NodalLoads> sums_;
    std::vector<int> touched_;
    std::vector<bool> isTouched_;
};

/// What the generation of one load case works with and on.
struct Generation {
    const MeshCells& mesh;
    GeneratedLoads& out;
    NodeSums sums;

    /// Takes the loads gathered in `sums` as a load of the kind when they fit; else names the
    /// load ("Teilflächenlast 3") in a notice and drops them. True when taken.
    bool take(GeneratedKind kind, const std::string& name);
    /// Adds a notice.
    void note(std::string text) { out.notices.push_back(std::move(text)); }
};

/// A number of a notice: two decimals and a decimal comma.
std::string noticeNumber(double v);

/// The partial area loads, each cut to the elements.
void generateAreaLoads(const LoadCase& lc, Generation& g);
/// The triangular load p = po·x over every element.
void generateTriangularLoad(double po, Generation& g);
/// The line loads along their segments.
void generateLineLoads(const LoadCase& lc, Generation& g);
/// The edge loads along their boundary sections.
void generateEdgeLoads(const LoadCase& lc, const SlabOutline& outline, Generation& g);
/// The point forces and moments; kinks, rotations and offsets are named, not generated.
void generatePointLoads(const LoadCase& lc, Generation& g);

} // namespace daskel
