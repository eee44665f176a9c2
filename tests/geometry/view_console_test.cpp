// The view commands of the console: the visible window through zoom and zoom out, the display
// and print switches and the font kept in MORVELMEM5 across starts, "Öffnen" of another
// position, and the drawing commands of a build without pictures.
#include "common/file_io.hpp"
#include "geometry/settings.hpp"
#include "tests/support/test_support.hpp"
#include "ui/morvel/morvel_console.hpp"
#include "ui/morvel/morvel_view.hpp"
#include "ui/console/scripted_ui.hpp"

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct Position {
    testsupport::TempDir data, work;
    std::string commandLine(const std::string& name = "P1") const {
        return "." + name + " @" + data.str();
    }
    std::string run(const std::string& script, const std::string& name = "P1") const {
        std::istringstream in(script);
        std::ostringstream out;
        ui::LineInput input(in);
        morvel::runConsole(commandLine(name), work.str(), input, out);
        return out.str();
    }
};

bool contains(const std::string& s, const std::string& part) {
    return s.find(part) != std::string::npos;
}

} // namespace

TEST(ViewConsole, ZoomAndZoomOutSetTheVisibleWindow) {
    Position p;
    const std::string out = p.run("geometrie nx=10 ny=5 dx=1 dy=1\n"
                                  "ansicht\n"
                                  "verkleinern\n"
                                  "zoom 4 3 2 1\n"
                                  "zoom 1 1 1 3\n"
                                  "ansicht\n"
                                  "anpassen\n"
                                  "ansicht\n"
                                  "zoom 1 2\n");
    EXPECT_TRUE(contains(out, "Fenster: 0.00 0.00 10.00 5.00\n"
                              "Fenster: -5.00 -2.50 15.00 7.50\n"
                              "Fenster: 2.00 1.00 4.00 3.00\n"))
        << out;
    // A window without width is refused as DefineWorld refuses it; the former one stays.
    EXPECT_TRUE(contains(out, "Bereichs-Fehler in DefineWorld: x1 = 1.00 y1 = 1.00 x2 = 1.00 "
                              "y2 = 3.00\nFenster: 2.00 1.00 4.00 3.00\n"))
        << out;
    EXPECT_TRUE(contains(out, "Grundriß: 0.00 0.00 bis 10.00 5.00\nFenster: 0.00 0.00 10.00 "
                              "5.00\n"));
    EXPECT_TRUE(contains(out, "Fehlende Eingabe: Aufruf: zoom X1 Y1 X2 Y2\n"));
}

TEST(ViewConsole, SwitchesAndFontAreKeptInTheMemoryFile) {
    Position p;
    std::string out = p.run("knotennummern\nelementnummern\nfarbig\nhochquer\nrahmen\n"
                            "schrift 12,5\nschrift 0\nschrift x\n");
    EXPECT_TRUE(contains(out, "Numerierung der Knoten: an\nNumerierung der Elemente: an\n"
                              "Platte farbig anlegen: an\n"
                              "Automatische Wahl von Hoch- u. Querformat beim Drucken: an\n"
                              // the frame is on without a memory file, so it goes off
                              "Rahmen um Zeichnung beim Drucken: aus\n"
                              "Font: Größe 12,50\n"
                              "Font: Die Größe muss zwischen 4 und 72 liegen.\n"
                              "Fehlende Eingabe: Aufruf: schrift GROESSE\n"))
        << out;
    const auto memory = morvel::decodeMemory(
        slab::readFileBytes(p.work.str() + "MORVELMEM5").value_or(std::vector<std::uint8_t>{}));
    EXPECT_EQ(memory.nodeNumbers, morvel::Switch::On);
    EXPECT_EQ(memory.printFrame, morvel::Switch::Off);
    EXPECT_EQ(memory.fontSize, 12.5f);
    // The next start shows them as left; toggling again turns them off.
    out = p.run("knotennummern\nrahmen\n");
    EXPECT_TRUE(contains(out, "Numerierung der Knoten: aus\nRahmen um Zeichnung beim Drucken: an\n"))
        << out;
}

TEST(ViewConsole, OpenStartsOnAnotherPositionOrSaysWhyNot) {
    Position p;
    p.run("geometrie nx=2 ny=2 dx=1 dy=1\nspeichern\n", "P2");
    const std::string out = p.run("oeffnen " + p.data.str() + "\n"
                                  "oeffnen " + p.data.str() + "SDIRFEMP2/\n"
                                  "oeffnen " + p.data.str() + "SDIRFEMFEHLT\n"
                                  "zeichnung plan.png\n"
                                  "drucken plan.pdf\n"
                                  "zeichnung plan.png breite=x\n");
    EXPECT_TRUE(contains(out, "Öffnen: Kein Verzeichnis mit einer Position!\n")) << out;
    EXPECT_TRUE(contains(out, "Position P2: 9 Knoten, 4 Elemente\n")) << out;
    // A position directory without a geometry file starts as a new position.
    EXPECT_TRUE(contains(out, "Position FEHLT: 0 Knoten, 0 Elemente\n")) << out;
    EXPECT_TRUE(contains(out, "Hinweis: Zeichnungen schreibt nur ein Programm mit Fenstern "
                              "(gebaut mit SLAB_GUI).\n"))
        << out;
    EXPECT_TRUE(contains(out, "Fehlende Eingabe: Aufruf: zeichnung DATEI [breite= hoehe=]\n"));
}

TEST(ViewState, StatusTexts) {
    EXPECT_EQ(morvel::MorvelView::cursorText({1.234, -0.5}), "1.23  -0.50");
    ui::ScriptedUi ui;
    morvel::Editor editor(ui);
    morvel::MorvelView view(editor, ui);
    // Without settings files: snapping on with 5 cm, tolerance 5 cm.
    EXPECT_EQ(view.snapText(), "Fangradius = 5 cm  Tol = 5 cm");
    EXPECT_EQ(view.windowText(), "Fenster: 0.00 0.00 10.00 10.00");

    // Snapping off and a tolerance below 1 cm, shown with one decimal.
    Position p;
    morvel::SnapSettings off;
    off.snapping = morvel::Snapping::Off;
    ASSERT_TRUE(slab::writeFileAtomic(p.work.str() + "FANGEN", morvel::encodeSnap(off)));
    ASSERT_TRUE(slab::writeFileAtomic(p.work.str() + "FMARGIN", std::string("0.005\n")));
    morvel::Editor started(ui);
    morvel::MorvelView shown(started, ui);
    ASSERT_TRUE(started.start(p.commandLine(), p.work.str()));
    EXPECT_EQ(shown.snapText(), "Fangen Aus  Tol = 0.5 cm");
    ASSERT_TRUE(slab::writeFileAtomic(p.work.str() + "FMARGIN", std::string("0.0099\n")));
    ASSERT_TRUE(started.start(p.commandLine(), p.work.str()));
    EXPECT_EQ(shown.snapText(), "Fangen Aus  Tol = 1.0 cm");
}
