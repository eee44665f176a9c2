// The project manager's state and commands: the current data path and position with their
// settings files, the recent-positions list, new, opened and duplicated positions, and the work
// steps that start the other programs.
#pragma once

#include "ports/launcher.hpp"
#include "manager/position_model.hpp"
#include "manager/settings_files.hpp"
#include "ports/ports.hpp"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

/// The title of the manager's own message boxes.
inline constexpr const char* kApplicationTitle = "Tarvik";

/// The programs of the work steps; the last three lie outside the suite.
inline constexpr const char* kGeometryProgram = "morvel";
inline constexpr const char* kLoadProgram = "daskel";
inline constexpr const char* kSolverProgram = "vintor";
inline constexpr const char* kResultsProgram = "DAVIZO";
inline constexpr const char* kResultPointProgram = "ruvane";
inline constexpr const char* kExplorerProgram = "xdg-open";

struct ManagerOptions {
    /// ports::Wait for every program started, not only the geometry editor, and read the settings and
    /// the position again afterwards. A console front end needs this: the child shares its
    /// terminal and its input.
    bool waitForEveryChild = false;
    /// Seconds since 1970-01-01 00:00 UTC, the time of the records appended to TTABLE.
    std::function<std::int64_t()> clock;
};

class Manager {
  public:
    /// workDirectory is the directory current at start (it holds the settings files).
    Manager(std::string workDirectory, ports::MessageBox& box, ports::Launcher& launcher,
            ManagerOptions options = {});

    /// The start: the settings, then the position; the plan is not shown.
    void start();

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
    const std::vector<RecentEntry>& recent() const { return recent_; }
    /// Set whenever the recent list changes, until a selector has rebuilt its items.
    bool listChanged() const { return listChanged_; }
    void listRebuilt() { listChanged_ = false; }
    const PositionModel& model() const { return model_; }
    bool planShown() const { return planShown_; }
    /// "%i MB FREI" of the data path's file system; nullopt when the system cannot tell.
    std::optional<std::string> freeSpace() const;

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
    /// Opens the position of a chosen directory ".../SDIRFEM<name>". With addToRecent (a
    /// selection in a tree that stays open) a choice of the current position does nothing and
    /// another is added to the recent list.
    bool openDirectory(std::string_view directory, bool addToRecent = false);
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
    /// Document 1 (discretisation) or 2 (load cases): D<n>.TXT, else D<n>; nullopt after the
    /// message when it does not exist.
    std::optional<std::string> document(int number);
    /// The result point sets ECHO_S; nullopt after the message when there are none.
    std::optional<std::string> resultPointSets();
    /// The lines of the protocol view, from TTABLE.
    std::vector<std::string> protocol() const;
    /// A double click on line (from 1) of the protocol view: the step it names is started
    /// again and returned; nullopt when the line starts nothing (a message when there is no
    /// such line).
    std::optional<std::string> restartFromProtocol(std::size_t line);
    /// "Grundriß einblenden".
    void togglePlan() { planShown_ = !planShown_; }
    /// The right mouse button in the drawing: the results when the plan is shown, else the plan.
    void rightClick();
    /// "Explorer": the file explorer on the data path.
    void explorer();

  private:
    /// Makes the new position current (EXT, recent list) and runs the geometry step on it.
    void startGeometryOnNewPosition(const std::string& name);
    /// True when the recent list has entry index (1-based); else a message says so.
    bool recentEntryExists(std::size_t index);
    /// The arguments ".%s @%s" or ".%s @%s @%i".
    std::vector<std::string> arguments(std::optional<int> number = std::nullopt) const;
    /// Starts a program (a failed start is ignored); after a program waited for, the settings
    /// and the position are read again and the plan is hidden when there is no model.
    void run(const std::string& program, const std::vector<std::string>& args, ports::Wait wait);
    bool needPosition();
    bool needModelFiles(const char* title);
    void writeExt();
    void writeDataPath();
    void writeRecentList();
    void clearModel();

    std::string work_;
    ports::MessageBox& box_;
    ports::Launcher& launcher_;
    ManagerOptions options_;
    std::string name_;
    std::string dataPath_;
    std::vector<RecentEntry> recent_;
    bool listChanged_ = false;
    PositionModel model_;
    bool planShown_ = false;
};

} // namespace tarvik
