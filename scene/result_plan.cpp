// The plan of a result picture: bands, iso-lines, outline, supports, crosses, reactions and the
// marked extremes, in the slab's coordinates.
#include "scene/colour_scale.hpp"
#include "scene/result_drawing.hpp"
#include "scene/scene_placement.hpp"
#include "viewer/contour.hpp"
#include "viewer/element_field.hpp"
#include "viewer/field_mesh.hpp"
#include "viewer/outline.hpp"

#include "common/format.hpp"

#include <algorithm>
#include <cmath>
#include <set>

namespace scene {

namespace {

using viewer::Quantity;
using viewer::ResultSet;

constexpr double kPi = 3.141592653589793;

const Pen kIsoPen{{35, 35, 35}, 0.35};
const Pen kZeroPen{kBlack, 1.1};
const Pen kOutlinePen{kBlack, 0.8};
/// Positive principal moments in black, negative ones in vermilion: apart also without colour,
/// since every arm has a white halo and the key names them.
constexpr Color kPositive{20, 20, 20}, kNegative{213, 94, 0};
constexpr Color kSlabGrey{236, 236, 236};

/// Support symbols closer than this [points] are left out.
constexpr double kSymbolSpacing = 9;
/// Crosses shown at the most; on finer meshes every element of a coarser grid gets one.
constexpr int kMaxCrosses = 220;
/// The longest cross arm reaches this share of its room (element side or grid cell) from the
/// centre.
constexpr double kArmShare = 0.42;
/// Room around the slab for support symbols and labels, as a share of its larger side.
constexpr float kPlanMargin = 0.06f;
/// Reaction labels at the most; the largest first, none over another.
constexpr int kMaxReactionLabels = 120;

Point pt(viewer::XY p) {
    return {p.x, p.y};
}

std::vector<Point> points(const std::vector<viewer::XY>& line) {
    std::vector<Point> out;
    out.reserve(line.size());
    for (const auto& p : line)
        out.push_back(pt(p));
    return out;
}

std::vector<std::vector<Point>> loops(const std::vector<std::vector<viewer::XY>>& in) {
    std::vector<std::vector<Point>> out;
    for (const auto& l : in)
        out.push_back(points(l));
    return out;
}

void addBands(Scene& s, const ResultSet& r, Quantity q, const viewer::Levels& levels,
              const ResultStyle& style) {
    const int n = style.subdivisions > 0 ? style.subdivisions
                                         : viewer::deflectionSubdivision(r.elementCount());
    const auto contours = viewer::contour(viewer::fieldMesh(r, q, n), levels);
    for (const auto& band : contours.bands)
        s.add(Polygon{evenOddPath(loops(band.loops)), bandColour(band.band, levels.bandCount())});
    for (const auto& iso : contours.isoLines)
        for (const auto& line : iso.lines)
            s.add(Polyline{points(line), iso.value == 0.0 ? kZeroPen : kIsoPen});
}

// The side's outward normal: sides run counter-clockwise from the lower one.
Point outward(int side) {
    constexpr Point normals[4] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};
    return normals[side];
}

// The supports as the solver held the slab: a side of the outline whose two nodes hold w is
// clamped when they also hold the slope across it, else hinged; a side whose nodes both stand on
// springs (on w or on the slope across it) is sprung. Held or sprung nodes elsewhere are drawn
// as point supports.
class SupportDrawer {
  public:
    SupportDrawer(Scene& s, const ResultSet& r, std::vector<Symbol>& used, double pointsPerMetre)
        : s_(s), r_(r), used_(used), pointsPerMetre_(pointsPerMetre) {}

    void draw() {
        std::set<int> held, sprung;
        for (const auto& side : viewer::outerSides(r_)) {
            const int a = r_.element(side.element).node[side.side];
            const int b = r_.element(side.element).node[(side.side + 1) % 4];
            switch (drawSide(a, b, side.side)) {
            case Kind::Clamped:
            case Kind::Hinged:
                held.insert({a, b});
                break;
            case Kind::Spring:
                sprung.insert({a, b});
                break;
            case Kind::None:
                break;
            }
        }
        for (int j = 1; j <= r_.nodeCount(); ++j) {
            const viewer::Node& n = r_.node(j);
            if (n.code[0] != 0 && !held.count(j)) {
                s_.add(Marker{pt(n.at), MarkerShape::Square, 7, kBlack, true});
                use(Symbol::PointSupport);
            } else if (n.spring[0] != 0.0 && !sprung.count(j) && !held.count(j)) {
                s_.add(Marker{pt(n.at), MarkerShape::Circle, 8, kBlack, false});
                use(Symbol::PointSpring);
            }
        }
    }

  private:
    enum class Kind { None, Clamped, Hinged, Spring };

    // Draws the side from node a to node b, side k of its element; its kind.
    Kind drawSide(int a, int b, int k) {
        // The slope across a side in x (sides 0 and 2) is w,y; across a side in y it is w,x.
        const std::size_t across = k % 2 == 0 ? 2 : 1;
        const viewer::Node &na = r_.node(a), &nb = r_.node(b);
        const Point pa = pt(na.at), pb = pt(nb.at);
        if (na.code[0] != 0 && nb.code[0] != 0) {
            if (na.code[across] != 0 && nb.code[across] != 0) {
                s_.add(Polyline{{pa, pb}, Pen{kBlack, 2.4}});
                hatch(pa, pb, outward(k));
                use(Symbol::Clamped);
                return Kind::Clamped;
            }
            s_.add(Polyline{{pa, pb}, Pen{kBlack, 1.8}});
            // On a fine mesh the symbols would run into each other: the line says enough.
            if (std::hypot(pb.x - pa.x, pb.y - pa.y) * pointsPerMetre_ < kSymbolSpacing)
                return Kind::Hinged;
            for (int node : {a, b})
                if (hingeMarked_.insert(node).second)
                    s_.add(Marker{pt(r_.node(node).at), MarkerShape::Triangle, 6, kBlack, false});
            use(Symbol::Hinged);
            return Kind::Hinged;
        }
        const bool springs = (na.spring[0] != 0 && nb.spring[0] != 0) ||
                             (na.spring[across] != 0 && nb.spring[across] != 0);
        if (!springs) return Kind::None;
        s_.add(Polyline{{pa, pb}, Pen{kBlack, 1.8, LineStyle::Dashed}});
        use(Symbol::Spring);
        return Kind::Spring;
    }

    void use(Symbol symbol) {
        if (std::find(used_.begin(), used_.end(), symbol) == used_.end()) used_.push_back(symbol);
    }

    // Short strokes outside a clamped side, as a wall is drawn.
    void hatch(Point a, Point b, Point out) {
        const Point along{b.x - a.x, b.y - a.y};
        const double length = std::hypot(along.x, along.y);
        const double stroke = 0.25 * length / std::sqrt(2.0);
        for (double t : {0.125, 0.375, 0.625, 0.875}) {
            const Point p{a.x + t * along.x, a.y + t * along.y};
            s_.add(Polyline{{p,
                             {p.x + stroke * (out.x + along.x / length),
                              p.y + stroke * (out.y + along.y / length)}},
                            Pen{kBlack, 0.7}});
        }
    }

    Scene& s_;
    const ResultSet& r_;
    std::vector<Symbol>& used_;
    double pointsPerMetre_;
    std::set<int> hingeMarked_; ///< nodes that have their hinge symbol
};

// The elements that carry a cross: every element, or on a fine mesh the first element whose
// centre falls in each cell of a grid coarse enough for kMaxCrosses. `size` becomes the room of
// one cross: the element's shorter side, or the cell.
std::vector<int> crossElements(const ResultSet& r, const slab::WorldRect& box, double& cell) {
    std::vector<int> chosen;
    const double w = box.x2 - box.x1, h = box.y2 - box.y1;
    cell = r.elementCount() > kMaxCrosses ? std::sqrt(w * h / kMaxCrosses) : 0.0;
    std::set<std::pair<long, long>> taken;
    for (int e = 1; e <= r.elementCount(); ++e) {
        const auto c = viewer::pointOf(r, e, {0.5, 0.5});
        if (cell > 0 && !taken
                             .insert({std::lround(std::floor((c.x - box.x1) / cell)),
                                      std::lround(std::floor((c.y - box.y1) / cell))})
                             .second)
            continue;
        chosen.push_back(e);
    }
    return chosen;
}

void addCrosses(Scene& s, const ResultSet& r, const slab::WorldRect& box) {
    double cell = 0;
    const auto chosen = crossElements(r, box, cell);
    double largest = 0;
    for (int e : chosen) {
        const auto a = viewer::principalAtCentre(r, e);
        largest = std::max({largest, std::fabs(a.m1), std::fabs(a.m2)});
    }
    if (largest <= 0) return;
    std::vector<Polyline> arms;
    for (int e : chosen) {
        const auto a = viewer::principalAtCentre(r, e);
        const auto c = viewer::pointOf(r, e, {0.5, 0.5});
        const double room = cell > 0 ? cell : std::min(r.element(e).lx, r.element(e).ly);
        for (auto [m, angle] : {std::pair{a.m1, a.angle1}, std::pair{a.m2, a.angle1 + 90.0}}) {
            const double len = kArmShare * room * std::fabs(m) / largest;
            const double dx = len * std::cos(angle * kPi / 180),
                         dy = len * std::sin(angle * kPi / 180);
            arms.push_back(Polyline{{{c.x - dx, c.y - dy}, {c.x + dx, c.y + dy}},
                                    Pen{m >= 0 ? kPositive : kNegative, 0.9}});
        }
    }
    for (Polyline halo : arms) {
        halo.pen = Pen{kWhite, 2.0};
        s.add(std::move(halo));
    }
    for (auto& arm : arms)
        s.add(std::move(arm));
}

// A label's box in metres, for keeping labels apart at the scale the plan is drawn for.
struct Box {
    double x1, y1, x2, y2;
    bool overlaps(const Box& o) const { return x1 < o.x2 && o.x1 < x2 && y1 < o.y2 && o.y1 < y2; }
};

void addReactions(Scene& s, const ResultSet& r, const viewer::Levels& levels,
                  const ResultStyle& style) {
    const double metresPerPoint = 1.0 / std::max(1e-9, style.pointsPerMetre);
    viewer::XY centre{};
    int count = 0;
    std::vector<int> nodes;
    for (int j = 1; j <= r.nodeCount(); ++j)
        if (r.hasReaction(j)) {
            nodes.push_back(j);
            centre.x += r.node(j).at.x;
            centre.y += r.node(j).at.y;
            ++count;
        }
    if (count == 0) return;
    centre = {centre.x / count, centre.y / count};
    for (int j : nodes) {
        const Point at = pt(r.node(j).at);
        s.add(Marker{at, MarkerShape::Circle, 8,
                     bandColour(levels.bandOf(r.reactions[j][0]), levels.bandCount())});
        s.add(Marker{at, MarkerShape::Circle, 8, kBlack, false});
    }
    // Labels outside the slab where they can be, the largest forces first.
    std::stable_sort(nodes.begin(), nodes.end(), [&](int a, int b) {
        return std::fabs(r.reactions[a][0]) > std::fabs(r.reactions[b][0]);
    });
    std::vector<Box> placed;
    const double height = 7.5, gap = 6 * metresPerPoint;
    for (int j : nodes) {
        if (static_cast<int>(placed.size()) >= kMaxReactionLabels) break;
        const std::string text = slab::withDecimalComma(slab::format("%.2f", r.reactions[j][0]));
        const viewer::XY p = r.node(j).at;
        const double dx = p.x - centre.x, dy = p.y - centre.y;
        const bool horizontal = std::fabs(dx) > std::fabs(dy);
        const Anchor anchor = horizontal ? (dx > 0 ? Anchor::Left : Anchor::Right)
                                         : (dy > 0 ? Anchor::Bottom : Anchor::Top);
        const Point at{p.x + (horizontal ? (dx > 0 ? gap : -gap) : 0),
                       p.y + (horizontal ? 0 : (dy > 0 ? gap : -gap))};
        const double w = 0.55 * height * text.size() * metresPerPoint, h = height * metresPerPoint;
        Box box{at.x - w / 2, at.y - h / 2, at.x + w / 2, at.y + h / 2};
        if (anchor == Anchor::Left) box = {at.x, at.y - h / 2, at.x + w, at.y + h / 2};
        if (anchor == Anchor::Right) box = {at.x - w, at.y - h / 2, at.x, at.y + h / 2};
        if (anchor == Anchor::Bottom) box = {at.x - w / 2, at.y, at.x + w / 2, at.y + h};
        if (anchor == Anchor::Top) box = {at.x - w / 2, at.y - h, at.x + w / 2, at.y};
        if (std::any_of(placed.begin(), placed.end(),
                        [&](const Box& b) { return b.overlaps(box); }))
            continue;
        placed.push_back(box);
        s.add(Text{at, text, height, anchor});
    }
}

// Markers of the extremes, with their values on a field; the reactions carry their own labels.
void addExtremes(Scene& s, const viewer::Extremes& x, const viewer::Levels& levels, bool onBands,
                 const ResultStyle& style) {
    const double gap = 5 / std::max(1e-9, style.pointsPerMetre);
    auto mark = [&](const viewer::Extreme& e, MarkerShape shape, const char* word) {
        const Point at = pt(e.at);
        s.add(Marker{at, shape, 11, kWhite, true});
        s.add(Marker{at, shape, 11, kBlack, false});
        if (!onBands) return;
        const Color text =
            onBands ? textColourOn(bandColour(levels.bandOf(e.value), levels.bandCount())) : kBlack;
        s.add(Text{{at.x + gap, at.y + gap},
                   std::string(word) + " " + viewer::extremeText(e.value),
                   9,
                   Anchor::BottomLeft,
                   0,
                   text});
    };
    mark(x.max, MarkerShape::Triangle, "max");
    if (!(x.min.at == x.max.at)) mark(x.min, MarkerShape::Diamond, "min");
}

} // namespace

Scene resultPlan(const ResultSet& r, Quantity q, const viewer::Levels& levels,
                 const std::optional<viewer::Extremes>& extremes, const ResultStyle& style,
                 std::vector<Symbol>& used) {
    Scene s;
    const auto outline = viewer::slabOutline(r);
    if (viewer::isField(q)) {
        addBands(s, r, q, levels, style);
    } else {
        s.add(Polygon{evenOddPath(loops(outline)), kSlabGrey});
    }
    for (const auto& loop : outline)
        s.add(Polyline{points(loop), kOutlinePen, true});
    SupportDrawer(s, r, used, style.pointsPerMetre).draw();

    const slab::WorldRect box = slabExtents(r);
    if (q == Quantity::M1 || q == Quantity::M2) {
        addCrosses(s, r, box);
        used.push_back(Symbol::Crosses);
    }
    if (q == Quantity::Reactions) {
        addReactions(s, r, levels, style);
        used.push_back(Symbol::Reactions);
    }
    if (extremes) addExtremes(s, *extremes, levels, viewer::isField(q), style);
    s.bounds = planBounds(r);
    return s;
}

slab::WorldRect slabExtents(const ResultSet& r) {
    std::vector<viewer::XY> corners;
    for (int e = 1; e <= r.elementCount(); ++e)
        for (int k = 0; k < 4; ++k)
            corners.push_back(r.corner(e, k));
    if (corners.empty()) return {0, 0, 1, 1};
    // extentsOf counts from 1, as the model tables do.
    corners.insert(corners.begin(), viewer::XY{});
    return *slab::extentsOf(static_cast<int>(corners.size()) - 1, corners);
}

slab::WorldRect planBounds(const ResultSet& r) {
    const slab::WorldRect box = slabExtents(r);
    const float margin = kPlanMargin * std::max(box.x2 - box.x1, box.y2 - box.y1);
    return {box.x1 - margin, box.y1 - margin, box.x2 + margin, box.y2 + margin};
}

} // namespace scene
