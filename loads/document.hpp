// The load editor's document: the position, its model, the open load case with its element and
// node loads, and the life cycle of load cases (new, open, save, delete, import).
#pragma once

#include "loads/copy/load_case_copy.hpp"
#include "loads/echo/echo_file.hpp"
#include "loads/element_loads.hpp"
#include "loads/generator/generated_loads.hpp"
#include "loads/influence_loads.hpp"
#include "loads/load_case.hpp"
#include "loads/load_case_files.hpp"
#include "loads/load_entry.hpp"
#include "loads/macros/load_macros.hpp"
#include "loads/outline/slab_outline.hpp"
#include "loads/slab_model.hpp"
#include "loads/view_memory.hpp"
#include "ports/ports.hpp"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace daskel {

/// Where the editor works: from the command line ".POS @datapath/ [@n]" or from LXPROT.
struct Paths {
    std::string workDirectory; ///< ends with "/"
    std::string dataPath;      ///< ends with "/"
    std::string positionName;
    std::string suffix;
    std::string positionDirectory;
    int requestedLoadCase = 0;
};

/// Parses the command line; without any "@" reads LXPROT of the working directory (data path,
/// then suffix). Shows the reason and returns nullopt when the editor cannot start.
std::optional<Paths> startPaths(const std::string& commandLine, const std::string& workDirectory,
                                ports::MessageBox& box);

/// The seconds of a file's modification time, or nullopt when it does not exist.
std::optional<std::int64_t> modificationTime(const std::string& path);

/// The three load tables of the editor's dialogs.
enum class LoadTable { Element, Edge, Node };

class LoadEditor {
  public:
    /// Start-up: DIARY, MMRYL, the model, and the load case chosen by the command line (else
    /// the first listed one, else a new one).
    LoadEditor(Paths paths, ports::Ui& ui, std::function<std::int64_t()> clock);

    /// The import question of the first display, asked when ACADLAST is newer than the last
    /// answer and TIMELAST does not exist.
    void firstDisplay();

    void newLoadCase();
    /// Opens load case n: its header and loads from the load echo, its element and node loads
    /// from the load files. Returns false (nothing changed) for a number outside 1 to 99.
    bool openLoadCase(int n);
    /// Saves the open load case as number n with the title; false when refused.
    bool save(int n, const std::string& title);
    /// Deletes the listed load cases; false when refused.
    bool deleteLoadCases(const std::vector<int>& numbers);
    /// Imports every load case of ACADLAST; false when there is none.
    bool importAll();
    /// The load case's title; false (with a message) when it does not fit its records.
    bool setTitle(const std::string& title);

    /// Self weight and surcharge on every element; false (with a message) when γ·d + g does
    /// not fit the load file.
    bool selfWeight(double gamma, double g);
    void clearSelfWeight();
    bool setElementLoad(int element, double p);
    bool setEdgeLoad(int element, int edge, double p);
    bool setNodeValues(int node, const NodeValues& values);
    /// "Alle löschen" of a table: every value of the table 0, written at once.
    void clearTable(LoadTable table);
    /// Asks first; on OK clears all loads and writes the load files.
    bool clearAllLoads();

    /// Influence surfaces: the quantity's nodal loads replace all loads of the load case after
    /// the question; false when refused or cancelled.
    bool influenceAtNode(int node, PointQuantity q);
    /// A local coordinate left out is the element's middle ("x auf a/2 setzen").
    bool influenceInElement(int element, std::optional<double> x, std::optional<double> y,
                            PointQuantity q);
    /// A partial section from `from` to `to`, or the complete section through `from`; the
    /// quantity gives the direction.
    bool influenceOnSection(SectionQuantity q, bool complete, int from, int to, double s);

    // Loads entered by hand: each returns false (nothing changed) after the message that says
    // why.
    /// Adds a partial area load.
    bool addAreaLoad(const AreaLoadInput& in);
    /// Adds a line load.
    bool addLineLoad(const LineLoadInput& in);
    /// Adds a point load.
    bool addPointLoad(const PointLoadInput& in);
    /// Adds an edge load on a section of the slab's outline.
    bool addEdgeLoad(const EdgeLoadInput& in);
    /// Sets the temperature load.
    bool setTemperature(const TemperatureInput& in);
    /// Switches the temperature load off.
    void clearTemperature();
    /// Removes load n of a table; false after a message when there is no such load.
    bool removeLoad(LoadList list, int n);

    /// The dialog "Übernahme eines LF" as it opens.
    CopyRequest copyPresets() const;
    /// Copies a load case into the open one; false (nothing changed) after the message.
    bool copyLoadCase(const CopyRequest& request);

    // Whole tables from the window's table dialogs (loads/table_editing.cpp), checked there.
    /// Takes the element and node loads of a table dialog and writes the load files; tables of
    /// another size than the model's are ignored.
    void replaceLoadTables(const LoadTables& tables);
    /// Takes one list of area, line, point or edge loads from an edited copy of the load case.
    void replaceLoads(LoadList list, const LoadCase& from);
    /// Keeps the view's switches in MMRYL (loads/view_memory.cpp).
    void rememberView(const ViewSwitches& switches);

    /// The load document D2.TXT (or D2); nullopt after the message that it is missing.
    std::optional<std::string> loadDocument();

    /// Asks "Sollen die Eingaben gespeichert werden?" when there are unsaved changes; false when
    /// the user wants to save first (the console then asks for the save dialog).
    bool wantsToSaveBeforeLeaving();

    const Paths& paths() const { return paths_; }
    const SlabModel& model() const { return model_; }
    /// The slab's boundaries and domains, derived from the model at start-up.
    const SlabOutline& outline() const { return outline_; }
    const LoadCase& loadCase() const { return lc_; }
    /// The element and node loads as entered; the load files hold the node loads with the
    /// generated ones added.
    const LoadTables& loads() const { return loads_; }
    /// The nodal loads generated from the area, line, point and edge loads, the triangular load
    /// and the temperature of the load case as last saved or opened.
    const GeneratedLoads& generated() const { return generated_; }
    const Diary& diary() const { return diary_; }
    const Memory& memory() const { return memory_; }
    bool modified() const { return modified_; }
    /// "Position %s  LF %i", "Position %s  LF NEU" or the text for an undefined load case.
    const std::string& caption() const { return caption_; }

  private:
    /// False (with a message) when the title has too many characters or one Windows-1252 lacks.
    bool titleFits(const std::string& title);
    std::string positionFile(std::string_view name) const;
    void removePositionFile(std::string_view name) const;
    void setCaption(std::string caption);
    void resetLoadCase();
    void readLoadCase(int n);
    void writeLoads();
    /// The loads generated from a load case as its load echo block holds it.
    GeneratedLoads generateFromEcho(LoadCase stored) const;
    /// The load case as its load echo block will hold it once saved as number n, and the loads
    /// generated from that.
    GeneratedLoads generateAsSaved(int n) const;
    bool replaceByInfluence(const InfluenceLoads& loads);
    void reportProblems(const std::vector<std::string>& problems, const char* title);
    bool saveSequence(int n);
    /// Writes MACRO, SBD and DOMAINS of load case n; failures are added to `failed`.
    void writeMacroFiles(int n, const PreparedMacros& prepared, std::vector<std::string>& failed);
    /// Writes the SBLNS file of each area load of load case n.
    void writeHatchFiles(int n, std::vector<std::string>& failed);
    /// Drops the edge loads the slab has no section for, with a message.
    void refuseEdgeLoadsOffTheSlab(int n);
    /// Takes a changed load case when `why` is empty, else shows why; the answer for the caller.
    bool accept(const std::optional<std::string>& why);
    /// Removes the header of load case n and the files its counts name.
    void removeLoadCaseFiles(int n) const;
    /// Takes an imported block as the open load case and saves it; false when not saved.
    bool importBlock(const EchoBlock& block);
    void storeImportStamp(const std::string& archivePath);
    std::optional<std::string> archivePath() const;

    Paths paths_;
    ports::Ui& ui_;
    std::function<std::int64_t()> clock_;
    SlabModel model_;
    SlabOutline outline_;
    EchoGeometry geometry_; ///< the outline's sections and domain count, for the load echo
    LoadCase lc_;
    LoadTables loads_; ///< as entered
    GeneratedLoads generated_;
    Diary diary_;
    Memory memory_;
    bool modified_ = false;
    std::string caption_;
};

} // namespace daskel
