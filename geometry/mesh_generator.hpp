// The rectangular mesh generator and the node index table of the master grid (PVI, PVI.TXT).
#pragma once

#include "common/world_rect.hpp"
#include "geometry/model.hpp"
#include "ports/ports.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace morvel {

inline constexpr std::string_view kNodeIndexFile = "PVI";
inline constexpr std::string_view kNodeIndexTextFile = "PVI.TXT";

/// The fields of the dialog "Eingabe der Geometrie".
struct GridInput {
    int nx = 10, ny = 10;
    double dx = 1.0, dy = 1.0;
    double e = 30000000.0, nu = 0.16, thickness = 0.2;
};

/// The dialog's fields filled from the master grid.
GridInput gridInputOf(const MasterGrid& g);

/// Node numbers of the grid points: [j][i] for row j = 1..ny+1, column i = 1..nx+1 (index 0
/// unused).
using NodeIndexTable = std::vector<std::vector<std::int16_t>>;

/// Generates the mesh anew from the dialog's values (OK of "Eingabe der Geometrie"): supports,
/// springs and bedding of a former mesh are not kept. The join tolerance margin becomes
/// min(0.01, min(dx, dy) / 10) and the extents 0, 0, nx·dx, ny·dy. Refused input leaves
/// everything as it was and returns false.
bool generateMesh(Model& m, const GridInput& in, double& margin, slab::WorldRect& extents,
                  const std::string& positionDirectory, ports::MessageBox& box);

/// The node index table found (not added) at the grid points of the master grid.
NodeIndexTable findNodeIndexTable(const Model& m);

/// PVI: ny, nx, then the node numbers row by row (16-bit each); empty when nx or ny is 0.
std::vector<std::uint8_t> encodeNodeIndexTable(const NodeIndexTable& t, int nx, int ny);
/// PVI.TXT.
std::string nodeIndexText(const NodeIndexTable& t, int nx, int ny);
/// Writes PVI and PVI.TXT into the position directory (nothing when nx or ny is 0); the names
/// of files that could not be written are appended to failed.
void writeNodeIndexTable(const std::string& dir, const NodeIndexTable& t, int nx, int ny,
                         std::vector<std::string>& failed);

} // namespace morvel
