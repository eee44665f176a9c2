// The geometry editor's document: the model of one position with the settings, the drawing
// extents, the current mode, and the commands of the menus, dialogs and mouse modes.
#pragma once

#include "geometry/mesh_generator.hpp"
#include "geometry/model.hpp"
#include "geometry/save.hpp"
#include "geometry/settings.hpp"
#include "geometry/supports.hpp"
#include "geometry/tables.hpp"
#include "ports/ports.hpp"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace morvel {

/// The mouse mode of the drawing.
enum class Mode { None, Support, DeleteSingle, DeleteWindow };

/// Told the new extents of the drawing whenever they are set (after loading, generating and
/// "Grundriß anpassen"), so that a view can show them.
using ExtentsListener = std::function<void(const slab::WorldRect&)>;

/// What became of "Öffnen".
enum class OpenResult { Opened, NotAPosition, Kept };

/// What leaving asks for.
enum class LeaveResult { Leave, Stay };

class Editor {
  public:
    /// The clock gives the date of the geometry document.
    explicit Editor(ports::Ui& ui, std::function<Date()> clock = today);

    /// The view that shows the extents; without one they are only kept.
    void setExtentsListener(ExtentsListener listener) { extentsListener_ = std::move(listener); }

    /// Starts on the position of the command line; false when the program must end (the
    /// message has been shown).
    bool start(const std::string& commandLine, const std::string& workDirectory);

    /// OK of "Eingabe der Geometrie".
    bool generate(const GridInput& in);
    /// "Lager setzen": enters the support mode with the dialog's kind and stiffnesses.
    void openSupports(const SupportChoice& choice);
    /// An edge line (index into model().lines) chosen in the support mode gets the dialog's
    /// kind; false outside the support mode or for no such line.
    bool setSupportOnLine(std::size_t line);
    /// "Ganzer Rand".
    std::optional<int> wholeBoundary();
    /// "Ende" of the support dialog.
    void closeSupports();
    /// The two deletion commands: enter (after saving) or leave their mode.
    void toggleDeleteSingle();
    void toggleDeleteWindow();
    /// Element e chosen in the single-element mode is deleted; the element deleted, or 0.
    int deleteElement(int e);
    /// A window in the window mode: the number of elements deleted.
    int windowDelete(double x1, double y1, double x2, double y2);
    /// "Grundriß anpassen".
    void fit();

    /// "Speichern" (save as for a new plate); false when nothing or not all was saved.
    bool save();
    /// "Speichern unter": the given name, or asked for in the dialog "Speichern" when empty (an
    /// empty answer cancels, a name that cannot be used is named in a message).
    bool saveAs(std::optional<std::string> name = std::nullopt);
    /// "Neu": asks, then empties the plate as position NEU.
    bool newPlate();
    /// "Datei D1 (Abmessungen)".
    std::optional<std::string> document();
    /// "Beenden": asks when the edge lines changed since loading or saving.
    LeaveResult leave();
    /// "Öffnen": the position of a chosen directory ".../SDIRFEM<name>" is started on as at
    /// program start, after the leave question when the edge lines changed. NotAPosition
    /// (nothing changed, no message) for a directory that is none; Kept when the question was
    /// cancelled or the position could not be started (its message shown, the current position
    /// kept).
    OpenResult openPosition(std::string_view directory);
    /// True when the edge lines differ from the last loaded or saved state.
    bool changed() const;

    /// Opens a table (the node and spring tables write the model first).
    TextTable openTable(TableKind kind);
    /// OK of a table: takes it and writes the model; false after a message.
    bool confirmTable(const TextTable& t);
    /// The buttons "Lager Löschen", "Federn löschen" and "Alle löschen"; the table is refreshed.
    void clearSupportsButton(TextTable& t);
    void clearSpringsButton(TextTable& t);
    void clearBeddingButton(TextTable& t);

    const Model& model() const { return model_; }
    Model& model() { return model_; }
    const Position& position() const { return position_; }
    const Settings& settings() const { return settings_; }
    /// Keeps the view's switches and font in MORVELMEM5 of the working directory; a file that
    /// cannot be written is named under "Fehler" and the switches stay for this run.
    void rememberView(const MemorySettings& memory);
    /// The extents of the drawing, kept in CWIN.
    const slab::WorldRect& extents() const { return extents_; }
    Mode mode() const { return mode_; }
    const SupportChoice& supportChoice() const { return support_; }
    /// The prompt line of the current mode.
    std::string prompt() const;
    /// The window title "Position %s".
    std::string title() const;

    /// Leaves the current mouse mode (the window's zoom mode and the right mouse button).
    void leaveMode();

  private:
    /// Leaves the deletion mode when it is the current one, else saves and enters it.
    void toggleDeletion(Mode deletion);
    void startNewPosition();
    void remember();
    void setExtents(const slab::WorldRect& r);
    /// Saves the position under its name, remembers the edge lines and records the step.
    bool writePosition();
    /// Writes the model files as the tables do; the names of the files not written.
    std::vector<std::string> writeModelFiles();

    ports::Ui& ui_;
    std::function<Date()> clock_;
    Model model_;
    Settings settings_;
    Position position_;
    slab::WorldRect extents_{0, 0, 10, 10};
    ExtentsListener extentsListener_;
    Mode mode_ = Mode::None;
    SupportChoice support_;
    std::uint64_t savedChecksum_ = 0;
};

} // namespace morvel
