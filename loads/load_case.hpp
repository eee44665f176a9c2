// The load case the load editor works on: header, self weight, uniform and temperature loads,
// settlements and the tables of area, line, point and edge loads.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace daskel {

/// Load case numbers of the editor: 1 to 99, the capacity of the DIARY list.
inline constexpr int kMaxLoadCase = 99;

/// Table capacities; entries are numbered from 1.
inline constexpr int kMaxAreaLoads = 36;
inline constexpr int kMaxAreaCorners = 80;
inline constexpr int kMaxPointLoads = 64;
inline constexpr int kMaxLineLoads = 60;
inline constexpr int kMaxEdgeLoads = 80;
/// Settlements are kept per column and wall number of the geometry; the numbers a load echo may
/// name are limited to this many of each.
inline constexpr int kMaxColumns = 500;
inline constexpr int kMaxWalls = 500;

/// Characters, not bytes: the records hold one byte per character (Windows-1252).
inline constexpr std::size_t kMaxTitle = 80;
inline constexpr std::size_t kMaxLineComment = 60;
inline constexpr std::size_t kMaxPointComment = 40;
inline constexpr std::size_t kMaxEdgeComment = 80;

struct AreaCorner {
    float x = 0, y = 0;         ///< this corner
    float nextX = 0, nextY = 0; ///< the next corner
    float p1 = 0, p2 = 0;       ///< load at this corner and at the next
    std::int16_t subdivisions = 1;
    // Edge data computed on every save: the unit normal (dy/L, -dx/L) of the edge to the next
    // corner and its length [m].
    float nx = 0, ny = 0;
    float length = 0;
};

/// The kind code of an area load. Codes other than these two are kept as read, so that an
/// archive passes through the editor unchanged.
enum class AreaLoadKind : std::int16_t {
    Plain = 0,
    CutToOutline = 2, ///< an area cut to the slab outline
};

/// Whether an area load is constant or follows its load plane (the header's constant flag).
enum class AreaLoadVariation : std::int16_t { Linear = 0, Constant = 1 };

/// Most opening outlines one area load lists (the room of its macro header).
inline constexpr int kMaxOpeningsInArea = 21;

/// A partial area load ("Teilflächenlast") with the load plane p(x, y) = p0 + dpdx·x + dpdy·y.
/// A new or imported area follows its corner values (linear); only a flag set by hand makes it
/// constant.
struct AreaLoad {
    AreaLoadKind kind = AreaLoadKind::Plain;
    AreaLoadVariation variation = AreaLoadVariation::Linear;
    float p0 = 0, dpdx = 0, dpdy = 0;
    std::vector<AreaCorner> corners; ///< at most kMaxAreaCorners, counter-clockwise
    // Computed on every save from the corners and the slab's outline.
    std::int16_t boundaryPoints = 0;    ///< the sum of the edges' subdivisions
    float area = 0;                     ///< signed, less the openings of the slab inside it [m²]
    float xs = 0, ys = 0;               ///< centroid of the polygon [m]
    float resultant = 0;                ///< the load over the polygon less its openings [kN]
    std::vector<std::int16_t> openings; ///< boundary curves of openings lying inside
};

enum class LineLoadKind : std::int16_t { Forces = 0, Moments = 1 };

/// Most subdivisions of a line load.
inline constexpr int kMaxLineSubdivisions = 10;

/// A line load ("Linienlast") from (xa, ya) to (xb, yb), its value linear from start to end.
struct LineLoad {
    float xa = 0, ya = 0, xb = 0, yb = 0;
    float start = 0, end = 0; ///< kN/m for forces, kNm/m for moments
    LineLoadKind kind = LineLoadKind::Forces;
    std::string comment;
    // Computed on every save: the length [m] and the number n of subdivisions; the values at the
    // points j = 1 to n + 1 follow from start, end and n (loads/macros/load_macros.hpp).
    float length = 0;
    std::int16_t subdivisions = 0;
};

enum class PointLoadKind : std::uint8_t {
    Force = 0,
    Moment = 1,
    Kink = 2,
    Rotation = 3,
    Offset = 4
};

/// A point load ("Punktlast").
struct PointLoad {
    float x = 0, y = 0;
    float nx = 0, ny = 0;
    float size = 0;
    float width = 0; ///< contact width b
    PointLoadKind kind = PointLoadKind::Force;
    std::string comment;
};

/// What an edge load carries: forces [kN/m] ('V' in the files) or moments [kNm/m] ('M').
enum class EdgeLoadKind { Forces, Moments };

/// An edge load ("Randlast") on a section of a boundary curve.
struct EdgeLoad {
    std::int16_t boundary = 1; ///< 1 outer boundary, 2 the first opening, ...
    std::int16_t section = 1;
    float a = 0, b = 0; ///< start and end value
    EdgeLoadKind kind = EdgeLoadKind::Forces;
    std::string comment;
    /// The section's end points as last read or written; the geometry's section wins when the
    /// geometry holds it, else these keep the echo's coordinates through a round trip.
    float xa = 0, ya = 0, xb = 0, yb = 0;
};

/// A settlement of column or wall `number`.
struct Settlement {
    int number = 0;
    double value = 0;
};

/// How the header marks the uniform load: "GLEICHLAST" marks it constant, "DREIECKSLAST"
/// triangular (p = po·x). The self-weight dialog sets the uniform flag and leaves the mark as it
/// was, so a uniform load may also be unmarked; both marks at once do not occur.
enum class UniformShape : std::uint8_t { Unmarked, Constant, Triangular };

struct LoadCase {
    std::int16_t number = 0; ///< 1 to 99; 0 while a new load case has no number
    std::string title;       ///< UTF-8, at most kMaxTitle characters

    bool selfWeight = false;
    double gamma = 0; ///< specific weight [kN/m³]
    double g = 0;     ///< surcharge [kN/m²]

    bool uniform = false; ///< a uniform or triangular load is on
    UniformShape uniformShape = UniformShape::Unmarked;
    double uniformValue = 0; ///< kN/m²; po of p = po·x when triangular

    bool temperature = false;
    double deltaT = 0;
    double alphaT = 0;

    bool settlement = false;
    std::vector<Settlement> columnSettlements; ///< columns with a value, in number order
    std::vector<Settlement> wallMovements;

    bool edgeLoadFlag = false; ///< set at save when edge loads exist

    // Counts of the load macros, computed on every save (PL offsets 0 and 26).
    int macroPoints = 0;     ///< the points written last: the line points, else the area points
    int openingsInAreas = 0; ///< openings of the slab found inside area loads

    std::vector<AreaLoad> areaLoads;   ///< entry k is area load k + 1
    std::vector<LineLoad> lineLoads;   ///< entry k is line load k + 1
    std::vector<PointLoad> pointLoads; ///< entry k is point load k + 1
    std::vector<EdgeLoad> edgeLoads;   ///< entry k is edge load k + 1

    int nt() const { return static_cast<int>(areaLoads.size()); }
    int np() const { return static_cast<int>(pointLoads.size()); }
    int nl() const { return static_cast<int>(lineLoads.size()); }
    int nr() const { return static_cast<int>(edgeLoads.size()); }

    /// The boundary points of all area loads: the subdivisions of their edges (1 per edge until
    /// a save has prepared them).
    int areaPoints() const {
        int points = 0;
        for (const AreaLoad& a : areaLoads)
            for (const AreaCorner& c : a.corners)
                points += c.subdivisions;
        return points;
    }
};

/// The header and all tables of a new load case: counts 0, values 0, flags cleared, no title,
/// number 0. (The element and node loads are reset by their own tables.)
inline void resetLoadCase(LoadCase& lc) {
    lc = LoadCase{};
}

/// True when n is a load case number the editor accepts (1 to 99).
inline bool validLoadCaseNumber(int n) {
    return n >= 1 && n <= kMaxLoadCase;
}

} // namespace daskel
