// The geometry editor's action table: well formed, every console command with its arguments and
// help line in the order "hilfe" lists them, and the window's menus, shortcuts and tool bars.
#include "tests/support/action_table_checks.hpp"
#include "ui/console/command_loop.hpp"
#include "ui/morvel/morvel_actions.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

using morvel::Action;

namespace {

using Entry = ui::ActionEntry<Action>;

const Entry& entry(Action a) {
    const Entry* s = ui::findAction(morvel::actions(), a);
    EXPECT_NE(s, nullptr);
    static const Entry none{};
    return s ? *s : none;
}

std::set<Action> onToolBar(ui::ToolBar bar) {
    std::set<Action> found;
    for (const auto& s : morvel::actions())
        if (s.toolBar == bar) found.insert(s.action);
    return found;
}

} // namespace

TEST(MorvelActions, TableIsWellFormed) {
    testsupport::expectWellFormedTable(morvel::actions(), 44);
}

TEST(MorvelActions, EveryConsoleCommandKeepsItsArguments) {
    const std::vector<std::pair<std::string, std::string>> commands = {
        {"geometrie", "nx= ny= dx= dy= e= nu= d="},
        {"lager", "art= senk= dreh="},
        {"kante", "X Y"},
        {"rand", ""},
        {"ende", ""},
        {"einzeln", ""},
        {"mehrere", ""},
        {"klick", "X Y"},
        {"fenster", "X1 Y1 X2 Y2"},
        {"anpassen", ""},
        {"verkleinern", ""},
        {"zoom", "X1 Y1 X2 Y2"},
        {"ansicht", ""},
        {"farbig", ""},
        {"knotennummern", ""},
        {"elementnummern", ""},
        {"schrift", "GROESSE"},
        {"knoten", ""},
        {"elemente", ""},
        {"federn", ""},
        {"bettung", ""},
        {"zeile", "N WERT..."},
        {"leer", "N"},
        {"f5", "N SPALTE"},
        {"liste", ""},
        {"ok", ""},
        {"abbrechen", ""},
        {"lager-loeschen", ""},
        {"federn-loeschen", ""},
        {"alle-loeschen", ""},
        {"oeffnen", "DIR"},
        {"speichern", ""},
        {"speichern-unter", "NAME"},
        {"neu", ""},
        {"drucken", "DATEI.pdf"},
        {"hochquer", ""},
        {"rahmen", ""},
        {"zeichnung", "DATEI [breite= hoehe=]"},
        {"d1", ""},
        {"beenden", ""},
    };
    std::vector<std::pair<std::string, std::string>> listed;
    for (const auto& c : ui::consoleCommands(morvel::actions()))
        listed.emplace_back(std::string(c.word), std::string(c.arguments));
    EXPECT_EQ(listed, commands);
}

TEST(MorvelActions, HelpListsTheCommandsAsBefore) {
    const auto commands = ui::consoleCommands(morvel::actions());
    EXPECT_EQ(
        ui::helpText(commands),
        "Befehle:\n"
        "  geometrie nx= ny= dx= dy= e= nu= d= Eingabe der Geometrie (OK), generiert das Netz\n"
        "  lager art= senk= dreh=            Lager setzen "
        "(art=eingespannt|gelenkig|frei|senkfeder|drehfeder|beide), dann kante/rand/ende\n"
        "  kante X Y                         Klick auf einen Elementrand (Lager setzen)\n"
        "  rand                              Ganzer Rand (Lager setzen)\n"
        "  ende                              Ende (verlässt Lager setzen)\n"
        "  einzeln                           Öffnungen (Elemente einzeln löschen), an/aus; "
        "speichert beim Einschalten\n"
        "  mehrere                           Öffnungen (mehrere Elemente löschen), an/aus; "
        "speichert beim Einschalten\n"
        "  klick X Y                         löscht das Element unter dem Punkt (einzeln)\n"
        "  fenster X1 Y1 X2 Y2               löscht alle Elemente ganz im Fenster (mehrere)\n"
        "  anpassen                          Grundriß anpassen\n"
        "  verkleinern                       Verkleinern: die Zeichnung wächst um ihre Mitte\n"
        "  zoom X1 Y1 X2 Y2                  Zoom: das Fenster wird die sichtbare Zeichnung\n"
        "  ansicht                           zeigt das sichtbare Fenster der Zeichnung (x1 y1 x2 "
        "y2)\n"
        "  farbig                            Platte farbig anlegen, an/aus\n"
        "  knotennummern                     Numerierung der Knoten, an/aus\n"
        "  elementnummern                    Numerierung der Elemente, an/aus\n"
        "  schrift GROESSE                   Font: Größe der Schrift in der Zeichnung (Punkte)\n"
        "  knoten                            Tabelle Knoten (Lagerbedingungen); schreibt zuerst "
        "das Modell\n"
        "  elemente                          Tabelle Elemente\n"
        "  federn                            Tabelle Federsteifigkeiten; schreibt zuerst das "
        "Modell\n"
        "  bettung                           Tabelle Elastische Bettung\n"
        "  zeile N WERT...                   setzt Zeile N der offenen Tabelle (\"-\" = leeres "
        "Feld, N+1 = neue Zeile)\n"
        "  leer N                            leert Zeile N (sie wird bei OK übergangen)\n"
        "  f5 N SPALTE                       kopiert den Text der Zelle nach unten\n"
        "  liste                             zeigt die offene Tabelle\n"
        "  ok                                OK der offenen Tabelle: übernimmt sie und schreibt "
        "das Modell\n"
        "  abbrechen                         schließt die offene Tabelle ohne Änderung\n"
        "  lager-loeschen                    Lager Löschen (Tabelle Knoten)\n"
        "  federn-loeschen                   Federn löschen (Tabelle Federsteifigkeiten)\n"
        "  alle-loeschen                     Alle löschen (Tabelle Elastische Bettung)\n"
        "  oeffnen DIR                       Öffnen: die Position eines Verzeichnisses "
        ".../SDIRFEM<Position>\n"
        "  speichern                         Speichern\n"
        "  speichern-unter NAME              Speichern unter einem neuen Positionsnamen\n"
        "  neu                               Neue Platte\n"
        "  drucken DATEI.pdf                 Drucken der Zeichnung in eine PDF-Datei (mit "
        "Hoch-/Querformat und Rahmen)\n"
        "  hochquer                          Automatische Wahl von Hoch- u. Querformat beim "
        "Drucken, an/aus\n"
        "  rahmen                            Rahmen um Zeichnung beim Drucken, an/aus\n"
        "  zeichnung DATEI [breite= hoehe=]  schreibt die Zeichnung als PNG, PDF oder SVG (PNG "
        "1600 x 1200 Pixel)\n"
        "  d1                                Datei D1 (Abmessungen) anzeigen\n"
        "  beenden                           Beenden (fragt nach, wenn geändert)\n"
        "  hilfe                             zeigt diese Liste\n");
}

TEST(MorvelActions, MenusAndShortcuts) {
    // A window command that the console has too is one entry with both.
    EXPECT_EQ(entry(Action::Save).command, "speichern");
    EXPECT_EQ(entry(Action::Save).text, "S&peichern");
    EXPECT_EQ(entry(Action::Save).shortcut, "Ctrl+S");
    EXPECT_EQ(entry(Action::New).text, "&Neu");
    EXPECT_EQ(entry(Action::New).shortcut, "Ctrl+N");
    EXPECT_EQ(entry(Action::Open).text, "Ö&ffnen...");
    EXPECT_EQ(entry(Action::Open).shortcut, "Ctrl+O");
    EXPECT_EQ(entry(Action::Print).shortcut, "Ctrl+P");
    EXPECT_EQ(entry(Action::ShowDocument).shortcut, "Ctrl+D");
    EXPECT_EQ(entry(Action::ShowDocument).command, "d1");
    EXPECT_EQ(entry(Action::Leave).text, "&Beenden");
    EXPECT_EQ(entry(Action::Generate).menu, "&Geometrie");
    EXPECT_EQ(entry(Action::BeddingTable).text, "Elastische Bettung");
    EXPECT_EQ(entry(Action::PrintFrame).menu, "&Drucken");
    EXPECT_TRUE(entry(Action::PrintFrame).checkable);
    EXPECT_EQ(entry(Action::StatusBar).text, "S&tatusleiste");
    EXPECT_EQ(entry(Action::WholeBoundary).text, "Ganzer &Rand");
    EXPECT_EQ(entry(Action::EndSupports).text, "E&nde");

    std::set<std::string> menus;
    for (const auto& s : morvel::actions())
        if (!s.menu.empty()) menus.insert(std::string(s.menu));
    EXPECT_EQ(menus, (std::set<std::string>{"&Position", "&Drucken", "&Ansicht", "&Geometrie",
                                            "&Manuell", "&Tools"}));
    // The commands only the window has: the bars, the print preview and the printer set-up.
    for (Action a :
         {Action::PrintPreview, Action::PrinterSetup, Action::ToolBars, Action::StatusBar})
        EXPECT_TRUE(entry(a).command.empty()) << entry(a).text;
    // The window's menus and tool bars name every action they show once, in a fixed order.
    const auto menuEntries = morvel::menuOrder();
    EXPECT_EQ(menuEntries.front(), Action::New);
    EXPECT_EQ(menuEntries.back(), Action::DeleteWindow);
    const auto bars = morvel::toolBarOrder();
    EXPECT_EQ(
        std::vector<Action>(bars.begin(), bars.end()),
        (std::vector<Action>{Action::New, Action::Open, Action::Save, Action::Print,
                             Action::Supports, Action::ColouredPlate, Action::Fit, Action::ZoomOut,
                             Action::DeleteSingle, Action::DeleteWindow, Action::Zoom}));
}

TEST(MorvelActions, ToolBarsAndTooltips) {
    EXPECT_EQ(onToolBar(ui::ToolBar::First),
              (std::set<Action>{Action::New, Action::Open, Action::Save, Action::Print,
                                Action::Supports, Action::ColouredPlate}));
    EXPECT_EQ(onToolBar(ui::ToolBar::Second),
              (std::set<Action>{Action::Fit, Action::ZoomOut, Action::DeleteSingle,
                                Action::DeleteWindow, Action::Zoom}));
    EXPECT_EQ(entry(Action::Supports).tooltip, "Festlegen der Lager");
    EXPECT_EQ(entry(Action::ColouredPlate).tooltip, "Anlegen der Platte");
    EXPECT_EQ(entry(Action::DeleteSingle).tooltip, "Löschen eines Elements");
    EXPECT_EQ(entry(Action::DeleteWindow).tooltip,
              "Fenster aufziehen, dann werden alle Elemente im Fenster gelöscht.");
    for (const auto& s : morvel::actions()) {
        if (s.toolBar != ui::ToolBar::None) {
            EXPECT_FALSE(s.tooltip.empty()) << s.text;
        }
    }
}
