// The geometry editor's window: the plan in world coordinates, the menus and tool bars of the
// action table, the prompt line, the status line, the mouse modes and the dialogs.
#pragma once

#include "geometry/editor.hpp"
#include "ui/morvel/morvel_actions.hpp"
#include "ui/morvel/morvel_dialogs.hpp"
#include "ui/morvel/morvel_view.hpp"
#include "ui/qt/action_binder.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/qt/scene_export.hpp"
#include "ui/qt/scene_view.hpp"

#include <QMainWindow>
#include <QPointer>
#include <QPrinter>

#include <memory>
#include <string>

class QLabel;
class QLineEdit;

namespace morvel {


class MorvelWindow : public QMainWindow {
  public:
    MorvelWindow();
    ~MorvelWindow() override;

    /// Starts on the position of the command line; false when the program must end (the
    /// message has been shown).
    bool start(const std::string& commandLine, const std::string& workDirectory);

    /// Runs a command of the table as its menu entry, button or key does.
    void run(Action action);
    /// The mouse in world coordinates, as the drawing reports it.
    void mouseMoved(scene::Point at);
    void mouseClicked(scene::Point at, Qt::MouseButton button);
    void mouseDragged(scene::Point from, scene::Point to);

    Editor& editor() { return editor_; }
    MorvelView& view() { return view_; }
    qtui::SceneView* drawing() const { return drawing_; }
    QAction* action(Action a) const { return (*actions_)[a]; }
    QString promptText() const;
    QString cursorText() const;
    QString snapText() const;
    /// The support dialog while the support mode lasts.
    SupportDialog* supportDialog() const { return supports_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    /// Draws the plan anew and sets the prompt, the check marks and the title.
    void refresh();
    void toggleMode(void (Editor::*toggle)());
    void openSupports();
    void closeSupports();
    void generateDialog();
    void tableDialog(TableKind kind);
    void openDialog();
    void fontDialog();
    void showDocument();
    void print();
    void printPreview();
    void printerSetup();
    void exportDrawing();

    qtui::QtUi ui_;
    Editor editor_;
    MorvelView view_;
    qtui::SceneView* drawing_;
    QLineEdit* prompt_;
    QLabel* cursor_;
    QLabel* snap_;
    std::unique_ptr<qtui::ActionBinder<Action>> actions_;
    QPointer<SupportDialog> supports_;
    QPrinter printer_;
    qtui::QtPictureOutput pictures_;
};

} // namespace morvel
