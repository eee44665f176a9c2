// The pieces of the load plan shared by its two source files: the frame the title lines and the
// legend are placed by, the colours, and the drawing of the loads of the load case's tables.
#pragma once

#include "scene/load_plan.hpp"

#include <string>
#include <vector>

namespace scene::plan {

/// The extent of the mesh and every load, and its larger side, by which the title lines, the
/// legend and their room are placed so that they keep their distance at any scale of a fitted
/// picture.
struct Frame {
    slab::WorldRect content{0, 0, 10, 10};
    double size = 10;
};

Frame frameOf(const LoadPlanData& data);

/// The room around the content [share of the frame's size]: one title line, the legend's
/// width, and a margin on every side.
inline constexpr double kLineStep = 0.045;
inline constexpr double kLegendWidth = 0.34;
inline constexpr double kMargin = 0.03;
/// Title, load case title, uniform load and temperature: at most this many lines above.
inline constexpr int kTitleLines = 4;

inline constexpr Color kAreaColour{200, 0, 90};
inline constexpr Color kLineColour{0, 140, 60};
inline constexpr Color kPointColour{180, 0, 0};
inline constexpr Color kSectionColour{110, 50, 170};
inline constexpr Color kEdgeColour{0, 90, 200};
inline constexpr Color kNodeLoadColour{150, 0, 150};
inline constexpr Color kPrescribedColour{0, 120, 120};

/// A value as the plan writes it: "%.2f" with a decimal comma.
std::string valueText(double v);

/// The angle of a text along the direction (dx, dy) [degrees], never upside down.
double angleAlong(double dx, double dy);

/// Builds the scene: lines and markers go straight into it, the texts wait in `labels` so that
/// they are painted over every line.
struct Builder {
    Scene& scene;
    const LoadPlanOptions& options;
    std::vector<Text> labels{};

    void line(Point a, Point b, Pen pen) { scene.add(Polyline{{a, b}, pen, false}); }
    void label(Point at, std::string text, Anchor anchor, Color colour, double angle = 0) {
        labels.push_back(Text{at, std::move(text), options.fontSize, anchor, angle, colour});
    }
};

/// The area loads (outline, hatch and value), the line loads, the edge loads on boundary
/// sections and the point loads of the load case.
void addLoadsOfTables(Builder& b, const LoadPlanData& data);

} // namespace scene::plan
