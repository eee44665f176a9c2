// The calculation form's commands.
#include "ui/vintor/vintor_actions.hpp"

#include <array>

namespace vintor {

namespace {

using Entry = ui::ActionEntry<Action>;

constexpr std::array kActions = {
    Entry{.action = Action::Path,
          .command = "pfad",
          .arguments = "TEXT",
          .help = "setzt das Feld Datenpfad (Positionsverzeichnis)",
          .tooltip = "Datenpfad:"},
    Entry{.action = Action::LoadCase,
          .command = "lf",
          .arguments = "N",
          .help = "setzt das Feld Lastfall (Nr.), 0 bis 50",
          .tooltip = "Lastfall (Nr.):"},
    Entry{.action = Action::Conforming,
          .command = "konform",
          .help = "wählt Konform (empfohlen)",
          .text = "Konform (empfohlen)",
          .checkable = true},
    Entry{.action = Action::NonConforming,
          .command = "nichtkonform",
          .help = "wählt Nichtkonform",
          .text = "Nichtkonform",
          .checkable = true},
    Entry{.action = Action::Start,
          .command = "start",
          .help = "Start der Berechnung",
          .text = "&Start der Berechnung"},
    Entry{.action = Action::Show, .command = "zeige", .help = "zeigt die Felder des Formulars"},
    Entry{.action = Action::About,
          .command = "info",
          .help = "Info über Vintor",
          .menu = "&?",
          .text = "&Info über Vintor..."},
    Entry{
        .action = Action::End, .command = "ende", .help = "beendet das Programm", .text = "&Ende"},
};

} // namespace

std::span<const ui::ActionEntry<Action>> actions() {
    return kActions;
}

} // namespace vintor
