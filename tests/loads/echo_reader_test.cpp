// The load echo's reader: hand-written archive files, and every refused, cut or garbled input
// read up to what fits with a note of what was dropped.
#include "common/codepage.hpp"
#include "loads/echo/echo_file.hpp"
#include "tests/loads/echo_fixtures.hpp"
#include "ui/console/scripted_ui.hpp"

#include <random>

using namespace daskel;
using namespace echotest;

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

// Found by fuzzing: a settlement of 1.2e-7 m was kept on reading, written as 0.00000 and then
// dropped when the block was read again.
TEST(EchoReaderBadInput, SettlementsBelowTheWrittenPrecisionAreNone) {
    const std::string file = "LF 1\n0 0 0 0\nTITEL\n\n"
                             "STÜTZENSENKUNG\n3\n3 0.01200E-05\n17 -0.00200\n4 -0.000004\n"
                             "WANDBEWEGUNGEN\n2\n2 0.000006\n5 0.000004\n";
    LoadCase lc;
    EXPECT_TRUE(problemsOf(slab::utf8ToCp850(file), &lc).empty());
    ASSERT_EQ(lc.columnSettlements.size(), 1u);
    EXPECT_EQ(lc.columnSettlements[0].number, 17);
    EXPECT_DOUBLE_EQ(lc.columnSettlements[0].value, -0.002);
    ASSERT_EQ(lc.wallMovements.size(), 1u); // 0.000006 is written as 0.00001, 0.000004 as 0.00000
    EXPECT_EQ(lc.wallMovements[0].number, 2);
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
                            "LF 2: Der Titel hat 126 Zeichen; die ersten 80 wurden übernommen.",
                            "LF 2: 2 Zeilen nicht erkannt und übergangen, die erste ist Zeile 5: "
                            "\"GLEICHLAS\"."}));

    ui::ScriptedUi ui;
    EchoImport in = readEchoImage(file, {});
    reportEchoImport(in, "ECHO_L.P1", ui);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "Hinweis");
    EXPECT_EQ(ui.messages[0].text, "Nicht alles aus ECHO_L.P1 wurde übernommen:\n" + problems[0] +
                                       "\n" + problems[1] + "\n" + problems[2]);
}

// A title counts characters: 85 umlauts are 85 bytes in the echo's code page and 170 in UTF-8;
// the first 80 characters are kept, with a note, and written back whole.
TEST(EchoReaderBadInput, LongTitleWithUmlautsIsCutByCharacters) {
    std::string title;
    for (int i = 0; i < 85; ++i)
        title += "Ä";
    const std::string file = slab::utf8ToCp850("LF 2\n0 0 0 0\nTITEL\n" + title + "\n");
    LoadCase lc;
    EXPECT_EQ(problemsOf(file, &lc),
              std::vector<std::string>{
                  "LF 2: Der Titel hat 85 Zeichen; die ersten 80 wurden übernommen."});
    EXPECT_EQ(lc.title, title.substr(0, 160));
    lc.number = 2;
    EXPECT_NE(
        echoBlockBytes(lc, {}).find(slab::utf8ToCp850("TITEL\n" + title.substr(0, 160) + "\n")),
        std::string::npos);
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

// Header values the load files cannot carry as floats are refused like garbled ones: -1e270
// would have been written back as a line of 270 digits, and 1e39 reached the files as infinity.
TEST(EchoReaderBadInput, HeaderValuesBeyondSinglePrecisionAreRefused) {
    LoadCase lc;
    EXPECT_EQ(problemsOf(slab::utf8ToCp850("LF 3\n0 0 0 0\nTITEL\n\nEIGENGEWICHT\n25.0 -1e270\n"
                                           "GLEICHLAST\n1e39\nTEMPERATUR\n1e39\n1.0E-05\n"
                                           "STÜTZENSENKUNG\n1\n1 4e38\n"),
                         &lc),
              (std::vector<std::string>{
                  "LF 3: Werte nach EIGENGEWICHT fehlen oder sind fehlerhaft, Abschnitt nicht "
                  "übernommen.",
                  "LF 3: Werte nach GLEICHLAST fehlen oder sind fehlerhaft, Abschnitt nicht "
                  "übernommen.",
                  "LF 3: Werte nach TEMPERATUR fehlen oder sind fehlerhaft, Abschnitt nicht "
                  "übernommen.",
                  "LF 3: Eintrag 1 von STÜTZENSENKUNG fehlerhaft, nicht übernommen."}));
    EXPECT_FALSE(lc.selfWeight);
    EXPECT_FALSE(lc.uniform);
    EXPECT_FALSE(lc.temperature);
    EXPECT_TRUE(lc.columnSettlements.empty());
    // the largest float still passes
    EXPECT_TRUE(problemsOf("LF 3\n0 0 0 0\nTITEL\n\nGLEICHLAST\n3.4e38\n", &lc).empty());
    EXPECT_EQ(lc.uniformValue, 3.4e38);
}
