// The console front end of the project manager: its dialog bar, menus, tool bar, protocol view
// and mouse actions as console commands.
#pragma once

#include "manager/manager.hpp"
#include "manager/position_documents.hpp"
#include "ports/launcher.hpp"
#include "scene/plan_view.hpp"
#include "ui/console/console_front_end.hpp"
#include "ui/tarvik/console_fields.hpp"
#include "ui/tarvik/console_outputs.hpp"
#include "ui/tarvik/tarvik_actions.hpp"

#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

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
    /// Prints and pictures go through outputs; without them every print says why it cannot be.
    TarvikConsole(const std::string& workDirectory, ui::LineInput& input, std::ostream& out,
                  ports::Launcher& launcher, ConsoleOutputs* outputs = nullptr);

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
    /// "dokumente", "ansehen", "dokument-loeschen", "drucken", "in-datei", "formulardruck".
    ui::Flow documentList(Action action, const ui::CommandCall& call);
    /// "kopfzeilen", "numerierung", "formular".
    ui::Flow printDialogs(Action action, const ui::CommandCall& call);
    /// "sichern", "laden", "archivdateien".
    ui::Flow archive(Action action, const ui::CommandCall& call);
    /// "plotparameter", "plotausgabe", "druckeransteuerung", "plotter", "bildschirm".
    ui::Flow devices(Action action, const ui::CommandCall& call);
    /// "grundriss-bild DATEI".
    ui::Flow overviewPicture(const std::string& path);

    /// The document list as "Texte" shows it, numbered.
    void showDocuments();
    /// The chosen entries of the list; nullopt after the usage or a message.
    std::optional<std::vector<std::size_t>> chosenEntries(std::string_view text, Action action);
    /// Prints the documents; the numbering dialog first unless "numerierung" filled it.
    void printDocuments(const std::vector<std::size_t>& chosen, const std::string& file);
    /// The form print; the form header dialog first unless "formular" filled it.
    void formPrint(const std::vector<std::size_t>& chosen, const std::string& file);
    /// Where a print goes: the default printer, or the PDF file (relative to the working
    /// directory); nullopt after a message for a file that is no PDF.
    std::optional<PrintDestination> destination(const std::string& file);
    /// What a print sent, as one line.
    void reportPrint(const PrintOutcome& outcome, const PrintDestination& destination);
    /// The dialog "Kopfzeilen" with the fields typed.
    void headerLines(const std::string& rest);
    /// The numbering dialog with the fields typed.
    void numbering(const std::string& rest);
    /// The form header dialog with the fields typed.
    void formHeader(const std::string& rest);
    /// The text of a file shown by the own viewer.
    void showFile(const std::string& path);
    /// The transfer window's lines.
    void showTransfer(const Transfer& transfer);
    /// "plotparameter" with the fields typed.
    void plotParameters(const std::string& rest);
    /// "druckeransteuerung" with the fields typed.
    void printerControl(const std::string& rest);
    /// "plotter" with the fields typed.
    void plotterConnection(const std::string& rest);
    /// "bildschirm" with the fields typed.
    void screenSize(const std::string& rest);
    /// The name=wert fields of a dialog command; nullopt after the usage when other text stands
    /// before the first name.
    std::optional<TypedFields> dialogFields(const std::string& rest,
                                            std::span<const std::string_view> names, Action action);
    /// A field's value: typed, else asked for on a terminal, else current.
    std::string field(const TypedFields& fields, std::string_view name, std::string_view label,
                      const std::string& current);

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
    PositionDocuments documents_;
    scene::PlanView plan_;
    NoOutputs noOutputs_;
    ConsoleOutputs& outputs_;
    /// "numerierung" and "formular" fill the dialog of the next print and form print.
    bool numberingFilled_ = false;
    bool formFilled_ = false;
};

/// TarvikConsole::run in the working directory on the given input and output.
int runConsole(const std::string& workDirectory, ui::LineInput& input, std::ostream& out,
               ports::Launcher& launcher, ConsoleOutputs* outputs = nullptr);

} // namespace tarvik
