// The load editor's console: scripted sessions from the command line to the files they write.
#include "common/binary_io.hpp"
#include "common/file_io.hpp"
#include "solver/example_slab.hpp"
#include "tests/loads/load_fixtures.hpp"
#include "tests/support/action_table_checks.hpp"
#include "tests/support/golden.hpp"
#include "ui/daskel/daskel_actions.hpp"
#include "ui/daskel/daskel_console.hpp"

#include <filesystem>
#include <memory>
#include <set>
#include <sstream>

namespace {

struct Session {
    int status = 0;
    std::string out;
};

// A position P1 holding the 3 x 2 m example slab of 3 x 2 elements (12 nodes).
struct Position : loadtest::PositionDirs {
    Position() : PositionDirs(3, 2) {}
    std::string commandLine() const { return ".P1 @" + data.str(); }
    Session run(const std::string& script) const {
        std::istringstream in(script);
        std::ostringstream out;
        ui::LineInput input(in);
        Session s;
        s.status = daskel::runConsole(commandLine(), work.str(), input, out);
        s.out = out.str();
        return s;
    }
    double nodalLoad(int loadCase, int node, int field) const {
        auto b = slab::readFileBytes(dir() + "KNOTEN2LF" + std::to_string(loadCase)).value();
        return slab::getLE<double>(b.data() + (node - 1) * 120 + field * 8);
    }
};

bool contains(const std::string& s, const std::string& part) {
    return s.find(part) != std::string::npos;
}

} // namespace

TEST(DaskelConsole, EnterSaveAndReopen) {
    Position p;
    Session r = p.run("hilfe\n"
                      "gleichlast gamma=25 g=1,5\n"
                      "knotenlast 6 p=12,5 w=0,001\n"
                      "kantenlast 2 3 4\n"
                      "speichern nr=1 titel=Eigengewicht und Belag\n"
                      "zeige\n"
                      "beenden\n");
    EXPECT_EQ(r.status, 0);
    for (const char* command :
         {"neu", "oeffnen", "speichern", "loeschen", "import", "gleichlast", "elementlast",
          "kantenlast", "knotenlast", "lasten-loeschen", "einfluss-knoten", "einfluss-element",
          "einfluss-schnitt", "beenden", "hilfe"})
        EXPECT_TRUE(contains(r.out, std::string("\n  ") + command + " ")) << command;
    EXPECT_TRUE(contains(r.out, "Position P1: 12 Knoten, 6 Elemente\n")) << r.out;
    EXPECT_TRUE(contains(r.out, "Gleichlast: 6,50 kN/m2\n"));
    EXPECT_TRUE(contains(r.out, "LF 1 gespeichert.\n"));
    EXPECT_TRUE(contains(r.out, "Titel: Eigengewicht und Belag\n"));
    EXPECT_TRUE(contains(r.out, "Lastfälle: 1\n"));
    EXPECT_EQ(p.nodalLoad(1, 6, 6), 12.5);
    EXPECT_EQ(p.nodalLoad(1, 6, 1), static_cast<double>(0.001f)); // cells are single precision

    // the next start opens LF 1; the tables show values with a decimal comma
    r = p.run("knotenlasten\nelementlasten\n");
    EXPECT_TRUE(contains(r.out, "Status: Position P1  LF 1\n"));
    EXPECT_TRUE(contains(r.out, "     6     0,00     0,00     0,00     0,00    12,50     0,00"))
        << r.out;
    EXPECT_TRUE(
        contains(r.out, "       2       6,50       0,00       0,00       4,00       0,00\n"));
}

TEST(DaskelConsole, BadInputChangesNothing) {
    Position p;
    Session r = p.run("speichern nr=1 titel=leer\n"
                      "knotenlast 6 p=abc\n"
                      "knotenlast 6 q=1\n"
                      "elementlast 7 1\n"
                      "kantenlast 1 5 1\n"
                      "speichern nr=100 titel=x\n"
                      "oeffnen x\n"
                      "einfluss-knoten 3 groesse=mzz\n"
                      "einfluss-schnitt groesse=mxx art=teil von=1 bis=6 s=0\n"
                      "loeschen 8\n"
                      "elementlast 1 1e39\n"
                      "gleichlast gamma=3e38 g=3e38\n");
    EXPECT_TRUE(contains(r.out, "Fehler: p: \"abc\" ist keine Zahl; nichts wurde geändert.\n"));
    EXPECT_TRUE(contains(r.out, "Fehler: Elementlast: \"1e39\" ist zu groß für die Lastdateien "
                                "(höchstens 3,4E+38); nichts wurde geändert.\n"));
    EXPECT_TRUE(contains(r.out, "Fehler: Eigengewicht und Verkehrslast ergeben eine Flächenlast "
                                "über 3,4E+38 kN/m², die nicht in die Lastdatei paßt; nichts "
                                "wurde geändert.\n"));
    EXPECT_FALSE(contains(r.out, "Gleichlast:")) << r.out;
    EXPECT_TRUE(contains(r.out, "Fehler: Unbekanntes Feld \"q\".\n"));
    EXPECT_TRUE(
        contains(r.out, "Fehler: Element 7 gibt es nicht; die Platte hat die Elemente 1 bis 6.\n"));
    EXPECT_TRUE(contains(r.out, "Fehler: Kante muß zwischen 1 und 4 liegen!\n"));
    EXPECT_TRUE(contains(r.out, "Fehler: Die Lastfallnummer muß zwischen 1 und 99 liegen.\n"));
    EXPECT_TRUE(contains(r.out, "Fehlende Eingabe: Aufruf: oeffnen N\n"));
    EXPECT_TRUE(contains(r.out, "Fehlende Eingabe: groesse= muß eine der Größen "
                                "mxx|myy|mxy|qx|qy|w|w,x|w,y|w,xy|vx|vy sein.\n"));
    EXPECT_TRUE(contains(r.out, "Fehler: Gewählte Elemente liegen nicht in einem Schnitt!\n"))
        << r.out;
    EXPECT_TRUE(contains(r.out, "Fehler: Der LF 8 ist nicht definiert.\n"));
    for (int n = 1; n <= 12; ++n)
        for (int f = 0; f < 15; ++f)
            EXPECT_EQ(p.nodalLoad(1, n, f), 0.0);
    EXPECT_FALSE(slab::fileExists(p.dir() + "PL0100.P1"));
}

TEST(DaskelConsole, InfluenceOfTheDeflectionAtANode) {
    Position p;
    // node 6 is inside the mesh: the mean of four vectors, each a unit force at the node
    Session r = p.run("knotenlast 1 p=5\n"
                      "einfluss-knoten 6 groesse=w\n"
                      "j\n"
                      "speichern nr=2 titel=Einflussfläche w Knoten 6\n");
    EXPECT_TRUE(contains(r.out, "Achtung: Achtung!  Alle vorhandenen Lasten werden gelöscht!\n"));
    for (int n = 1; n <= 12; ++n) {
        EXPECT_NEAR(p.nodalLoad(2, n, 6), n == 6 ? 1.0 : 0.0, 1e-15) << n;
        for (int f : {7, 8, 9})
            EXPECT_NEAR(p.nodalLoad(2, n, f), 0.0, 1e-15);
    }
    // cancelled: the loads stay
    r = p.run("einfluss-element 1 groesse=mxx\na\n");
    EXPECT_NEAR(p.nodalLoad(2, 6, 6), 1.0, 1e-15);
}

TEST(DaskelConsole, UnsavedChangesAtTheEndOfInput) {
    Position p;
    Session r = p.run("gleichlast gamma=25 g=0\n");
    EXPECT_TRUE(contains(r.out, "Speichern ?: Sollen die Eingaben gespeichert werden?\n"));
    EXPECT_TRUE(contains(r.out, "Die Eingaben wurden nicht gespeichert.\n"));
    EXPECT_FALSE(slab::fileExists(p.dir() + "DIARY.P1"));

    // answered yes, a new load case asks for its number
    r = p.run("gleichlast gamma=25 g=0\nbeenden\nj\n4\n");
    EXPECT_TRUE(slab::fileExists(p.dir() + "PL04.P1"));
}

TEST(DaskelConsole, MissingCommandLine) {
    testsupport::TempDir work;
    std::istringstream in("");
    std::ostringstream out;
    ui::LineInput input(in);
    EXPECT_EQ(daskel::runConsole("", work.str(), input, out), 1);
    EXPECT_EQ(out.str(), "Fehlende Eingabe: Kommandozeile: .POS @Datenpfad\\ \n");
}

// Clicks in world coordinates on the 1 m mesh: elements 1 to 3 in the lower row, nodes 1 to 4
// along y = 0, 5 to 8 along y = 1.
TEST(DaskelConsole, ClicksOnElementsEdgesAndNodes) {
    Position p;
    Session r = p.run("speichern nr=1 titel=Klicks\n"
                      "klick-element 1,5 0,5 3\n"
                      "klick-element 2,5 1,5\n"
                      "klick-element 9 9\n"
                      "klick-kante 1,5 0,1 4\n"
                      "klick-kante 1,5 0,9\n"
                      "klick-knoten 1,1 0,9 p=5\n"
                      "klick-knoten 0,5 0,5\n"
                      "klick-element 1,5 0,5 loeschen\n");
    EXPECT_TRUE(contains(r.out, "Element 2: Elementlast 3,00 kN/m2\n")) << r.out;
    EXPECT_TRUE(contains(r.out, "Element 6: Elementlast 3,00 kN/m2\n")); // the preset
    EXPECT_TRUE(contains(r.out, "Hinweis: Kein Element bei x = 9,00, y = 9,00.\n"));
    EXPECT_TRUE(contains(r.out, "Element 2 Kante 1: Kräfte 4,00 kN/m\n"));
    EXPECT_TRUE(contains(r.out, "Element 2 Kante 3: Kräfte 4,00 kN/m\n"));
    EXPECT_TRUE(contains(r.out, "Knoten-Nr. 6  x-Koordinate 1,00  y-Koordinate 1,00\n"));
    EXPECT_TRUE(contains(r.out, "w 0,00  w,x 0,00  w,y 0,00  w,xy 0,00  P 5,00  Mx 0,00"));
    EXPECT_TRUE(contains(r.out, "Hinweis: Kein Knoten bei x = 0,50, y = 0,50.\n"));
    EXPECT_TRUE(contains(r.out, "Element 2: Elementlast 0,00 kN/m2\n"));
    auto elements = slab::readFileBytes(p.dir() + "ELEMENTE2LF1").value();
    auto loadOf = [&](int e, int field) {
        return slab::getLE<float>(elements.data() + (e - 1) * 92 + field * 4);
    };
    EXPECT_EQ(loadOf(2, 0), 0.0f);
    EXPECT_EQ(loadOf(6, 0), 3.0f);
    EXPECT_EQ(loadOf(2, 2), 4.0f);
    EXPECT_EQ(loadOf(2, 4), 4.0f);
    EXPECT_EQ(p.nodalLoad(1, 6, 6), 5.0);

    // "Alle löschen" of the edge table leaves the element loads
    p.run("tabelle-loeschen kantenlasten\n");
    elements = slab::readFileBytes(p.dir() + "ELEMENTE2LF1").value();
    EXPECT_EQ(loadOf(2, 2), 0.0f);
    EXPECT_EQ(loadOf(6, 0), 3.0f);
}

// ---------------------------------------------------------------------------------------------
// The action table

TEST(DaskelActions, TableHasEveryActionOnce) {
    // 38 commands of the first half, 12 for the area, line, point and edge loads, the outline
    // and the load document, 11 for the load plan's picture, zoom, the tables of the loads of
    // the second half and their drawing modes
    testsupport::expectWellFormedTable(daskel::actions(), 61);
}

// The console's commands, arguments and help lines as they have always been, with the commands
// of the area, line, point and edge loads, the copy and the load document added among them, and
// those of the load plan (picture, print, switches, zoom, the steps through the list).
TEST(DaskelActions, HelpListsTheConsoleCommandsAsBefore) {
    EXPECT_TRUE(testsupport::matchesFixture("daskel_hilfe",
                                            ui::helpText(ui::consoleCommands(daskel::actions()))));
    Position p;
    Session r = p.run("hilfe\n");
    EXPECT_TRUE(contains(r.out, testsupport::fixtureBytes("daskel_hilfe"))) << r.out;
}

TEST(DaskelActions, ToolBarInItsOrderWithTheModePrompts) {
    using daskel::Action;
    std::vector<Action> bar;
    for (const auto& entry : daskel::actions())
        if (entry.toolBar != ui::ToolBar::None) bar.push_back(entry.action);
    EXPECT_EQ(bar, (std::vector<Action>{Action::New, Action::Open, Action::Save, Action::Copy,
                                        Action::PrintPreview, Action::Print, Action::ElementMode,
                                        Action::EdgeMode, Action::NodeMode}));
    auto entry = [](Action a) { return *ui::findAction(daskel::actions(), a); };
    EXPECT_EQ(entry(Action::ElementMode).tooltip, "Elementlasten: Auf Element klicken");
    EXPECT_EQ(entry(Action::EdgeMode).tooltip,
              "Linienlasten: Linke Maustaste - Rechte Taste = Kontextmenü");
    EXPECT_EQ(entry(Action::NodeMode).tooltip, "Knotenlasten: Auf Knoten klicken");
    EXPECT_EQ(entry(Action::Copy).tooltip, "Kopiert einen LF aus einer anderen Position.");
    for (Action mode : {Action::ElementMode, Action::EdgeMode, Action::NodeMode}) {
        EXPECT_TRUE(entry(mode).checkable);
        EXPECT_TRUE(entry(mode).command.empty());
    }
}

TEST(DaskelActions, ShortcutsAndMenuEntries) {
    using daskel::Action;
    auto entry = [](Action a) { return *ui::findAction(daskel::actions(), a); };
    const std::pair<Action, std::string_view> keys[] = {
        {Action::New, "Ctrl+N"},      {Action::Open, "Ctrl+O"},
        {Action::Save, "Ctrl+S"},     {Action::Copy, "Ctrl+C"},
        {Action::Print, "Ctrl+P"},    {Action::ClearLoads, "Ctrl+L"},
        {Action::NextLoadCase, "Up"}, {Action::PreviousLoadCase, "Down"}};
    std::set<std::string_view> used;
    for (const auto& s : daskel::actions())
        if (!s.shortcut.empty()) {
            EXPECT_TRUE(used.insert(s.shortcut).second) << s.shortcut;
        }
    EXPECT_EQ(used.size(), std::size(keys));
    for (auto [action, key] : keys)
        EXPECT_EQ(entry(action).shortcut, key);
    EXPECT_EQ(entry(Action::Open).text, "Ö&ffnen...");
    EXPECT_EQ(entry(Action::End).menu, "Lastfall");
    EXPECT_EQ(entry(Action::InfluenceAtNode).menu, "Ein&flussfunktionen/&Punktwerte");
    EXPECT_EQ(entry(Action::InfluenceSectionY).text, "Schnitt in y-Richtung");
    EXPECT_EQ(entry(Action::ClearLoads).command, "lasten-loeschen");
    EXPECT_EQ(ui::findCommand(daskel::actions(), "einfluss-schnitt")->action,
              Action::InfluenceSection);
}

// On a terminal the fields left out of a dialog command are asked for with their current
// values; an empty answer keeps the value, and a new load case then still has no number.
TEST(DaskelConsole, DialogFieldsAskedOnATerminal) {
    Position p;
    std::istringstream in("gleichlast\n24\n\n"
                          "speichern\n\n"
                          "speichern\n3\nNeuer Titel\n"
                          "speichern\n\n\n"
                          "zeige\n");
    std::ostringstream out;
    ui::LineInput input(in, true);
    EXPECT_EQ(daskel::runConsole(p.commandLine(), p.work.str(), input, out), 0);
    const std::string s = out.str();
    EXPECT_TRUE(contains(s, "Eigengewicht   [kN/m³] [25,00]: Verkehrslast  [kN/m²] [1,50]: "
                            "Gleichlast: "))
        << s;
    EXPECT_TRUE(contains(s, "Speichern als Lastfall Nummer [1]: Fehlende Eingabe: Aufruf: "
                            "speichern nr=N titel=TEXT\n"));
    EXPECT_TRUE(contains(s, "Speichern als Lastfall Nummer [1]: Titel []: "));
    EXPECT_TRUE(contains(s, "Speichern als Lastfall Nummer [3]: Titel [Neuer Titel]: "));
    EXPECT_EQ(s.find("LF 1 gespeichert."), std::string::npos);
    EXPECT_TRUE(contains(s, "Titel [Neuer Titel]: Status: Position P1  LF 3\nLF 3 gespeichert.\n"))
        << s;
    EXPECT_TRUE(contains(s, "Titel: Neuer Titel\n"));
    auto memory = slab::readFileBytes(p.work.str() + "MMRYL.P1").value();
    EXPECT_EQ(slab::getLE<float>(memory.data() + 48), 24.0f);
    EXPECT_EQ(slab::getLE<float>(memory.data() + 52), 1.5f);
}

// Titles count characters: 80 umlauts fit the record's 80 Windows-1252 bytes, 81 characters or
// a character the code page lacks are refused with a message and save nothing.
TEST(DaskelConsole, TitlesAreCheckedByCharactersAgainstTheirRecord) {
    Position p;
    std::string eighty;
    for (int i = 0; i < 80; ++i)
        eighty += "Ä";
    Session r = p.run("speichern nr=2 titel=" + eighty +
                      "x\n"
                      "titel Ω-Last\n"
                      "speichern nr=1 titel=" +
                      eighty + "\n");
    const std::string refused =
        "Fehler: Titel: Der Text hat 81 Zeichen; höchstens 80 passen. Bitte kürzen oder ändern.\n";
    EXPECT_TRUE(contains(r.out, refused)) << r.out;
    EXPECT_TRUE(contains(r.out, "Fehler: Titel: Der Text enthält ein Zeichen, das nicht "
                                "gespeichert werden kann"));
    EXPECT_FALSE(slab::fileExists(p.dir() + "PL02.P1"));
    auto pl = slab::readFileBytes(p.dir() + "PL01.P1").value();
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(pl.data() + 210)), std::string(80, '\xC4'));
    r = p.run("zeige\n");
    EXPECT_TRUE(contains(r.out, "Titel: " + eighty + "\n")) << r.out;

    // the load echo's code page 850 lacks the dashes and typographic quotes of Windows-1252
    r = p.run("titel Feld 1 – 3\n"
              "linienlast 0 1 3 1 anfang=1 ende=1 kommentar=„Wand“\n"
              "lasten\n");
    const std::string cp850 = "ein Zeichen, das die Lastdatei (Codepage 850) nicht aufnehmen kann.";
    EXPECT_TRUE(contains(r.out, "Fehler: Titel: Der Text enthält " + cp850)) << r.out;
    EXPECT_TRUE(contains(r.out, "Der Kommentar enthält " + cp850)) << r.out;
    EXPECT_FALSE(contains(r.out, "Linienlast 1 eingegeben.")) << r.out;
}
