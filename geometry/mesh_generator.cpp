// Generation of nx x ny equal rectangles; nodes are numbered in the order of first use.
#include "geometry/mesh_generator.hpp"

#include "common/binary_io.hpp"
#include "common/file_io.hpp"
#include "common/format.hpp"
#include "geometry/edge_lines.hpp"

#include <algorithm>
#include <cmath>

namespace morvel {

namespace {

constexpr const char* kTooManyNodes =
    "Sie haben die maximale Knotenzahl überschritten!\nBitte geben Sie die Geometrie erneut ein";

/// Why the dialog's values cannot be generated as an nx x ny grid, or nullopt.
std::optional<std::string> gridError(const GridInput& in, int nx, int ny) {
    auto positive = [](double v) { return std::isfinite(v) && v > 0.0; };
    if (!positive(in.dx) || !positive(in.dy))
        return "Elementlänge und Elementhöhe müssen größer als 0 sein.";
    // Grid points closer than the join distance are one node: the elements would collapse.
    if (static_cast<float>(in.dx) <= kNodeJoin || static_cast<float>(in.dy) <= kNodeJoin)
        return "Elementlänge und Elementhöhe müssen größer als 0,01 m sein; kleinere Elemente "
               "fallen beim Generieren zu einem Punkt zusammen.";
    if (!positive(in.e)) return "Der Elastizitätsmodul muss größer als 0 sein.";
    if (!positive(in.thickness)) return "Die Dicke der Platte muss größer als 0 sein.";
    if (!std::isfinite(in.nu) || in.nu < 0.0 || in.nu >= 0.5)
        return "Die Querdehnzahl muss zwischen 0 und 0,5 liegen.";
    // The estimate bounds the node count; the index table bounds each direction.
    const long long estimate = static_cast<long long>(nx) * ny + 1 + 2LL * std::max(nx, ny);
    if (estimate >= slab::kMaxNodes + 1 || nx > kMaxGridDivisions || ny > kMaxGridDivisions)
        return kTooManyNodes;
    // The plate's size must stay a number in single precision, as the node coordinates are formed.
    if (!std::isfinite(static_cast<float>(in.dx) * static_cast<float>(nx)) ||
        !std::isfinite(static_cast<float>(in.dy) * static_cast<float>(ny)))
        return "Elementlänge und Elementhöhe sind zu groß.";
    return std::nullopt;
}

/// The elements of the master grid, row by row, each with its corners found or added in the
/// order lower left, lower right, upper right, upper left; the node index table they fill.
NodeIndexTable addElements(Model& m, ports::MessageBox& box) {
    const MasterGrid& g = m.master;
    NodeIndexTable table(static_cast<std::size_t>(g.ny + 2),
                         std::vector<std::int16_t>(static_cast<std::size_t>(g.nx + 2), 0));
    for (int j = 1; j <= g.ny; ++j) {
        for (int i = 1; i <= g.nx; ++i) {
            const float x0 = static_cast<float>(i - 1) * g.dx;
            const float x1 = static_cast<float>(i) * g.dx;
            const float y0 = static_cast<float>(j - 1) * g.dy;
            const float y1 = y0 + g.dy;
            const int c1 = m.findOrAddNode(x0, y0);
            const int c2 = m.findOrAddNode(x1, y0);
            const int c3 = m.findOrAddNode(x1, y1);
            const int c4 = m.findOrAddNode(x0, y1);
            const auto ju = static_cast<std::size_t>(j), iu = static_cast<std::size_t>(i);
            table[ju][iu] = static_cast<std::int16_t>(c1);
            table[ju][iu + 1] = static_cast<std::int16_t>(c2);
            table[ju + 1][iu + 1] = static_cast<std::int16_t>(c3);
            table[ju + 1][iu] = static_cast<std::int16_t>(c4);
            if (m.elementCount >= slab::kMaxElements || c1 == 0 || c2 == 0 || c3 == 0 || c4 == 0) {
                box.message("Grenze erreicht.", "Zuviele Elemente");
                return table;
            }
            ++m.elementCount;
            auto& el = m.elements[static_cast<std::size_t>(m.elementCount)];
            el = {};
            el.number = m.elementCount;
            el.node = {c1, c2, c3, c4};
            el.e = g.e;
            el.nu = g.nu;
            el.thickness = g.thickness;
        }
    }
    return table;
}

} // namespace

GridInput gridInputOf(const MasterGrid& g) {
    return {g.nx, g.ny, g.dx, g.dy, g.e, g.nu, g.thickness};
}

bool generateMesh(Model& m, const GridInput& in, double& margin, slab::WorldRect& extents,
                  const std::string& positionDirectory, ports::MessageBox& box) {
    const int nx = in.nx < 2 ? 1 : in.nx;
    const int ny = in.ny < 2 ? 1 : in.ny;
    // A refused grid keeps the former mesh rather than emptying it.
    if (auto error = gridError(in, nx, ny)) {
        box.message("Eingabe der Geometrie", *error);
        return false;
    }
    MasterGrid& g = m.master;
    g.nx = nx;
    g.ny = ny;
    g.dx = static_cast<float>(in.dx);
    g.dy = static_cast<float>(in.dy);
    g.e = static_cast<float>(in.e);
    g.nu = static_cast<float>(in.nu);
    g.thickness = static_cast<float>(in.thickness);
    extents = {0.0f, 0.0f, static_cast<float>(nx) * g.dx, static_cast<float>(ny) * g.dy};
    margin = std::min(0.01, std::min(static_cast<double>(g.dx), static_cast<double>(g.dy)) / 10.0);

    // A new mesh starts without the supports, springs and bedding of the former one.
    m.clearMesh();
    const NodeIndexTable table = addElements(m, box);
    rebuildEdgeLines(m);
    std::vector<std::string> failed;
    writeNodeIndexTable(positionDirectory, table, nx, ny, failed);
    // BETTUNG1 is not written here: until the position is saved, its files keep describing the
    // saved model.
    return true;
}

NodeIndexTable findNodeIndexTable(const Model& m) {
    const MasterGrid& g = m.master;
    const int nx = std::clamp(g.nx, 0, kMaxGridDivisions),
              ny = std::clamp(g.ny, 0, kMaxGridDivisions);
    NodeIndexTable t(static_cast<std::size_t>(ny + 2),
                     std::vector<std::int16_t>(static_cast<std::size_t>(nx + 2), 0));
    for (int j = 1; j <= ny + 1; ++j)
        for (int i = 1; i <= nx + 1; ++i)
            t[static_cast<std::size_t>(j)][static_cast<std::size_t>(i)] = static_cast<std::int16_t>(
                m.findNode(static_cast<float>(i - 1) * g.dx, static_cast<float>(j - 1) * g.dy));
    return t;
}

std::vector<std::uint8_t> encodeNodeIndexTable(const NodeIndexTable& t, int nx, int ny) {
    if (nx <= 0 || ny <= 0) return {};
    std::vector<std::uint8_t> bytes(4 + 2 * static_cast<std::size_t>((nx + 1) * (ny + 1)));
    slab::putLE<std::int16_t>(bytes.data(), static_cast<std::int16_t>(ny));
    slab::putLE<std::int16_t>(bytes.data() + 2, static_cast<std::int16_t>(nx));
    std::size_t at = 4;
    for (int j = 1; j <= ny + 1; ++j)
        for (int i = 1; i <= nx + 1; ++i, at += 2)
            slab::putLE<std::int16_t>(bytes.data() + at,
                                      t[static_cast<std::size_t>(j)][static_cast<std::size_t>(i)]);
    return bytes;
}

std::string nodeIndexText(const NodeIndexTable& t, int nx, int ny) {
    std::string s = slab::format("Schichten = %i\nMaxPunkteX = %i\n", ny, nx);
    for (int j = 1; j <= ny + 1; ++j)
        for (int i = 1; i <= nx + 1; ++i)
            slab::appendFormat(s, "Zeile %i Spalte %i Knoten = %i\n", j, i,
                               t[static_cast<std::size_t>(j)][static_cast<std::size_t>(i)]);
    return s;
}

void writeNodeIndexTable(const std::string& dir, const NodeIndexTable& t, int nx, int ny,
                         std::vector<std::string>& failed) {
    if (nx <= 0 || ny <= 0 || static_cast<int>(t.size()) < ny + 2) return;
    if (!slab::writeFileAtomic(dir + std::string(kNodeIndexFile), encodeNodeIndexTable(t, nx, ny)))
        failed.emplace_back(kNodeIndexFile);
    if (!slab::writeFileAtomic(dir + std::string(kNodeIndexTextFile), nodeIndexText(t, nx, ny)))
        failed.emplace_back(kNodeIndexTextFile);
}

} // namespace morvel
