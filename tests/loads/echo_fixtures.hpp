// Shared by the load echo tests: a load case with one entry of every kind, its exact block in
// code page 850, a rectangular outline and the file helpers.
#pragma once

#include "common/file_io.hpp"
#include "loads/echo/echo_file.hpp"
#include "tests/support/test_support.hpp"

#include <fstream>
#include <string>

namespace echotest {

using namespace daskel;

inline const std::string kSuffix = ".P1";

inline std::string echoPath(const testsupport::TempDir& dir) {
    return dir.str() + "ECHO_L" + kSuffix;
}

inline std::string fileText(const std::string& path) {
    auto text = slab::readFileText(path);
    EXPECT_TRUE(text.has_value()) << path;
    return text.value_or("");
}

inline void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

/// A load case with one entry of every kind, self weight and the uniform flag together.
inline LoadCase fullLoadCase() {
    LoadCase lc;
    lc.number = 7;
    lc.title = "Überlast Nord";
    lc.selfWeight = true;
    lc.gamma = 25;
    lc.g = 1.5;
    lc.uniform = true; // self weight wins
    lc.uniformValue = 5;
    AreaLoad area;
    area.p0 = 2.5f;
    area.corners = {
        {0, 0, 4, 0, 2.5f, 2.5f, 1}, {4, 0, 4, 3, 2.5f, 2.5f, 1}, {4, 3, 0, 0, 2.5f, 2.5f, 1}};
    lc.areaLoads.push_back(area);
    LineLoad line;
    line.xa = 1;
    line.ya = 2;
    line.xb = 5;
    line.yb = 2;
    line.start = -3.5f;
    line.end = -1.25f;
    line.kind = LineLoadKind::Moments;
    line.comment = "Wand Achse B";
    lc.lineLoads.push_back(line);
    PointLoad force;
    force.x = 2;
    force.y = 3;
    force.width = 0.3f;
    force.size = 50;
    force.comment = "Stütze S1";
    lc.pointLoads.push_back(force);
    PointLoad offset;
    offset.x = 1;
    offset.y = 1;
    offset.size = 0.002f;
    offset.kind = PointLoadKind::Offset;
    lc.pointLoads.push_back(offset);
    EdgeLoad onGeometry; // the geometry's section replaces the held coordinates
    onGeometry.boundary = 1;
    onGeometry.section = 2;
    onGeometry.a = onGeometry.b = 4;
    onGeometry.comment = "Rand rechts";
    onGeometry.xa = onGeometry.ya = onGeometry.xb = onGeometry.yb = 9;
    lc.edgeLoads.push_back(onGeometry);
    EdgeLoad held; // not in the geometry: the held coordinates are written
    held.boundary = 2;
    held.section = 1;
    held.kind = EdgeLoadKind::Moments;
    held.a = -1;
    held.b = -2;
    held.xa = 2;
    held.ya = 2;
    held.xb = 3;
    held.yb = 2;
    lc.edgeLoads.push_back(held);
    lc.temperature = true;
    lc.deltaT = 10;
    lc.alphaT = 1e-5;
    lc.settlement = true;
    lc.columnSettlements = {{3, 0.012}, {1, 0.0}};
    lc.wallMovements = {{2, -0.005}};
    return lc;
}

inline EchoGeometry rectangleGeometry() {
    EchoGeometry g;
    g.sections = {{1, 1, 0, 0, 8, 0}, {1, 2, 8, 0, 8, 6}, {1, 3, 8, 6, 0, 6}, {1, 4, 0, 6, 0, 0}};
    return g;
}

// The expected block of fullLoadCase(), byte for byte in code page 850 (0x8E "Ä", 0x9A "Ü",
// 0x81 "ü"); number fields counted by hand from the formats.
inline const std::string kFullBlock =
    "LF 7\n"
    "1 2 1 2\n"
    "TITEL\n"
    "\x9A"
    "berlast Nord\n"
    "EIGENGEWICHT\n"
    "  25.000     1.500\n"
    "TEILFL\x8E"
    "CHENLASTEN\n"
    "1\n"
    "   2.500\n"
    "3\n"
    "   0.000    0.000    4.000    0.000    2.500    2.500\n"
    "   4.000    0.000    4.000    3.000    2.500    2.500\n"
    "   4.000    3.000    0.000    0.000    2.500    2.500\n"
    "LINIENLASTEN\n"
    "1 Wand Achse B\n"
    "   1.000    2.000    5.000    2.000   -3.500   -1.250 Momente\n"
    "PUNKTLASTEN\n"
    "1 St\x81tze S1\n"
    "Einzelkraft     2.000    3.000    0.300    0.000    0.000   50.000\n"
    "2 \n"
    "Sprung     1.000    1.000    0.000    0.000    0.000    0.002\n"
    "RANDLASTEN\n"
    "1 Rand rechts\n"
    "   8.000    0.000    8.000    6.000 V     4.000    4.000 1 2\n"
    "2 \n"
    "   2.000    2.000    3.000    2.000 M    -1.000   -2.000 2 1\n"
    "TEMPERATUR\n"
    "  10.000\n"
    "1.000E-05\n"
    "ST\x9A"
    "TZENSENKUNG\n"
    "1\n"
    "3  0.01200\n"
    "WANDBEWEGUNGEN\n"
    "1\n"
    "2 -0.00500\n";

inline const std::string kLastfaelle = "LASTF\x8E"
                                       "LLE\n";

} // namespace echotest
