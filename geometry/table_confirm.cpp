// OK of the four tables: every row is checked before anything is taken, so a bad cell changes
// nothing.
#include "geometry/tables.hpp"

#include "common/format.hpp"
#include "geometry/edge_lines.hpp"

#include <array>
#include <cmath>

namespace morvel {

namespace {

bool rowFilled(const std::vector<std::string>& row) {
    for (const auto& c : row)
        if (c.empty()) return false;
    return true;
}

/// A finite number typed with a decimal comma or point.
std::optional<double> number(const std::string& cell) {
    auto v = slab::parseNumber(cell);
    if (!v || !std::isfinite(*v)) return std::nullopt;
    return v;
}

std::string cellError(std::size_t row, const std::string& heading, const std::string& cell,
                      const char* what) {
    return slab::format("Zeile %zu, Spalte %s: \"%s\" %s", row, heading.c_str(), cell.c_str(),
                        what);
}

std::optional<std::string> applyNodes(Model& m, const TextTable& t) {
    std::vector<slab::NodeRecord> taken;
    for (std::size_t r = 0; r < t.rows.size(); ++r) {
        const auto& row = t.rows[r];
        if (!rowFilled(row)) continue;
        slab::NodeRecord node;
        for (std::size_t c = 0; c < 2; ++c) {
            auto v = number(row[c]);
            if (!v) return cellError(r + 1, t.headings[c], row[c], "ist keine Zahl.");
            (c == 0 ? node.x : node.y) = *v;
        }
        for (std::size_t c = 2; c < 6; ++c) {
            auto v = slab::parseInteger(row[c]);
            if (!v || (*v != 0 && *v != 1))
                return cellError(r + 1, t.headings[c], row[c],
                                 "muss 0 (frei) oder 1 (gehalten) sein.");
            setFixity(node, kFreedoms[c - 2], *v == 1 ? Fixity::Held : Fixity::Free);
        }
        taken.push_back(node);
    }
    if (taken.size() > static_cast<std::size_t>(slab::kMaxNodes))
        return slab::format("%zu Knoten sind mehr als die höchstens %i Knoten.", taken.size(),
                            slab::kMaxNodes);
    const int count = static_cast<int>(taken.size());
    for (int e = 1; e <= m.elementCount; ++e)
        for (int n : m.elements[static_cast<std::size_t>(e)].node)
            if (n > count)
                return slab::format(
                    "Element %i verweist auf Knoten %i, die Tabelle hat nur %i Knoten.", e, n,
                    count);
    for (int n = 1; n <= count; ++n) {
        auto& node = m.nodes[static_cast<std::size_t>(n)];
        const auto& in = taken[static_cast<std::size_t>(n - 1)];
        node.number = n;
        node.x = in.x;
        node.y = in.y;
        node.code = in.code;
    }
    for (int n = count + 1; n <= m.nodeCount; ++n) {
        m.nodes[static_cast<std::size_t>(n)] = {};
        m.springs[static_cast<std::size_t>(n)] = {};
    }
    m.nodeCount = count;
    rebuildEdgeLines(m);
    return std::nullopt;
}

std::optional<std::string> applyElements(Model& m, const TextTable& t) {
    std::vector<slab::ElementRecord> taken;
    for (std::size_t r = 0; r < t.rows.size(); ++r) {
        const auto& row = t.rows[r];
        if (!rowFilled(row)) continue;
        slab::ElementRecord el;
        for (std::size_t c = 0; c < 4; ++c) {
            auto v = slab::parseInteger(row[c]);
            if (!v || *v < 1 || *v > m.nodeCount)
                return cellError(
                    r + 1, t.headings[c], row[c],
                    slab::format("ist kein Knoten zwischen 1 und %i.", m.nodeCount).c_str());
            el.node[c] = *v;
        }
        auto e = number(row[4]), nu = number(row[5]), d = number(row[6]);
        if (!e || *e <= 0.0)
            return cellError(r + 1, t.headings[4], row[4], "muss eine Zahl größer 0 sein.");
        if (!nu || *nu < 0.0 || *nu >= 0.5)
            return cellError(r + 1, t.headings[5], row[5], "muss zwischen 0 und 0,5 liegen.");
        if (!d || *d <= 0.0)
            return cellError(r + 1, t.headings[6], row[6], "muss eine Zahl größer 0 sein.");
        el.e = *e;
        el.nu = *nu;
        el.thickness = *d;
        taken.push_back(el);
    }
    if (taken.size() > static_cast<std::size_t>(slab::kMaxElements))
        return slab::format("%zu Elemente sind mehr als die höchstens %i Elemente.", taken.size(),
                            slab::kMaxElements);
    const int count = static_cast<int>(taken.size());
    for (int k = 1; k <= count; ++k) {
        auto& el = m.elements[static_cast<std::size_t>(k)];
        const auto& in = taken[static_cast<std::size_t>(k - 1)];
        el.number = k;
        el.node = in.node;
        el.e = in.e;
        el.nu = in.nu;
        el.thickness = in.thickness;
    }
    for (int k = count + 1; k <= m.elementCount; ++k) {
        m.elements[static_cast<std::size_t>(k)] = {};
        m.bedding[static_cast<std::size_t>(k)] = {};
    }
    m.elementCount = count;
    // Lines name their owning element and edge; after new corners they must be found anew.
    rebuildEdgeLines(m);
    return std::nullopt;
}

std::optional<std::string> applySprings(Model& m, const TextTable& t) {
    if (t.rows.size() != static_cast<std::size_t>(m.nodeCount))
        return slab::format("Die Tabelle hat %zu Zeilen, die Platte %i Knoten.", t.rows.size(),
                            m.nodeCount);
    std::vector<std::array<float, 4>> taken;
    for (std::size_t r = 0; r < t.rows.size(); ++r) {
        std::array<float, 4> c{};
        for (std::size_t k = 0; k < 4; ++k) {
            const auto& cell = t.rows[r][2 + k];
            auto v = number(cell);
            if (!v || *v < 0.0)
                return cellError(r + 1, t.headings[2 + k], cell, "muss eine Zahl ab 0 sein.");
            c[k] = static_cast<float>(*v);
        }
        taken.push_back(c);
    }
    for (std::size_t r = 0; r < taken.size(); ++r)
        for (std::size_t k = 0; k < kFreedoms.size(); ++k)
            springConstant(m.springs[r + 1], kFreedoms[k]) = taken[r][k];
    return std::nullopt;
}

std::optional<std::string> applyBedding(Model& m, const TextTable& t) {
    if (t.rows.size() != static_cast<std::size_t>(m.elementCount))
        return slab::format("Die Tabelle hat %zu Zeilen, die Platte %i Elemente.", t.rows.size(),
                            m.elementCount);
    std::vector<float> taken;
    for (std::size_t r = 0; r < t.rows.size(); ++r) {
        const auto& cell = t.rows[r][1];
        auto v = number(cell);
        if (!v || *v < 0.0)
            return cellError(r + 1, t.headings[1], cell, "muss eine Zahl ab 0 sein.");
        taken.push_back(static_cast<float>(*v));
    }
    for (std::size_t r = 0; r < taken.size(); ++r)
        m.bedding[r + 1].v[0] = taken[r];
    return std::nullopt;
}

} // namespace

std::optional<std::string> applyTable(Model& m, const TextTable& t) {
    switch (t.kind) {
    case TableKind::Nodes:
        return applyNodes(m, t);
    case TableKind::Elements:
        return applyElements(m, t);
    case TableKind::Springs:
        return applySprings(m, t);
    case TableKind::Bedding:
        return applyBedding(m, t);
    }
    return std::nullopt;
}

} // namespace morvel
