// The result pictures by their content: bands covering the slab and not its opening, the
// legend's values, supports, crosses, reactions, extremes, pages and the report.
#include "common/format.hpp"
#include "scene/colour_scale.hpp"
#include "scene/deformed_view.hpp"
#include "scene/result_pages.hpp"
#include "scene/scene_placement.hpp"
#include "tests/viewer/viewer_fixtures.hpp"
#include "viewer/element_field.hpp"
#include "viewer/result_reader.hpp"

namespace {

using testsupport::near;
using viewer::Quantity;

using viewerfixtures::signedArea;

bool inside(const std::vector<scene::Point>& path, scene::Point p) {
    return viewerfixtures::insideEvenOdd(std::vector<std::vector<scene::Point>>{path}, p);
}

std::vector<std::string> texts(const scene::Scene& s) {
    std::vector<std::string> t;
    for (const auto* text : s.all<scene::Text>())
        t.push_back(text->text);
    return t;
}

bool hasText(const scene::Scene& s, const std::string& t) {
    const auto all = texts(s);
    return std::find(all.begin(), all.end(), t) != all.end();
}

// The demo's kind of slab with its opening, computed as load case 1.
class SlabWithOpening : public ::testing::Test {
  protected:
    void SetUp() override {
        viewerfixtures::compute(p.dir(), viewerfixtures::demoSlab(), 1, viewerfixtures::cutOpening);
        auto read = viewer::readResults(p.dir(), 1);
        ASSERT_TRUE(read.results) << read.error;
        r = std::move(*read.results);
    }
    viewerfixtures::Position p;
    viewer::ResultSet r;
};

TEST_F(SlabWithOpening, BandsCoverTheSlabButNotTheOpening) {
    for (Quantity q : {Quantity::W, Quantity::Mxx, Quantity::M1, Quantity::Qy}) {
        const auto d = scene::resultDrawing(r, q, "Position P1, Lastfall 1");
        double area = 0;
        int bands = 0;
        for (const auto* polygon : d.plan.all<scene::Polygon>()) {
            area += signedArea(polygon->points);
            EXPECT_FALSE(inside(polygon->points, {6.5, 3.5})) << viewer::quantityName(q);
            ++bands;
        }
        EXPECT_TRUE(near(area, 80.0 - 9.0, 1e-9)) << viewer::quantityName(q);
        EXPECT_GE(bands, 5);
        // Each point of the slab lies in exactly one band.
        int covering = 0;
        for (const auto* polygon : d.plan.all<scene::Polygon>())
            covering += inside(polygon->points, {2.3, 6.1});
        EXPECT_EQ(covering, 1);
    }
}

TEST_F(SlabWithOpening, TheLegendShowsTheExtremesOfTheConsole) {
    const auto extremes = viewer::extremaOf(r, Quantity::Mxx);
    ASSERT_TRUE(extremes);
    const auto d = scene::resultDrawing(r, Quantity::Mxx, "Position P1, Lastfall 1");
    EXPECT_EQ(d.title, "Position P1, Lastfall 1: Biegemoment mxx [kNm/m]");
    // The ends of the colour bar carry the values "extrema" prints (%.6g), with a comma.
    const std::string high = slab::withDecimalComma(slab::format("%.6g", extremes->max.value));
    const std::string low = slab::withDecimalComma(slab::format("%.6g", extremes->min.value));
    EXPECT_TRUE(hasText(d.legend, high)) << high;
    EXPECT_TRUE(hasText(d.legend, low)) << low;
    EXPECT_TRUE(hasText(d.legend, "Biegemoment mxx"));
    EXPECT_TRUE(hasText(d.legend, "in kNm/m"));
    EXPECT_TRUE(hasText(d.legend, "max " + high + " kNm/m"));
    EXPECT_TRUE(hasText(d.legend, "gelenkig gelagert"));
    EXPECT_TRUE(hasText(d.legend, "Punktlager")); // the held nodes in the opening
    // The plan marks them where they are.
    EXPECT_TRUE(hasText(d.plan, "max " + high));
    bool marked = false;
    for (const auto* m : d.plan.all<scene::Marker>())
        marked |= m->shape == scene::MarkerShape::Triangle &&
                  m->at == scene::Point{extremes->max.at.x, extremes->max.at.y};
    EXPECT_TRUE(marked);
}

TEST_F(SlabWithOpening, SupportsAlongTheOutlineAndAtSingleNodes) {
    std::vector<scene::Symbol> used;
    const auto levels = scene::levelsOf(viewer::extremaOf(r, Quantity::W));
    const auto plan = scene::resultPlan(r, Quantity::W, levels, std::nullopt, {}, used);
    int hinged = 0, squares = 0;
    for (const auto* line : plan.all<scene::Polyline>())
        hinged += line->pen.width == 1.8 && line->points.size() == 2;
    for (const auto* m : plan.all<scene::Marker>())
        squares += m->shape == scene::MarkerShape::Square;
    EXPECT_EQ(hinged, 2 * (10 + 8)); // the outer sides; the opening's sides are free
    EXPECT_EQ(squares, 4);           // the nodes held inside the opening
    EXPECT_EQ(used,
              (std::vector<scene::Symbol>{scene::Symbol::Hinged, scene::Symbol::PointSupport}));
}

TEST(ResultDrawing, AClampedSideIsHatched) {
    viewerfixtures::Position p;
    auto s = viewerfixtures::hingedSquare(2);
    s.clamped = true;
    viewerfixtures::compute(p.dir(), s);
    const auto r = *viewer::readResults(p.dir(), 1).results;
    const auto d = scene::resultDrawing(r, Quantity::Myy, "Position P1, Lastfall 1");
    int thick = 0, strokes = 0;
    for (const auto* line : d.plan.all<scene::Polyline>()) {
        thick += line->pen.width == 2.4;
        strokes += line->pen.width == 0.7;
    }
    EXPECT_EQ(thick, 8);
    EXPECT_EQ(strokes, 8 * 4);
    EXPECT_TRUE(hasText(d.legend, "eingespannt"));
}

TEST_F(SlabWithOpening, CrossesForThePrincipalMomentsOnly) {
    auto arms = [&](Quantity q) {
        int n = 0;
        const auto drawing = scene::resultDrawing(r, q, "");
        for (const auto* line : drawing.plan.all<scene::Polyline>())
            n += line->pen.width == 0.9;
        return n;
    };
    EXPECT_EQ(arms(Quantity::M1), 2 * r.elementCount());
    EXPECT_EQ(arms(Quantity::M2), 2 * r.elementCount());
    EXPECT_EQ(arms(Quantity::Mxx), 0);
    // The arm of m1 at an element's centre lies along the direction of m1.
    const auto d = scene::resultDrawing(r, Quantity::M1, "");
    const auto axes = viewer::principalAtCentre(r, 1);
    for (const auto* line : d.plan.all<scene::Polyline>()) {
        if (line->pen.width != 0.9) continue;
        const auto& a = line->points[0];
        const auto& b = line->points[1];
        const double angle = std::atan2(b.y - a.y, b.x - a.x) * 180 / 3.141592653589793;
        EXPECT_TRUE(near(std::fmod(angle - axes.angle1 + 360, 180), 0.0, 0, 1e-9) ||
                    near(std::fmod(angle - axes.angle1 + 360, 180), 180.0, 0, 1e-9));
        break; // the first arm belongs to element 1
    }
}

// The iso-line of zero stands out: a signed field's sign changes there.
TEST_F(SlabWithOpening, TheZeroLineIsDrawnBolder) {
    const auto d = scene::resultDrawing(r, Quantity::Mxy, "");
    int zero = 0, others = 0;
    for (const auto* line : d.plan.all<scene::Polyline>()) {
        zero += line->pen.width == 1.1;
        others += line->pen.width == 0.35;
    }
    EXPECT_GT(zero, 0);
    EXPECT_GT(others, zero);
}

// Crowded labels along the slab's upper side, as a small page shows them: none covers another.
TEST_F(SlabWithOpening, ReactionLabelsKeepApart) {
    const double perMetre = 20;
    const auto d = scene::resultDrawing(r, Quantity::Reactions, "", {.pointsPerMetre = perMetre});
    std::vector<const scene::Text*> above;
    for (const auto* t : d.plan.all<scene::Text>())
        if (t->anchor == scene::Anchor::Bottom) above.push_back(t);
    ASSERT_GE(above.size(), 3u);
    EXPECT_LT(above.size(), 9u); // of the nine nodes inside the upper side, some lose their label
    for (std::size_t i = 0; i < above.size(); ++i)
        for (std::size_t j = i + 1; j < above.size(); ++j) {
            const double wi = 0.55 * above[i]->height * above[i]->text.size() / perMetre;
            const double wj = 0.55 * above[j]->height * above[j]->text.size() / perMetre;
            EXPECT_GE(std::fabs(above[i]->at.x - above[j]->at.x), (wi + wj) / 2 - 1e-9);
        }
}

TEST_F(SlabWithOpening, ReactionsAsColouredSymbolsWithLabels) {
    const auto d = scene::resultDrawing(r, Quantity::Reactions, "", {.pointsPerMetre = 60});
    int symbols = 0, reactions = 0;
    for (const auto* m : d.plan.all<scene::Marker>())
        symbols += m->shape == scene::MarkerShape::Circle && m->filled;
    for (int j = 1; j <= r.nodeCount(); ++j)
        reactions += r.hasReaction(j);
    EXPECT_EQ(symbols, reactions);
    // The largest reaction is labelled; labels never lie on one another.
    double largest = 0;
    for (int j = 1; j <= r.nodeCount(); ++j)
        if (r.hasReaction(j)) largest = std::max(largest, std::fabs(r.reactions[j][0]));
    bool found = false;
    for (const auto& t : texts(d.plan))
        found |= t == slab::withDecimalComma(slab::format("%.2f", largest)) ||
                 t == slab::withDecimalComma(slab::format("%.2f", -largest));
    EXPECT_TRUE(found);
    EXPECT_TRUE(hasText(d.legend, "Auflagerkraft F [kN]"));
}

TEST(ResultDrawing, SoilPressureOfABeddedSlab) {
    viewerfixtures::Position p;
    viewerfixtures::compute(p.dir(), viewerfixtures::hingedSquare(4), 1, [](slab::SolverModel& m) {
        for (int e = 1; e <= m.elementCount; ++e)
            m.bedding[e].v[0] = 8000.0f;
    });
    const auto r = *viewer::readResults(p.dir(), 1).results;
    const auto d = scene::resultDrawing(r, Quantity::Soil, "Position P1, Lastfall 1");
    EXPECT_EQ(d.title, "Position P1, Lastfall 1: Bodenpressung [kN/m²]");
    EXPECT_TRUE(hasText(d.legend, "in kN/m²"));
    EXPECT_EQ(scene::reportQuantities(r).size(), 10u);
}

TEST(ColourScale, LighterAllTheWayAndApartForEachBand) {
    double previous = -1;
    for (int i = 0; i <= 100; ++i) {
        const double l = scene::lightness(scene::scaleColour(i / 100.0));
        EXPECT_GT(l, previous) << i; // readable in grey print
        previous = l;
    }
    for (int n : {2, 6, 12})
        for (int b = 1; b < n; ++b)
            EXPECT_GT(scene::lightness(scene::bandColour(b, n)) -
                          scene::lightness(scene::bandColour(b - 1, n)),
                      0.3 / n);
    EXPECT_EQ(scene::textColourOn(scene::scaleColour(0)), scene::kWhite);
    EXPECT_EQ(scene::textColourOn(scene::scaleColour(1)), scene::kBlack);
}

TEST(ScenePlacement, EvenOddPathAndPlacing) {
    const std::vector<std::vector<scene::Point>> loops = {{{0, 0}, {4, 0}, {4, 4}, {0, 4}},
                                                          {{1, 1}, {1, 2}, {2, 2}, {2, 1}}};
    const auto path = scene::evenOddPath(loops);
    EXPECT_TRUE(near(signedArea(path), 16.0 - 1.0));
    EXPECT_TRUE(inside(path, {3, 3}));
    EXPECT_FALSE(inside(path, {1.5, 1.5})); // the hole
    EXPECT_TRUE(scene::evenOddPath({}).empty());

    scene::Scene from;
    from.add(scene::Polyline{{{1, 2}, {3, 4}}});
    from.add(scene::Text{{1, 1}, "a", 12});
    scene::Scene into;
    scene::appendPlaced(into, from, 10, {5, 6});
    EXPECT_EQ(into.all<scene::Polyline>()[0]->points[1], (scene::Point{35, 46}));
    EXPECT_EQ(into.all<scene::Text>()[0]->at, (scene::Point{15, 16}));
    EXPECT_EQ(into.all<scene::Text>()[0]->height, 12); // texts keep their size
}

TEST_F(SlabWithOpening, APageHoldsTitlePlanAndLegend) {
    const auto page = scene::viewPage(r, Quantity::Mxy, scene::ResultView::Plan,
                                      "Position P1, Lastfall 1", 842, 595);
    EXPECT_EQ(page.bounds, (slab::WorldRect{0, 0, 842, 595}));
    EXPECT_TRUE(hasText(page, "Position P1, Lastfall 1: Drillmoment mxy [kNm/m]"));
    for (const auto* polygon : page.all<scene::Polygon>())
        for (const auto& pt : polygon->points) {
            EXPECT_GE(pt.x, 0);
            EXPECT_LE(pt.x, 842);
            EXPECT_GE(pt.y, 0);
            EXPECT_LE(pt.y, 595);
        }
}

TEST_F(SlabWithOpening, TheReportHasAPagePerQuantity) {
    const auto control = viewer::readLoadControl(p.dir(), 1);
    const auto pages = scene::reportPages(r, "Position P1, Lastfall 1", control, 842, 595);
    // Load control, nine quantities (no bedding), the deformed slab.
    ASSERT_EQ(pages.size(), 11u);
    EXPECT_TRUE(hasText(pages[0], "Ergebnisbericht – Position P1, Lastfall 1"));
    EXPECT_TRUE(hasText(pages[0], "Das globale Gleichgewicht ist erfüllt!"));
    EXPECT_TRUE(hasText(pages[0], "Summe der Vertikalkräfte (LF p):"));
    EXPECT_TRUE(hasText(pages[0],
                        slab::withDecimalComma(slab::format("%.2f", control.control->p)) + " kN"));
    EXPECT_TRUE(hasText(pages[0], "Querkraft qy [kN/m]"));
    EXPECT_FALSE(hasText(pages[0], "Bodenpressung [kN/m²]"));
    EXPECT_TRUE(hasText(pages[1], "Position P1, Lastfall 1: Durchbiegung w [m]"));
    EXPECT_TRUE(hasText(pages[9], "Position P1, Lastfall 1: Auflagerkräfte [kN]"));
    EXPECT_EQ(texts(pages[10])[0].rfind("Position P1, Lastfall 1: Verformte Platte (", 0), 0u);

    const viewer::LoadControlOutcome missing{std::nullopt, "Der Bericht OUTPUTFEM.txt fehlt."};
    EXPECT_TRUE(hasText(scene::loadControlPage(r, "", missing, 842, 595), missing.note));
}

TEST(DeformedView, ExaggerationIsRoundAndWithinBothLimits) {
    // 0.25 * 10 m / 0.004 m = 625, slope limit 0.8 tan 35° / 0.002 = 280: 200.
    EXPECT_EQ(scene::exaggeration(0.004, 0.002, 10, 35), 200.0);
    EXPECT_EQ(scene::exaggeration(0.004, 0.0, 10, 35), 500.0);
    EXPECT_EQ(scene::exaggeration(0.0, 0.0, 10, 35), 1.0);
    EXPECT_EQ(scene::exaggeration(5.0, 0.1, 10, 35), 1.0); // never shrunk
    // A raw factor that is round up to round-off keeps its value: 0.25 * 10 / 0.0125 = 200.
    EXPECT_EQ(scene::exaggeration(0.0125, 0.0, 10, 35), 200.0);
}

// Seen from straight above, the surface of a slab without deflection is its plan: each patch a
// quarter of its element, moved by the slab's centre, each border the element's outline.
TEST(DeformedView, FromAboveItIsThePlan) {
    const auto r = viewerfixtures::gridSet(2, 1, 2.0, 1.0, 1.0, 1.0); // centre (3, 1.5)
    const auto d = scene::deformedView(r, "", {.azimuth = 0, .elevation = 90, .distance = 2}, 2);
    const auto polygons = d.plan.all<scene::Polygon>();
    ASSERT_EQ(polygons.size(), 8u);
    double area = 0;
    for (const auto* polygon : polygons) {
        ASSERT_EQ(polygon->points.size(), 4u);
        area += signedArea(polygon->points);
        const auto& a = polygon->points[0];
        const auto& c = polygon->points[2];
        EXPECT_TRUE(near(c.x - a.x, 1.0, 1e-12)); // a quarter of the 2 m x 1 m element
        EXPECT_TRUE(near(c.y - a.y, 0.5, 1e-12));
    }
    EXPECT_TRUE(near(area, 4.0, 1e-12));
    // The lower left patch of element 1 starts at the slab's corner (1, 1) less the centre.
    bool corner = false;
    for (const auto* polygon : polygons)
        corner |= near(polygon->points[0].x, -2.0, 0, 1e-12) &&
                  near(polygon->points[0].y, -0.5, 0, 1e-12);
    EXPECT_TRUE(corner);
    int borders = 0;
    for (const auto* line : d.plan.all<scene::Polyline>()) {
        if (line->pen.style == scene::LineStyle::Dashed) continue; // the reference outline
        ++borders;
        double x1 = 1e9, x2 = -1e9;
        for (const auto& pt : line->points) {
            x1 = std::min(x1, pt.x);
            x2 = std::max(x2, pt.x);
        }
        EXPECT_TRUE(near(x2 - x1, 2.0, 1e-12));
    }
    EXPECT_EQ(borders, 2); // one for each element
    // Turned by 90°, the slab's y runs to the left: its corner (1, 1) lies right and below.
    const auto turned =
        scene::deformedView(r, "", {.azimuth = 90, .elevation = 90, .distance = 2}, 1);
    bool found = false;
    for (const auto* polygon : turned.plan.all<scene::Polygon>())
        for (const auto& pt : polygon->points)
            found |= near(pt.x, 0.5, 0, 1e-12) && near(pt.y, -2.0, 0, 1e-12);
    EXPECT_TRUE(found);
}

// The colour of a patch is the scale at its deflection between the extremes, shaded.
TEST(DeformedView, PatchesColouredByTheirDeflection) {
    auto r = viewerfixtures::gridSet(1, 1, 2.0, 1.0, 1.0, 1.0);
    for (int j = 1; j <= r.nodeCount(); ++j) {
        r.nodeResults[j][1] = 0.001 * r.node(j).at.x; // w = 0.001 x, from 0.001 to 0.003
        r.nodeResults[j][2] = 0.001;
    }
    const auto d = scene::deformedView(r, "", {}, 1);
    const auto polygons = d.plan.all<scene::Polygon>();
    ASSERT_EQ(polygons.size(), 1u);
    const double factor = scene::exaggeration(0.003, 0.001, std::hypot(2.0, 1.0), 35);
    EXPECT_EQ(polygons[0]->fill, scene::shaded(scene::scaleColour(0.5), {0.001, 0}, -factor));
}

TEST(DeformedView, ShadedByTheLight) {
    const scene::Color grey{200, 200, 200};
    // A level patch faces the light at the height of its elevation.
    const double level = scene::kShadow + (1 - scene::kShadow) * scene::kLight[2];
    EXPECT_EQ(scene::shaded(grey, {0, 0}, -100).r, std::lround(200 * level));
    // Tilted towards the light it is lighter, away from it darker, never below kShadow. With w
    // drawn downwards (lift < 0) a patch whose w falls towards -x and -y faces the light there.
    const auto towards = scene::shaded(grey, {-0.004, -0.004}, -100);
    const auto away = scene::shaded(grey, {0.004, 0.004}, -100);
    EXPECT_GT(towards.r, scene::shaded(grey, {0, 0}, -100).r);
    EXPECT_LT(away.r, scene::shaded(grey, {0, 0}, -100).r);
    EXPECT_GE(scene::shaded(grey, {-1, -1}, -100).r, std::lround(200 * scene::kShadow));
}

TEST_F(SlabWithOpening, TheDeformedSlabIsPaintedFromTheBack) {
    const auto d = scene::deformedView(r, "Position P1, Lastfall 1", {}, 2);
    const auto polygons = d.plan.all<scene::Polygon>();
    EXPECT_EQ(polygons.size(), static_cast<std::size_t>(4 * r.elementCount()));
    // The eye looks along +y, turned by -35°: the far corner (10, 8) is painted before the
    // near corner (0, 0), which lies lowest in the picture.
    double lowestFirst = 1e300, lowestLast = 1e300;
    for (const auto& pt : polygons.front()->points)
        lowestFirst = std::min(lowestFirst, pt.y);
    for (const auto& pt : polygons.back()->points)
        lowestLast = std::min(lowestLast, pt.y);
    EXPECT_GT(lowestFirst, lowestLast);
    EXPECT_TRUE(hasText(d.legend, "Verformung 200-fach überhöht") ||
                hasText(d.legend, "Verformung 100-fach überhöht") ||
                hasText(d.legend, "Verformung 500-fach überhöht"));
    for (const auto* polygon : polygons)
        for (const auto& pt : polygon->points) {
            EXPECT_GE(pt.x, d.plan.bounds.x1);
            EXPECT_LE(pt.y, d.plan.bounds.y2);
        }
}

} // namespace
