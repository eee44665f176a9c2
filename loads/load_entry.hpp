// Loads entered by hand: the fields of the area, line, point, edge load and temperature dialogs
// as structs, checked and put into the load case, and loads removed by their number.
#pragma once

#include "loads/load_case.hpp"
#include "loads/outline/slab_outline.hpp"

#include <optional>
#include <string>
#include <vector>

namespace daskel {

/// A corner of an area load as entered: position [m] and load [kN/m²].
struct CornerInput {
    double x = 0, y = 0, p = 0;
};

/// An area load: at least 3 and at most 80 corners counter-clockwise.
struct AreaLoadInput {
    std::vector<CornerInput> corners;
    bool constant = false; ///< the load is the mean of the corner values everywhere
};

struct LineLoadInput {
    double xa = 0, ya = 0, xb = 0, yb = 0;
    double start = 0, end = 0;
    LineLoadKind kind = LineLoadKind::Forces;
    std::string comment;
};

struct PointLoadInput {
    double x = 0, y = 0;
    double size = 0;
    PointLoadKind kind = PointLoadKind::Force;
    double nx = 0, ny = 0, width = 0;
    std::string comment;
};

struct EdgeLoadInput {
    int boundary = 1, section = 1;
    double a = 0, b = 0;
    EdgeLoadKind kind = EdgeLoadKind::Forces;
    std::string comment;
};

struct TemperatureInput {
    double deltaT = 0, alphaT = 0;
};

/// The four tables of numbered loads.
enum class LoadList { Area, Line, Point, Edge };

/// Adds the area load; why it cannot be added (nothing changed), or nullopt.
std::optional<std::string> addAreaLoad(LoadCase& lc, const AreaLoadInput& in);
/// Adds the line load; why not, or nullopt.
std::optional<std::string> addLineLoad(LoadCase& lc, const LineLoadInput& in);
/// Adds the point load; why not, or nullopt.
std::optional<std::string> addPointLoad(LoadCase& lc, const PointLoadInput& in);
/// Adds the edge load on a section the slab has, with the section's end points; why not, or
/// nullopt.
std::optional<std::string> addEdgeLoad(LoadCase& lc, const EdgeLoadInput& in,
                                       const SlabOutline& outline);
/// Sets the temperature load; why not, or nullopt.
std::optional<std::string> setTemperature(LoadCase& lc, const TemperatureInput& in);
/// Removes load n of a table; the loads behind it move up one number. Why not, or nullopt.
std::optional<std::string> removeLoad(LoadCase& lc, LoadList list, int n);

/// Why an edge load lies on no section of the slab, or nullopt.
std::optional<std::string> edgeLoadPlaceError(int boundary, int section,
                                              const SlabOutline& outline);

/// Drops the edge loads whose boundary or section the slab does not have (a slab without
/// outline checks nothing) and takes the others' end points from their sections; one German
/// sentence per dropped load of load case n.
std::vector<std::string> keepEdgeLoadsOnSlab(LoadCase& lc, const SlabOutline& outline, int n);

} // namespace daskel
