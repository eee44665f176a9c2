// The project manager's main window: frame, dialog bar, drawing, and the commands of its table.
#include "ui/tarvik/tarvik_window.hpp"

#include "manager/document_list.hpp"
#include "scene/overview_scene.hpp"
#include "ui/qt/scene_export.hpp"
#include "ui/qt/scene_renderer.hpp"
#include "ui/tarvik/archive_windows.hpp"
#include "ui/tarvik/device_windows.hpp"
#include "ui/tarvik/document_list_window.hpp"
#include "ui/tarvik/tarvik_view.hpp"
#include "ui/tarvik/text_windows.hpp"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include <array>

namespace tarvik {

namespace {

/// The menus in the order "&Position", "Arbeits&schritte", "&Dokumente", "A&rchiv",
/// "&Einstellungen", "A&nsicht".
constexpr std::array kMenuOrder = {
    Action::NewPosition,    Action::OpenPosition,    Action::Duplicate,
    Action::ClearRecent,    Action::Print,           Action::PrintPreview,
    Action::Quit,           Action::Geometry,        Action::Loads,
    Action::Calculation,    Action::Results,         Action::Protocol,
    Action::DocumentList,   Action::Discretisation,  Action::LoadCaseList,
    Action::ReadFiles,      Action::ResultPointSets, Action::StoreArchive,
    Action::LoadArchive,    Action::ArchiveFiles,    Action::PlotParameters,
    Action::PlotOutput,     Action::PrinterControl,  Action::PlotterConnection,
    Action::ScreenSize,     Action::TogglePlan,      Action::ToolBarShown,
    Action::DialogBarShown, Action::StatusBarShown,
};

/// The tool bar of the work steps.
std::vector<Action> toolBarOrder() {
    std::vector<Action> order;
    for (const auto& entry : actions())
        if (entry.toolBar == ui::ToolBar::First) order.push_back(entry.action);
    return order;
}

/// The free space is looked at again this often [ms]; the dialog bar shows changes only.
constexpr int kFreeSpaceInterval = 2000;

ManagerOptions windowOptions() {
    ManagerOptions options;
    options.waitForEveryChild = false; // only the geometry step is waited for
    return options;
}

} // namespace

TarvikWindow::TarvikWindow(const std::string& workDirectory)
    : ui_(this, statusBar()), launcher_(workDirectory, this),
      manager_(workDirectory, ui_, launcher_, windowOptions()), documents_(manager_),
      printer_(this), drawing_(new qtui::SceneView(this)) {
    setCentralWidget(drawing_);
    drawing_->setFocusPolicy(Qt::StrongFocus);
    drawing_->installEventFilter(this);
    drawing_->setSceneSource(
        [this](double w, double h) { return overview(w, h, false); });
    connect(drawing_, &qtui::SceneView::clicked, this, [this](scene::Point, Qt::MouseButton b) {
        if (b == Qt::RightButton) run(Action::RightClick);
    });
    const auto bars = toolBarOrder();
    actions_ = std::make_unique<qtui::ActionBinder<Action>>(
        *this, tarvik::actions(), [this](Action a) { run(a); }, kMenuOrder,
        std::span<const Action>(bars));
    buildDialogBar();
    manager_.setPositionListener([this](PositionEvent event, const Manager& m) {
        followPosition(plan_, event, m);
        refresh();
    });
    manager_.start();
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this] {
        if (const auto text = manager_.freeSpace()) {
            const QString shown = qtui::qs(*text);
            if (free_->text() != shown) free_->setText(shown);
        }
        if (manager_.listChanged()) rebuildSelector();
    });
    timer->start(kFreeSpaceInterval);
    resize(1100, 760);
}

TarvikWindow::~TarvikWindow() = default;

void TarvikWindow::buildDialogBar() {
    dialogBar_ = new QToolBar(QStringLiteral("Dialogleiste"), this);
    addToolBarBreak();
    addToolBar(dialogBar_);
    dialogBar_->addWidget(new QLabel(QStringLiteral(" Position: "), dialogBar_));
    selector_ = new QComboBox(dialogBar_);
    selector_->setEditable(true);
    selector_->setMinimumWidth(280);
    selector_->setInsertPolicy(QComboBox::NoInsert);
    selector_->installEventFilter(this);
    dialogBar_->addWidget(selector_);
    connect(selector_, &QComboBox::activated, this, [this](int index) {
        if (rebuilding_ || index < 0) return;
        manager_.chooseRecent(static_cast<std::size_t>(index) + 1);
    });
    connect(selector_->lineEdit(), &QLineEdit::returnPressed, this,
            [this] { run(Action::NewPositionName); });
    dialogBar_->addWidget(new QLabel(QStringLiteral("  Datenpfad: "), dialogBar_));
    dataPath_ = new QLineEdit(dialogBar_);
    dataPath_->setMinimumWidth(260);
    dialogBar_->addWidget(dataPath_);
    connect(dataPath_, &QLineEdit::returnPressed, this, [this] { run(Action::DataPath); });
    for (Action a : {Action::ChooseDataPath, Action::OpenPosition, Action::Explorer}) {
        const auto* entry = ui::findAction(tarvik::actions(), a);
        // "Position öffnen" is the button "Pos" on the dialog bar.
        const QString text = a == Action::OpenPosition ? QStringLiteral("Pos") : qtui::qs(entry->text);
        dialogBar_->addAction(text, this, [this, a] { run(a); })->setToolTip(qtui::qs(entry->tooltip));
    }
    free_ = new QLabel(dialogBar_);
    dialogBar_->addWidget(new QLabel(QStringLiteral("   "), dialogBar_));
    dialogBar_->addWidget(free_);
}

void TarvikWindow::rebuildSelector() {
    rebuilding_ = true;
    selector_->clear();
    // Each item shows the name, three blanks and the data path.
    for (const auto& e : manager_.recent()) selector_->addItem(qtui::qs(e.name + "   " + e.path));
    selector_->setEditText(qtui::qs(manager_.positionName()));
    manager_.listRebuilt();
    rebuilding_ = false;
}

scene::Scene TarvikWindow::overview(double width, double height, bool printer) const {
    const double perPoint = logicalDpiX() / 72.0;
    const auto input =
        scene::overviewInput(manager_.model(), manager_.positionName(), manager_.drawingScale());
    auto drawn = scene::overviewScene(input, {width / perPoint, height / perPoint},
                                      printer ? scene::OverviewTarget::Printer
                                              : scene::OverviewTarget::Screen,
                                      plan_.shown(), printer);
    return std::move(drawn.scene);
}

void TarvikWindow::refresh() {
    const bool ground = scene::overviewInput(manager_.model(), manager_.positionName(),
                                             manager_.drawingScale())
                            .groundSlab;
    setWindowTitle(qtui::qs(scene::overviewTitle(manager_.positionName(), ground)));
    rebuildSelector();
    dataPath_->setText(qtui::qs(manager_.dataPath()));
    free_->setText(qtui::qs(manager_.freeSpace().value_or("")));
    if (QAction* a = (*actions_)[Action::TogglePlan]) {
        a->setCheckable(true);
        a->setChecked(plan_.shown());
    }
    drawing_->rebuild();
}

void TarvikWindow::run(Action action) {
    switch (action) {
    case Action::DataPath:
        manager_.setDataPath(dataPath_->text().toStdString());
        break;
    case Action::ChooseDataPath:
        if (auto dir = ui_.chooseFolder("Neuen Datenpfad anlegen", manager_.dataPath()))
            manager_.chooseDataPath(*dir);
        break;
    case Action::NewPositionName: {
        // A name typed into the selector that is no entry of the list makes a new position.
        const std::string typed = selector_->currentText().trimmed().toStdString();
        if (!typed.empty() && typed != manager_.positionName()) manager_.newPositionSelector(typed);
        break;
    }
    case Action::NewPosition:
        newPositionDialog();
        break;
    case Action::ChooseRecent:
    case Action::ShowRecent:
        selector_->showPopup();
        break;
    case Action::DeleteRecent:
        if (selector_->currentIndex() >= 0)
            manager_.deleteRecent(static_cast<std::size_t>(selector_->currentIndex()) + 1);
        break;
    case Action::ClearRecent:
        manager_.clearRecent();
        break;
    case Action::OpenPosition:
        if (auto dir = ui_.chooseFolder("Positionen FEM...", manager_.dataPath()))
            manager_.openDirectory(*dir);
        break;
    case Action::Duplicate:
        duplicateDialog();
        break;
    case Action::Geometry:
        manager_.geometryStep();
        break;
    case Action::Loads:
        manager_.loadStep();
        break;
    case Action::Calculation:
        manager_.calculationStep();
        break;
    case Action::Results:
        manager_.resultsStep();
        break;
    case Action::Discretisation:
    case Action::ReadFiles:
        openDocument(Document::Discretisation);
        break;
    case Action::LoadCaseList:
        openDocument(Document::LoadCases);
        break;
    case Action::ShowDocument:
        openDocument(Document::Discretisation);
        break;
    case Action::ResultPointSets:
        if (manager_.resultPointSets()) {
            auto viewer = TextViewer::open(manager_.positionDirectory() + "ECHO_S" +
                                               manager_.suffix(),
                                           ui_, false, this);
            if (viewer) viewer->exec();
        }
        break;
    case Action::Protocol:
        openProtocol();
        break;
    case Action::DocumentList:
    case Action::ViewDocument:
    case Action::DeleteDocuments:
    case Action::PrintDocuments:
    case Action::PrintIntoFile:
    case Action::FormPrint:
    case Action::HeaderLines:
    case Action::Numbering:
    case Action::FormHeader: {
        DocumentListWindow list(documents_, printer_, ui_, this);
        list.exec();
        break;
    }
    case Action::StoreArchive:
        storePosition(manager_, ui_, this);
        break;
    case Action::LoadArchive:
        loadPosition(manager_, ui_, this);
        break;
    case Action::ArchiveFiles: {
        ArchiveFilesWindow files(manager_.archiveFileList(), documents_, printer_, ui_, this);
        files.exec();
        break;
    }
    case Action::PlotParameters:
        editPlotParameters(manager_.workDirectory(), ui_, this,
                           [this](double factor) { manager_.setDrawingScale(factor); });
        break;
    case Action::PlotOutput:
        editPlotOutput(manager_.workDirectory(), ui_, this);
        break;
    case Action::PrinterControl:
        editPrinterControl(manager_.workDirectory(), ui_, this);
        break;
    case Action::PlotterConnection:
        editPlotterConnection(manager_.workDirectory(), ui_, this);
        break;
    case Action::ScreenSize:
        editScreenSize(manager_.workDirectory(), ui_, this);
        break;
    case Action::OverviewPicture:
        break; // the console's picture file; the window prints and previews instead
    case Action::Print:
        printOverview(false);
        break;
    case Action::PrintPreview:
        printOverview(true);
        break;
    case Action::TogglePlan:
        plan_.toggle();
        break;
    case Action::RightClick:
        rightClick(plan_, manager_);
        break;
    case Action::Explorer:
        manager_.explorer();
        break;
    case Action::ShowState:
        break;
    case Action::Quit:
        close();
        return;
    case Action::ToolBarShown:
        for (QToolBar* bar : findChildren<QToolBar*>())
            if (bar != dialogBar_) bar->setVisible(!bar->isVisible());
        break;
    case Action::DialogBarShown:
        dialogBar_->setVisible(!dialogBar_->isVisible());
        break;
    case Action::StatusBarShown:
        statusBar()->setVisible(!statusBar()->isVisible());
        break;
    }
    refresh();
}

void TarvikWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

bool TarvikWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // The space bar in the drawing shows or hides the plan.
        if (watched == drawing_ && key == Qt::Key_Space) {
            run(Action::TogglePlan);
            return true;
        }
        // The Delete key in the open selector deletes the entry.
        if (watched == selector_ && key == Qt::Key_Delete && !selector_->lineEdit()->hasSelectedText()) {
            run(Action::DeleteRecent);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TarvikWindow::openDocument(Document which) {
    if (!manager_.document(which)) return; // the message has said what is missing
    manager_.readSettings();
    const int number = which == Document::Discretisation ? 1 : 2;
    if (auto path = findDocument(manager_.positionDirectory(), number, DocumentForm::TextFirst))
        if (auto window = TextWindow::open(*path, ui_, false, this)) window->exec();
}

void TarvikWindow::printOverview(bool preview) {
    auto paint = [this](QPrinter* printer) {
        const QRect page = printer->pageLayout().paintRectPixels(printer->resolution());
        const double perPoint = printer->resolution() / 72.0;
        const auto input = scene::overviewInput(manager_.model(), manager_.positionName(),
                                                manager_.drawingScale());
        const auto drawn = scene::overviewScene(
            input, {page.width() / perPoint, page.height() / perPoint},
            scene::OverviewTarget::Printer, plan_.shown(), true);
        QPainter painter(printer);
        qtui::paintScene(painter, drawn.scene,
                         qtui::fittedMapping(drawn.scene.bounds,
                                             {0, 0, double(page.width()), double(page.height())}, 0));
    };
    if (preview) {
        QPrintPreviewDialog dialog(&drawingPrinter_, this);
        connect(&dialog, &QPrintPreviewDialog::paintRequested, this, paint);
        dialog.exec();
        return;
    }
    QPrintDialog dialog(&drawingPrinter_, this);
    if (dialog.exec() == QDialog::Accepted) paint(&drawingPrinter_);
}

} // namespace tarvik
