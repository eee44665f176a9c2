// The project manager's main window: the menus and tool bar of the work steps, the dialog bar
// with position selector, data path and free space, the overview drawing of the position with
// the space bar and the right mouse button, and the dialogs of positions and the protocol.
#pragma once

#include "manager/manager.hpp"
#include "manager/position_documents.hpp"
#include "scene/plan_view.hpp"
#include "ui/qt/action_binder.hpp"
#include "ui/qt/qt_launcher.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/qt/scene_view.hpp"
#include "ui/tarvik/page_printer.hpp"
#include "ui/tarvik/tarvik_actions.hpp"

#include <QMainWindow>
#include <QPrinter>

#include <memory>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QToolBar;

namespace tarvik {

class TarvikWindow : public QMainWindow {
  public:
    /// workDirectory holds the settings files; the manager starts on them at once.
    explicit TarvikWindow(const std::string& workDirectory);
    ~TarvikWindow() override;

    /// Runs a command as its menu entry, button or key does.
    void run(Action action);

    Manager& manager() { return manager_; }
    const scene::PlanView& plan() const { return plan_; }
    qtui::SceneView* drawing() const { return drawing_; }
    QAction* action(Action a) const { return (*actions_)[a]; }
    QComboBox* selector() const { return selector_; }
    QLineEdit* dataPathField() const { return dataPath_; }
    QLabel* freeSpaceLabel() const { return free_; }

    /// The protocol view "Protokoll": its list, and a double click on line `row` (from 0).
    QListWidget* openProtocol();
    void protocolDoubleClicked(int row);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void refresh();
    void rebuildSelector();
    void buildDialogBar();
    scene::Scene overview(double width, double height, bool printer) const;
    void newPositionDialog();
    void duplicateDialog();
    void openDocument(Document which);
    void printOverview(bool preview);

    qtui::QtUi ui_;
    qtui::QtLauncher launcher_;
    Manager manager_;
    PositionDocuments documents_;
    QtDocumentPrinter printer_;
    scene::PlanView plan_;
    qtui::SceneView* drawing_;
    QComboBox* selector_ = nullptr;
    QLineEdit* dataPath_ = nullptr;
    QLabel* free_ = nullptr;
    QToolBar* dialogBar_ = nullptr;
    std::unique_ptr<qtui::ActionBinder<Action>> actions_;
    QPrinter drawingPrinter_;
    bool rebuilding_ = false;
};

} // namespace tarvik
