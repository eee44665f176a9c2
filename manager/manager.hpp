// The project manager's state and commands: the current data path and position with their
// settings files, the recent-positions list, new, opened and duplicated positions, and the work
// steps that start the other programs.
#pragma once

#include "manager/archive.hpp"
#include "manager/position_model.hpp"
#include "manager/programs.hpp"
#include "manager/settings_files.hpp"
#include "ports/launcher.hpp"
#include "ports/ports.hpp"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarvik {

/// The title of the manager's own message boxes.
inline constexpr const char* kApplicationTitle = "Tarvik";
/// What a command that needs a position says when none is open (under "Achtung").
inline constexpr const char* kNoPosition =
    "Es ist keine Position gewählt. Bitte zuerst eine Position anlegen oder öffnen.";

/// The documents the work steps open.
enum class Document {
    Discretisation, ///< document 1, written by the geometry editor
    LoadCases,      ///< document 2, written by the load editor
};

/// How a folder tree reports the position directory chosen in it.
enum class TreeChoice {
    Final,     ///< the tree closed on the choice
    Selection, ///< a new selection while the tree stays open
};

/// What became of the open position, for the views that follow it.
enum class PositionEvent {
    Started, ///< the settings and the position were read at start
    Opened,  ///< a position was chosen, opened by its directory, or created and edited
    Reread,  ///< the position was read again: after a program waited for, or on a new data path
    Closed,  ///< a data path was chosen in the folder tree; no position is open
};

class Manager;

/// Told after each change of the open position, with the manager in its new state.
using PositionListener = std::function<void(PositionEvent, const Manager&)>;

struct ManagerOptions {
    /// ports::Wait for every program started, not only the geometry editor, and read the
    /// settings and the position again afterwards. A console front end needs this: the child
    /// shares its terminal and its input.
    bool waitForEveryChild = false;
    /// Seconds since 1970-01-01 00:00 UTC, the time of the records appended to TTABLE.
    std::function<std::int64_t()> clock;
};

class Manager {
  public:
    /// workDirectory is the directory current at start (it holds the settings files).
    Manager(std::string workDirectory, ports::MessageBox& box, ports::Launcher& launcher,
            ManagerOptions options = {});

    /// The listener told of every change of the open position (replaces the former one).
    void setPositionListener(PositionListener listener) { listener_ = std::move(listener); }

    /// The start: the settings, then the position.
    void start();

    /// The working directory with its trailing "/".
    const std::string& workDirectory() const { return work_; }
    /// The current position; "" when there is none.
    const std::string& positionName() const { return name_; }
    /// "." + the position name.
    std::string suffix() const;
    /// The data path with its trailing "/".
    const std::string& dataPath() const { return dataPath_; }
    /// The data path without its trailing "/".
    std::string dataPathBare() const;
    /// Data path + "SDIRFEM" + name + "/".
    std::string positionDirectory() const;
    /// The position directory without its trailing "/".
    std::string positionDirectoryBare() const;
    /// The positions used last, most recent first.
    const std::vector<RecentEntry>& recent() const { return recent_; }
    /// Set whenever the recent list changes, until a selector has rebuilt its items.
    bool listChanged() const { return listChanged_; }
    /// A selector has rebuilt its items from the recent list.
    void listRebuilt() { listChanged_ = false; }
    /// The open position's counts and model arrays.
    const PositionModel& model() const { return model_; }
    /// "%i MB FREI" of the data path's file system; nullopt when the system cannot tell.
    std::optional<std::string> freeSpace() const;
    /// The scale factor of the overview drawing (PSCALA, read at the first opening and after
    /// the plot parameters are stored); 1.0 without PSCALA.
    double drawingScale() const { return drawingScale_; }
    /// Takes a new scale factor of the overview drawing (the plot parameters were stored).
    void setDrawingScale(double factor) { drawingScale_ = factor; }
    /// The message boxes the manager reports through.
    ports::MessageBox& messageBox() const { return box_; }
    /// The clock of the records and dates: seconds since 1970-01-01 00:00 UTC.
    std::int64_t now() const { return options_.clock(); }

    /// Reads EXT and DPFAD (DPFAD is written with the working directory when it is missing or
    /// damaged) and derives the paths.
    void readSettings();
    /// Reads the position's counts and model arrays and LISTEP; true when it has a model.
    bool openPosition();
    /// Puts the current position at the front of the recent list (once) and writes LISTEP.
    void addCurrentToRecent();

    /// Takes a typed data path, creating it when it does not exist; a newly created path has
    /// no position yet. False after a message when the path cannot be used or created.
    bool setDataPath(std::string_view typed);
    /// The data path chosen in the folder tree: created if needed; the position is cleared.
    bool chooseDataPath(std::string_view typed);
    /// Entry index (from 1) of the recent list becomes the current position.
    bool chooseRecent(std::size_t index);
    /// Removes entry index (from 1) of the recent list.
    bool deleteRecent(std::size_t index);
    /// Leaves only the current position in the recent list.
    void clearRecent();
    /// Opens the position of a chosen directory ".../SDIRFEM<name>". A selection in a tree that
    /// stays open does nothing for the current position and adds another to the recent list.
    bool openDirectory(std::string_view directory, TreeChoice choice = TreeChoice::Final);
    /// "Neue Position": blanks of the name become "_"; the data path is created if needed;
    /// the geometry editor is started on the new position and waited for.
    bool newPositionDialog(std::string_view name, std::string_view dataPath);
    /// A name typed in the position selector: its directory is created, the geometry editor is
    /// started on it and waited for.
    bool newPositionSelector(std::string_view typed);
    /// Copies the current position as newName (model files, geometry, loads and result points
    /// as archive files), makes the copy current, records it in its TTABLE and runs the
    /// geometry step on it.
    bool duplicate(std::string_view newName);

    /// "&Abmessungen": the geometry editor, waited for; then settings and position again.
    void geometryStep();
    /// "&Belastung": the load editor, once KNOTEN1 exists.
    bool loadStep();
    /// "&Rechnen": the solver.
    bool calculationStep();
    /// "&Ergebnisse": the result graphics, once KNOTEN1 exists.
    bool resultsStep();
    /// The text of a document: D<n>.TXT, else D<n>; nullopt after the message when it does not
    /// exist.
    std::optional<std::string> document(Document which);
    /// The result point sets ECHO_S; nullopt after the message when there are none.
    std::optional<std::string> resultPointSets();
    /// The lines of the protocol view, from TTABLE.
    std::vector<std::string> protocol() const;
    /// A double click on line (from 1) of the protocol view: the step it names is started
    /// again and returned; nullopt when the line starts nothing (a message when there is no
    /// such line).
    std::optional<std::string> restartFromProtocol(std::size_t line);
    /// The program of the suite (one that reads a script's lines) that a start found not
    /// installed since the last call, once; nullopt otherwise.
    std::optional<std::string> takeMissingProgram() { return std::exchange(missingProgram_, {}); }
    /// "Explorer": the file explorer on the data path.
    void explorer();
    /// Starts a program beside the work steps (waited for only when every child is) and
    /// returns what became of the start; nothing is reported and nothing read again.
    ports::LaunchResult startProgram(const std::string& program,
                                     const std::vector<std::string>& arguments);

    /// "Sichern der Position" into a folder: the transfer list; nullopt after a message when
    /// there is no position or the folder cannot be used ("Kein Zugriff!").
    std::optional<Transfer> storeArchive(std::string_view folder);
    /// "Position von Diskette laden": copies the archive of the chosen ACADGEO file as position
    /// name (the archive's own name when empty) into the data path and records it; nullopt
    /// after a message when the file or the name cannot be used.
    std::optional<Transfer> loadArchive(std::string_view chosen, std::string_view name);
    /// The transfer window of a load closed with OK: the loaded position becomes current, joins
    /// the recent list, and the geometry editor is started on it and waited for.
    void openLoadedPosition(const std::string& name);
    /// The folder of the last load, where the file dialog starts; "" when there is none.
    std::string loadFolder() const;
    /// "Acad- und Echo-Dateien": the paths of the position's archive and working files.
    std::vector<std::string> archiveFileList() const;

  private:
    // positions
    /// The data path of a typed path; nullopt after a message when it cannot be used.
    std::optional<std::string> usableDataPath(std::string_view typed);
    /// False after a message when the name cannot be a position's.
    bool usableName(const std::string& name);
    /// Makes the new position current (EXT, recent list) and runs the geometry step on it.
    void startGeometryOnNewPosition(const std::string& name);
    /// True when the recent list has entry index (1-based); else a message says so.
    bool recentEntryExists(std::size_t index);
    /// Creates the directory of the copy; false after a message when the name is the current
    /// one, the position exists already or the directory cannot be made.
    bool createCopyDirectory(const std::string& newName);
    /// Writes the model arrays and the archive copies of the inputs into the copy's directory.
    void copyInputs(const std::string& target, const std::string& newName);

    // work steps
    /// The arguments ".%s @%s" or ".%s @%s @%i".
    std::vector<std::string> arguments(std::optional<int> number = std::nullopt) const;
    /// Starts a program; one that cannot be started is named in a message. After a program
    /// waited for, the settings and the position are read again (also after a failed start).
    ports::LaunchResult run(const std::string& program, const std::vector<std::string>& args,
                            ports::Wait wait);
    /// The result graphics, else the suite's own result viewer; a message names the programs
    /// when neither can be started.
    bool runResults(const std::vector<std::string>& args);
    /// Reads the settings and the position again and tells the listener.
    void reread();
    /// False after a message when no position is open.
    bool needPosition();
    /// False after a message under title when the position has no KNOTEN1 yet.
    bool needModelFiles(const char* title);

    // settings files
    void writeExt();
    void writeDataPath();
    void writeRecentList();
    void clearModel();
    /// Tells the listener, if there is one.
    void notify(PositionEvent event);

    std::string work_;
    ports::MessageBox& box_;
    ports::Launcher& launcher_;
    ManagerOptions options_;
    PositionListener listener_;
    std::optional<std::string> missingProgram_;
    /// Remembers a program of the suite that was not found, for takeMissingProgram.
    void noteMissing(const std::string& program);
    std::string name_;
    std::string dataPath_;
    std::vector<RecentEntry> recent_;
    bool listChanged_ = false;
    PositionModel model_;
    bool opened_ = false; ///< a position was opened since the start
    double drawingScale_ = 1.0;
};

} // namespace tarvik
