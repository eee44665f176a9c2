// A drawing as data: filled polygons, polylines, texts and markers in world coordinates
// (metres), built by toolkit-free code and painted by one renderer on any device.
#pragma once

#include "common/world_rect.hpp"
#include "scene/mesh.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace scene {

struct Color {
    std::uint8_t r = 0, g = 0, b = 0;

    friend bool operator==(const Color&, const Color&) = default;
};

inline constexpr Color kBlack{0, 0, 0};
inline constexpr Color kWhite{255, 255, 255};

enum class LineStyle { Solid, Dashed, Dotted };

/// A line's colour, width in device points (0 is the thinnest line the device draws) and style.
struct Pen {
    Color color = kBlack;
    double width = 0;
    LineStyle style = LineStyle::Solid;

    friend bool operator==(const Pen&, const Pen&) = default;
};

/// A filled polygon, outlined when it has a pen.
struct Polygon {
    std::vector<Point> points{};
    Color fill = kWhite;
    std::optional<Pen> outline{};
};

/// An open or closed line through the points.
struct Polyline {
    std::vector<Point> points{};
    Pen pen{};
    bool closed = false;
};

/// Where a text's anchor point lies on the text's box.
enum class Anchor {
    TopLeft,
    Top,
    TopRight,
    Left,
    Center,
    Right,
    BottomLeft,
    Bottom,
    BottomRight
};

/// A text at a world point; its height is in device points, so it stays legible at any zoom;
/// the angle turns it counter-clockwise about the anchor [degrees].
struct Text {
    Point at{};
    std::string text{}; ///< UTF-8
    double height = 9;
    Anchor anchor = Anchor::BottomLeft;
    double angle = 0;
    Color color = kBlack;
};

enum class MarkerShape { Circle, Square, Cross, Triangle, Diamond };

/// A symbol of a fixed device size at a world point.
struct Marker {
    Point at{};
    MarkerShape shape = MarkerShape::Circle;
    double size = 6; ///< device points across
    Color color = kBlack;
    bool filled = true;
};

using Item = std::variant<Polygon, Polyline, Text, Marker>;

/// The items in painting order and the world window that the drawing is meant to show.
struct Scene {
    slab::WorldRect bounds{};
    std::vector<Item> items{};

    template <class T> void add(T item) { items.emplace_back(std::move(item)); }
    /// The items of one kind, in painting order, for tests and for picking.
    template <class T> std::vector<const T*> all() const {
        std::vector<const T*> found;
        for (const auto& item : items)
            if (const T* t = std::get_if<T>(&item)) found.push_back(t);
        return found;
    }
};

} // namespace scene
