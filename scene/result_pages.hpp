// The pages of the result viewer: the picture of the quantity shown, and the report with a page
// of the load control and one page per quantity.
#pragma once

#include "scene/result_drawing.hpp"
#include "viewer/load_control.hpp"

#include <string>
#include <vector>

namespace scene {

/// How the results are seen: the plan with contours, or the deformed slab in perspective.
enum class ResultView { Plan, Perspective };

/// The drawing of a view: the quantity's picture or the deformed slab, for a page of the given
/// size [points] (its scale keeps labels apart).
ResultDrawing viewDrawing(const viewer::ResultSet& r, viewer::Quantity q, ResultView view,
                          const std::string& caption, double width, double height);

/// The page of a view, width x height points.
Scene viewPage(const viewer::ResultSet& r, viewer::Quantity q, ResultView view,
               const std::string& caption, double width, double height);

/// The quantities of the report: all but the soil pressure of a slab without bedding.
std::vector<viewer::Quantity> reportQuantities(const viewer::ResultSet& r);

/// The report's first page: position, counts, the load control and its verdict from the
/// report (or the note why it cannot be shown), and the extremes of every quantity.
Scene loadControlPage(const viewer::ResultSet& r, const std::string& caption,
                      const viewer::LoadControlOutcome& control, double width, double height);

/// Every page of the report: the load control, one page per quantity, the deformed slab.
std::vector<Scene> reportPages(const viewer::ResultSet& r, const std::string& caption,
                               const viewer::LoadControlOutcome& control, double width,
                               double height);

} // namespace scene
