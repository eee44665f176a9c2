// Scenes placed in scenes, and loops joined into one polygon.
#include "scene/scene_placement.hpp"

namespace scene {

namespace {

struct Placement {
    double scale;
    Point offset;
    Point operator()(Point p) const { return {offset.x + scale * p.x, offset.y + scale * p.y}; }
    void operator()(std::vector<Point>& points) const {
        for (auto& p : points)
            p = (*this)(p);
    }
};

} // namespace

void appendPlaced(Scene& into, const Scene& from, double scale, Point offset) {
    const Placement place{scale, offset};
    into.items.reserve(into.items.size() + from.items.size());
    for (Item item : from.items) {
        std::visit(
            [&](auto& i) {
                using T = std::decay_t<decltype(i)>;
                if constexpr (std::is_same_v<T, Polygon> || std::is_same_v<T, Polyline>)
                    place(i.points);
                else
                    i.at = place(i.at);
            },
            item);
        into.items.push_back(std::move(item));
    }
}

std::vector<Point> evenOddPath(const std::vector<std::vector<Point>>& loops) {
    std::vector<Point> path;
    for (const auto& loop : loops) {
        if (loop.empty()) continue;
        if (path.empty()) {
            path = loop;
            path.push_back(loop.front());
            continue;
        }
        // Out to the loop, round it, and back to the path's start: the two passes of the
        // connecting line cancel.
        const Point start = path.front();
        path.insert(path.end(), loop.begin(), loop.end());
        path.push_back(loop.front());
        path.push_back(start);
    }
    return path;
}

} // namespace scene
