// The result viewer's window: plan or perspective with zoom and fit, legend, quantity and load
// case, the value under the cursor, print, preview, pictures and the PDF report.
#pragma once

// The scene headers come before Qt's, whose keyword macros would take their member names.
#include "ports/ports.hpp"
#include "scene/result_pages.hpp"
#include "scene/world.hpp"
#include "ui/ergebnisbild/ergebnisbild_actions.hpp"
#include "ui/ergebnisbild/qt_picture_output.hpp"
#include "ui/qt/action_binder.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/qt/scene_view.hpp"
#include "viewer/session.hpp"

#include <QMainWindow>

#include <memory>
#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QPrinter;

namespace ergebnisbild {

class ErgebnisbildWindow : public QMainWindow {
    Q_OBJECT

  public:
    /// The window on the position of the command line. Messages go to `ui` when one is given
    /// (the tests' scripted double), else to dialogs over the window.
    explicit ErgebnisbildWindow(const std::string& commandLine, ports::Ui* ui = nullptr);
    ~ErgebnisbildWindow() override;

    /// Runs an action as its menu entry, tool button or shortcut does.
    void trigger(Action a);
    /// The QAction of a table entry (nullptr for the console's own commands).
    QAction* action(Action a) const { return (*binder_)[a]; }

    const viewer::Session& session() const { return session_; }
    scene::ResultView view() const { return view_; }
    qtui::SceneView& plan() { return *plan_; }
    qtui::SceneView& legend() { return *legend_; }
    QComboBox& loadCases() { return *loadCases_; }
    QString title() const;
    /// The world rectangle the plan shows at least (the window keeps its aspect).
    const slab::WorldRect& viewRect() const { return viewRect_; }

    /// Writes the picture shown or the report to a file, as the export dialogs do after the
    /// file is chosen. False (after a message) when it cannot be written.
    bool exportPicture(const std::string& path);
    bool exportReport(const std::string& path);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void run(Action a);
    void chooseQuantity(viewer::Quantity q);
    void chooseLoadCase(int index);
    void redraw();
    void fit();
    void applyView();
    void zoom(double factor, scene::Point about);
    void showValueAt(scene::Point p);
    void fillLoadCases();
    void updateChecks();
    bool haveResults();
    void askPicture();
    void askReport();
    void print(bool preview);
    scene::Scene page(double width, double height) const;

    std::unique_ptr<qtui::QtUi> ownUi_;
    ports::Ui& ui_;
    viewer::Session session_;
    scene::ResultView view_ = scene::ResultView::Plan;
    std::unique_ptr<qtui::ActionBinder<Action>> binder_;
    qtui::SceneView* plan_ = nullptr;
    qtui::SceneView* legend_ = nullptr;
    QLabel* title_ = nullptr;
    QComboBox* loadCases_ = nullptr;
    slab::WorldRect viewRect_{0, 0, 1, 1};
    std::optional<scene::Point> cursor_; ///< where the mouse was last over the plan
    QtPictureOutput pictures_;
};

/// Opens the window on the command line's position and runs the application; the exit status.
int runWindow(int argc, char** argv, const std::string& commandLine);

} // namespace ergebnisbild
