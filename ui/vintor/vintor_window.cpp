// The calculation form's window and its run in a thread.
#include "ui/vintor/vintor_window.hpp"

#include "common/command_line.hpp"
#include "common/format.hpp"
#include "solver/model_reader.hpp"
#include "ui/vintor/vintor_actions.hpp"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace vintor {

namespace {

/// The ports of a run in its thread: every call is carried to the window's thread; a question
/// waits there for its answer.
class ThreadUi : public ports::Ui {
  public:
    ThreadUi(QObject* window, ports::Ui& target) : window_(window), target_(target) {}

    ports::Answer message(std::string_view title, std::string_view text,
                          ports::Buttons buttons) override {
        ports::Answer answer = ports::Answer::Ok;
        QMetaObject::invokeMethod(
            window_,
            [&, t = std::string(title), x = std::string(text)] {
                answer = target_.message(t, x, buttons);
            },
            Qt::BlockingQueuedConnection);
        return answer;
    }
    // The posted calls reach the window after this object may be gone: they name the window's
    // side of the ports, never this.
    void status(std::string_view text) override {
        post([ui = &target_, t = std::string(text)] { ui->status(t); });
    }
    void setRange(int low, int high) override {
        low_ = low;
        high_ = high;
        lastStep_ = -1;
        post([ui = &target_, low, high] { ui->setRange(low, high); });
    }
    void setPosition(int position) override {
        // A bar of a few hundred pixels shows at most a hundred steps; every further update
        // would only cost the run its time.
        const long long span = high_ > low_ ? high_ - low_ : 1;
        const int step = static_cast<int>(
            std::clamp<long long>((position - low_) * kProgressSteps / span, 0, kProgressSteps));
        if (step == lastStep_) return;
        lastStep_ = step;
        post([ui = &target_, position] { ui->setPosition(position); });
    }
    void beep() override {
        post([ui = &target_] { ui->beep(); });
    }

  private:
    template <class F> void post(F f) {
        QMetaObject::invokeMethod(window_, std::move(f), Qt::QueuedConnection);
    }

    static constexpr int kProgressSteps = 100;

    QObject* window_;
    ports::Ui& target_;
    int low_ = 0, high_ = 100, lastStep_ = -1;
};

/// The text of a command as the table gives it to menus and buttons.
QString textOf(Action action) {
    return qtui::qs(ui::findAction(actions(), action)->text);
}

/// The window's side of a run: its texts in the form's status line, the progress in its bar.
class FormUi : public qtui::QtUi {
  public:
    FormUi(QWidget* window, QLabel* status, QProgressBar* progress)
        : QtUi(window, nullptr, progress), label_(status) {}
    void status(std::string_view text) override { label_->setText(qtui::qs(text)); }

  private:
    QLabel* label_;
};

} // namespace

VintorWindow::VintorWindow(const std::string& commandLine)
    : form_(slab::initialForm(slab::splitCommandLine(commandLine))), path_(new QLineEdit(this)),
      loadCase_(new QLineEdit(this)),
      conforming_(new QRadioButton(textOf(Action::Conforming), this)),
      nonConforming_(new QRadioButton(textOf(Action::NonConforming), this)),
      status_(new QLabel(this)), timing_(new QLabel(this)), progress_(new QProgressBar(this)),
      start_(new QPushButton(textOf(Action::Start), this)),
      end_(new QPushButton(textOf(Action::End), this)),
      ui_(std::make_unique<FormUi>(this, status_, progress_)) {
    setWindowTitle(QStringLiteral("FEM-Berechnung für Platten"));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* project = new QGroupBox(QStringLiteral("Projekt"), central);
    auto* fields = new QFormLayout(project);
    path_->setMaxLength(static_cast<int>(slab::kMaxPositionDirLength));
    path_->setMinimumWidth(420);
    fields->addRow(QStringLiteral("Datenpfad:"), path_);
    fields->addRow(QStringLiteral("Lastfall (Nr.):"), loadCase_);
    fields->addRow(QStringLiteral("Status:"), status_);
    fields->addRow(QString(), timing_);
    layout->addWidget(project);
    auto* type = new QGroupBox(QStringLiteral("Berechnungsart"), central);
    auto* radios = new QVBoxLayout(type);
    radios->addWidget(conforming_);
    radios->addWidget(nonConforming_);
    layout->addWidget(type);
    progress_->setRange(0, 100);
    progress_->setValue(0);
    layout->addWidget(progress_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(start_);
    buttons->addWidget(end_);
    layout->addLayout(buttons);
    setCentralWidget(central);
    const auto* info = ui::findAction(vintor::actions(), Action::About);
    QMenu* help = menuBar()->addMenu(qtui::qs(info->menu));
    help->addAction(qtui::qs(info->text), this, [this] { about(); });
    connect(start_, &QPushButton::clicked, this, [this] { startRun(); });
    // "&Ende" ends the process at once, without asking anything.
    connect(end_, &QPushButton::clicked, this, [] { std::_Exit(0); });
    showForm();
}

VintorWindow::~VintorWindow() {
    if (worker_.joinable()) worker_.join();
}

void VintorWindow::closeEvent(QCloseEvent* event) {
    // Closing the form during a run ends the process as "&Ende" does: the run cannot be
    // stopped half way, and waiting for it would leave its questions unanswered.
    if (running_) std::_Exit(0);
    event->accept();
}

QString VintorWindow::statusText() const {
    return status_->text();
}

QString VintorWindow::timingText() const {
    return timing_->text();
}

void VintorWindow::showForm() {
    path_->setText(qtui::qs(form_.positionDirectory));
    loadCase_->setText(QString::number(form_.loadCase));
    conforming_->setChecked(form_.conforming);
    nonConforming_->setChecked(!form_.conforming);
    status_->setText(qtui::qs(form_.status));
    timing_->setText(qtui::qs(form_.timing));
}

bool VintorWindow::startRun() {
    if (running_) return false;
    const std::string path = path_->text().toStdString();
    if (auto error = slab::positionDirectoryError(path)) {
        ui_->message(slab::kSolverTitle, *error);
        return false;
    }
    const int n = slab::parseInteger(loadCase_->text().toStdString()).value_or(-1);
    if (auto error = slab::loadCaseError(n)) {
        ui_->message(slab::kSolverTitle, *error);
        return false;
    }
    form_.positionDirectory = path;
    form_.loadCase = n;
    form_.conforming = !nonConforming_->isChecked();
    running_ = true;
    start_->setEnabled(false);
    path_->setEnabled(false);
    loadCase_->setEnabled(false);
    status_->setText(QStringLiteral("FEM-Berechnung läuft ..."));
    if (worker_.joinable()) worker_.join();
    worker_ = std::thread([this] {
        ThreadUi forward(this, *ui_);
        slab::CalculationForm form = form_;
        slab::runCalculation(form, *model_, forward);
        QMetaObject::invokeMethod(
            this, [this, form] {
                form_ = form;
                runFinished();
            },
            Qt::QueuedConnection);
    });
    return true;
}

void VintorWindow::runFinished() {
    running_ = false;
    if (waiting_) waiting_->quit();
    start_->setEnabled(true);
    path_->setEnabled(true);
    loadCase_->setEnabled(true);
    showForm();
}

void VintorWindow::waitForRun() {
    if (running_) {
        // Sleeps in the event loop until the run's last event has been handled.
        QEventLoop loop;
        waiting_ = &loop;
        loop.exec();
        waiting_ = nullptr;
    }
    if (worker_.joinable()) worker_.join();
}

void VintorWindow::about() {
    QMessageBox::about(this, QStringLiteral("Info über Vintor"),
                       QStringLiteral("Vintor Version 1.0"));
}

} // namespace vintor
