// The records of the binary result files as (offset, field) tables, shared by the solver that
// writes them and the result viewer that reads them.
#pragma once

#include "common/binary_io.hpp"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace slab {

// Each layout describes one record once, as (offset, field) pairs that encoding and decoding
// both walk; gaps between fields are unused bytes and stay zero.

/// Knoten3LF<n>: the node result row.
struct NodeResultLayout {
    static constexpr std::size_t kSize = 112;
    template <class Row, class F> static void fields(Row& r, F&& f) { f(0, r); }
};

/// Elemente3LF<n>: the element result row.
struct ElementResultLayout {
    static constexpr std::size_t kSize = 312;
    template <class Row, class F> static void fields(Row& r, F&& f) { f(0, r); }
};

/// Knoten4LF<n>: the sum of the ph corner forces at a node.
struct CornerForceLayout {
    static constexpr std::size_t kSize = 8;
    template <class Row, class F> static void fields(Row& r, F&& f) { f(0, r); }
};

/// Elemente4LF<n>: load case ph of an element.
struct ElementPhLayout {
    static constexpr std::size_t kSize = 1384;
    template <class Row, class F> static void fields(Row& r, F&& f) {
        f(0, r.ph);
        f(40, r.t);
        f(1340, r.nx);
        f(1360, r.ny);
    }
};

/// Innenkanten1 and Aussenkanten1: one edge of the mesh.
struct EdgeLayout {
    static constexpr std::size_t kSize = 44;
    template <class Row, class F> static void fields(Row& r, F&& f) {
        f(4, r.xStart);
        f(8, r.xEnd);
        f(16, r.yStart);
        f(20, r.yEnd);
        f(26, r.firstElement);
        f(28, r.secondElement);
        f(32, r.firstEdge);
        f(34, r.secondEdge);
        f(38, r.startNode);
        f(40, r.endNode);
    }
};

/// Innenkanten2LF<n> and Aussenkanten2LF<n>: the line loads of load case p along an edge.
struct EdgeLoadLayout {
    static constexpr std::size_t kSize = 96;
    template <class Row, class F> static void fields(Row& r, F&& f) { f(0, r.load); }
};

/// Innenkanten4LF<n> and Aussenkanten4LF<n>: Mn, Mnt, Vn and the resultant of ph along an edge.
struct EdgeValueLayout {
    static constexpr std::size_t kSize = 152;
    template <class Row, class F> static void fields(Row& r, F&& f) { f(0, r.values); }
};

/// Info: the counts and the node-to-element table for the full node capacity.
inline constexpr std::size_t kInfoSize = 120056;
inline constexpr std::size_t kInfoRows = 3001;

/// The four counts at the head of Info.
struct InfoCounts {
    static constexpr std::size_t kSize = 16;
    std::int32_t nodeCount = 0;
    std::int32_t elementCount = 0;
    std::int32_t innerEdgeCount = 0;
    std::int32_t outerEdgeCount = 0;

    template <class Self, class F> static void fields(Self& r, F&& f) {
        f(0, r.nodeCount);
        f(4, r.elementCount);
        f(8, r.innerEdgeCount);
        f(12, r.outerEdgeCount);
    }
};

/// File image of count rows from rows[first] on, in the given layout.
template <class Layout, class Row>
std::vector<std::uint8_t> encodeResultRows(const std::vector<Row>& rows, std::size_t first,
                                           std::size_t count) {
    // Never reads past the table, whatever count a caller passes.
    count = std::min(count, rows.size() > first ? rows.size() - first : 0);
    std::vector<std::uint8_t> bytes(count * Layout::kSize);
    for (std::size_t k = 0; k < count; ++k)
        Layout::fields(rows[first + k], FieldWriter{bytes.data() + k * Layout::kSize});
    return bytes;
}

/// The whole records of a file image in the given layout, for reading results back.
template <class Layout, class Row>
std::vector<Row> decodeResultRows(const std::vector<std::uint8_t>& bytes) {
    std::vector<Row> rows(bytes.size() / Layout::kSize);
    for (std::size_t k = 0; k < rows.size(); ++k)
        Layout::fields(rows[k], FieldReader{bytes.data() + k * Layout::kSize});
    return rows;
}

} // namespace slab
