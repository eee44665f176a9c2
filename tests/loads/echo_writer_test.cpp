// The load echo's writer: the exact bytes of a block in code page 850, its words and keywords,
// and round trips through the reader.
#include "common/codepage.hpp"
#include "loads/echo/echo_file.hpp"
#include "loads/echo/echo_keywords.hpp"
#include "tests/loads/echo_fixtures.hpp"
#include "ui/console/scripted_ui.hpp"

using namespace daskel;
using namespace echotest;

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
    for (const echo::KeywordEntry& k : echo::kKeywords)
        texts.emplace_back(k.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"LASTFÄLLE", "LF", "TITEL", "EIGENGEWICHT",
                                               "GLEICHLAST", "DREIECKSLAST", "TEILFLÄCHENLASTEN",
                                               "LINIENLASTEN", "PUNKTLASTEN", "RANDLASTEN",
                                               "TEMPERATUR", "STÜTZENSENKUNG", "WANDBEWEGUNGEN"}));
    EXPECT_EQ(echo::keywordOf("RANDLASTEN"), echo::Keyword::EdgeLoads);
    EXPECT_EQ(echo::keywordEntry(echo::Keyword::EdgeLoads).one, "Randlast");
    EXPECT_EQ(echo::keywordEntry(echo::Keyword::AreaLoads).many, "Teilflächenlasten");
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

// Values far beyond any real load still fit their line: in fixed form 1.5e23 took 30
// characters and the reader cut the line at 126, losing the last values and the kind.
TEST(EchoRoundTrip, HugeValuesKeepTheirLinesWhole) {
    LoadCase lc = fullLoadCase();
    lc.lineLoads[0].start = 1.5111573e23f;
    lc.lineLoads[0].end = -3.4e38f;
    lc.pointLoads[0].size = 2.2670310e23f;
    lc.edgeLoads[0].a = 5.9235429e28f;
    const std::string bytes = echoBlockBytes(lc, rectangleGeometry());
    std::size_t longest = 0;
    for (std::size_t at = 0, end; at < bytes.size(); at = end + 1) {
        end = bytes.find('\n', at);
        if (end == std::string::npos) end = bytes.size();
        longest = std::max(longest, end - at);
    }
    EXPECT_LE(longest, 126u);
    auto in = readEchoImage(bytes, rectangleGeometry());
    EXPECT_TRUE(in.problems.empty()) << in.problems.front();
    ASSERT_EQ(in.blocks.size(), 1u);
    const LoadCase& back = in.blocks[0].loadCase;
    EXPECT_EQ(back.lineLoads[0].start, lc.lineLoads[0].start); // nine digits keep a float
    EXPECT_EQ(back.lineLoads[0].end, lc.lineLoads[0].end);
    EXPECT_EQ(back.lineLoads[0].kind, lc.lineLoads[0].kind);
    EXPECT_EQ(back.pointLoads[0].size, lc.pointLoads[0].size);
    EXPECT_EQ(back.edgeLoads[0].a, lc.edgeLoads[0].a);
    EXPECT_EQ(back.edgeLoads[0].section, lc.edgeLoads[0].section);
}
