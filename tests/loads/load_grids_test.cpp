// The load editor's tables as grids: what each shows, what an OK makes of the edited texts, the
// cells and loads left as shown keeping their values exactly, and every refusal with its row.
#include "loads/element_loads.hpp"
#include "tests/loads/grid_meshes.hpp"
#include "ui/daskel/load_grids.hpp"

#include <gtest/gtest.h>

using daskel::GridKind;
using daskel::LoadGrid;
using slab::ElementLoadRecord;
using slab::NodalLoadRecord;

namespace {

struct Tables {
    daskel::SlabModel model = gridtest::gridModel(gridtest::slabWithOpening());
    daskel::SlabOutline outline = daskel::deriveOutline(model);
    daskel::LoadTables loads = daskel::emptyLoadTables(model);
    daskel::LoadCase lc;
};

} // namespace

TEST(LoadGrids, TablesShowEveryElementAndNode) {
    Tables t;
    t.loads.elementLoads[3].v[ElementLoadRecord::kAreaLoad] = 6.5f;
    t.loads.elementLoads[3].v[ElementLoadRecord::kEdgeLoad + 1] = -4.25f;
    t.loads.nodeLoads[7].v[NodalLoadRecord::kLoad + 3] = 12.5;
    const LoadGrid elements = daskel::tableGrid(GridKind::Elements, t.model, t.loads);
    EXPECT_EQ(elements.title, "Elementlasten");
    EXPECT_EQ(elements.headings, (std::vector<std::string>{"Element", "p [kN/m2]"}));
    ASSERT_EQ(elements.rows.size(), 78u);
    EXPECT_EQ(elements.rows[2], (std::vector<std::string>{"3", "6,50"}));
    EXPECT_EQ(elements.readOnlyColumns, 1u);
    EXPECT_TRUE(elements.fixedRows);
    const LoadGrid edges = daskel::tableGrid(GridKind::Edges, t.model, t.loads);
    EXPECT_EQ(edges.title, "Linienlasten");
    EXPECT_EQ(edges.hints, (std::vector<std::string>{"Es können nur ", "konstante Linienlasten ",
                                                     "in [kN/m] eingegeben werden. "}));
    EXPECT_EQ(edges.rows[2], (std::vector<std::string>{"3", "0,00", "-4,25", "0,00", "0,00"}));
    const LoadGrid nodes = daskel::tableGrid(GridKind::Nodes, t.model, t.loads);
    EXPECT_EQ(nodes.title, "Eingeprägte Lagerverformungen und Knotenkräfte");
    EXPECT_EQ(nodes.headings.size(), 9u);
    EXPECT_EQ(nodes.headings[1], "w [m]");
    EXPECT_EQ(nodes.headings[8], "Mxy [kNm]");
    ASSERT_EQ(nodes.rows.size(), 99u);
    EXPECT_EQ(nodes.rows[6][8], "12,50");
}

TEST(LoadGrids, UnchangedCellsKeepTheirValuesExactly) {
    Tables t;
    // A prescribed rotation of 0.001 shows as 0,00; OK with the cell untouched keeps it.
    t.loads.nodeLoads[5].v[NodalLoadRecord::kPrescribed + 1] = 0.001;
    t.loads.elementLoads[2].v[ElementLoadRecord::kAreaLoad] = 1.234f;
    const LoadGrid nodes = daskel::tableGrid(GridKind::Nodes, t.model, t.loads);
    EXPECT_EQ(nodes.rows[4][2], "0,00");
    LoadGrid edited = nodes;
    edited.rows[4][5] = "3,5"; // P of node 5
    auto r = daskel::applyTableGrid(nodes, edited, t.loads);
    ASSERT_TRUE(r.tables) << r.error;
    EXPECT_EQ(r.tables->nodeLoads[5].v[NodalLoadRecord::kPrescribed + 1], 0.001);
    EXPECT_EQ(r.tables->nodeLoads[5].v[NodalLoadRecord::kLoad], static_cast<double>(3.5f));
    // An emptied cell keeps its value too; a typed one is stored as the single precision cell.
    const LoadGrid elements = daskel::tableGrid(GridKind::Elements, t.model, t.loads);
    LoadGrid typed = elements;
    typed.rows[1][1] = "";
    typed.rows[2][1] = " 2.5 ";
    r = daskel::applyTableGrid(elements, typed, t.loads);
    ASSERT_TRUE(r.tables);
    EXPECT_EQ(r.tables->elementLoads[2].v[ElementLoadRecord::kAreaLoad], 1.234f);
    EXPECT_EQ(r.tables->elementLoads[3].v[ElementLoadRecord::kAreaLoad], 2.5f);
    // The edge table's column k is edge k.
    const LoadGrid edges = daskel::tableGrid(GridKind::Edges, t.model, t.loads);
    LoadGrid edge = edges;
    edge.rows[77][4] = "-1";
    r = daskel::applyTableGrid(edges, edge, t.loads);
    ASSERT_TRUE(r.tables);
    EXPECT_EQ(r.tables->elementLoads[78].v[ElementLoadRecord::kEdgeLoad + 3], -1.0f);
}

TEST(LoadGrids, TextThatIsNoNumberIsRefused) {
    Tables t;
    const LoadGrid nodes = daskel::tableGrid(GridKind::Nodes, t.model, t.loads);
    LoadGrid edited = nodes;
    edited.rows[0][5] = "7";
    edited.rows[9][3] = "1,2,3";
    const auto r = daskel::applyTableGrid(nodes, edited, t.loads);
    EXPECT_FALSE(r.tables);
    EXPECT_EQ(r.error, "Zeile 10, w,y: \"1,2,3\" ist keine Zahl; nichts wurde geändert.");
}

TEST(LoadGrids, ClearingWritesZerosThatOkStores) {
    Tables t;
    t.loads.nodeLoads[5].v[NodalLoadRecord::kPrescribed] = 0.001;
    t.loads.nodeLoads[6].v[NodalLoadRecord::kLoad] = 8;
    const LoadGrid nodes = daskel::tableGrid(GridKind::Nodes, t.model, t.loads);
    LoadGrid cleared = nodes;
    daskel::clearGrid(cleared);
    EXPECT_EQ(cleared.rows[0],
              (std::vector<std::string>{"1", "0", "0", "0", "0", "0", "0", "0", "0"}));
    const auto r = daskel::applyTableGrid(nodes, cleared, t.loads);
    ASSERT_TRUE(r.tables);
    EXPECT_EQ(r.tables->nodeLoads[5].v[NodalLoadRecord::kPrescribed], 0.0);
    EXPECT_EQ(r.tables->nodeLoads[6].v[NodalLoadRecord::kLoad], 0.0);
    // A list loses its rows.
    ASSERT_FALSE(daskel::addPointLoad(t.lc, {1, 1, 5, daskel::PointLoadKind::Force, 0, 0, 0, ""}));
    LoadGrid points = daskel::listGrid(GridKind::Points, t.lc);
    daskel::clearGrid(points);
    EXPECT_TRUE(points.rows.empty());
}

TEST(LoadGrids, ListsShowTheirLoads) {
    Tables t;
    ASSERT_FALSE(daskel::addAreaLoad(t.lc, {{{1, 1, 1}, {3, 1, 2}, {2, 2.5, 3}}, true}));
    ASSERT_FALSE(daskel::addLineLoad(
        t.lc, {0.5, 1, 0.5, 6, 2, 4.125, daskel::LineLoadKind::Moments, "Wand Achse A"}));
    ASSERT_FALSE(daskel::addPointLoad(
        t.lc, {7.5, 2.5, 50, daskel::PointLoadKind::Rotation, 0.6, 0.8, 0.3, "Stütze"}));
    ASSERT_FALSE(
        daskel::addEdgeLoad(t.lc, {2, 3, 1, 2, daskel::EdgeLoadKind::Forces, ""}, t.outline));
    const LoadGrid areas = daskel::listGrid(GridKind::Areas, t.lc);
    EXPECT_EQ(areas.title, "Teilflächenlasten");
    EXPECT_FALSE(areas.fixedRows);
    ASSERT_EQ(areas.rows.size(), 3u);
    EXPECT_EQ(areas.rows[0], (std::vector<std::string>{"1", "1,000", "1,000", "1,000", "ja"}));
    EXPECT_EQ(areas.rows[2], (std::vector<std::string>{"1", "2,000", "2,500", "3,000", ""}));
    EXPECT_EQ(daskel::listGrid(GridKind::Lines, t.lc).rows[0],
              (std::vector<std::string>{"0,500", "1,000", "0,500", "6,000", "2,000", "4,125",
                                        "Momente", "Wand Achse A"}));
    EXPECT_EQ(daskel::listGrid(GridKind::Points, t.lc).rows[0],
              (std::vector<std::string>{"7,500", "2,500", "50,000", "Verdrehung", "0,600", "0,800",
                                        "0,300", "Stütze"}));
    EXPECT_EQ(daskel::listGrid(GridKind::Boundaries, t.lc).rows[0],
              (std::vector<std::string>{"2", "3", "1,000", "2,000", "Kräfte", ""}));
    EXPECT_EQ(daskel::listOfGrid(GridKind::Boundaries), daskel::LoadList::Edge);
    EXPECT_EQ(daskel::listOfGrid(GridKind::Nodes), std::nullopt);
}

TEST(LoadGrids, ListRowsLeftAsShownKeepTheirLoads) {
    Tables t;
    // An imported area cut to the outline, clockwise, with a value finer than the grid shows:
    // untouched it passes through an OK unchanged although typed in it would be refused.
    daskel::AreaLoad imported;
    imported.kind = daskel::AreaLoadKind::CutToOutline;
    for (auto [x, y] : {std::pair{1.0f, 1.0f}, {1.0f, 2.0f}, {2.0f, 2.0f}, {2.0f, 1.0f}}) {
        daskel::AreaCorner c;
        c.x = x;
        c.y = y;
        c.p1 = 1.23456f;
        imported.corners.push_back(c);
    }
    t.lc.areaLoads.push_back(imported);
    ASSERT_FALSE(daskel::addAreaLoad(t.lc, {{{5, 1, 2}, {7, 1, 2}, {7, 3, 2}}, false}));
    const LoadGrid shown = daskel::listGrid(GridKind::Areas, t.lc);
    LoadGrid edited = shown;
    edited.rows[6][3] = "4"; // the third corner of area 2
    auto r = daskel::applyListGrid(shown, edited, t.lc, t.outline);
    ASSERT_TRUE(r.loadCase) << r.error;
    ASSERT_EQ(r.loadCase->nt(), 2);
    EXPECT_EQ(r.loadCase->areaLoads[0].kind, daskel::AreaLoadKind::CutToOutline);
    EXPECT_EQ(r.loadCase->areaLoads[0].corners[0].p1, 1.23456f);
    EXPECT_EQ(r.loadCase->areaLoads[1].corners[2].p1, 4.0f);
    EXPECT_EQ(r.loadCase->areaLoads[1].corners[1].p2, 4.0f); // the next corner's value
    // Edited, the clockwise area is checked as if typed in, and refused.
    edited = shown;
    edited.rows[0][3] = "2";
    r = daskel::applyListGrid(shown, edited, t.lc, t.outline);
    EXPECT_FALSE(r.loadCase);
    EXPECT_EQ(r.error, "Fläche ab Zeile 1: Die Ecken laufen im Uhrzeigersinn. Bitte gegen den "
                       "Uhrzeigersinn eingeben.");
    // A cell of area 2 names its own row: the area starts in row 5.
    edited = shown;
    edited.rows[5][2] = "y";
    r = daskel::applyListGrid(shown, edited, t.lc, t.outline);
    EXPECT_EQ(r.error, "Zeile 6, y [m]: \"y\" ist keine Zahl; nichts wurde geändert.");
}

TEST(LoadGrids, ListRowsDeletedMovedAndTyped) {
    Tables t;
    for (int k = 1; k <= 3; ++k)
        ASSERT_FALSE(daskel::addPointLoad(
            t.lc, {1.0 * k, 1, 10.0 * k, daskel::PointLoadKind::Force, 0, 0, 0, ""}));
    const LoadGrid shown = daskel::listGrid(GridKind::Points, t.lc);
    LoadGrid edited = shown;
    // Row 1 struck out, an empty row left in, a new load typed at the end.
    edited.rows.erase(edited.rows.begin());
    edited.rows.insert(edited.rows.begin() + 1, std::vector<std::string>(8));
    edited.rows.push_back({"9", "7", "5", "sprung", "", "", "", "Senkung"});
    auto r = daskel::applyListGrid(shown, edited, t.lc, t.outline);
    ASSERT_TRUE(r.loadCase) << r.error;
    ASSERT_EQ(r.loadCase->np(), 3);
    EXPECT_EQ(r.loadCase->pointLoads[0].size, 20.0f);
    EXPECT_EQ(r.loadCase->pointLoads[1].size, 30.0f);
    EXPECT_EQ(r.loadCase->pointLoads[2].kind, daskel::PointLoadKind::Offset);
    EXPECT_EQ(r.loadCase->pointLoads[2].comment, "Senkung");
    // Refusals name their row.
    edited.rows[3][2] = "";
    r = daskel::applyListGrid(shown, edited, t.lc, t.outline);
    EXPECT_EQ(r.error, "Zeile 4: Größe fehlt; nichts wurde geändert.");
    edited.rows[3][2] = "5";
    edited.rows[3][3] = "Last";
    r = daskel::applyListGrid(shown, edited, t.lc, t.outline);
    EXPECT_EQ(r.error, "Zeile 4: Art \"Last\" ist keine der Arten Einzelkraft, Moment, Knick, "
                       "Verdrehung, Sprung.");
    edited.rows[3][3] = "";
    edited.rows[3][6] = "breit";
    r = daskel::applyListGrid(shown, edited, t.lc, t.outline);
    EXPECT_EQ(r.error, "Zeile 4, b [m]: \"breit\" ist keine Zahl; nichts wurde geändert.");
}

TEST(LoadGrids, LinesAndEdgeLoadsCheckedAsTyped) {
    Tables t;
    LoadGrid lines = daskel::listGrid(GridKind::Lines, t.lc);
    LoadGrid edited = lines;
    edited.rows.push_back({"1", "1", "4", "1", "2", "2", "m", ""});
    edited.rows.push_back({"1", "1", "4", "1", "2", "2", "Last", ""});
    auto r = daskel::applyListGrid(lines, edited, t.lc, t.outline);
    EXPECT_EQ(r.error, "Zeile 2: Art \"Last\" ist weder Kräfte noch Momente.");
    edited.rows.pop_back();
    r = daskel::applyListGrid(lines, edited, t.lc, t.outline);
    ASSERT_TRUE(r.loadCase);
    EXPECT_EQ(r.loadCase->lineLoads[0].kind, daskel::LineLoadKind::Moments);

    // An edge load on a section the slab does not have is refused with the typed-in reason.
    LoadGrid boundaries = daskel::listGrid(GridKind::Boundaries, t.lc);
    LoadGrid typed = boundaries;
    typed.rows.push_back({"1", "9", "1", "1", "Kräfte", ""});
    r = daskel::applyListGrid(boundaries, typed, t.lc, t.outline);
    EXPECT_FALSE(r.loadCase);
    EXPECT_EQ(r.error.substr(0, 9), "Zeile 1: ");
    typed.rows[0] = {"2", "1", "1", "1", "Momente", "Öffnung"};
    r = daskel::applyListGrid(boundaries, typed, t.lc, t.outline);
    ASSERT_TRUE(r.loadCase) << r.error;
    EXPECT_EQ(r.loadCase->edgeLoads[0].kind, daskel::EdgeLoadKind::Moments);
    EXPECT_EQ(r.loadCase->edgeLoads[0].xa, 4.0f); // the opening's lowest left corner
    typed.rows[0][0] = "zwei";
    r = daskel::applyListGrid(boundaries, typed, t.lc, t.outline);
    EXPECT_EQ(r.error, "Zeile 1, Rand: \"zwei\" ist keine Nummer; nichts wurde geändert.");
}

TEST(LoadGrids, TheListsKeepTheirCapacities) {
    Tables t;
    for (int k = 0; k < daskel::kMaxPointLoads; ++k)
        ASSERT_FALSE(
            daskel::addPointLoad(t.lc, {1, 1, 1.0 + k, daskel::PointLoadKind::Force, 0, 0, 0, ""}));
    const LoadGrid shown = daskel::listGrid(GridKind::Points, t.lc);
    // One more typed in front of the 64 kept: the checks of the new one do not count them.
    LoadGrid edited = shown;
    edited.rows.insert(edited.rows.begin(), {"2", "2", "5", "", "", "", "", ""});
    const auto r = daskel::applyListGrid(shown, edited, t.lc, t.outline);
    EXPECT_FALSE(r.loadCase);
    EXPECT_EQ(r.error, "Die Tabelle hat 65 Lasten; höchstens 64 sind möglich. Bitte Zeilen "
                       "streichen.");
}
