// The four tables as texts: made from the model, edited row by row and cell by cell, and the
// buttons that clear supports, springs and bedding. Taking a table on OK is in table_confirm.cpp.
#include "geometry/tables.hpp"

#include "common/format.hpp"

namespace morvel {

namespace {

std::string real(const char* fmt, double v) {
    return slab::withDecimalComma(slab::format(fmt, v));
}

void clearEdgeCodes(Model& m) {
    for (int e = 1; e <= m.elementCount; ++e)
        for (int edge = 1; edge <= 4; ++edge)
            setEdgeSupport(m.elements[static_cast<std::size_t>(e)], edge, EdgeSupport::None);
    for (auto& l : m.lines) {
        l.code = EdgeSupport::None;
        l.translational = l.rotational = 0.0f;
    }
}

TextTable nodeTable(const Model& m) {
    TextTable t{.kind = TableKind::Nodes,
                .title = "Knoten",
                .headings = {"x [m]", "y [m]", "w", "w,x", "w,y", "w,xy"},
                .rows = {}};
    for (int n = 1; n <= m.nodeCount; ++n) {
        const auto& node = m.nodes[static_cast<std::size_t>(n)];
        std::vector<std::string> row = {real("%.5f", node.x), real("%.5f", node.y)};
        for (Freedom f : kFreedoms)
            row.push_back(slab::format("%i", static_cast<int>(fixity(node, f))));
        t.rows.push_back(row);
    }
    return t;
}

TextTable elementTable(const Model& m) {
    TextTable t{
        .kind = TableKind::Elements,
        .title = "Elemente",
        .headings = {"Knoten 1", "Knoten 2", "Knoten 3", "Knoten 4", "E-Modul", "Poisson", "Dicke"},
        .rows = {}};
    for (int k = 1; k <= m.elementCount; ++k) {
        const auto& el = m.elements[static_cast<std::size_t>(k)];
        std::vector<std::string> row;
        for (int n : el.node)
            row.push_back(slab::format("%i", n));
        row.push_back(real("%.0f", el.e));
        row.push_back(real("%.3f", el.nu));
        row.push_back(real("%.3f", el.thickness));
        t.rows.push_back(row);
    }
    return t;
}

// The spring and bedding tables have a row per node and element; only the values are edited.
TextTable springTable(const Model& m) {
    TextTable t{.kind = TableKind::Springs,
                .title = "Federsteifigkeiten",
                .headings = {"x [m]", "y [m]", "c", "c,x", "c,y", "c,xy"},
                .readOnlyColumns = 2,
                .fixedRows = true,
                .rows = {}};
    for (int n = 1; n <= m.nodeCount; ++n) {
        const auto& node = m.nodes[static_cast<std::size_t>(n)];
        std::vector<std::string> row = {real("%.5f", node.x), real("%.5f", node.y)};
        for (Freedom f : kFreedoms)
            row.push_back(real("%.2f", static_cast<double>(springConstant(
                                           m.springs[static_cast<std::size_t>(n)], f))));
        t.rows.push_back(row);
    }
    return t;
}

TextTable beddingTable(const Model& m) {
    TextTable t{.kind = TableKind::Bedding,
                .title = "Elastische Bettung",
                .headings = {"Element", "Bettungszahl"},
                .readOnlyColumns = 1,
                .fixedRows = true,
                .rows = {}};
    for (int k = 1; k <= m.elementCount; ++k)
        t.rows.push_back(
            {slab::format("%i", k),
             real("%.2f", static_cast<double>(m.bedding[static_cast<std::size_t>(k)].v[0]))});
    return t;
}

} // namespace

TextTable makeTable(const Model& m, TableKind kind) {
    switch (kind) {
    case TableKind::Nodes:
        return nodeTable(m);
    case TableKind::Elements:
        return elementTable(m);
    case TableKind::Springs:
        return springTable(m);
    case TableKind::Bedding:
        return beddingTable(m);
    }
    return nodeTable(m);
}

std::optional<std::string> setRow(TextTable& t, std::size_t row,
                                  const std::vector<std::string>& values) {
    const std::size_t editable = t.headings.size() - t.readOnlyColumns;
    if (values.size() != editable)
        return slab::format("Die Zeile braucht %zu Werte (\"-\" für ein leeres Feld).", editable);
    const std::size_t last = t.fixedRows ? t.rows.size() : t.rows.size() + 1;
    if (row < 1 || row > last)
        return slab::format("Zeile %zu gibt es nicht (1 bis %zu).", row, last);
    if (row == t.rows.size() + 1) t.rows.emplace_back(t.headings.size());
    auto& cells = t.rows[row - 1];
    for (std::size_t c = 0; c < editable; ++c)
        cells[t.readOnlyColumns + c] = values[c] == "-" ? std::string() : values[c];
    return std::nullopt;
}

std::optional<std::string> clearRow(TextTable& t, std::size_t row) {
    if (row < 1 || row > t.rows.size())
        return slab::format("Zeile %zu gibt es nicht (1 bis %zu).", row, t.rows.size());
    for (std::size_t c = t.readOnlyColumns; c < t.headings.size(); ++c)
        t.rows[row - 1][c].clear();
    return std::nullopt;
}

std::optional<std::string> copyDown(TextTable& t, std::size_t row, std::size_t column) {
    if (row < 1 || row > t.rows.size())
        return slab::format("Zeile %zu gibt es nicht (1 bis %zu).", row, t.rows.size());
    if (column <= t.readOnlyColumns || column > t.headings.size())
        return slab::format("Spalte %zu kann nicht geändert werden (%zu bis %zu).", column,
                            t.readOnlyColumns + 1, t.headings.size());
    for (std::size_t r = row; r < t.rows.size(); ++r)
        t.rows[r][column - 1] = t.rows[row - 1][column - 1];
    return std::nullopt;
}

void clearSupports(Model& m) {
    for (int n = 1; n <= m.nodeCount; ++n)
        for (Freedom f : kFreedoms)
            setFixity(m.nodes[static_cast<std::size_t>(n)], f, Fixity::Free);
    clearEdgeCodes(m);
}

void clearSprings(Model& m) {
    for (int n = 1; n <= m.nodeCount; ++n)
        for (Freedom f : kFreedoms)
            springConstant(m.springs[static_cast<std::size_t>(n)], f) = 0.0f;
    clearEdgeCodes(m);
}

void clearBedding(Model& m) {
    for (int k = 1; k <= m.elementCount; ++k)
        m.bedding[static_cast<std::size_t>(k)].v[0] = 0.0f;
}

} // namespace morvel
