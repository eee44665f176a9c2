// The mesh as drawings and picking see it: node points and the four corner nodes of each
// element, numbered from 1 like the model files.
#pragma once

#include <array>
#include <vector>

namespace scene {

/// A point in world coordinates [m], y up.
struct Point {
    double x = 0, y = 0;

    friend bool operator==(const Point&, const Point&) = default;
};

/// Nodes and elements numbered from 1; entry 0 of each table is unused.
struct Mesh {
    std::vector<Point> nodes{Point{}};
    /// Corner node numbers of each element, counter-clockwise from the lower left corner.
    std::vector<std::array<int, 4>> elements{std::array<int, 4>{}};

    int nodeCount() const { return static_cast<int>(nodes.size()) - 1; }
    int elementCount() const { return static_cast<int>(elements.size()) - 1; }
    /// Corner k (0 to 3) of element e.
    const Point& corner(int e, int k) const {
        return nodes[static_cast<std::size_t>(elements[static_cast<std::size_t>(e)][static_cast<std::size_t>(k)])];
    }
    /// True when every corner of every element names a node of the mesh.
    bool consistent() const;
};

} // namespace scene
