// The console front end of the project manager: its dialog bar, menus, tool bar, protocol view
// and mouse actions as console commands.
#pragma once

#include "manager/manager.hpp"
#include "ports/launcher.hpp"
#include "scene/plan_view.hpp"
#include "ui/console/console_front_end.hpp"
#include "ui/tarvik/tarvik_actions.hpp"

#include <ostream>
#include <string>

namespace tarvik {

/// Flushes the console's output before a program starts, so that its lines follow ours.
class FlushingLauncher : public ports::Launcher {
  public:
    FlushingLauncher(ports::Launcher& inner, std::ostream& out) : inner_(inner), out_(out) {}
    /// Flushes the output, then starts the program.
    ports::LaunchResult start(const std::string& program, const std::vector<std::string>& arguments,
                              ports::Wait wait) override;

  private:
    ports::Launcher& inner_;
    std::ostream& out_;
};

/// The manager as console commands, one member per group of commands. Every program it starts
/// is waited for, since it shares the console's terminal and input.
class TarvikConsole : public ui::ConsoleFrontEnd {
  public:
    TarvikConsole(const std::string& workDirectory, ui::LineInput& input, std::ostream& out,
                  ports::Launcher& launcher);

    /// Runs until "beenden" or the end of input; returns the process exit status.
    int run();

  private:
    /// Runs one command typed on the console.
    ui::Flow dispatch(Action action, const ui::CommandCall& call);
    /// "datenpfad", "datenpfad-anlegen".
    ui::Flow dataPath(Action action, const std::string& rest);
    /// "neu", "neue-position", "oeffnen", "duplizieren".
    ui::Flow positions(Action action, const ui::CommandCall& call);
    /// "position", "liste", "eintrag-loeschen", "liste-leeren".
    ui::Flow recentList(Action action, const ui::Words& words);
    /// "abmessungen", "belastung", "rechnen", "ergebnisse", "explorer".
    ui::Flow workStep(Action action);
    /// "dokument", "saetze".
    ui::Flow documents(Action action, const ui::Words& words);
    /// "protokoll" with or without a line to double-click.
    ui::Flow protocol(const ui::Words& words);
    /// "grundriss", "rechtsklick", "info".
    ui::Flow view(Action action);

    /// The dialog "Neue Position": NAME [pfad=PFAD], fields left out asked for on a terminal.
    void newPositionDialog(const std::string& rest);
    /// One of the recent positions chosen by its name.
    void chooseRecent(const ui::Words& words);
    /// The dialog bar as one line: position, data path and free space.
    ui::Flow showState();
    /// The recent list as the position selector shows it.
    void showRecent();
    /// Position, paths, model, plan, free space and recent list.
    void showInfo();

    FlushingLauncher launcher_;
    Manager manager_;
    scene::PlanView plan_;
};

/// TarvikConsole::run in the working directory on the given input and output.
int runConsole(const std::string& workDirectory, ui::LineInput& input, std::ostream& out,
               ports::Launcher& launcher);

} // namespace tarvik
