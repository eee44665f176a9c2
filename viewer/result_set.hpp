// The results of one load case as the viewer holds them: the model's nodes and elements with
// their supports, springs and bedding, the result rows the solver wrote, and the reactions.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace viewer {

/// A point in the plane of the slab [m], y up.
struct XY {
    double x = 0, y = 0;

    friend bool operator==(const XY&, const XY&) = default;
};

/// A node result row of Knoten3LF: w, w,x, w,y, w,xy (1 to 4), then the averaged mxx, myy,
/// mxy, M1, M2, phi, qx, qy, Q1 (5 to 13); index 0 unused.
using NodeResultRow = std::array<double, 14>;
/// An element result row of Elemente3LF: mxx, myy, mxy, M1, M2, phi, qx, qy, Q1 at the centre
/// (0 to 8), then mxx, myy, mxy, M1, M2 and phi at the quarter points Q1 to Q4 (10 + 5 i + q).
using ElementResultRow = std::array<double, 39>;

/// Columns of the node result row.
namespace node_column {
inline constexpr int kW = 1, kMxx = 5, kMyy = 6, kMxy = 7, kM1 = 8, kM2 = 9, kPhi = 10, kQx = 11,
                     kQy = 12;
}
/// Columns of the element result row at the centre; the quarter points of moment column c
/// (0 to 5) lie at kQuarter + 5 c + q, q = 0 to 3.
namespace element_column {
inline constexpr int kMxx = 0, kMyy = 1, kMxy = 2, kM1 = 3, kM2 = 4, kPhi = 5, kQx = 6, kQy = 7,
                     kQuarter = 10;
}

/// Boundary code 1: the freedom is held and the solver computes its reaction.
inline constexpr int kHeldWithReaction = 1;

struct Node {
    XY at{};
    std::array<int, 4> code{};      ///< boundary codes of w, w,x, w,y, w,xy (0 free)
    std::array<double, 4> spring{}; ///< spring constants of FEDER1 (0 = none)
};

struct Element {
    std::array<int, 4> node{}; ///< corners counter-clockwise from the lower left
    /// Lengths in x and y as the element formulas take them: rounded to single precision.
    double lx = 0, ly = 0;
    double bedding = 0; ///< bedding modulus of BETTUNG1 [kN/m³], 0 = none
};

/// Tables numbered from 1 like the files; entry 0 of each is unused.
struct ResultSet {
    std::string directory; ///< the position directory, ending in "/"
    int loadCase = 0;
    std::vector<Node> nodes{Node{}};
    std::vector<Element> elements{Element{}};
    std::vector<NodeResultRow> nodeResults{NodeResultRow{}};
    std::vector<ElementResultRow> elementResults{ElementResultRow{}};
    /// F, Mxx, Myy, Mxy of Knoten2LF per node: support reactions with the spring forces.
    std::vector<std::array<double, 4>> reactions{std::array<double, 4>{}};

    int nodeCount() const { return static_cast<int>(nodes.size()) - 1; }
    int elementCount() const { return static_cast<int>(elements.size()) - 1; }
    const Node& node(int j) const { return nodes[static_cast<std::size_t>(j)]; }
    const Element& element(int e) const { return elements[static_cast<std::size_t>(e)]; }
    /// Corner k (0 to 3) of element e.
    const XY& corner(int e, int k) const {
        return node(element(e).node[static_cast<std::size_t>(k)]).at;
    }
    /// True when some element lies on a bedding.
    bool bedded() const;
    /// True when node j carries a reaction: w held with code 1, or a spring on w.
    bool hasReaction(int j) const;
};

} // namespace viewer
