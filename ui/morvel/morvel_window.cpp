// The geometry editor's main window: its frame, the commands of the table and the mouse modes.
#include "ui/morvel/morvel_window.hpp"

#include "scene/picking.hpp"
#include "scene/slab_meshes.hpp"
#include "ui/morvel/morvel_dialogs.hpp"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QToolBar>

namespace morvel {

namespace {

constexpr const char* kZoomPrompt =
    " Linke Maustaste drücken! Gedrückt lassen! Fenster aufziehen! Loslassen!";

} // namespace

MorvelWindow::MorvelWindow()
    : ui_(this, statusBar()), editor_(ui_), view_(editor_, ui_),
      drawing_(new qtui::SceneView(this)), prompt_(new QLineEdit(this)),
      cursor_(new QLabel(this)), snap_(new QLabel(this)) {
    setCentralWidget(drawing_);
    // The prompt line: a one-line field in a bar beside the drawing.
    prompt_->setReadOnly(true);
    prompt_->setFocusPolicy(Qt::NoFocus);
    QToolBar* promptBar = new QToolBar(QStringLiteral("Eingabe"), this);
    promptBar->addWidget(new QLabel(QStringLiteral(" Eingabe: "), promptBar));
    promptBar->addWidget(prompt_);
    promptBar->setMovable(false);
    addToolBar(Qt::BottomToolBarArea, promptBar);
    statusBar()->addPermanentWidget(cursor_);
    statusBar()->addPermanentWidget(snap_);
    actions_ = std::make_unique<qtui::ActionBinder<Action>>(
        *this, morvel::actions(), [this](Action a) { run(a); }, menuOrder(), toolBarOrder());
    connect(drawing_, &qtui::SceneView::moved, this, [this](scene::Point p) { mouseMoved(p); });
    connect(drawing_, &qtui::SceneView::clicked, this,
            [this](scene::Point p, Qt::MouseButton b) { mouseClicked(p, b); });
    connect(drawing_, &qtui::SceneView::dragged, this,
            [this](scene::Point a, scene::Point b) { mouseDragged(a, b); });
    resize(1280, 860);
}

MorvelWindow::~MorvelWindow() = default;

bool MorvelWindow::start(const std::string& commandLine, const std::string& workDirectory) {
    if (!editor_.start(commandLine, workDirectory)) return false;
    refresh();
    return true;
}

void MorvelWindow::run(Action action) {
    switch (action) {
    case Action::Generate:
        generateDialog();
        break;
    case Action::Supports:
        openSupports();
        break;
    case Action::EndSupports:
        closeSupports();
        break;
    case Action::WholeBoundary:
        if (editor_.mode() == Mode::Support) editor_.wholeBoundary();
        break;
    case Action::DeleteSingle:
        toggleMode(&Editor::toggleDeleteSingle);
        break;
    case Action::DeleteWindow:
        toggleMode(&Editor::toggleDeleteWindow);
        break;
    case Action::Fit:
        editor_.fit();
        break;
    case Action::ZoomOut:
        view_.zoomOut();
        break;
    case Action::Zoom:
        if (!view_.zoomMode()) {
            closeSupports();
            editor_.leaveMode();
        }
        view_.toggleZoomMode();
        break;
    case Action::ColouredPlate:
        view_.toggleColouredPlate();
        break;
    case Action::NodeNumbers:
        view_.toggleNodeNumbers();
        break;
    case Action::ElementNumbers:
        view_.toggleElementNumbers();
        break;
    case Action::Font:
        fontDialog();
        break;
    case Action::ToolBars:
        for (QToolBar* bar : findChildren<QToolBar*>()) bar->setVisible(!bar->isVisible());
        break;
    case Action::StatusBar:
        statusBar()->setVisible(!statusBar()->isVisible());
        break;
    case Action::NodeTable:
        tableDialog(TableKind::Nodes);
        break;
    case Action::ElementTable:
        tableDialog(TableKind::Elements);
        break;
    case Action::SpringTable:
        tableDialog(TableKind::Springs);
        break;
    case Action::BeddingTable:
        tableDialog(TableKind::Bedding);
        break;
    case Action::Open:
        openDialog();
        break;
    case Action::Save:
        editor_.save();
        break;
    case Action::SaveAs:
        editor_.saveAs();
        break;
    case Action::New:
        closeSupports();
        editor_.newPlate();
        break;
    case Action::Print:
        print();
        break;
    case Action::PrintPreview:
        printPreview();
        break;
    case Action::PrinterSetup:
        printerSetup();
        break;
    case Action::AutoOrientation:
        view_.toggleAutoOrientation();
        break;
    case Action::PrintFrame:
        view_.togglePrintFrame();
        break;
    case Action::ExportDrawing:
        exportDrawing();
        break;
    case Action::ShowDocument:
        showDocument();
        break;
    case Action::Leave:
        close();
        return;
    // Clicks, drags and the rows of the tables come from the drawing and the dialogs.
    case Action::EdgeClick:
    case Action::ElementClick:
    case Action::DeleteInWindow:
    case Action::ShowWindow:
    case Action::SetRow:
    case Action::ClearRow:
    case Action::CopyDown:
    case Action::ListTable:
    case Action::ConfirmTable:
    case Action::CancelTable:
    case Action::ClearSupports:
    case Action::ClearSprings:
    case Action::ClearBedding:
        break;
    }
    refresh();
}

void MorvelWindow::toggleMode(void (Editor::*toggle)()) {
    closeSupports();
    view_.leaveZoomMode();
    (editor_.*toggle)();
}

void MorvelWindow::mouseMoved(scene::Point at) {
    cursor_->setText(qtui::qs(MorvelView::cursorText(at)));
}

void MorvelWindow::mouseClicked(scene::Point at, Qt::MouseButton button) {
    if (button == Qt::RightButton) {
        // The right button ends the single-element deletion.
        if (editor_.mode() == Mode::DeleteSingle) toggleMode(&Editor::toggleDeleteSingle);
        refresh();
        return;
    }
    if (button != Qt::LeftButton) return;
    switch (editor_.mode()) {
    case Mode::Support:
        if (auto line = scene::segmentUnder(scene::edgeLinesOf(editor_.model()), at,
                                            editor_.settings().snap.radius))
            editor_.setSupportOnLine(*line);
        break;
    case Mode::DeleteSingle:
        if (auto e = scene::elementByAngleSum(scene::meshOf(editor_.model()), at))
            editor_.deleteElement(*e);
        break;
    case Mode::DeleteWindow:
    case Mode::None:
        break;
    }
    refresh();
}

void MorvelWindow::mouseDragged(scene::Point from, scene::Point to) {
    if (view_.zoomMode())
        view_.zoomTo(from, to);
    else if (editor_.mode() == Mode::DeleteWindow)
        editor_.windowDelete(from.x, from.y, to.x, to.y);
    refresh();
}

QString MorvelWindow::promptText() const {
    return prompt_->text();
}

QString MorvelWindow::cursorText() const {
    return cursor_->text();
}

QString MorvelWindow::snapText() const {
    return snap_->text();
}

void MorvelWindow::refresh() {
    drawing_->setScene(view_.plan());
    drawing_->setWorldWindow(view_.visible());
    drawing_->setDragging(view_.zoomMode() || editor_.mode() == Mode::DeleteWindow);
    prompt_->setText(qtui::qs(view_.zoomMode() ? kZoomPrompt : editor_.prompt()));
    snap_->setText(qtui::qs(view_.snapText()));
    setWindowTitle(qtui::qs(editor_.title()));
    auto check = [this](Action a, bool on) {
        if (QAction* q = (*actions_)[a]) q->setChecked(on);
    };
    check(Action::DeleteSingle, editor_.mode() == Mode::DeleteSingle);
    check(Action::DeleteWindow, editor_.mode() == Mode::DeleteWindow);
    check(Action::Zoom, view_.zoomMode());
    check(Action::ColouredPlate, view_.colouredPlate());
    check(Action::NodeNumbers, view_.nodeNumbers());
    check(Action::ElementNumbers, view_.elementNumbers());
    check(Action::AutoOrientation, view_.autoOrientation());
    check(Action::PrintFrame, view_.printFrame());
    check(Action::StatusBar, statusBar()->isVisible());
    check(Action::ToolBars, true);
}

void MorvelWindow::closeEvent(QCloseEvent* event) {
    if (editor_.leave() == LeaveResult::Stay) {
        event->ignore();
        return;
    }
    closeSupports();
    event->accept();
}

void MorvelWindow::keyPressEvent(QKeyEvent* event) {
    // The space bar ends the single-element deletion.
    if (event->key() == Qt::Key_Space && editor_.mode() == Mode::DeleteSingle) {
        toggleMode(&Editor::toggleDeleteSingle);
        refresh();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

} // namespace morvel
