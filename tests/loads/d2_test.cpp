// The load document D2.TXT: a section line by line against the formats counted by hand, its
// variants, and the document file with D2LOGW and the DATEIEN entry.
#include "common/document_list.hpp"
#include "common/file_io.hpp"
#include "loads/d2/d2_file.hpp"
#include "loads/d2/d2_sections.hpp"
#include "loads/file_names.hpp"
#include "loads/load_case_files.hpp"
#include "loads/macros/load_macros.hpp"
#include "tests/loads/grid_meshes.hpp"
#include "tests/support/test_support.hpp"
#include "ui/console/scripted_ui.hpp"

#include <gtest/gtest.h>

#include <filesystem>

using namespace daskel;

namespace {

std::string dash(int n) {
    return " " + std::string(static_cast<std::size_t>(n), '-') + "\n";
}

const SlabOutline& slabWithOpening() {
    static const SlabOutline o = deriveOutline(gridtest::gridModel(gridtest::slabWithOpening()));
    return o;
}

LoadCase fullLoadCase() {
    LoadCase lc;
    lc.number = 3;
    lc.title = "Decke über EG";
    lc.selfWeight = lc.uniform = true;
    lc.gamma = 25;
    lc.g = 1.5;
    LineLoad wall;
    wall.xa = wall.ya = wall.yb = 1;
    wall.xb = 9;
    wall.start = 2;
    wall.end = 4;
    wall.comment = "Wand A";
    LineLoad moment;
    moment.ya = 2;
    moment.xb = 3;
    moment.yb = 6;
    moment.start = moment.end = -1.5f;
    moment.kind = LineLoadKind::Moments;
    lc.lineLoads = {wall, moment};
    lc.temperature = true;
    lc.deltaT = 10;
    lc.alphaT = 1e-5;
    AreaLoad a;
    for (auto [x, y, p] : {std::array<float, 3>{0, 0, 1}, {4, 0, 2}, {4, 3, 3}, {0, 3, 2}}) {
        AreaCorner c;
        c.x = x;
        c.y = y;
        c.p1 = p;
        a.corners.push_back(c);
    }
    lc.areaLoads = {a};
    PointLoad column;
    column.x = 5;
    column.y = 6;
    column.size = 50;
    column.width = 0.3f;
    column.nx = 1; // a force has no direction: written as 0
    column.comment = "Stütze S1";
    PointLoad offset;
    offset.x = offset.y = 1;
    offset.size = 0.002f;
    offset.kind = PointLoadKind::Offset;
    lc.pointLoads = {column, offset};
    EdgeLoad right;
    right.section = 2;
    right.a = 4;
    right.b = 5;
    EdgeLoad hole;
    hole.boundary = 2;
    hole.a = hole.b = 1;
    hole.kind = EdgeLoadKind::Moments;
    hole.comment = "Öffnungsrand";
    lc.edgeLoads = {right, hole};
    return lc;
}

// The section of fullLoadCase(), every number field counted from its format.
const std::string kFullSection =
    " Lastfall 3 : Decke über EG\n" + dash(74) +
    " Spez. Gewicht =  25.00 kN/m3,  Belag, Putz etc. = 1.50 kN/m2\n" + dash(60) +
    " d = 0.20 m  g = 6.50 kN/m2  Fläche = 78.00 m2  Gewicht = 507.00 kN\n" + dash(68) +
    " \n"
    " Linienlasten\n" +
    dash(12) +
    "           von          nach     Länge          Wert\n"
    " Nr.  x [m]  y [m]  x [m]  y [m]  [m]     am Anfang  am Ende\n" +
    dash(74) +
    "  1 Wand A\n"
    "      1.00   1.00   9.00   1.00   8.00    2.00 kN/m     4.00 kN/m\n"
    "  2   0.00   2.00   3.00   6.00   5.00   -1.50 kNm/m   -1.50 kNm/m\n"
    " \n"
    " Ungleichmässige Temperatur Delta T =    10.00\n"
    " Temperaturkoeffizient      Alpha T = 1.000E-05\n" +
    dash(49) +
    " \n"
    " Belastete Teilflächen\n" +
    dash(22) +
    " \n"
    " Nr. 1\n"
    " \n"
    "    Liste der Eckpunkte          Eckwerte  \n"
    "                     Länge    der Belastung [kN/m2]\n"
    " Nr.  x [m]  y [m]    [m]     Eingabe  Interpoliert \n" +
    dash(63) +
    "  1   0.00   0.00     4.00      1.00     1.00\n"
    "  2   4.00   0.00     3.00      2.00     2.00\n"
    "  3   4.00   3.00     4.00      3.00     3.00\n"
    "  4   0.00   3.00     3.00      2.00     2.00\n"
    " \n"
    " Fläche = 12.00 m2  Belastung = 24.00 kN\n"
    " \n"
    " \n"
    " Punktlasten\n" +
    dash(11) +
    "            Mittelpunkt      Breite    Richtung       Groesse    Art\n"
    " Nr.    x [m]       y [m]    b [m]    nx [/] ny [/]\n" +
    dash(74) +
    "  1 Stütze S1\n"
    "         5.00        6.00    0.300    0.000  0.000      50.00  Kraft  [kN] \n"
    "  2      1.00        1.00    0.000    0.000  0.000       0.00  Sprung [m]  \n"
    " \n"
    " Randlasten\n" +
    dash(10) +
    "                                              Wert\n"
    " Nr.  Rand/Oeffnung  Abschnitt   Art  am Anfang   am Ende\n" +
    dash(59) +
    "  1      Rand            2     Kräfte    4.00      5.00 kN/m\n"
    "  2 Öffnungsrand\n"
    "         Oeff.1          1     Momente    1.00      1.00 kNm/m\n"
    " \n";

/// Lines of a text, for a readable report of the first difference.
std::vector<std::string> lines(const std::string& s) {
    std::vector<std::string> out;
    std::size_t at = 0;
    while (at < s.size()) {
        std::size_t end = s.find('\n', at);
        out.push_back(s.substr(at, end - at));
        at = end == std::string::npos ? s.size() : end + 1;
    }
    return out;
}

void expectSameLines(const std::string& actual, const std::string& expected) {
    const auto a = lines(actual), e = lines(expected);
    for (std::size_t i = 0; i < std::min(a.size(), e.size()); ++i)
        ASSERT_EQ(a[i], e[i]) << "line " << i + 1;
    EXPECT_EQ(a.size(), e.size());
    EXPECT_EQ(actual, expected);
}

} // namespace

TEST(D2Section, EveryPartInItsFormat) {
    LoadCase lc = fullLoadCase();
    prepareLoadCase(lc, slabWithOpening(), 3);
    expectSameLines(d2Section(lc, slabWithOpening()), kFullSection);
    EXPECT_EQ(d2OpeningLine(), dash(74));
    EXPECT_EQ(d2TitlePrefix(12), " Lastfall 12 : ");
}

TEST(D2Section, UniformAndTriangularLoads) {
    LoadCase lc;
    lc.number = 1;
    lc.title = "Gleichlast";
    lc.uniform = true;
    lc.uniformValue = 7.25;
    lc.uniformShape = UniformShape::Constant;
    EXPECT_EQ(d2Section(lc, slabWithOpening()), " Lastfall 1 : Gleichlast\n" + dash(74) +
                                                    " Gleichmässige Belastung =      7.250 "
                                                    "kN/m2\n" +
                                                    dash(43));
    lc.uniformShape = UniformShape::Triangular;
    lc.uniformValue = 1.5;
    EXPECT_EQ(d2Section(lc, slabWithOpening()),
              " Lastfall 1 : Gleichlast\n" + dash(74) +
                  " Lineare Belastung    po * x =     1.50 kN/m^2 * x\n" + dash(49));
    // without self weight or uniform load the section is its title
    lc.uniform = false;
    EXPECT_EQ(d2Section(lc, slabWithOpening()), " Lastfall 1 : Gleichlast\n" + dash(74));
}

TEST(D2Section, SeveralDomainsListedWithTheirWeights) {
    gridtest::Grid g = gridtest::twoThicknesses();
    const SlabOutline two = deriveOutline(gridtest::gridModel(g));
    LoadCase lc;
    lc.number = 2;
    lc.selfWeight = true;
    lc.gamma = 25;
    lc.g = 1.5;
    EdgeLoad e;
    e.a = e.b = 2;
    lc.edgeLoads = {e};
    prepareLoadCase(lc, two, 2);
    // q = 9 and 6.5 kN/m² on 8 m² each
    EXPECT_EQ(d2Section(lc, two),
              " Lastfall 2 : \n" + dash(74) +
                  " Spez. Gewicht =  25.00 kN/m3,  Belag, Putz etc. = 1.50 kN/m2\n" + dash(60) +
                  " Bereich  1  d = 0.30 m  g =  9.00 kN/m2  Fläche =   8.00 m2  G =   72.0 kN\n"
                  "          2  d = 0.20 m  g =  6.50 kN/m2  Fläche =   8.00 m2  G =   52.0 kN\n"
                  " \n"
                  " Randlasten\n" +
                  dash(10) +
                  "                                              Wert\n"
                  " Nr.  Rand/Oeffnung  Abschnitt   Art  am Anfang   am Ende\n" +
                  dash(59) + "  1      Rand 1          1     Kräfte    2.00      2.00 kN/m\n \n");
}

TEST(D2File, FirstSaveCreatesTheDocumentAndItsEntryOnce) {
    testsupport::TempDir dir;
    ASSERT_TRUE(slab::writeFileAtomic(dir.str() + "DATEIEN", std::string(14, ' ') + "D1" +
                                                                 std::string(48, ' ') +
                                                                 "Abmessungen\n"));
    ui::ScriptedUi ui;
    ASSERT_TRUE(storeLoadDocumentSection(dir.str(), 1, dash(74), " Lastfall 1 : a\n", ui));
    ASSERT_TRUE(storeLoadDocumentSection(dir.str(), 1, dash(74), " Lastfall 1 : b\n", ui));
    EXPECT_EQ(slab::readFileText(dir.str() + "D2.TXT").value(), dash(74) + " Lastfall 1 : b\n");
    const std::string list = slab::readFileText(dir.str() + "DATEIEN").value();
    EXPECT_EQ(list, std::string(14, ' ') + "D1" + std::string(48, ' ') + "Abmessungen\n" +
                        "              D2                                                "
                        "Lastfälle       \n");
    EXPECT_EQ(loadDocumentListLine(), std::string(14, ' ') + "D2" + std::string(48, ' ') +
                                          "Lastfälle" + std::string(7, ' ') + "\n");
    EXPECT_EQ(decodeSaveOrder(slab::readFileBytes(dir.str() + "D2LOGW").value()),
              std::vector<int>{1});
    EXPECT_TRUE(ui.messages.empty());
}

namespace {

std::string section(int n, const char* body) {
    return " Lastfall " + std::to_string(n) + " : T" + std::to_string(n) + "\n" + dash(74) + body;
}

/// A document holding sections 1, 2 and 3 saved in that order.
void threeSections(const std::string& dir, ports::MessageBox& box) {
    for (int n = 1; n <= 3; ++n)
        ASSERT_TRUE(storeLoadDocumentSection(dir, n, dash(74), section(n, " alt\n \n"), box));
}

} // namespace

TEST(D2File, ASecondSaveReplacesOnlyItsSection) {
    testsupport::TempDir dir;
    ui::ScriptedUi ui;
    threeSections(dir.str(), ui);
    ASSERT_TRUE(storeLoadDocumentSection(dir.str(), 2, dash(74), section(2, " neu\n neu\n"), ui));
    // the dash line that opens section 3 stays with it
    EXPECT_EQ(slab::readFileText(dir.str() + "D2.TXT").value(),
              dash(74) + section(1, " alt\n \n") + dash(74) + section(2, " neu\n neu\n") +
                  dash(74) + section(3, " alt\n \n"));
    // the last section: the rest of the file is its own
    ASSERT_TRUE(storeLoadDocumentSection(dir.str(), 3, dash(74), section(3, " neu\n"), ui));
    EXPECT_EQ(slab::readFileText(dir.str() + "D2.TXT").value(),
              dash(74) + section(1, " alt\n \n") + dash(74) + section(2, " neu\n neu\n") +
                  dash(74) + section(3, " neu\n"));
    EXPECT_EQ(decodeSaveOrder(slab::readFileBytes(dir.str() + "D2LOGW").value()),
              (std::vector<int>{1, 2, 3}));
}

TEST(D2File, DeletedLoadCasesLeaveTheDocument) {
    testsupport::TempDir dir;
    ui::ScriptedUi ui;
    threeSections(dir.str(), ui);
    // from the title line of 2 to the line before the title of 3: the dash line above 3 goes
    ASSERT_TRUE(removeLoadDocumentSections(dir.str(), {2}, ui));
    EXPECT_EQ(slab::readFileText(dir.str() + "D2.TXT").value(),
              dash(74) + section(1, " alt\n \n") + dash(74) + section(3, " alt\n \n"));
    ASSERT_TRUE(removeLoadDocumentSections(dir.str(), {1, 3}, ui));
    EXPECT_EQ(slab::readFileText(dir.str() + "D2.TXT").value(), dash(74));
    // the older name D2 is read and replaced by D2.TXT
    std::filesystem::remove(dir.path() / "D2.TXT");
    ASSERT_TRUE(slab::writeFileAtomic(dir.str() + "D2", section(4, " x\n") + section(5, " y\n")));
    ASSERT_TRUE(removeLoadDocumentSections(dir.str(), {4}, ui));
    EXPECT_FALSE(slab::fileExists(dir.str() + "D2"));
    EXPECT_EQ(slab::readFileText(dir.str() + "D2.TXT").value(), section(5, " y\n"));
    // no document: nothing to do
    testsupport::TempDir empty;
    EXPECT_TRUE(removeLoadDocumentSections(empty.str(), {1}, ui));
    EXPECT_FALSE(slab::fileExists(empty.str() + "D2.TXT"));
}

TEST(D2File, AListedLoadCaseWithoutItsSectionIsAppendedAgain) {
    testsupport::TempDir dir;
    ui::ScriptedUi ui;
    threeSections(dir.str(), ui);
    // the document deleted in the project manager: D2LOGW still lists 1 to 3
    std::filesystem::remove(dir.path() / "D2.TXT");
    ASSERT_TRUE(storeLoadDocumentSection(dir.str(), 2, dash(74), section(2, " neu\n"), ui));
    EXPECT_EQ(slab::readFileText(dir.str() + "D2.TXT").value(), dash(74) + section(2, " neu\n"));
    EXPECT_TRUE(ui.messages.empty());
    // DATEIEN names D2 once
    const std::string list = slab::readFileText(dir.str() + "DATEIEN").value();
    EXPECT_EQ(list, loadDocumentListLine());
}

TEST(D2File, AnOpenFailureIsShownAndLeavesTheDocument) {
    testsupport::TempDir dir;
    ui::ScriptedUi ui;
    threeSections(dir.str(), ui);
    const std::string before = slab::readFileText(dir.str() + "D2.TXT").value();
    std::filesystem::create_directory(dir.path() / "D2NEUD2"); // the work file cannot be opened
    EXPECT_FALSE(storeLoadDocumentSection(dir.str(), 2, dash(74), section(2, " neu\n"), ui));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "Fehler");
    EXPECT_EQ(ui.messages[0].text, "Fehler beim Öffnen der Dateien D2 und D2NEUD2 in LSTORE");
    EXPECT_FALSE(removeLoadDocumentSections(dir.str(), {1}, ui));
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(slab::readFileText(dir.str() + "D2.TXT").value(), before);
}

TEST(DocumentList, NumbersAndEntriesAddedOnce) {
    EXPECT_EQ(slab::documentNumberOf("              D2      Lastfälle"), 2);
    EXPECT_EQ(slab::documentNumberOf("            D12 x"), 12);
    EXPECT_EQ(slab::documentNumberOf("xxxxxxxxxxxx  D3"), 3); // the prefix is not read
    EXPECT_EQ(slab::documentNumberOf("D4"), 4);               // a short line is all entry
    EXPECT_FALSE(slab::documentNumberOf("              Dx"));
    EXPECT_FALSE(slab::documentNumberOf("   "));
    testsupport::TempDir dir;
    ASSERT_TRUE(
        slab::writeFileAtomic(dir.str() + "DATEIEN", std::string("            D1 ohne Ende")));
    EXPECT_TRUE(slab::addDocumentEntry(dir.str(), "            D2 neu\n"));
    EXPECT_TRUE(slab::addDocumentEntry(dir.str(), "            D2 noch einmal\n"));
    EXPECT_EQ(slab::readFileText(dir.str() + "DATEIEN").value(),
              "            D1 ohne Ende\n            D2 neu\n");
}
