// The console front end of the geometry editor: its menus, dialogs, buttons and mouse actions as
// console commands over the editor's action table.
#pragma once

#include "geometry/editor.hpp"
#include "scene/picture_output.hpp"
#include "ui/console/console_front_end.hpp"
#include "ui/morvel/morvel_actions.hpp"
#include "ui/morvel/morvel_view.hpp"

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace morvel {

/// The editor as console commands; mouse actions are given in world coordinates (metres).
class MorvelConsole : public ui::ConsoleFrontEnd {
  public:
    /// Pictures and prints go to `output`; without one (a build without windows) the drawing
    /// commands say so.
    MorvelConsole(ui::LineInput& input, std::ostream& out,
                  scene::PictureOutput* output = nullptr);

    /// Runs the editor on the command line ".POS @datapath/" with the given working directory
    /// until "beenden" or the end of input; returns the process exit status.
    int run(const std::string& commandLine, const std::string& workDirectory);

  private:
    ui::Flow dispatch(Action action, const ui::CommandCall& call);

    // The generation dialog "Eingabe der Geometrie".
    ui::Flow generate(const ui::Words& words);

    // The support mode and its dialog "Lager".
    ui::Flow openSupports(const ui::Words& words);
    ui::Flow clickEdge(const ui::Words& words);
    ui::Flow wholeBoundary();
    ui::Flow endSupports();

    // The two deletion modes and the view.
    ui::Flow toggleDeleteSingle();
    ui::Flow toggleDeleteWindow();
    ui::Flow clickElement(const ui::Words& words);
    ui::Flow deleteInWindow(const ui::Words& words);
    ui::Flow fit();
    ui::Flow zoom(const ui::Words& words);
    ui::Flow zoomOut();
    ui::Flow showWindow();
    /// A display or print switch toggled, then "<label>: an|aus".
    ui::Flow toggleSwitch(void (MorvelView::*toggle)(), bool (MorvelView::*state)() const,
                          std::string_view label);
    ui::Flow setFont(const ui::Words& words);
    ui::Flow exportDrawing(const ui::Words& words);
    ui::Flow printToPdf(const ui::Words& words);
    /// The output of pictures; "Hinweis" and nullptr when the build has none.
    scene::PictureOutput* pictureOutput();

    // The tables of "Manuell" (morvel_console_tables.cpp).
    ui::Flow openTable(TableKind kind);
    ui::Flow setRow(const ui::Words& words);
    ui::Flow clearRow(const ui::Words& words);
    ui::Flow copyDown(const ui::Words& words);
    ui::Flow listTable();
    ui::Flow confirmTable();
    ui::Flow cancelTable();
    ui::Flow clearSupports();
    ui::Flow clearSprings();
    ui::Flow clearBedding();
    /// A clearing button of the table of kind (a table of another kind names `command`), then
    /// the line `done`.
    ui::Flow clearingButton(TableKind kind, std::string_view command,
                            void (Editor::*button)(TextTable&), std::string_view done);
    /// The open table; "Hinweis" and false when none is open.
    bool needTable();
    /// The open table is of kind; otherwise "Zuerst <command> wählen." and false.
    bool needTable(TableKind kind, std::string_view command);
    /// The message of a refused table edit under the table's title.
    ui::Flow tableResult(const std::optional<std::string>& error);

    // The commands of "Position".
    ui::Flow save();
    ui::Flow saveAs(const ui::Words& words);
    ui::Flow newPlate();
    ui::Flow open(const ui::Words& words);
    /// "Position P1: 97 Knoten, 75 Elemente".
    void showPosition();
    ui::Flow showDocument();
    ui::Flow leave();

    /// "Eingabe:" and the prompt line of the current mode.
    ui::Flow showPrompt();
    /// "Fehlende Eingabe: Aufruf: " and the action's console call as "hilfe" shows it.
    ui::Flow usageOf(Action action);
    /// "Zuerst <command> wählen." under "Hinweis".
    ui::Flow wrongMode(std::string_view command);

    Editor editor_;
    MorvelView view_;
    scene::PictureOutput* output_;
    std::optional<TextTable> table_;
};

/// MorvelConsole::run on the given input and output.
int runConsole(const std::string& commandLine, const std::string& workDirectory,
               ui::LineInput& input, std::ostream& out, scene::PictureOutput* output = nullptr);

} // namespace morvel
