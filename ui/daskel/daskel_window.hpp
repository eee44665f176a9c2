// The load editor's window: the load plan in world coordinates, the menus and the tool bar of the
// action table, the status line with the mode's prompt and the cursor position, the click and
// drawing modes, the arrow keys through the load case list, the dialogs and the grids.
#pragma once

#include "loads/document.hpp"
#include "ui/daskel/daskel_actions.hpp"
#include "ui/daskel/daskel_view.hpp"
#include "ui/daskel/load_grids.hpp"
#include "ui/qt/action_binder.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/qt/scene_export.hpp"
#include "ui/qt/scene_view.hpp"

#include <QMainWindow>
#include <QPrinter>

#include <memory>
#include <string>

class QLabel;

namespace daskel {

class DaskelWindow : public QMainWindow {
  public:
    DaskelWindow();
    ~DaskelWindow() override;

    /// Starts on the position of the command line ".POS @datapath/ [@n]"; false when the
    /// program must end (the message has been shown).
    bool start(const std::string& commandLine, const std::string& workDirectory);

    /// Runs a command of the table as its menu entry, button or key does.
    void run(Action action);
    /// The mouse in world coordinates, as the drawing reports it.
    void mouseMoved(scene::Point at);
    void mouseClicked(scene::Point at, Qt::MouseButton button);
    void mouseDragged(scene::Point from, scene::Point to);

    LoadEditor& editor() { return *editor_; }
    const LoadEditor& editor() const { return *editor_; }
    DaskelView& view() { return *view_; }
    qtui::SceneView* drawing() const { return drawing_; }
    QAction* action(Action a) const { return (*actions_)[a]; }
    QString promptText() const;
    QString cursorText() const;

    // The dialogs a command or a click opens (daskel_window_dialogs.cpp), each modal.
    /// "Elementlast [kN/m2]" for element e.
    void elementDialog(int element);
    /// "Kantenlasten" for edge k of element e.
    void edgeDialog(int element, int edge);
    /// "Knotenverformungen und Knotenlasten" for node n.
    void nodeDialog(int node);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    /// Draws the plan anew and sets the prompt, the check marks, the cursor and the caption.
    void refresh();
    void toggleMode(ViewMode mode);
    void step(bool next);
    /// "LF speichern?" when the load case has unsaved changes; Yes saves. False when a save
    /// was wanted and did not happen.
    bool offerSave();
    /// "LF Speichern"; true when saved. `andEnd` is set by "OK + Ende".
    bool saveDialog(bool& andEnd);
    /// Saves under the open number, or through the dialog when the load case has none.
    bool saveNow();
    void edgeContextMenu(scene::Point at);
    void closeSketch();

    // Dialogs of the load case (daskel_window_dialogs.cpp).
    void openDialog();
    void titleDialog();
    void copyDialog();
    void deleteDialog();
    void selfWeightDialog();
    void temperatureDialog();
    void showText(const std::string& title, const std::optional<std::string>& text);
    // The drawn loads (daskel_window_drawn.cpp).
    void areaDialog(const std::vector<scene::Point>& corners);
    void lineDialog(scene::Point a, scene::Point b);
    void pointDialog(scene::Point at);
    // Influence surfaces (daskel_window_influence.cpp).
    void influenceNodeDialog();
    void influenceElementDialog();
    void influenceSectionDialog(bool alongX);
    // The grids, printing and pictures (daskel_window_tables.cpp).
    void gridDialog(GridKind kind);
    void print();
    void printPreview();
    void printerSetup();
    void exportDrawing();
    /// A message box "Fehler" saying that the field's text is no number; nullopt then.
    std::optional<double> numberOf(const std::string& label, const std::string& text);

    qtui::QtUi ui_;
    std::unique_ptr<LoadEditor> editor_;
    std::unique_ptr<DaskelView> view_;
    qtui::SceneView* drawing_;
    QLabel* prompt_;
    QLabel* cursor_;
    std::unique_ptr<qtui::ActionBinder<Action>> actions_;
    QPrinter printer_;
    qtui::QtPictureOutput pictures_;
    int lastNode_ = 1;    ///< the node clicked last, the preset of the node influence dialog
    int lastElement_ = 1; ///< likewise the element
};

} // namespace daskel
