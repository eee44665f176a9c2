// The load echo ECHO_L: exact bytes of a block in code page 850, round trips, hand-written
// archive files, replacing, appending and removing blocks, and every refused or cut input.
#include "loads/echo/echo_file.hpp"
#include "loads/echo/echo_keywords.hpp"

#include "common/codepage.hpp"
#include "common/file_io.hpp"
#include "tests/loads/golden.hpp"
#include "tests/support/test_support.hpp"
#include "ui/console/scripted_ui.hpp"

#include <filesystem>
#include <fstream>
#include <random>

using namespace daskel;

namespace {

const std::string kSuffix = ".P1";

std::string echoPath(const testsupport::TempDir& dir) {
    return dir.str() + "ECHO_L" + kSuffix;
}

std::string fileText(const std::string& path) {
    auto text = slab::readFileText(path);
    EXPECT_TRUE(text.has_value()) << path;
    return text.value_or("");
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

/// A load case with one entry of every kind, self weight and the uniform flag together.
LoadCase fullLoadCase() {
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

EchoGeometry rectangleGeometry() {
    EchoGeometry g;
    g.sections = {{1, 1, 0, 0, 8, 0}, {1, 2, 8, 0, 8, 6}, {1, 3, 8, 6, 0, 6}, {1, 4, 0, 6, 0, 0}};
    return g;
}

// The expected block of fullLoadCase(), byte for byte in code page 850 (0x8E "Ä", 0x9A "Ü",
// 0x81 "ü"); number fields counted by hand from the formats.
const std::string kFullBlock =
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

const std::string kLastfaelle = "LASTF\x8E"
                                "LLE\n";

} // namespace

// ---------------------------------------------------------------------------------------------
// Code page and writer

TEST(EchoCodePage, KeywordsAndUmlautsHaveTheirCp850Bytes) {
    // Literal bytes of code page 850, independent of the writer.
    EXPECT_EQ(slab::utf8ToCp850("LASTFÄLLE"), "LASTF\x8E"
                                              "LLE");
    EXPECT_EQ(slab::utf8ToCp850("STÜTZENSENKUNG"), "ST\x9A"
                                                   "TZENSENKUNG");
    EXPECT_EQ(slab::utf8ToCp850("äöüÖß"), "\x84\x94\x81\x99\xE1");
    EXPECT_EQ(slab::cp850ToUtf8("\x8E\x9A\x84\x94\x81\x99\xE1"), "ÄÜäöüÖß");
}

TEST(EchoWords, KeywordsInTheirFixedOrderWithTheWordsOfTheirEntries) {
    std::vector<std::string> texts;
    for (const echo::KeywordSpec& k : echo::kKeywords)
        texts.emplace_back(k.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"LASTFÄLLE", "LF", "TITEL", "EIGENGEWICHT",
                                               "GLEICHLAST", "DREIECKSLAST", "TEILFLÄCHENLASTEN",
                                               "LINIENLASTEN", "PUNKTLASTEN", "RANDLASTEN",
                                               "TEMPERATUR", "STÜTZENSENKUNG", "WANDBEWEGUNGEN"}));
    EXPECT_EQ(echo::keywordOf("RANDLASTEN"), echo::Keyword::EdgeLoads);
    EXPECT_EQ(echo::spec(echo::Keyword::EdgeLoads).one, "Randlast");
    EXPECT_EQ(echo::spec(echo::Keyword::AreaLoads).many, "Teilflächenlasten");
    EXPECT_FALSE(echo::keywordOf("RANDLASTEN "));
    EXPECT_FALSE(echo::keywordOf("randlasten"));
}

// Every kind is read back from the word it is written as; the readers go by the first letter.
TEST(EchoWords, KindWordsReadBackToTheirKinds) {
    for (PointLoadKind k : {PointLoadKind::Force, PointLoadKind::Moment, PointLoadKind::Kink,
                            PointLoadKind::Rotation, PointLoadKind::Offset})
        EXPECT_EQ(echo::pointKindOf(echo::pointKindWord(k)), k) << echo::pointKindWord(k);
    EXPECT_EQ(echo::pointKindOf("verdr."), PointLoadKind::Rotation);
    EXPECT_FALSE(echo::pointKindOf("Querkraft"));
    for (EdgeLoadKind k : {EdgeLoadKind::Forces, EdgeLoadKind::Moments})
        EXPECT_EQ(echo::edgeKindOf(echo::edgeKindWord(k)), k);
    EXPECT_EQ(echo::edgeKindOf("m"), EdgeLoadKind::Moments);
    EXPECT_FALSE(echo::edgeKindOf("X"));
    EXPECT_EQ(echo::lineKindOf(echo::lineKindWord(LineLoadKind::Moments)), LineLoadKind::Moments);
    EXPECT_EQ(echo::lineKindOf("Kraefte"), LineLoadKind::Forces);
    EXPECT_EQ(echo::lineKindOf("Knick"), LineLoadKind::Forces); // anything but M: forces
    EXPECT_EQ(echo::areaKindOf(echo::areaKindCode(AreaLoadKind::CutToOutline)),
              AreaLoadKind::CutToOutline);
}

TEST(EchoWriter, BlockWithEverySectionHasItsExactBytes) {
    const std::string bytes = echoBlockBytes(fullLoadCase(), rectangleGeometry());
    EXPECT_EQ(bytes, kFullBlock);
    // The UTF-8 form differs only in the umlauts.
    EXPECT_EQ(slab::utf8ToCp850(echoBlockText(fullLoadCase(), rectangleGeometry())), bytes);
}

TEST(EchoWriter, UniformTriangularAndAreaKindLines) {
    LoadCase lc;
    lc.number = 2;
    lc.uniform = true;
    lc.uniformValue = 5;
    EXPECT_EQ(echoBlockText(lc, {}), "LF 2\n0 0 0 0\nTITEL\n\nGLEICHLAST\n   5.000\n");
    lc.uniformShape = UniformShape::Triangular;
    lc.uniformValue = -2.25;
    EXPECT_EQ(echoBlockText(lc, {}), "LF 2\n0 0 0 0\nTITEL\n\nDREIECKSLAST\n  -2.250\n");

    // An area cut to the outline keeps its kind behind the corner count.
    LoadCase cut;
    cut.number = 3;
    AreaLoad area;
    area.kind = AreaLoadKind::CutToOutline;
    area.p0 = 1;
    area.corners = {{0, 0, 1, 0, 1, 1, 1}};
    cut.areaLoads.push_back(area);
    EXPECT_NE(echoBlockText(cut, {}).find("   1.000\n1 2\n   0.000"), std::string::npos);
}

TEST(EchoWriter, SelfWeightHasNoUniformSectionAndZeroSettlementsNoSection) {
    testsupport::TempDir dir;
    ui::ScriptedUi ui;
    LoadCase lc;
    lc.number = 1;
    lc.selfWeight = true;
    lc.gamma = 25;
    lc.uniform = true;
    lc.uniformValue = 7;
    lc.settlement = true;
    lc.columnSettlements = {{1, 0.0}, {2, 0.0}};
    lc.wallMovements = {{4, 0.0}};
    ASSERT_TRUE(writeEchoBlock(dir.str(), kSuffix, lc, {}, ui));
    const std::string text = fileText(echoPath(dir));
    EXPECT_NE(text.find("EIGENGEWICHT\n"), std::string::npos);
    EXPECT_EQ(text.find("GLEICHLAST"), std::string::npos);
    EXPECT_EQ(text.find("TZENSENKUNG"), std::string::npos);
    EXPECT_EQ(text.find("WANDBEWEGUNGEN"), std::string::npos);

    // Values without the flag are not written either.
    LoadCase noFlag;
    noFlag.number = 2;
    noFlag.columnSettlements = {{1, 0.5}};
    EXPECT_EQ(echoBlockText(noFlag, {}).find("STÜTZENSENKUNG"), std::string::npos);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(EchoWriter, LineBreaksInTextsCannotSplitTheBlock) {
    LoadCase lc;
    lc.number = 4;
    lc.title = "zwei\nZeilen";
    LineLoad l;
    l.comment = "LF 9\r\nTITEL";
    lc.lineLoads.push_back(l);
    const std::string text = echoBlockText(lc, {});
    EXPECT_NE(text.find("TITEL\nzwei Zeilen\n"), std::string::npos);
    EXPECT_NE(text.find("\n1 LF 9  TITEL\n"), std::string::npos);
    auto back = readEchoImage(slab::utf8ToCp850(text), {});
    ASSERT_EQ(back.blocks.size(), 1u);
    EXPECT_TRUE(back.problems.empty());
}

// ---------------------------------------------------------------------------------------------
// Round trips

TEST(EchoRoundTrip, EveryKindOfEntryReadsBackAsWritten) {
    testsupport::TempDir dir;
    ui::ScriptedUi ui;
    LoadCase lc = fullLoadCase();
    lc.title = "Nutzlast Büro ÄÖÜ";
    AreaLoad second; // an area cut to the outline, 80 corners
    second.kind = AreaLoadKind::CutToOutline;
    second.p0 = -1.125f;
    for (int c = 0; c < kMaxAreaCorners; ++c)
        second.corners.push_back(
            {float(c), 0.5f, float(c + 1), 0.25f, 0.001f * float(c), -0.002f * float(c), 1});
    lc.areaLoads.push_back(second);
    LineLoad forces;
    forces.xa = 0.125f;
    forces.ya = 1;
    forces.xb = 6.5f;
    forces.yb = 1;
    forces.start = forces.end = 12.75f;
    lc.lineLoads.push_back(forces);
    for (PointLoadKind kind :
         {PointLoadKind::Moment, PointLoadKind::Kink, PointLoadKind::Rotation}) {
        PointLoad p;
        p.kind = kind;
        p.x = 3.25f;
        p.y = 4.5f;
        p.nx = 0.6f;
        p.ny = -0.8f;
        p.size = 1.5f;
        p.comment = "Richtung";
        lc.pointLoads.push_back(p);
    }
    ASSERT_TRUE(writeEchoBlock(dir.str(), kSuffix, lc, rectangleGeometry(), ui));

    auto image = slab::readFileBytes(echoPath(dir));
    ASSERT_TRUE(image);
    EchoImport in = readEchoImage(std::string(image->begin(), image->end()), rectangleGeometry());
    EXPECT_TRUE(in.problems.empty()) << in.problems.front();
    EXPECT_FALSE(in.tooLarge);
    ASSERT_EQ(in.blocks.size(), 1u);
    EXPECT_EQ(in.blocks[0].number, 7);
    const LoadCase& r = in.blocks[0].loadCase;
    EXPECT_EQ(r.number, 7);
    EXPECT_EQ(r.title, lc.title);
    EXPECT_TRUE(r.selfWeight && r.uniform);
    EXPECT_EQ(r.uniformShape, UniformShape::Constant);
    EXPECT_EQ(r.gamma, 25);
    EXPECT_EQ(r.g, 1.5);

    ASSERT_EQ(r.nt(), 2);
    EXPECT_EQ(r.areaLoads[0].kind, AreaLoadKind::Plain);
    EXPECT_EQ(r.areaLoads[1].kind, AreaLoadKind::CutToOutline);
    EXPECT_FLOAT_EQ(r.areaLoads[1].p0, -1.125f);
    ASSERT_EQ(r.areaLoads[1].corners.size(), std::size_t(kMaxAreaCorners));
    for (int a = 0; a < 2; ++a)
        for (std::size_t c = 0; c < lc.areaLoads[a].corners.size(); ++c) {
            const AreaCorner& w = lc.areaLoads[a].corners[c];
            const AreaCorner& g = r.areaLoads[a].corners[c];
            // Written with three decimals: every value here is a multiple of 0.001.
            EXPECT_NEAR(g.x, w.x, 1e-6);
            EXPECT_NEAR(g.y, w.y, 1e-6);
            EXPECT_NEAR(g.nextX, w.nextX, 1e-6);
            EXPECT_NEAR(g.nextY, w.nextY, 1e-6);
            EXPECT_NEAR(g.p1, w.p1, 1e-6);
            EXPECT_NEAR(g.p2, w.p2, 1e-6);
            EXPECT_EQ(g.subdivisions, 1);
        }

    ASSERT_EQ(r.nl(), 2);
    EXPECT_EQ(r.lineLoads[0].kind, LineLoadKind::Moments);
    EXPECT_EQ(r.lineLoads[0].comment, "Wand Achse B");
    EXPECT_FLOAT_EQ(r.lineLoads[0].start, -3.5f);
    EXPECT_FLOAT_EQ(r.lineLoads[0].end, -1.25f);
    EXPECT_EQ(r.lineLoads[1].kind, LineLoadKind::Forces);
    EXPECT_EQ(r.lineLoads[1].comment, "");
    EXPECT_FLOAT_EQ(r.lineLoads[1].xa, 0.125f);
    EXPECT_FLOAT_EQ(r.lineLoads[1].xb, 6.5f);
    EXPECT_FLOAT_EQ(r.lineLoads[1].end, 12.75f);

    ASSERT_EQ(r.np(), 5);
    const PointLoadKind kinds[] = {PointLoadKind::Force, PointLoadKind::Offset,
                                   PointLoadKind::Moment, PointLoadKind::Kink,
                                   PointLoadKind::Rotation};
    for (int k = 0; k < 5; ++k) {
        const PointLoad& w = lc.pointLoads[k];
        const PointLoad& g = r.pointLoads[k];
        EXPECT_EQ(g.kind, kinds[k]);
        EXPECT_EQ(g.comment, w.comment);
        EXPECT_FLOAT_EQ(g.x, w.x);
        EXPECT_FLOAT_EQ(g.y, w.y);
        EXPECT_FLOAT_EQ(g.width, w.width);
        EXPECT_FLOAT_EQ(g.nx, w.nx);
        EXPECT_FLOAT_EQ(g.ny, w.ny);
        EXPECT_FLOAT_EQ(g.size, w.size);
    }

    ASSERT_EQ(r.nr(), 2);
    EXPECT_TRUE(r.edgeLoadFlag);
    EXPECT_EQ(r.edgeLoads[0].boundary, 1);
    EXPECT_EQ(r.edgeLoads[0].section, 2);
    EXPECT_EQ(r.edgeLoads[0].kind, EdgeLoadKind::Forces);
    EXPECT_EQ(r.edgeLoads[0].comment, "Rand rechts");
    EXPECT_FLOAT_EQ(r.edgeLoads[0].xa, 8); // the section's coordinates were written
    EXPECT_FLOAT_EQ(r.edgeLoads[0].yb, 6);
    EXPECT_FLOAT_EQ(r.edgeLoads[0].a, 4);
    EXPECT_EQ(r.edgeLoads[1].boundary, 2); // no section there: the stored numbers hold
    EXPECT_EQ(r.edgeLoads[1].section, 1);
    EXPECT_EQ(r.edgeLoads[1].kind, EdgeLoadKind::Moments);
    EXPECT_FLOAT_EQ(r.edgeLoads[1].xb, 3);
    EXPECT_FLOAT_EQ(r.edgeLoads[1].b, -2);

    EXPECT_TRUE(r.temperature);
    EXPECT_EQ(r.deltaT, 10);
    EXPECT_DOUBLE_EQ(r.alphaT, 1e-5);
    EXPECT_TRUE(r.settlement);
    ASSERT_EQ(r.columnSettlements.size(), 1u);
    EXPECT_EQ(r.columnSettlements[0].number, 3);
    EXPECT_DOUBLE_EQ(r.columnSettlements[0].value, 0.012);
    ASSERT_EQ(r.wallMovements.size(), 1u);
    EXPECT_EQ(r.wallMovements[0].number, 2);
    EXPECT_DOUBLE_EQ(r.wallMovements[0].value, -0.005);

    // Written again, the block is the same bytes.
    EXPECT_EQ(echoBlockBytes(r, rectangleGeometry()), echoBlockBytes(lc, rectangleGeometry()));
}

TEST(EchoRoundTrip, UniformAndTriangularFlags) {
    LoadCase lc;
    lc.number = 5;
    lc.uniform = true;
    lc.uniformValue = 3.5;
    auto in = readEchoImage(echoBlockBytes(lc, {}), {});
    ASSERT_EQ(in.blocks.size(), 1u);
    const LoadCase& u = in.blocks[0].loadCase;
    EXPECT_TRUE(u.uniform && !u.selfWeight);
    EXPECT_EQ(u.uniformShape, UniformShape::Constant);
    EXPECT_EQ(u.uniformValue, 3.5);
    EXPECT_FALSE(u.temperature);
    EXPECT_FALSE(u.settlement);

    lc.uniformShape = UniformShape::Triangular;
    in = readEchoImage(echoBlockBytes(lc, {}), {});
    const LoadCase& t = in.blocks[0].loadCase;
    EXPECT_TRUE(t.uniform && !t.selfWeight);
    EXPECT_EQ(t.uniformShape, UniformShape::Triangular);
    EXPECT_EQ(t.uniformValue, 3.5);
}

// An area kind code the editor does not know is kept, so that an archive passes through.
TEST(EchoRoundTrip, UnknownAreaKindCodesPassThrough) {
    const std::string block = slab::utf8ToCp850("LF 1\n1 0 0 0\nTITEL\n\nTEILFLÄCHENLASTEN\n1\n"
                                                "   2.000\n1 5\n"
                                                "   0.000    0.000    1.000    0.000    2.000    "
                                                "2.000\n");
    EchoImport in = readEchoImage(block, {});
    ASSERT_EQ(in.blocks.size(), 1u);
    EXPECT_TRUE(in.problems.empty());
    EXPECT_EQ(static_cast<int>(in.blocks[0].loadCase.areaLoads.at(0).kind), 5);
    EXPECT_EQ(echoBlockBytes(in.blocks[0].loadCase, {}), block);
}

// ---------------------------------------------------------------------------------------------
// Reading hand-written files

TEST(EchoReader, HandWrittenArchiveWithSeveralLoadCases) {
    // CP850, a "\r\n" block, runs of blanks, a title that reads like a block start and one that
    // reads like a keyword.
    const std::string file = kLastfaelle +
                             "LF 1\n"
                             "0 0 0 0\n"
                             "TITEL\n"
                             "LF 5\n"
                             "GLEICHLAST\n"
                             "   4.250\n"
                             "LF 5\r\n"
                             "0   1 0 0\r\n"
                             "TITEL\r\n"
                             "GLEICHLAST\r\n"
                             "PUNKTLASTEN\r\n"
                             "1 Kran  Nord\r\n"
                             "Moment      1.5    2.0   0.0  1.0   0.0   -12.0\r\n"
                             "TEMPERATUR\r\n"
                             "  -5.000\r\n"
                             "1.200E-05\r\n"
                             "LF 12\n"
                             "0 0 0 1\n"
                             "TITEL\n"
                             "Gr\x94\xE1"
                             "e \x8E"
                             "nderung\n"
                             "RANDLASTEN\n"
                             "1 Attika\n"
                             "   7.950    5.960    0.050    6.040 V     2.000    2.000 3 9\n"
                             "ST\x9A"
                             "TZENSENKUNG\n"
                             "2\n"
                             "4  0.01000\n"
                             "17 -0.00200\n";
    EchoImport in = readEchoImage(file, rectangleGeometry());
    EXPECT_TRUE(in.problems.empty()) << in.problems.front();
    ASSERT_EQ(in.blocks.size(), 3u);

    EXPECT_EQ(in.blocks[0].number, 1);
    EXPECT_EQ(in.blocks[0].loadCase.title, "LF 5");
    EXPECT_TRUE(in.blocks[0].loadCase.uniform);
    EXPECT_EQ(in.blocks[0].loadCase.uniformValue, 4.25);

    const LoadCase& five = in.blocks[1].loadCase;
    EXPECT_EQ(in.blocks[1].number, 5);
    EXPECT_EQ(five.title, "GLEICHLAST");
    EXPECT_FALSE(five.uniform);
    ASSERT_EQ(five.np(), 1);
    EXPECT_EQ(five.pointLoads[0].kind, PointLoadKind::Moment);
    EXPECT_EQ(five.pointLoads[0].comment, "Kran  Nord");
    EXPECT_FLOAT_EQ(five.pointLoads[0].x, 1.5f);
    EXPECT_FLOAT_EQ(five.pointLoads[0].nx, 1.0f);
    EXPECT_FLOAT_EQ(five.pointLoads[0].size, -12.0f);
    EXPECT_TRUE(five.temperature);
    EXPECT_EQ(five.deltaT, -5);
    EXPECT_DOUBLE_EQ(five.alphaT, 1.2e-5);

    const LoadCase& twelve = in.blocks[2].loadCase;
    EXPECT_EQ(twelve.title, "Größe Änderung");
    ASSERT_EQ(twelve.nr(), 1);
    // Within 0.1 m of section 3 of the outer boundary: the geometry's numbers win.
    EXPECT_EQ(twelve.edgeLoads[0].boundary, 1);
    EXPECT_EQ(twelve.edgeLoads[0].section, 3);
    EXPECT_EQ(twelve.edgeLoads[0].comment, "Attika");
    EXPECT_TRUE(twelve.settlement);
    ASSERT_EQ(twelve.columnSettlements.size(), 2u);
    EXPECT_EQ(twelve.columnSettlements[1].number, 17);
    EXPECT_DOUBLE_EQ(twelve.columnSettlements[1].value, -0.002);
}

TEST(EchoReader, EdgeLoadsMatchSectionsWithinTheTolerance) {
    EchoGeometry g;
    // Two sections at the same place (a made-up list): the later in boundary and section
    // order wins, whatever the order of the list.
    g.sections = {{2, 4, 1, 1, 3, 1}, {1, 7, 1, 1, 3, 1}, {2, 1, 1, 1, 3, 1}, {3, 1, 5, 5, 6, 5}};
    auto read = [&](const char* coordinates) {
        std::string file = std::string("LF 1\n0 0 0 1\nTITEL\n\nRANDLASTEN\n1 \n") + coordinates +
                           " V 1.0 1.0 9 8\n";
        auto in = readEchoImage(file, g);
        EXPECT_TRUE(in.problems.empty());
        return std::pair<int, int>(in.blocks.at(0).loadCase.edgeLoads.at(0).boundary,
                                   in.blocks.at(0).loadCase.edgeLoads.at(0).section);
    };
    EXPECT_EQ(read("1.09 0.91 3.09 1.09"), std::pair(2, 4));
    EXPECT_EQ(read("1.11 1.0 3.0 1.0"), std::pair(9, 8)); // 0.11 m off: no match
    EXPECT_EQ(read("3.0 1.0 1.0 1.0"), std::pair(9, 8));  // reversed direction: no match
    EXPECT_EQ(read("5.0 5.0 6.05 4.95"), std::pair(3, 1));
}

TEST(EchoReader, SeveralDomainsCarryTheSelfWeight) {
    LoadCase lc;
    lc.number = 1;
    lc.selfWeight = true;
    lc.gamma = 25;
    lc.g = 2;
    EchoGeometry two;
    two.domainCount = 2;
    auto in = readEchoImage(echoBlockBytes(lc, {}), two);
    const LoadCase& r = in.blocks.at(0).loadCase;
    EXPECT_TRUE(r.selfWeight);
    EXPECT_FALSE(r.uniform);
    EXPECT_EQ(r.uniformValue, 0);
    EXPECT_EQ(r.gamma, 25);
    in = readEchoImage(echoBlockBytes(lc, {}), EchoGeometry{});
    EXPECT_TRUE(in.blocks.at(0).loadCase.uniform);
}

TEST(EchoReader, MoreThan6000LinesAreCutWithTheNote) {
    std::string file = kLastfaelle + "LF 1\n0 0 0 0\nTITEL\nerster\n";
    file += std::string(5999 - 5, '\n'); // lines 6 to 5999 are empty
    file += "LF 2\n";                    // line 6000: still read
    file += "0 0 0 0\nTITEL\nzu spät\nLF 3\n0 0 0 0\n";
    EchoImport in = readEchoImage(file, {});
    EXPECT_TRUE(in.tooLarge);
    ASSERT_EQ(in.blocks.size(), 2u);
    EXPECT_EQ(in.blocks[1].number, 2);
    EXPECT_EQ(in.blocks[1].loadCase.title, ""); // its title lies behind line 6000
    ui::ScriptedUi ui;
    reportEchoImport(in, "ACADLAST.P1", ui);
    ASSERT_GE(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "Hinweis");
    EXPECT_EQ(ui.messages[0].text,
              "Der Datenfile ACADLAST.P1 ist zu groß. Nicht alle LF wurden eingelesen.");

    // Exactly 6000 lines: nothing is left over, so no note.
    std::string exact = kLastfaelle;
    exact += std::string(5999, '\n');
    EXPECT_FALSE(readEchoImage(exact, {}).tooLarge);
}

// ---------------------------------------------------------------------------------------------
// Bad input: read up to what fits, say what was dropped

namespace {

/// A block with `count` numbered entries of two lines each under keyword.
std::string entries(int count, const std::string& dataLine) {
    std::string s;
    for (int k = 1; k <= count; ++k)
        s += std::to_string(k) + " \n" + dataLine + "\n";
    return s;
}

std::vector<std::string> problemsOf(const std::string& file, LoadCase* out = nullptr) {
    EchoImport in = readEchoImage(file, {});
    if (out && !in.blocks.empty()) *out = in.blocks[0].loadCase;
    return in.problems;
}

} // namespace

TEST(EchoReaderBadInput, CountsBeyondCapacityKeepWhatFits) {
    const std::string point = "Einzelkraft 1.0 1.0 0.0 0.0 0.0 5.0";
    const std::string line = "0.0 0.0 1.0 0.0 1.0 1.0 Kraefte";
    const std::string edge = "0.0 0.0 1.0 0.0 V 1.0 1.0 1 1";
    std::string areas;
    for (int k = 1; k <= 40; ++k)
        areas += std::to_string(k) + "\n1.0\n1\n0 0 1 0 1 1\n";
    const std::string file = "LF 3\n40 70 65 90\nTITEL\n\nTEILFLÄCHENLASTEN\n" + areas +
                             "LINIENLASTEN\n" + entries(65, line) + "PUNKTLASTEN\n" +
                             entries(70, point) + "RANDLASTEN\n" + entries(90, edge) +
                             "TEMPERATUR\n5.0\n1.0E-05\n";
    LoadCase lc;
    auto problems = problemsOf(slab::utf8ToCp850(file), &lc);
    EXPECT_EQ(lc.nt(), kMaxAreaLoads);
    EXPECT_EQ(lc.nl(), kMaxLineLoads);
    EXPECT_EQ(lc.np(), kMaxPointLoads);
    EXPECT_EQ(lc.nr(), kMaxEdgeLoads);
    EXPECT_TRUE(lc.temperature);
    EXPECT_EQ(problems, (std::vector<std::string>{
                            "LF 3: 40 Teilflächenlasten angegeben, nur die ersten 36 übernommen.",
                            "LF 3: 70 Punktlasten angegeben, nur die ersten 64 übernommen.",
                            "LF 3: 65 Linienlasten angegeben, nur die ersten 60 übernommen.",
                            "LF 3: 90 Randlasten angegeben, nur die ersten 80 übernommen."}));
}

TEST(EchoReaderBadInput, TooManyCornersAreCutAndTheNextAreaStillFound) {
    std::string file = "LF 2\n2 0 0 0\nTITEL\n\nTEILFLÄCHENLASTEN\n1\n2.0\n90\n";
    for (int c = 0; c < 90; ++c)
        file += std::to_string(c) + " 0 " + std::to_string(c + 1) + " 0 2 2\n";
    file += "2\n3.5\n3 2\n0 0 1 0 3.5 3.5\n1 0 1 1 3.5 3.5\n1 1 0 0 3.5 3.5\n";
    LoadCase lc;
    auto problems = problemsOf(slab::utf8ToCp850(file), &lc);
    ASSERT_EQ(lc.nt(), 2);
    EXPECT_EQ(lc.areaLoads[0].corners.size(), std::size_t(kMaxAreaCorners));
    EXPECT_FLOAT_EQ(lc.areaLoads[0].corners.back().x, 79);
    EXPECT_FLOAT_EQ(lc.areaLoads[1].p0, 3.5f);
    EXPECT_EQ(lc.areaLoads[1].kind, AreaLoadKind::CutToOutline);
    EXPECT_EQ(lc.areaLoads[1].corners.size(), 3u);
    EXPECT_EQ(problems, std::vector<std::string>{
                            "LF 2: Teilflächenlast 1 hat 90 Ecken, nur die ersten 80 übernommen."});
}

TEST(EchoReaderBadInput, NegativeAndGarbledCountsAndBadBlockNumbers) {
    LoadCase lc;
    EXPECT_EQ(
        problemsOf("LF 4\n0 -2 0 0\nTITEL\nT\nPUNKTLASTEN\n1 \nMoment 1 1 0 0 0 1\n", &lc),
        std::vector<std::string>{"LF 4: Anzahl der Punktlasten (-2) ungültig, keine übernommen."});
    EXPECT_EQ(lc.title, "T");

    EXPECT_EQ(problemsOf("LF 4\n1 x 0 0\nTITEL\nT\nPUNKTLASTEN\n1 \nMoment 1 1 0 0 0 1\n", &lc),
              std::vector<std::string>{
                  "LF 4: Zeile mit den Anzahlen fehlt oder ist fehlerhaft, keine Teilflächen-, "
                  "Linien-, Punkt- und Randlasten übernommen."});
    EXPECT_EQ(lc.np(), 0);
    EXPECT_EQ(lc.title, "T");

    EchoImport in = readEchoImage("LF 150\n0 0 0 0\nTITEL\nT\nLF -3\nLF 8\n0 0 0 0\n", {});
    ASSERT_EQ(in.blocks.size(), 1u);
    EXPECT_EQ(in.blocks[0].number, 8);
    EXPECT_EQ(in.problems, (std::vector<std::string>{
                               "LF 150: Nummer außerhalb 1 bis 99, Block nicht übernommen.",
                               "LF -3: Nummer außerhalb 1 bis 99, Block nicht übernommen."}));
}

TEST(EchoReaderBadInput, EntryNumbersBeyondTheCountAndGarbledFields) {
    const std::string file = "LF 6\n0 3 3 2\nTITEL\n\n"
                             "EIGENGEWICHT\n25.0 abc\n"
                             "LINIENLASTEN\n"
                             "2 zweite\n0 0 2 0 1 1 Momente\n"
                             "61 weit weg\n0 0 1 0 1 1 Kraefte\n"
                             "1 erste\n0 0 1 0 1 1 Kraefte\n"
                             "PUNKTLASTEN\n"
                             "1 \nEinzelkraft 1.0 abc 0 0 0 5\n"
                             "2 \nQuerkraft 1.0 1.0 0 0 0 5\n"
                             "3 gut\nKnick 1.0 1.0 0 0 0 0.01\n"
                             "RANDLASTEN\n"
                             "1 \n0 0 1 0 X 1 1 1 1\n"
                             "2 \n0 0 1 0 V 1 1 1 nan\n"
                             "TEMPERATUR\n10.0\n"
                             "STÜTZENSENKUNG\n-1\n";
    LoadCase lc;
    auto problems = problemsOf(slab::utf8ToCp850(file), &lc);
    EXPECT_FALSE(lc.selfWeight);
    ASSERT_EQ(lc.nl(), 2); // line loads 1 and 2 in table order; 61 dropped
    EXPECT_EQ(lc.lineLoads[0].comment, "erste");
    EXPECT_EQ(lc.lineLoads[1].comment, "zweite");
    EXPECT_EQ(lc.lineLoads[1].kind, LineLoadKind::Moments);
    ASSERT_EQ(lc.np(), 1);
    EXPECT_EQ(lc.pointLoads[0].kind, PointLoadKind::Kink);
    EXPECT_EQ(lc.nr(), 0);
    EXPECT_FALSE(lc.edgeLoadFlag);
    EXPECT_FALSE(lc.temperature);
    EXPECT_FALSE(lc.settlement);
    EXPECT_EQ(problems,
              (std::vector<std::string>{
                  "LF 6: Werte nach EIGENGEWICHT fehlen oder sind fehlerhaft, Abschnitt nicht "
                  "übernommen.",
                  "LF 6: Linienlast 61 liegt außerhalb 1 bis 3, nicht übernommen.",
                  "LF 6: Punktlast 1 fehlerhaft, nicht übernommen.",
                  "LF 6: Punktlast 2 fehlerhaft, nicht übernommen.",
                  "LF 6: Randlast 1 fehlerhaft, nicht übernommen.",
                  "LF 6: Randlast 2 fehlerhaft, nicht übernommen.",
                  "LF 6: Werte nach TEMPERATUR fehlen oder sind fehlerhaft, Abschnitt nicht "
                  "übernommen.",
                  "LF 6: Anzahl nach STÜTZENSENKUNG fehlt oder ist ungültig, Abschnitt nicht "
                  "übernommen."}));
}

TEST(EchoReaderBadInput, TruncatedSectionsAndBlocks) {
    // The point section stops at the next keyword, the edge section at the end of the file.
    const std::string file = "LF 9\n0 3 1 2\nTITEL\n\n"
                             "LINIENLASTEN\n1 Rest fehlt\n"
                             "PUNKTLASTEN\n1 \nSprung 1 1 0 0 0 0.005\n"
                             "TEMPERATUR\n1.0\n1.0E-05\n"
                             "RANDLASTEN\n1 \n0 0 1 0 V 1 1 1 1\n2 \n";
    LoadCase lc;
    auto problems = problemsOf(file, &lc);
    EXPECT_EQ(lc.nl(), 0);
    EXPECT_EQ(lc.np(), 1);
    EXPECT_EQ(lc.nr(), 1);
    EXPECT_TRUE(lc.temperature);
    EXPECT_EQ(problems,
              (std::vector<std::string>{
                  "LF 9: Abschnitt LINIENLASTEN endet vorzeitig, nur 0 von 1 Linienlast gelesen.",
                  "LF 9: Abschnitt PUNKTLASTEN endet vorzeitig, nur 1 von 3 Punktlasten gelesen.",
                  "LF 9: Abschnitt RANDLASTEN endet vorzeitig, nur 1 von 2 Randlasten gelesen."}));

    // A section whose keyword is missing, and an area whose corners run out.
    EXPECT_EQ(problemsOf(slab::utf8ToCp850(
                  "LF 9\n1 0 0 1\nTITEL\n\nTEILFLÄCHENLASTEN\n1\n2.0\n4\n0 0 1 0 2 2\n")),
              (std::vector<std::string>{
                  "LF 9: Abschnitt TEILFLÄCHENLASTEN endet vorzeitig, nur 0 von 1 Teilflächenlast "
                  "gelesen.",
                  "LF 9: Abschnitt RANDLASTEN fehlt, 1 Randlast nicht übernommen."}));
}

TEST(EchoReaderBadInput, SettlementsOutsideTheColumnAndWallNumbers) {
    const std::string file = "LF 1\n0 0 0 0\nTITEL\n\n"
                             "STÜTZENSENKUNG\n4\n1 0.01\n600 0.02\nzwei 0.03\n500 0.04\n"
                             "WANDBEWEGUNGEN\n3\n501 0.1\n0 0.1\n2 -0.2\n";
    LoadCase lc;
    auto problems = problemsOf(slab::utf8ToCp850(file), &lc);
    EXPECT_TRUE(lc.settlement);
    ASSERT_EQ(lc.columnSettlements.size(), 2u);
    EXPECT_EQ(lc.columnSettlements[0].number, 1);
    EXPECT_EQ(lc.columnSettlements[1].number, 500);
    ASSERT_EQ(lc.wallMovements.size(), 1u);
    EXPECT_EQ(lc.wallMovements[0].number, 2);
    EXPECT_EQ(problems, (std::vector<std::string>{
                            "LF 1: Senkung der Stütze 600 nicht übernommen (Stützen 1 bis 500).",
                            "LF 1: Eintrag 3 von STÜTZENSENKUNG fehlerhaft, nicht übernommen.",
                            "LF 1: Bewegung der Wand 501 nicht übernommen (Wände 1 bis 500).",
                            "LF 1: Bewegung der Wand 0 nicht übernommen (Wände 1 bis 500)."}));

    // A huge count in a short section reads what is there.
    EXPECT_EQ(problemsOf(slab::utf8ToCp850("LF 1\n0 0 0 0\nTITEL\n\nSTÜTZENSENKUNG\n2147483647\n3 "
                                           "0.01\n"),
                         &lc),
              std::vector<std::string>{"LF 1: Abschnitt STÜTZENSENKUNG endet vorzeitig, nur 1 von "
                                       "2147483647 Einträgen gelesen."});
    EXPECT_EQ(lc.columnSettlements.size(), 1u);
}

TEST(EchoReaderBadInput, UnknownLinesAndLongLines) {
    const std::string longTitle(200, 'x');
    const std::string file =
        "LF 2\n0 0 0 0\nTITEL\n" + longTitle + "\nGLEICHLAS\n5.0\nTEMPERATUR\n1.0\n2.0E-05\n";
    LoadCase lc;
    auto problems = problemsOf(file, &lc);
    // Cut, not split: the rest of the long line does not become a line of its own.
    EXPECT_EQ(lc.title, std::string(kMaxTitle, 'x'));
    EXPECT_TRUE(lc.temperature);
    EXPECT_FALSE(lc.uniform);
    EXPECT_EQ(problems, (std::vector<std::string>{
                            "LF 2: Zeile 4 ist länger als 126 Zeichen und wurde gekürzt.",
                            "LF 2: 2 Zeilen nicht erkannt und übergangen, die erste ist Zeile 5: "
                            "\"GLEICHLAS\"."}));

    ui::ScriptedUi ui;
    EchoImport in = readEchoImage(file, {});
    reportEchoImport(in, "ECHO_L.P1", ui);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "Hinweis");
    EXPECT_EQ(ui.messages[0].text,
              "Nicht alles aus ECHO_L.P1 wurde übernommen:\n" + problems[0] + "\n" + problems[1]);
}

// ---------------------------------------------------------------------------------------------
// Writing into ECHO_L

namespace {

LoadCase titled(int number, const std::string& title) {
    LoadCase lc;
    lc.number = static_cast<std::int16_t>(number);
    lc.title = title;
    return lc;
}

std::string block(int number, const std::string& title) {
    return echoBlockBytes(titled(number, title), {});
}

} // namespace

TEST(EchoFile, NewBlocksAreAppendedBehindTheHeaderLine) {
    testsupport::TempDir dir;
    ui::ScriptedUi ui;
    ASSERT_TRUE(writeEchoBlock(dir.str(), kSuffix, titled(3, "drei"), {}, ui));
    EXPECT_EQ(fileText(echoPath(dir)), kLastfaelle + block(3, "drei"));
    ASSERT_TRUE(writeEchoBlock(dir.str(), kSuffix, titled(1, "eins"), {}, ui));
    EXPECT_EQ(fileText(echoPath(dir)), kLastfaelle + block(3, "drei") + block(1, "eins"));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "ENEU"));
    EXPECT_TRUE(ui.messages.empty());
}

TEST(EchoFile, RewritingLoadCase1LeavesLoadCase10Untouched) {
    testsupport::TempDir dir;
    ui::ScriptedUi ui;
    // LF 10's title is "LF 1": it must not be taken for the block of LF 1.
    const std::string ten = block(10, "LF 1") + "GLEICHLAST\n   2.000\n";
    writeFile(echoPath(dir), kLastfaelle + ten + block(1, "alt") + block(2, "zwei"));
    ASSERT_TRUE(writeEchoBlock(dir.str(), kSuffix, titled(1, "neu"), {}, ui));
    EXPECT_EQ(fileText(echoPath(dir)), kLastfaelle + ten + block(1, "neu") + block(2, "zwei"));
    EXPECT_TRUE(ui.messages.empty());
}

TEST(EchoFile, ReplacingKeepsOtherBlocksOfADamagedFile) {
    testsupport::TempDir dir;
    ui::ScriptedUi ui;
    // Out of save order, a stale second copy of LF 2 and "\r\n" line ends.
    const std::string crlf = "LF 2\r\n0 0 0 0\r\nTITEL\r\nalt\r\n";
    writeFile(echoPath(dir), kLastfaelle + block(5, "fünf") + crlf + block(3, "drei") +
                                 block(2, "noch älter") + block(4, "vier"));
    ASSERT_TRUE(writeEchoBlock(dir.str(), kSuffix, titled(2, "neu"), {}, ui));
    EXPECT_EQ(fileText(echoPath(dir)), kLastfaelle + block(5, "fünf") + block(2, "neu") +
                                           block(3, "drei") + block(4, "vier"));

    // A file whose last line has no line end gets one before an appended block.
    writeFile(echoPath(dir), kLastfaelle + "LF 1\n0 0 0 0\nTITEL\neins");
    ASSERT_TRUE(writeEchoBlock(dir.str(), kSuffix, titled(6, "sechs"), {}, ui));
    EXPECT_EQ(fileText(echoPath(dir)), kLastfaelle + block(1, "eins") + block(6, "sechs"));
    EXPECT_TRUE(ui.messages.empty());
}

TEST(EchoFile, ExistingSpellingIsKeptAndFailuresLeaveTheFile) {
    testsupport::TempDir dir;
    ui::ScriptedUi ui;
    const std::string lower = dir.str() + "echo_l.p1";
    writeFile(lower, kLastfaelle + block(1, "alt"));
    ASSERT_TRUE(writeEchoBlock(dir.str(), kSuffix, titled(1, "neu"), {}, ui));
    EXPECT_EQ(fileText(lower), kLastfaelle + block(1, "neu"));
    EXPECT_FALSE(std::filesystem::exists(echoPath(dir)));

    // ENEU cannot be created (a directory stands in its way).
    std::filesystem::create_directory(dir.path() / "ENEU");
    EXPECT_FALSE(writeEchoBlock(dir.str(), kSuffix, titled(1, "kaputt"), {}, ui));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "Fehler");
    EXPECT_EQ(ui.messages[0].text, "Fehler beim Öffnen der Dateien ECHO_L und LNEU in LWRITE");
    EXPECT_EQ(fileText(lower), kLastfaelle + block(1, "neu"));
    std::filesystem::remove(dir.path() / "ENEU");

    // Something that is not a file under the name is neither read nor replaced.
    testsupport::TempDir other;
    std::filesystem::create_directories(other.path() / "ECHO_L.P1" / "x");
    EXPECT_FALSE(writeEchoBlock(other.str(), kSuffix, titled(1, "neu"), {}, ui));
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text, "Fehler beim Öffnen der Dateien ECHO_L und LNEU in LWRITE");
    EXPECT_TRUE(std::filesystem::is_directory(other.path() / "ECHO_L.P1" / "x"));

    // ENEU is written but cannot be renamed to a name longer than the file system allows.
    const std::string longSuffix = "." + std::string(260, 'x');
    EXPECT_FALSE(writeEchoBlock(other.str(), longSuffix, titled(1, "neu"), {}, ui));
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(ui.messages[2].title, "Fehler");
    EXPECT_EQ(ui.messages[2].text, "Fehler beim Löschen der Datei ECHO_L" + longSuffix);
    EXPECT_FALSE(std::filesystem::exists(other.path() / "ENEU"));

    // A load case without a number is refused.
    EXPECT_FALSE(writeEchoBlock(dir.str(), kSuffix, titled(0, "ohne"), {}, ui));
    EXPECT_EQ(
        ui.messages.back().text,
        "Der Lastfall hat keine Nummer von 1 bis 99 und wird nicht in ECHO_L.P1 geschrieben.");
}

TEST(EchoFile, DeletingTwoLoadCasesRemovesBothBlocks) {
    testsupport::TempDir dir;
    ui::ScriptedUi ui;
    // The file's order differs from the list's; LF 8 is in the file but not in the list.
    writeFile(echoPath(dir), kLastfaelle + block(4, "vier") + block(1, "eins") + block(8, "acht") +
                                 block(2, "LF 4") + block(3, "drei"));
    const std::vector<std::int16_t> diary = {1, 2, 3, 4};
    ASSERT_TRUE(removeEchoBlocks(dir.str(), kSuffix, diary, {false, true, true, false}, ui));
    EXPECT_EQ(fileText(echoPath(dir)),
              kLastfaelle + block(8, "acht") + block(2, "LF 4") + block(3, "drei"));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "ENEU"));

    // Nothing to delete, or no file: nothing happens.
    ASSERT_TRUE(removeEchoBlocks(dir.str(), kSuffix, diary, {true, true, true, true}, ui));
    testsupport::TempDir empty;
    ASSERT_TRUE(removeEchoBlocks(empty.str(), kSuffix, diary, {false, false, false, false}, ui));
    EXPECT_FALSE(std::filesystem::exists(echoPath(empty)));
    EXPECT_TRUE(ui.messages.empty());
}

TEST(EchoReaderBadInput, DamagedFilesNeverOverrunATable) {
    // Lines of a full block dropped, doubled, cut or replaced by stray numbers and keywords:
    // whatever comes out stays within the capacities.
    std::vector<std::string> lines;
    {
        const std::string full = kLastfaelle + kFullBlock + kFullBlock;
        std::size_t pos = 0;
        while (pos < full.size()) {
            std::size_t nl = full.find('\n', pos);
            lines.push_back(full.substr(pos, nl - pos));
            pos = nl + 1;
        }
    }
    const std::vector<std::string> strays = {"99999", "-7",          "3 2", "RANDLASTEN",  "TITEL",
                                             "LF 7",  "PUNKTLASTEN", "",    "1e308 1e308", "x"};
    std::mt19937 random(4711);
    for (int round = 0; round < 500; ++round) {
        std::vector<std::string> damaged = lines;
        for (int change = 0; change < 4; ++change) {
            std::size_t at = random() % damaged.size();
            switch (random() % 4) {
            case 0:
                damaged.erase(damaged.begin() + static_cast<long>(at));
                break;
            case 1:
                damaged.insert(damaged.begin() + static_cast<long>(at), damaged[at]);
                break;
            case 2:
                damaged[at] = damaged[at].substr(0, damaged[at].size() / 2);
                break;
            default:
                damaged[at] = strays[random() % strays.size()];
                break;
            }
        }
        std::string file;
        for (const std::string& l : damaged)
            file += l + "\n";
        EchoImport in = readEchoImage(file, rectangleGeometry());
        for (const EchoBlock& b : in.blocks) {
            EXPECT_LE(b.loadCase.nt(), kMaxAreaLoads);
            EXPECT_LE(b.loadCase.nl(), kMaxLineLoads);
            EXPECT_LE(b.loadCase.np(), kMaxPointLoads);
            EXPECT_LE(b.loadCase.nr(), kMaxEdgeLoads);
            for (const AreaLoad& a : b.loadCase.areaLoads)
                EXPECT_LE(a.corners.size(), std::size_t(kMaxAreaCorners));
        }
    }
}

// ---------------------------------------------------------------------------------------------
// The golden file

// Two load cases in code page 850 with every section the writer knows: read, then written back
// block by block and through the file, the bytes are those of the fixture.
TEST(EchoFixture, TwoLoadCasesInCp850ReadAndWrittenBackByteForByte) {
    const std::string fixture = loadtest::fixtureBytes("echo_l_two_cases_cp850");
    EchoImport in = readEchoImage(fixture, rectangleGeometry());
    EXPECT_TRUE(in.problems.empty()) << in.problems.front();
    ASSERT_EQ(in.blocks.size(), 2u);
    const LoadCase& one = in.blocks[0].loadCase;
    const LoadCase& twelve = in.blocks[1].loadCase;
    EXPECT_EQ(one.number, 1);
    EXPECT_EQ(one.title, "Ständige Last über Büro");
    EXPECT_EQ(one.nt(), 2);
    EXPECT_EQ(one.areaLoads[1].corners.size(), 3u);
    EXPECT_EQ(one.pointLoads[1].comment, "Kranbahn Süd");
    EXPECT_EQ(one.columnSettlements.size(), 2u);
    EXPECT_EQ(twelve.number, 12);
    EXPECT_EQ(twelve.title, "Verkehr Größe Änderung");
    EXPECT_EQ(twelve.nl(), 1);

    std::string written = kLastfaelle;
    for (const EchoBlock& b : in.blocks)
        written += echoBlockBytes(b.loadCase, rectangleGeometry());
    EXPECT_TRUE(loadtest::matchesFixture("echo_l_two_cases_cp850", written));

    testsupport::TempDir dir;
    ui::ScriptedUi ui;
    ASSERT_TRUE(writeEchoBlock(dir.str(), kSuffix, one, rectangleGeometry(), ui));
    ASSERT_TRUE(writeEchoBlock(dir.str(), kSuffix, twelve, rectangleGeometry(), ui));
    EXPECT_TRUE(loadtest::matchesFixture("echo_l_two_cases_cp850", fileText(echoPath(dir))));
    // Saving LF 1 again rewrites its block in place.
    ASSERT_TRUE(writeEchoBlock(dir.str(), kSuffix, one, rectangleGeometry(), ui));
    EXPECT_TRUE(loadtest::matchesFixture("echo_l_two_cases_cp850", fileText(echoPath(dir))));
    EXPECT_TRUE(ui.messages.empty());
}
