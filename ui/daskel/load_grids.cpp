// The load editor's tables as grids of texts: element, edge and node loads.
#include "ui/daskel/load_grids.hpp"

#include "common/format.hpp"
#include "common/text.hpp"
#include "loads/element_loads.hpp"

#include <cmath>

namespace daskel {

namespace {

using slab::ElementLoadRecord;

const std::vector<std::string> kNodeHeadings = {
    "Knoten", "w [m]", "w,x", "w,y", "w,xy", "P [kN]", "Mx [kNm]", "My [kNm]", "Mxy [kNm]"};

/// The text of a cell, "" beyond the row's end.
std::string cellAt(const std::vector<std::vector<std::string>>& rows, std::size_t r,
                   std::size_t c) {
    return r < rows.size() && c < rows[r].size() ? rows[r][c] : std::string();
}

/// Column c (1 on) of row `entity` of a table: the field it edits.
void store(LoadTables& t, GridKind kind, int entity, std::size_t c, double v) {
    switch (kind) {
    case GridKind::Elements:
        t.elementLoads[entity].v[ElementLoadRecord::kAreaLoad] = static_cast<float>(v);
        return;
    case GridKind::Edges:
        t.elementLoads[entity].v[ElementLoadRecord::kEdgeLoad + c - 1] = static_cast<float>(v);
        return;
    case GridKind::Nodes: {
        NodeValues values;
        values[c - 1] = v;
        setNodeValues(t, entity, values);
        return;
    }
    case GridKind::Areas:
    case GridKind::Lines:
    case GridKind::Points:
    case GridKind::Boundaries:
        return;
    }
}

} // namespace

LoadGrid tableGrid(GridKind kind, const SlabModel& model, const LoadTables& loads) {
    LoadGrid g;
    g.kind = kind;
    g.readOnlyColumns = 1;
    g.fixedRows = true;
    switch (kind) {
    case GridKind::Elements:
        g.title = "Elementlasten";
        g.headings = {"Element", "p [kN/m2]"};
        for (int e = 1; e <= model.elementCount; ++e)
            g.rows.push_back({slab::format("%i", e),
                              cellText(loads.elementLoads[e].v[ElementLoadRecord::kAreaLoad])});
        break;
    case GridKind::Edges:
        g.title = "Linienlasten";
        g.headings = {"Element", "Kante 1", "Kante 2", "Kante 3", "Kante 4"};
        g.hints = {"Es können nur ", "konstante Linienlasten ", "in [kN/m] eingegeben werden. "};
        for (int e = 1; e <= model.elementCount; ++e) {
            std::vector<std::string> row{slab::format("%i", e)};
            for (std::size_t k = 0; k < 4; ++k)
                row.push_back(cellText(loads.elementLoads[e].v[ElementLoadRecord::kEdgeLoad + k]));
            g.rows.push_back(std::move(row));
        }
        break;
    case GridKind::Nodes:
        g.title = "Eingeprägte Lagerverformungen und Knotenkräfte";
        g.headings = kNodeHeadings;
        for (int n = 1; n <= model.nodeCount; ++n) {
            std::vector<std::string> row{slab::format("%i", n)};
            for (int c = 0; c < 8; ++c)
                row.push_back(cellText(nodeValue(loads, n, c)));
            g.rows.push_back(std::move(row));
        }
        break;
    case GridKind::Areas:
    case GridKind::Lines:
    case GridKind::Points:
    case GridKind::Boundaries:
        break;
    }
    return g;
}

void clearGrid(LoadGrid& grid) {
    if (!grid.fixedRows) {
        grid.rows.clear();
        return;
    }
    // "0" rather than the "0,00" a zero shows, so that a value too small for two places
    // differs from its text and is cleared as well.
    for (auto& row : grid.rows)
        for (std::size_t c = grid.readOnlyColumns; c < row.size(); ++c)
            row[c] = "0";
}

TablesOrError applyTableGrid(const LoadGrid& shown, const LoadGrid& edited,
                             const LoadTables& current) {
    TablesOrError result;
    LoadTables t = current;
    const std::size_t entities =
        edited.kind == GridKind::Nodes ? t.nodeLoads.size() - 1 : t.elementLoads.size() - 1;
    for (std::size_t r = 0; r < edited.rows.size() && r < entities; ++r) {
        for (std::size_t c = edited.readOnlyColumns; c < edited.headings.size(); ++c) {
            const std::string text(slab::trim(cellAt(edited.rows, r, c)));
            if (text.empty() || text == cellAt(shown.rows, r, c)) continue;
            const auto v = cellValue(text);
            if (!v || !std::isfinite(*v)) {
                result.error = slab::format("Zeile %zu, %s: \"%s\" ist keine Zahl; nichts wurde "
                                            "geändert.",
                                            r + 1, edited.headings[c].c_str(), text.c_str());
                return result;
            }
            store(t, edited.kind, static_cast<int>(r + 1), c, *v);
        }
    }
    result.tables = std::move(t);
    return result;
}

std::optional<LoadList> listOfGrid(GridKind kind) {
    switch (kind) {
    case GridKind::Areas:
        return LoadList::Area;
    case GridKind::Lines:
        return LoadList::Line;
    case GridKind::Points:
        return LoadList::Point;
    case GridKind::Boundaries:
        return LoadList::Edge;
    case GridKind::Elements:
    case GridKind::Edges:
    case GridKind::Nodes:
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace daskel
