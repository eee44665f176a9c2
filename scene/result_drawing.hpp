// The result pictures: a quantity as bands with iso-lines over the outline, supports, extremes,
// crosses or reactions, with its colour scale and title; and the page that puts them together.
#pragma once

#include "scene/scene.hpp"
#include "viewer/extrema.hpp"
#include "viewer/levels.hpp"
#include "viewer/quantity.hpp"
#include "viewer/result_set.hpp"

#include <optional>
#include <string>
#include <vector>

namespace scene {

/// What a result picture is drawn for.
struct ResultStyle {
    /// Cells per element side for w and the soil pressure; 0 chooses by the mesh size.
    int subdivisions = 0;
    /// The scale the plan is meant to be seen at [points per metre], to keep labels apart.
    double pointsPerMetre = 50;
};

/// The supports and symbols a plan shows, for its key.
enum class Symbol { Clamped, Hinged, Spring, PointSupport, PointSpring, Crosses, Reactions };

/// A picture in its parts: the plan in metres (y up) and the legend in points, from its lower
/// left corner; the window shows them apart, a page puts them side by side under the title.
struct ResultDrawing {
    Scene plan;
    Scene legend;
    std::string title;
};

/// The colour levels of a quantity: round thresholds between its extremes.
viewer::Levels levelsOf(const std::optional<viewer::Extremes>& extremes);

/// The picture of quantity q. `caption` names position and load case ("Position P1,
/// Lastfall 1"); the title adds the quantity and its unit.
ResultDrawing resultDrawing(const viewer::ResultSet& r, viewer::Quantity q,
                            const std::string& caption, const ResultStyle& style = {});

/// The plan's items and the symbols it used.
Scene resultPlan(const viewer::ResultSet& r, viewer::Quantity q, const viewer::Levels& levels,
                 const std::optional<viewer::Extremes>& extremes, const ResultStyle& style,
                 std::vector<Symbol>& used);

/// The smallest rectangle holding the slab.
slab::WorldRect slabExtents(const viewer::ResultSet& r);

/// The plan's bounds: the slab with room around it for support symbols and labels.
slab::WorldRect planBounds(const viewer::ResultSet& r);

/// The legend: the quantity, the colour bar with its values (decimal comma, unit), the
/// extremes with their places, the key of the symbols used and lines of notes.
Scene resultLegend(viewer::Quantity q, const viewer::Levels& levels,
                   const std::optional<viewer::Extremes>& extremes, const std::vector<Symbol>& used,
                   const std::vector<std::string>& notes = {});

/// A page of width x height points: the title on top, the plan fitted into the space left of
/// the legend, the legend on the right; its bounds are the page.
Scene resultPage(const ResultDrawing& drawing, double width, double height);

/// The scale at which resultPage draws a plan of the given bounds [points per metre].
double pageScale(const slab::WorldRect& planBounds, double width, double height);

} // namespace scene
