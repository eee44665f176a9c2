// Saving load cases with area, line, point and edge loads: an archive written by another
// program imported and saved file by file against golden files and hand-computed values, the
// same loads typed in giving the same files, a second save, deletion, and edge loads that the
// slab has no section for.
#include "common/binary_io.hpp"
#include "common/codepage.hpp"
#include "common/file_io.hpp"
#include "loads/document.hpp"
#include "tests/loads/grid_positions.hpp"
#include "tests/support/golden.hpp"
#include "tests/support/test_support.hpp"
#include "ui/console/scripted_ui.hpp"
#include "ui/daskel/daskel_console.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>

using namespace daskel;

namespace {

using gridtest::DataPath;

const std::string kHead = "LASTFÄLLE\nLF 1\n";
const std::string kRectangle = "1\n"
                               "   1.000\n"
                               "4\n"
                               "   0.000    0.000    4.000    0.000    1.000    2.000\n"
                               "   4.000    0.000    4.000    3.000    2.000    3.000\n"
                               "   4.000    3.000    0.000    3.000    3.000    2.000\n"
                               "   0.000    3.000    0.000    0.000    2.000    1.000\n";
const std::string kClockwise = "2\n"
                               "   2.000\n"
                               "3\n"
                               "   6.000    0.000    6.000    2.000    2.000    2.000\n"
                               "   6.000    2.000    8.000    0.000    2.000    2.000\n"
                               "   8.000    0.000    6.000    0.000    2.000    2.000\n";
const std::string kAroundTheOpening(int k) {
    return std::to_string(k) + "\n"
                               "   5.000\n"
                               "4\n"
                               "   3.000    3.000    7.000    3.000    5.000    5.000\n"
                               "   7.000    3.000    7.000    6.000    5.000    5.000\n"
                               "   7.000    6.000    3.000    6.000    5.000    5.000\n"
                               "   3.000    6.000    3.000    3.000    5.000    5.000\n";
}
const std::string kOthers = "LINIENLASTEN\n"
                            "1 Wand Achse A\n"
                            "   1.000    7.000    9.000    7.000    2.000    4.000 Kraefte\n"
                            "2 \n"
                            "   0.000    5.000    3.000    5.000   -1.500   -1.500 Momente\n"
                            "PUNKTLASTEN\n"
                            "1 Stütze S1\n"
                            "Einzelkraft     8.000    6.000    0.300    0.000    0.000   50.000\n"
                            "2 \n"
                            "Sprung     1.000    1.000    0.000    0.000    0.000    0.002\n"
                            "RANDLASTEN\n"
                            "1 Rand rechts\n"
                            "  10.000    0.000   10.000    8.000 V     4.000    5.000 1 2\n"
                            "2 \n"
                            "   6.000    5.000    6.000    4.000 M     1.000    1.000 2 3\n"
                            "TEMPERATUR\n"
                            "  10.000\n"
                            "1.000E-05\n";

/// The archive an independent program wrote: self weight, the rectangle 1 2 3 2, a clockwise
/// triangle and an area around the opening, two line, point and edge loads, temperature and
/// a column settlement; and load case 2 with a uniform load.
std::string fullArchive() {
    return slab::utf8ToCp850(kHead +
                             "3 2 2 2\nTITEL\nAlle Lastarten\nEIGENGEWICHT\n"
                             "  25.000     1.500\nTEILFLÄCHENLASTEN\n" +
                             kRectangle + kClockwise + kAroundTheOpening(3) + kOthers +
                             "STÜTZENSENKUNG\n1\n3  0.01200\n"
                             "LF 2\n0 0 0 0\nTITEL\nNutzlast\nGLEICHLAST\n   2.750\n");
}

void importInto(const DataPath& d, const std::string& name, const std::string& archive,
                ui::ScriptedUi& ui) {
    ASSERT_TRUE(slab::writeFileAtomic(d.dir(name) + "ACADLAST." + name, archive));
    auto e = d.editor(name, ui);
    ASSERT_TRUE(e->importAll());
}

bool shown(const ui::ScriptedUi& ui, const std::string& title, const std::string& text) {
    for (const auto& m : ui.messages)
        if (m.title == title && m.text == text) return true;
    return false;
}

} // namespace

TEST(SaveLoadMacros, AnArchiveOfAnotherProgramImportedAndSaved) {
    DataPath d;
    d.position("P1");
    ui::ScriptedUi ui;
    importInto(d, "P1", fullArchive(), ui);
    EXPECT_TRUE(shown(ui, "Hinweis",
                      " FALSCHER UMFAHRUNGSSINN BEI TEILASTFLÄCHE 2 IM LF 1. FLAECHE IST "
                      "NEGATIV!"));
    for (const char* file : {"PL01.P1", "MACRO01.P1", "SBD01.P1", "DOMAINS.P1", "SBLNS11.P1",
                             "SBLNS21.P1", "SBLNS31.P1", "D2.TXT", "ECHO_L.P1", "PL02.P1"})
        EXPECT_TRUE(
            testsupport::matchesFixture(std::string("all_kinds/") + file, d.bytes("P1", file)));
    // the header's counts: 6 + 3 line points written last; area points 10 + 6 + 10 (edges of
    // ceil(0.6·L/1 m)); one opening inside an area
    const std::string pl = d.bytes("P1", "PL01.P1");
    auto at = [&](std::size_t offset) {
        return slab::getLE<std::int16_t>(reinterpret_cast<const std::uint8_t*>(pl.data()) + offset);
    };
    EXPECT_EQ(at(0), 9);
    EXPECT_EQ(at(4), 2);
    EXPECT_EQ(at(10), 3);
    EXPECT_EQ(at(12), 26);
    EXPECT_EQ(at(14), 2);
    EXPECT_EQ(at(22), 2);
    EXPECT_EQ(at(26), 1);
    EXPECT_EQ(pl[356], 1); // edge loads
    EXPECT_EQ(pl[358], 1); // temperature
    EXPECT_EQ(pl[363], 1); // settlement
    // the opening's macro takes 5 kN/m² off the area around it: 60 - 10 kN on 12 - 2 m²
    const std::string d2 = d.bytes("P1", "D2.TXT");
    EXPECT_NE(d2.find(" Fläche = 10.00 m2  Belastung = 50.00 kN\n"), std::string::npos);
    EXPECT_NE(d2.find(" Fläche = 12.00 m2  Belastung = 24.00 kN\n"), std::string::npos);
    EXPECT_NE(d2.find(" Fläche = -2.00 m2  Belastung = -4.00 kN\n"), std::string::npos);
    // the generated loads by hand: the areas 24 + 4 (the clockwise triangle over its region) +
    // 50 (60 less the opening's 10), 3 kN/m on 8 m, 50 kN, 4.5 kN/m on 8 m; moments, the
    // offset and the temperature put no force on the slab; the tables hold 6.5 kN/m² on 78 m²
    EXPECT_NE(d2.find(" Teilflächenlasten                            78.00 kN\n"
                      " Linienlasten                                 24.00 kN\n"
                      " Punktlasten                                  50.00 kN\n"
                      " Randlasten                                   36.00 kN\n"
                      " Temperatur                                    0.00 kN\n"),
              std::string::npos);
    EXPECT_NE(d2.find(" Summe der erzeugten Lasten                  188.00 kN\n"
                      " Element- und Knotenlasten der Tabellen      507.00 kN\n"
                      " Summe der Vertikalkräfte (LF p)             695.00 kN\n"),
              std::string::npos);
    EXPECT_TRUE(shown(ui, "Hinweis",
                      "LF 1: Von Teilflächenlast 3 fallen 2,00 m² mit 10,00 kN auf kein Element "
                      "(Öffnung oder außerhalb der Platte); sie werden nicht berücksichtigt. "
                      "Punktlast 2 (Sprung) ist eine eingeprägte Verformung, keine Last, und wird "
                      "nicht in Knotenlasten umgerechnet."));
    EXPECT_EQ(d.bytes("P1", "SBD01.P1").size(), 84u);
    EXPECT_EQ(d.bytes("P1", "DOMAINS.P1").size(), 56u);
    EXPECT_FALSE(slab::fileExists(d.dir("P1") + "SBLNS12.P1")); // LF 2 has no area loads
}

TEST(SaveLoadMacros, ASecondSaveReplacesOnlyItsSection) {
    DataPath d;
    d.position("P1");
    ui::ScriptedUi ui;
    importInto(d, "P1", fullArchive(), ui);
    const std::string before = d.bytes("P1", "D2.TXT");
    const std::string echo = d.bytes("P1", "ECHO_L.P1");
    // opened and saved again: nothing changes
    ui::ScriptedUi again;
    auto e = d.editor("P1", again);
    ASSERT_TRUE(e->openLoadCase(1));
    ASSERT_TRUE(e->save(1, e->loadCase().title));
    EXPECT_EQ(d.bytes("P1", "D2.TXT"), before);
    EXPECT_EQ(d.bytes("P1", "ECHO_L.P1"), echo);
    // a point load removed: the section of LF 1 changes, that of LF 2 with its dash line stays
    ASSERT_TRUE(e->removeLoad(LoadList::Point, 2));
    ASSERT_TRUE(e->save(1, e->loadCase().title));
    const std::string after = d.bytes("P1", "D2.TXT");
    const std::string second = " " + std::string(74, '-') + "\n Lastfall 2 : Nutzlast\n";
    ASSERT_NE(before.find(second), std::string::npos);
    ASSERT_NE(after.find(second), std::string::npos);
    EXPECT_EQ(after.substr(after.find(second)), before.substr(before.find(second)));
    EXPECT_EQ(after.find("Sprung [m]"), std::string::npos);
    EXPECT_EQ(after.substr(0, 150), before.substr(0, 150));
    EXPECT_EQ(std::count(after.begin(), after.end(), '\n') + 1,
              std::count(before.begin(), before.end(), '\n'));
}

TEST(SaveLoadMacros, DeletingALoadCaseRemovesItsSection) {
    DataPath d;
    d.position("P1");
    ui::ScriptedUi ui;
    importInto(d, "P1", fullArchive(), ui);
    auto e = d.editor("P1", ui);
    ASSERT_TRUE(e->deleteLoadCases({1}));
    const std::string d2 = d.bytes("P1", "D2.TXT");
    EXPECT_EQ(d2, " " + std::string(74, '-') + "\n Lastfall 2 : Nutzlast\n " +
                      std::string(74, '-') + "\n Gleichmässige Belastung =      2.750 kN/m2\n " +
                      std::string(43, '-') + "\n");
    auto order = slab::readFileBytes(d.dir("P1") + "D2LOGW").value();
    EXPECT_EQ(decodeSaveOrder(order), std::vector<int>{2});
    EXPECT_FALSE(slab::fileExists(d.dir("P1") + "MACRO01.P1"));
    EXPECT_FALSE(slab::fileExists(d.dir("P1") + "SBD01.P1"));
}

TEST(SaveLoadMacros, TypedInLoadsGiveTheFilesOfTheSameLoadsImported) {
    DataPath d;
    d.position("P1");
    d.position("P2");
    ui::ScriptedUi ui;
    importInto(d, "P1",
               slab::utf8ToCp850(kHead + "2 2 2 2\nTITEL\nAlle Lastarten\nTEILFLÄCHENLASTEN\n" +
                                 kRectangle + kAroundTheOpening(2) + kOthers),
               ui);
    const std::string out =
        d.console("P2", "flaechenlast 0 0 1 4 0 2 4 3 3 0 3 2\n"
                        "flaechenlast 3 3 5 7 3 5 7 6 5 3 6 5\n"
                        "linienlast 1 7 9 7 anfang=2 ende=4 kommentar=Wand Achse A\n"
                        "linienlast 0 5 3 5 anfang=-1,5 ende=-1,5 art=moment\n"
                        "punktlast 8 6 groesse=50 b=0,3 kommentar=Stütze S1\n"
                        "punktlast 1 1 groesse=0,002 art=sprung\n"
                        "randlast 1 2 a=4 b=5 kommentar=Rand rechts\n"
                        "randlast 2 3 a=1 b=1 art=M\n"
                        "temperatur dt=10 alpha=1e-5\n"
                        "speichern nr=1 titel=Alle Lastarten\n");
    EXPECT_NE(out.find("LF 1 gespeichert."), std::string::npos) << out;
    for (const char* file : {"PL01", "MACRO01", "SBD01", "SBLNS11", "SBLNS21"})
        EXPECT_EQ(d.bytes("P2", std::string(file) + ".P2"),
                  d.bytes("P1", std::string(file) + ".P1"))
            << file;
    EXPECT_EQ(d.bytes("P2", "ECHO_L.P2"), d.bytes("P1", "ECHO_L.P1"));
    for (const char* file : {"D2.TXT", "ELEMENTE2LF1", "KNOTEN2LF1"})
        EXPECT_EQ(d.bytes("P2", file), d.bytes("P1", file)) << file;
}

TEST(SaveLoadMacros, EdgeLoadsOnSectionsTheSlabDoesNotHaveAreRefused) {
    DataPath d;
    d.position("P1");
    ui::ScriptedUi ui;
    importInto(d, "P1",
               slab::utf8ToCp850(kHead + "0 0 0 2\nTITEL\nRänder\nRANDLASTEN\n"
                                         "1 \n  10.000    0.000   10.000    8.000 V 1 1 1 2\n"
                                         "2 \n  20.000   20.000   21.000   21.000 V 1 1 3 1\n"),
               ui);
    EXPECT_TRUE(shown(ui, "Hinweis",
                      "LF 1: Randlast 2 nicht übernommen. Die Platte hat keinen Rand 3, nur die "
                      "Ränder 1 bis 2 (Befehl raender)."));
    const std::string echo = slab::cp850ToUtf8(d.bytes("P1", "ECHO_L.P1"));
    EXPECT_NE(echo.find("LF 1\n0 0 0 1\n"), std::string::npos) << echo;
    EXPECT_EQ(echo.find("21.000"), std::string::npos);

    // typed in: refused with the same reason, nothing changed
    auto e = d.editor("P1", ui);
    EXPECT_FALSE(e->addEdgeLoad({2, 5, 1, 1, EdgeLoadKind::Forces, ""}));
    EXPECT_EQ(ui.messages.back().title, "Fehler");
    EXPECT_EQ(ui.messages.back().text,
              "Der Rand 2 hat keinen Abschnitt 5, nur die Abschnitte 1 bis 4 (Befehl raender).");
    EXPECT_EQ(e->loadCase().nr(), 1);
    EXPECT_FALSE(e->modified());
}

TEST(SaveLoadMacros, DomainMacrosUnderSelfWeightWrittenAndDeleted) {
    DataPath d;
    d.position("P1", gridtest::twoThicknesses());
    ui::ScriptedUi ui;
    auto e = d.editor("P1", ui);
    e->selfWeight(25, 1.5);
    ASSERT_TRUE(e->save(1, "Eigengewicht"));
    // one macro for the one boundary, the domain of its first section: 9 kN/m² on 16 m²
    const std::string sbd = d.bytes("P1", "SBD01.P1");
    ASSERT_EQ(sbd.size(), 84u);
    auto f = [&](std::size_t at) {
        return slab::getLE<float>(reinterpret_cast<const std::uint8_t*>(sbd.data()) + at);
    };
    EXPECT_EQ(f(12), 9.0f);
    EXPECT_EQ(f(16), 16.0f);
    EXPECT_EQ(f(36), 144.0f);
    EXPECT_EQ(d.bytes("P1", "MACRO01.P1").size(), 4 * 44u);
    EXPECT_EQ(d.bytes("P1", "DOMAINS.P1").size(), 2 * 56u);
    // the domains carry the self weight: no uniform value, each element its own γ·d + g
    EXPECT_EQ(e->loadCase().uniformValue, 0);
    EXPECT_EQ(e->loads().elementLoads[1].v[slab::ElementLoadRecord::kAreaLoad], 9.0f);
    EXPECT_EQ(e->loads().elementLoads[3].v[slab::ElementLoadRecord::kAreaLoad], 6.5f);
    EXPECT_NE(d.bytes("P1", "D2.TXT").find(" Bereich  1  d = 0.30 m  g =  9.00 kN/m2"),
              std::string::npos);
    // deleted without area loads, its macros go with it
    ASSERT_TRUE(e->deleteLoadCases({1}));
    EXPECT_FALSE(slab::fileExists(d.dir("P1") + "SBD01.P1"));
    EXPECT_FALSE(slab::fileExists(d.dir("P1") + "MACRO01.P1"));
}
