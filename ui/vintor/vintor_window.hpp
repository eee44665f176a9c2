// The solver's calculation form as a window: the position directory and load case fields, the
// calculation type, the status and timing lines, the progress bar, "&Start der Berechnung" and
// "&Ende". A run goes on in a thread of its own, so that the window stays responsive.
#pragma once

#include "solver/model.hpp"
#include "solver/solver_run.hpp"
#include "ui/qt/qt_ui.hpp"

#include <QMainWindow>

#include <atomic>
#include <memory>
#include <thread>

class QEventLoop;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace vintor {

class VintorWindow : public QMainWindow {
  public:
    /// The form of the command line text; an empty one was refused before.
    explicit VintorWindow(const std::string& commandLine);
    ~VintorWindow() override;

    /// "&Start der Berechnung": takes the fields and starts the run; false when a field was
    /// refused (its message shown) or a run is going on.
    bool startRun();
    /// True while a run is going on.
    bool running() const { return running_; }
    /// Waits for a run to end, handling the window's events meanwhile (for tests).
    void waitForRun();

    QLineEdit* pathField() const { return path_; }
    QLineEdit* loadCaseField() const { return loadCase_; }
    QRadioButton* conformingChoice() const { return conforming_; }
    QRadioButton* nonConformingChoice() const { return nonConforming_; }
    QPushButton* startButton() const { return start_; }
    QProgressBar* progressBar() const { return progress_; }
    QString statusText() const;
    QString timingText() const;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void runFinished();
    void showForm();
    void about();

    slab::CalculationForm form_;
    std::unique_ptr<slab::SolverModel> model_ = std::make_unique<slab::SolverModel>();
    QLineEdit* path_;
    QLineEdit* loadCase_;
    QRadioButton* conforming_;
    QRadioButton* nonConforming_;
    QLabel* status_;
    QLabel* timing_;
    QProgressBar* progress_;
    QPushButton* start_;
    QPushButton* end_;
    std::unique_ptr<qtui::QtUi> ui_;
    std::atomic<bool> running_ = false;
    QEventLoop* waiting_ = nullptr; ///< the loop of waitForRun while it waits
    std::thread worker_;
};

} // namespace vintor
