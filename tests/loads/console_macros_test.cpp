// The load editor's console commands for area, line, point and edge loads, temperature, the
// outline, the lists, the load document and the copy: scripted sessions and their messages.
#include "common/file_io.hpp"
#include "tests/loads/grid_meshes.hpp"
#include "tests/support/test_support.hpp"
#include "ui/daskel/daskel_console.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace {

// Position P1: the 10 m x 8 m slab with its 2 m x 1 m opening.
struct Position {
    testsupport::TempDir data;
    testsupport::TempDir work;
    Position() {
        std::filesystem::create_directories(dir());
        EXPECT_TRUE(gridtest::writeGridModel(gridtest::slabWithOpening(), dir()));
    }
    std::string dir() const { return data.str() + "SDIRFEMP1/"; }
    std::string run(const std::string& script) const {
        std::istringstream in(script);
        std::ostringstream out;
        ui::LineInput input(in);
        EXPECT_EQ(daskel::runConsole(".P1 @" + data.str(), work.str(), input, out), 0);
        return out.str();
    }
};

::testing::AssertionResult has(const std::string& out, const std::string& part) {
    if (out.find(part) != std::string::npos) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "\"" << part << "\" not in:\n" << out;
}

std::string repeated(const std::string& line, int times) {
    std::string s;
    for (int k = 0; k < times; ++k)
        s += line;
    return s;
}

} // namespace

TEST(DaskelConsoleLoads, BoundariesWithTheirSections) {
    Position p;
    const std::string out = p.run("raender\n");
    EXPECT_TRUE(has(out, "Rand 1 (Außenrand): 4 Abschnitte, Fläche 80,00 m2\n"
                         "  Abschnitt 1: von 0,00 0,00 nach 10,00 0,00, Länge 10,00 m\n"
                         "  Abschnitt 2: von 10,00 0,00 nach 10,00 8,00, Länge 8,00 m\n"
                         "  Abschnitt 3: von 10,00 8,00 nach 0,00 8,00, Länge 10,00 m\n"
                         "  Abschnitt 4: von 0,00 8,00 nach 0,00 0,00, Länge 8,00 m\n"
                         "Rand 2 (Öffnung 1): 4 Abschnitte, Fläche -2,00 m2\n"
                         "  Abschnitt 1: von 4,00 4,00 nach 4,00 5,00, Länge 1,00 m\n"
                         "  Abschnitt 2: von 4,00 5,00 nach 6,00 5,00, Länge 2,00 m\n"
                         "  Abschnitt 3: von 6,00 5,00 nach 6,00 4,00, Länge 1,00 m\n"
                         "  Abschnitt 4: von 6,00 4,00 nach 4,00 4,00, Länge 2,00 m\n"
                         "Bereich 1: d = 0,20 m, Fläche 78,00 m2\n"));
    // without a mesh there is nothing to list
    testsupport::TempDir empty;
    std::filesystem::create_directories(empty.str() + "SDIRFEMP1");
    std::istringstream in("raender\n");
    std::ostringstream o;
    ui::LineInput input(in);
    daskel::runConsole(".P1 @" + empty.str(), empty.str(), input, o);
    EXPECT_TRUE(has(o.str(), "Hinweis: Die Platte hat kein Netz und damit keine Ränder.\n"));
}

TEST(DaskelConsoleLoads, EnteredListedAndRemoved) {
    Position p;
    const std::string out = p.run("flaechenlast 0 0 1 4 0 2 4 3 3 0 3 2\n"
                                  "flaechenlast 5 0 2 7 0 2 7 2 2 konstant\n"
                                  "linienlast 1 7 9 7 anfang=2 ende=4 kommentar=Wand Achse A\n"
                                  "punktlast 8 6 groesse=50 b=0,3 kommentar=Stütze S1\n"
                                  "punktlast 1 1 groesse=3 art=moment nx=0,6 ny=0,8\n"
                                  "randlast 2 3 a=1 b=2 art=M\n"
                                  "temperatur dt=10 alpha=1e-5\n"
                                  "flaechenlast-loeschen 1\n"
                                  "punktlast-loeschen 1\n"
                                  "lasten\n");
    EXPECT_TRUE(has(out, "Teilflächenlast 1 eingegeben.\nTeilflächenlast 2 eingegeben.\n"));
    EXPECT_TRUE(has(out, "Linienlast 1 eingegeben.\n"));
    EXPECT_TRUE(has(out, "Punktlast 2 eingegeben.\n"));
    EXPECT_TRUE(has(out, "Randlast 1 eingegeben.\n"));
    EXPECT_TRUE(has(out, "Teilflächenlasten: 1\n"
                         "  1: 3 Ecken, konstant\n"
                         "     Ecke 1: x = 5,00  y = 0,00  p = 2,00 kN/m2\n"
                         "     Ecke 2: x = 7,00  y = 0,00  p = 2,00 kN/m2\n"
                         "     Ecke 3: x = 7,00  y = 2,00  p = 2,00 kN/m2\n"
                         "Linienlasten: 1\n"
                         "  1: von 1,00 7,00 nach 9,00 7,00, 2,00 bis 4,00 kN/m, Kräfte  (Wand "
                         "Achse A)\n"
                         "Punktlasten: 1\n"
                         "  1: x = 1,00  y = 1,00  Moment [kNm] 3,00  nx = 0,60  ny = 0,80  b = "
                         "0,00\n"
                         "Randlasten: 1\n"
                         "  1: Rand 2 Abschnitt 3, 1,00 bis 2,00 kNm/m, Momente\n"
                         "Temperatur: Delta T = 10,00  Alpha T = 1,000E-05\n"));
    EXPECT_TRUE(has(out, "Speichern ?: Sollen die Eingaben gespeichert werden?\n"));
}

TEST(DaskelConsoleLoads, BadInputIsRefusedWithItsReason) {
    Position p;
    const std::string out = p.run("flaechenlast 0 0 1 4 0\n"
                                  "flaechenlast 0 0 1 4 0 x 4 3 3\n"
                                  "flaechenlast 0 0 1 0 3 1 4 3 1\n"
                                  "flaechenlast 0 0 1 1 1 1 2 2 1\n"
                                  "flaechenlast 0 0 1 4 0 1\n"
                                  "linienlast 1 1 2 2 anfang=1\n"
                                  "linienlast 1 1 2 2 anfang=1 ende=1 wert=3\n"
                                  "linienlast 1 1 1 1 anfang=1 ende=1\n"
                                  "linienlast 1 1 2 2 anfang=1 ende=1 art=quer\n"
                                  "linienlast 1 1 2 2 anfang=1 ende=1 kommentar=" +
                                  std::string(61, 'x') +
                                  "\n"
                                  "punktlast 1 1 groesse=1 art=druck\n"
                                  "punktlast 1 1 groesse=1 b=-1\n"
                                  "punktlast 1 groesse=1\n"
                                  "randlast 3 1 a=1 b=1\n"
                                  "randlast 1 1 a=1 b=1 art=Q\n"
                                  "temperatur dt=zehn alpha=1\n"
                                  "randlast-loeschen 1\n"
                                  "punktlast-loeschen 0\n"
                                  "punktlast-loeschen x\n"
                                  "lasten\n");
    EXPECT_TRUE(has(out, "Fehlende Eingabe: Aufruf: flaechenlast X1 Y1 P1 X2 Y2 P2 X3 Y3 P3 ... "
                         "[konstant]\n"));
    EXPECT_TRUE(has(out, "Fehler: Ecke: \"x\" ist keine Zahl; nichts wurde geändert.\n"));
    EXPECT_TRUE(has(out, "Fehler: Die Ecken laufen im Uhrzeigersinn. Bitte gegen den "
                         "Uhrzeigersinn eingeben.\n"));
    EXPECT_TRUE(has(out, "Fehler: Die Ecken umschließen keine Fläche; nichts wurde geändert.\n"));
    EXPECT_TRUE(has(out, "Fehler: Eine Lastfläche hat 3 bis 80 Ecken, nicht 2.\n"));
    EXPECT_TRUE(has(out, "Fehlende Eingabe: Aufruf: linienlast XA YA XB YB anfang= ende= "
                         "[art=kraft|moment] [kommentar=]\n"));
    EXPECT_TRUE(has(out, "Fehler: Unbekanntes Feld \"wert\".\n"));
    EXPECT_TRUE(has(
        out, "Fehler: Anfang und Ende der Linienlast fallen zusammen; nichts wurde geändert.\n"));
    EXPECT_TRUE(has(out, "Fehler: Der Kommentar ist zu lang: höchstens 60 Zeichen (Umlaute "
                         "zählen doppelt).\n"));
    EXPECT_TRUE(has(out, "Fehlende Eingabe: Aufruf: punktlast X Y groesse= "
                         "[art=kraft|moment|knick|verdrehung|sprung] [nx= ny= b=] [kommentar=]\n"));
    EXPECT_TRUE(has(out, "Fehler: Die Breite b darf nicht negativ sein.\n"));
    EXPECT_TRUE(has(out, "Fehler: Die Platte hat keinen Rand 3, nur die Ränder 1 bis 2 (Befehl "
                         "raender).\n"));
    EXPECT_TRUE(has(out, "Fehlende Eingabe: Aufruf: randlast RAND ABSCHNITT a= b= [art=V|M] "
                         "[kommentar=]\n"));
    EXPECT_TRUE(has(out, "Fehler: dt: \"zehn\" ist keine Zahl; nichts wurde geändert.\n"));
    EXPECT_TRUE(has(out, "Fehler: Es gibt keine Randlasten.\n"));
    EXPECT_TRUE(has(out, "Fehler: Es gibt keine Punktlasten.\n"));
    EXPECT_TRUE(has(out, "Fehlende Eingabe: Aufruf: punktlast-loeschen N\n"));
    EXPECT_TRUE(has(out, "Teilflächenlasten: 0\nLinienlasten: 0\nPunktlasten: 0\nRandlasten: 0\n"));
    // nothing was entered, so nothing is left unsaved
    EXPECT_EQ(out.find("Sollen die Eingaben gespeichert werden?"), std::string::npos);
}

TEST(DaskelConsoleLoads, TablesAreNotFilledBeyondTheirCapacities) {
    Position p;
    const std::string out =
        p.run(repeated("flaechenlast 0 0 1 1 0 1 1 1 1\n", 37) +
              repeated("linienlast 0 0 1 0 anfang=1 ende=1\n", 61) +
              repeated("punktlast 1 1 groesse=1\n", 65) + repeated("randlast 1 1 a=1 b=1\n", 81) +
              "punktlast-loeschen 64\npunktlast 1 1 groesse=2\nlasten\n");
    EXPECT_TRUE(has(out, "Fehler: Es sind höchstens 36 Teilflächenlasten möglich. Bitte erst eine "
                         "löschen.\n"));
    EXPECT_TRUE(has(out, "Fehler: Es sind höchstens 60 Linienlasten möglich. Bitte erst eine "
                         "löschen.\n"));
    EXPECT_TRUE(
        has(out, "Fehler: Es sind höchstens 64 Punktlasten möglich. Bitte erst eine löschen.\n"));
    EXPECT_TRUE(
        has(out, "Fehler: Es sind höchstens 80 Randlasten möglich. Bitte erst eine löschen.\n"));
    EXPECT_TRUE(has(out, "Teilflächenlasten: 36\n"));
    EXPECT_TRUE(has(out, "Linienlasten: 60\n"));
    EXPECT_TRUE(has(out, "Punktlasten: 64\n"));
    EXPECT_TRUE(has(out, "Randlasten: 80\n"));
    EXPECT_TRUE(has(out, "Punktlast 64 eingegeben.\n"));
    EXPECT_TRUE(has(out, "  64: x = 1,00  y = 1,00  Einzelkraft [kN] 2,00"));
}

TEST(DaskelConsoleLoads, TheLoadDocumentShownAndACopyMade) {
    Position p;
    std::string out = p.run("dokument\n");
    EXPECT_TRUE(has(out, "Fehlende Eingabe: Es wurde noch kein Lastfall gespeichert. Die Datei " +
                             p.dir() + "D2.TXT fehlt.\n"));
    out = p.run("punktlast 1 1 groesse=5\nspeichern nr=1 titel=Erster\ndokument\n"
                "neu\nkopieren lf=1\nkopieren lf=1 addieren\nkopieren position=P9 lf=1\n"
                "kopieren lf=x\nkopieren lf=1 ersetzen\nlasten\nspeichern nr=2 titel=Zweiter\n");
    EXPECT_TRUE(has(out, " Lastfall 1 : Erster\n"));
    EXPECT_TRUE(has(out, "Hinweis: LF 1 der Position P1 übernommen: 0 Teilflächenlasten, 0 "
                         "Linienlasten, 1 Punktlasten, 0 Randlasten."));
    EXPECT_TRUE(has(out, "Hinweis: LF 1 der Position P1 addiert: "));
    EXPECT_TRUE(has(out, "Lastfall nicht vorhanden!: Der File " + p.data.str() +
                             "SDIRFEMP9/PL01.P9 fehlt\n"));
    EXPECT_TRUE(has(out, "Fehlende Eingabe: Aufruf: kopieren position= lf= [pfad=] [addieren]\n"));
    EXPECT_TRUE(has(out, "Punktlasten: 2\n"));
    // the copy took the title of LF 1 until the save gave its own
    const std::string d2 = slab::readFileText(p.dir() + "D2.TXT").value();
    EXPECT_TRUE(has(d2, " Lastfall 2 : Zweiter\n"));
    EXPECT_TRUE(has(d2, " Lastfall 1 : Erster\n"));
}

TEST(DaskelConsoleLoads, AConstantAreaStaysConstantThroughItsLoadEcho) {
    Position p;
    p.run("flaechenlast 0 0 1 2 0 3 2 2 5 konstant\nflaechenlast 5 0 1 7 0 3 7 2 5\n"
          "speichern nr=1 titel=Flächen\n");
    const std::string echo = slab::readFileText(p.dir() + "ECHO_L.P1").value();
    EXPECT_TRUE(has(echo, "1\n   3.000\n3 0 1\n")); // the mean of 1, 3 and 5, marked constant
    EXPECT_TRUE(has(echo, "2\n  -4.000\n3\n"));     // the plane x + y - 4 through 1, 3, 5
    const std::string out = p.run("lasten\n");
    EXPECT_TRUE(has(out, "  1: 3 Ecken, konstant\n"));
    EXPECT_TRUE(has(out, "  2: 3 Ecken, linear\n"));
}
