// The geometry editor's dialogs: "Eingabe der Geometrie", the support dialog "Lager" and the
// grids of the tables.
#pragma once

#include "geometry/editor.hpp"
#include "ui/qt/grid_dialog.hpp"

#include <QDialog>

#include <array>
#include <functional>

class QLineEdit;
class QRadioButton;

namespace morvel {

/// "Eingabe der Geometrie": the seven fields of the master grid. OK generates the mesh; a field
/// that is no number or a grid the editor refuses keeps the dialog open with the message.
class GenerationDialog : public QDialog {
  public:
    GenerationDialog(QWidget* parent, Editor& editor);
    /// The text field of the console key ("nx", "dx", ...), for tests.
    QLineEdit* field(std::string_view key) const;
    /// OK: true when the mesh was generated and the dialog closed.
    bool confirm();

  private:
    Editor& editor_;
    std::array<QLineEdit*, 7> fields_{};
};

/// "Lager": the support kinds, the two stiffnesses and the buttons "Ganzer &Rand" and "E&nde".
/// It stays open beside the drawing while the support mode lasts; every change of the kind or a
/// stiffness is the choice for the next edge clicked.
class SupportDialog : public QDialog {
  public:
    /// `changed` is called after "Ganzer Rand", `ended` after "E&nde".
    SupportDialog(QWidget* parent, Editor& editor, std::function<void()> changed,
                  std::function<void()> ended);
    /// Chooses a kind as a click on its radio button does.
    void choose(EdgeSupport kind);
    /// The stiffness fields as typed; false after a message when one is no number from 0.
    bool takeStiffnesses();
    void wholeBoundary();

  private:
    Editor& editor_;
    std::function<void()> changed_;
    std::array<QRadioButton*, 6> kinds_{};
    QLineEdit* translational_;
    QLineEdit* rotational_;
};

/// The table of a kind as a grid with its note and clearing button; OK takes it into the model.
qtui::GridDialog* makeTableDialog(QWidget* parent, Editor& editor, TableKind kind);

} // namespace morvel
