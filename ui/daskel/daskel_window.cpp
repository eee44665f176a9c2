// The load editor's main window: its frame, the commands of the table, the mouse modes, the keys
// and the questions before unsaved changes are left.
#include "ui/daskel/daskel_window.hpp"

#include "common/format.hpp"
#include "loads/element_loads.hpp"
#include "ui/daskel/load_listing.hpp"
#include "ui/qt/form_dialog.hpp"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QStatusBar>
#include <QToolBar>

#include <cmath>
#include <ctime>

namespace daskel {

namespace {

/// How long a hint about a click that met nothing stays in the status line [ms].
constexpr int kHintTime = 4000;

/// A cursor of the click modes: cross hairs with the mode's sign beside them.
QCursor modeCursor(ViewMode mode) {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(QPointF(10, 0), QPointF(10, 20));
    p.drawLine(QPointF(0, 10), QPointF(20, 10));
    p.setPen(QPen(QColor(0, 90, 200), 2.5));
    switch (mode) {
    case ViewMode::ElementLoads:
        p.setBrush(QColor(245, 190, 110));
        p.drawRect(QRectF(17, 17, 12, 12));
        break;
    case ViewMode::EdgeLoads:
        p.drawLine(QPointF(15, 24), QPointF(30, 24));
        break;
    case ViewMode::NodeLoads:
        p.setBrush(QColor(0, 90, 200));
        p.drawEllipse(QPointF(23, 23), 4, 4);
        break;
    case ViewMode::None:
    case ViewMode::DrawArea:
    case ViewMode::DrawLine:
    case ViewMode::DrawPoint:
    case ViewMode::Zoom:
        break;
    }
    p.end();
    return QCursor(pixmap, 10, 10);
}

QCursor cursorOf(ViewMode mode) {
    switch (mode) {
    case ViewMode::None:
        return QCursor(Qt::ArrowCursor);
    case ViewMode::ElementLoads:
    case ViewMode::EdgeLoads:
    case ViewMode::NodeLoads:
        return modeCursor(mode);
    case ViewMode::DrawArea:
    case ViewMode::DrawLine:
    case ViewMode::DrawPoint:
    case ViewMode::Zoom:
        return QCursor(Qt::CrossCursor);
    }
    return QCursor(Qt::ArrowCursor);
}

/// The window a world rectangle needs to fill the widget without distorting the slab: the
/// rectangle widened about its centre along the side that would be stretched.
slab::WorldRect undistorted(const slab::WorldRect& r, const scene::WorldMapping& m) {
    const double sx = m.scaleX(), sy = m.scaleY();
    if (!(sx > 0 && sy > 0)) return r;
    slab::WorldRect out = r;
    const double cx = (static_cast<double>(r.x1) + r.x2) / 2;
    const double cy = (static_cast<double>(r.y1) + r.y2) / 2;
    if (sx > sy) {
        const double half = (static_cast<double>(r.x2) - r.x1) * sx / sy / 2;
        out.x1 = static_cast<float>(cx - half);
        out.x2 = static_cast<float>(cx + half);
    } else {
        const double half = (static_cast<double>(r.y2) - r.y1) * sy / sx / 2;
        out.y1 = static_cast<float>(cy - half);
        out.y2 = static_cast<float>(cy + half);
    }
    return out;
}

} // namespace

DaskelWindow::DaskelWindow()
    : ui_(this), drawing_(new qtui::SceneView(this)), prompt_(new QLabel(this)),
      cursor_(new QLabel(this)) {
    setCentralWidget(drawing_);
    drawing_->setFocusPolicy(Qt::StrongFocus);
    statusBar()->addWidget(prompt_, 1);
    statusBar()->addPermanentWidget(cursor_);
    actions_ = std::make_unique<qtui::ActionBinder<Action>>(
        *this, daskel::actions(), [this](Action a) { run(a); }, menuOrder(), toolBarOrder());
    connect(drawing_, &qtui::SceneView::moved, this, [this](scene::Point p) { mouseMoved(p); });
    connect(drawing_, &qtui::SceneView::clicked, this,
            [this](scene::Point p, Qt::MouseButton b) { mouseClicked(p, b); });
    connect(drawing_, &qtui::SceneView::dragged, this,
            [this](scene::Point a, scene::Point b) { mouseDragged(a, b); });
    resize(1280, 860);
}

DaskelWindow::~DaskelWindow() = default;

bool DaskelWindow::start(const std::string& commandLine, const std::string& workDirectory) {
    auto paths = startPaths(commandLine, workDirectory, ui_);
    if (!paths) return false;
    editor_ = std::make_unique<LoadEditor>(
        *paths, ui_, [] { return static_cast<std::int64_t>(std::time(nullptr)); });
    view_ = std::make_unique<DaskelView>(*editor_, ui_);
    refresh();
    editor_->firstDisplay();
    refresh();
    return true;
}

void DaskelWindow::run(Action action) {
    if (!editor_) return;
    switch (action) {
    case Action::New:
        if (!offerSave()) break;
        editor_->newLoadCase();
        break;
    case Action::Open:
        openDialog();
        break;
    case Action::Save: {
        bool andEnd = false;
        if (saveDialog(andEnd) && andEnd) {
            close();
            return;
        }
        break;
    }
    case Action::Title:
        titleDialog();
        break;
    case Action::Copy:
        copyDialog();
        break;
    case Action::Delete:
        deleteDialog();
        break;
    case Action::Import:
        if (offerSave()) editor_->importAll();
        break;
    case Action::PrintPreview:
        printPreview();
        break;
    case Action::Print:
        print();
        break;
    case Action::PrintSetup:
        printerSetup();
        break;
    case Action::ExportDrawing:
        exportDrawing();
        break;
    case Action::NodeNumbers:
        view_->toggle(&ViewSwitches::nodeNumbers);
        break;
    case Action::ElementNumbers:
        view_->toggle(&ViewSwitches::elementNumbers);
        break;
    case Action::AutoOrientation:
        view_->toggle(&ViewSwitches::autoOrientation);
        break;
    case Action::PrintFrame:
        view_->toggle(&ViewSwitches::printFrame);
        break;
    case Action::Fit:
        view_->fit();
        break;
    case Action::ZoomOut:
        view_->zoomOut();
        break;
    case Action::Zoom:
        toggleMode(ViewMode::Zoom);
        break;
    case Action::SelfWeight:
        selfWeightDialog();
        break;
    case Action::ElementTable:
        gridDialog(GridKind::Elements);
        break;
    case Action::EdgeTable:
        gridDialog(GridKind::Edges);
        break;
    case Action::NodeTable:
        gridDialog(GridKind::Nodes);
        break;
    case Action::AreaTable:
        gridDialog(GridKind::Areas);
        break;
    case Action::LineTable:
        gridDialog(GridKind::Lines);
        break;
    case Action::PointTable:
        gridDialog(GridKind::Points);
        break;
    case Action::BoundaryTable:
        gridDialog(GridKind::Boundaries);
        break;
    case Action::Temperature:
        temperatureDialog();
        break;
    case Action::ClearLoads:
        editor_->clearAllLoads();
        break;
    case Action::ElementMode:
        toggleMode(ViewMode::ElementLoads);
        break;
    case Action::EdgeMode:
        toggleMode(ViewMode::EdgeLoads);
        break;
    case Action::NodeMode:
        toggleMode(ViewMode::NodeLoads);
        break;
    case Action::DrawArea:
        toggleMode(ViewMode::DrawArea);
        break;
    case Action::DrawLine:
        toggleMode(ViewMode::DrawLine);
        break;
    case Action::DrawPoint:
        toggleMode(ViewMode::DrawPoint);
        break;
    case Action::InfluenceAtNode:
        influenceNodeDialog();
        break;
    case Action::InfluenceInElement:
        influenceElementDialog();
        break;
    case Action::InfluenceSectionX:
        influenceSectionDialog(true);
        break;
    case Action::InfluenceSectionY:
        influenceSectionDialog(false);
        break;
    case Action::Boundaries:
        if (auto text = boundariesText(editor_->outline()))
            showText("Ränder der Platte", text);
        else
            ui_.message("Hinweis", kNoBoundaries);
        break;
    case Action::Document:
        showText("Lastdokument D2", editor_->loadDocument());
        break;
    case Action::NextLoadCase:
        step(true);
        break;
    case Action::PreviousLoadCase:
        step(false);
        break;
    case Action::End:
        close();
        return;
    // Console commands: the window has dialogs, clicks and grids for them.
    case Action::ElementLoad:
    case Action::EdgeLoad:
    case Action::NodeLoad:
    case Action::ElementClick:
    case Action::EdgeClick:
    case Action::NodeClick:
    case Action::ClearTable:
    case Action::InfluenceSection:
    case Action::AreaLoad:
    case Action::LineLoad:
    case Action::PointLoad:
    case Action::BoundaryLoad:
    case Action::ListLoads:
    case Action::DeleteAreaLoad:
    case Action::DeleteLineLoad:
    case Action::DeletePointLoad:
    case Action::DeleteBoundaryLoad:
    case Action::Show:
        break;
    }
    refresh();
}

void DaskelWindow::toggleMode(ViewMode mode) {
    view_->toggleMode(mode);
}

void DaskelWindow::step(bool next) {
    const auto n = view_->neighbour(next);
    if (!n) {
        statusBar()->showMessage(qtui::qs(editor_->diary().count() == 0
                                              ? "Es ist noch kein Lastfall gespeichert."
                                              : "Kein weiterer Lastfall in der Liste."),
                                 kHintTime);
        return;
    }
    if (!offerSave()) return;
    view_->stepTo(*n);
}

bool DaskelWindow::offerSave() {
    if (!editor_->modified()) return true;
    if (ui_.message("Frage", "LF speichern?", ports::Buttons::YesNo) != ports::Answer::Yes)
        return true;
    return saveNow();
}

bool DaskelWindow::saveNow() {
    if (editor_->loadCase().number == 0) {
        bool andEnd = false;
        return saveDialog(andEnd);
    }
    return editor_->save(editor_->loadCase().number, editor_->loadCase().title);
}

void DaskelWindow::mouseMoved(scene::Point at) {
    cursor_->setText(qtui::qs(DaskelView::cursorText(at)));
}

void DaskelWindow::mouseClicked(scene::Point at, Qt::MouseButton button) {
    const ViewMode mode = view_->mode();
    if (button == Qt::RightButton) {
        if (mode == ViewMode::EdgeLoads) edgeContextMenu(at);
        if (mode == ViewMode::DrawArea) closeSketch();
        refresh();
        return;
    }
    if (button != Qt::LeftButton) return;
    auto hint = [this](const char* text) { statusBar()->showMessage(qtui::qs(text), kHintTime); };
    switch (mode) {
    case ViewMode::ElementLoads:
        if (auto e = view_->elementAt(at))
            elementDialog(*e);
        else
            hint("Kein Element an dieser Stelle.");
        break;
    case ViewMode::EdgeLoads:
        if (auto edge = view_->edgeNear(at))
            edgeDialog(edge->element, edge->edge);
        else
            hint("Keine Elementkante in der Nähe.");
        break;
    case ViewMode::NodeLoads:
        if (auto n = view_->nodeNear(at))
            nodeDialog(*n);
        else
            hint("Kein Knoten in der Nähe.");
        break;
    case ViewMode::DrawArea:
        view_->addCorner(at);
        break;
    case ViewMode::DrawLine:
        if (view_->addCorner(at)) {
            const auto ends = view_->sketch();
            refresh();
            lineDialog(ends[0], ends[1]);
            view_->clearSketch();
        }
        break;
    case ViewMode::DrawPoint:
        if (view_->addCorner(at)) {
            const scene::Point p = view_->sketch().front();
            refresh();
            pointDialog(p);
            view_->clearSketch();
        }
        break;
    case ViewMode::None:
    case ViewMode::Zoom:
        break;
    }
    refresh();
}

void DaskelWindow::closeSketch() {
    const auto corners = view_->sketch();
    if (corners.size() < 3) {
        statusBar()->showMessage(QStringLiteral("Eine Teilfläche braucht mindestens 3 Ecken."),
                                 kHintTime);
        return;
    }
    areaDialog(corners);
    view_->clearSketch();
}

void DaskelWindow::edgeContextMenu(scene::Point at) {
    QMenu menu(this);
    const auto edge = view_->edgeNear(at);
    QAction* enter = menu.addAction(QStringLiteral("&Kantenlast eingeben..."));
    enter->setEnabled(edge.has_value());
    QAction* table = menu.addAction(QStringLiteral("&Linienlasten (Tabelle)..."));
    QAction* leave = menu.addAction(QStringLiteral("Modus &beenden"));
    QAction* chosen = menu.exec(QCursor::pos());
    if (chosen == enter && edge) edgeDialog(edge->element, edge->edge);
    if (chosen == table) gridDialog(GridKind::Edges);
    if (chosen == leave) view_->leaveMode();
}

void DaskelWindow::mouseDragged(scene::Point from, scene::Point to) {
    if (view_->mode() == ViewMode::Zoom) view_->zoomTo(from, to);
    refresh();
}

QString DaskelWindow::promptText() const {
    return prompt_->text();
}

QString DaskelWindow::cursorText() const {
    return cursor_->text();
}

void DaskelWindow::refresh() {
    if (!view_) return;
    drawing_->setScene(view_->plan());
    drawing_->setWorldWindow(view_->visible());
    drawing_->setWorldWindow(undistorted(view_->visible(), drawing_->mapping()));
    drawing_->setDragging(view_->mode() == ViewMode::Zoom);
    drawing_->setCursor(cursorOf(view_->mode()));
    prompt_->setText(qtui::qs(view_->prompt()));
    setWindowTitle(qtui::qs(editor_->caption()));
    auto check = [this](Action a, bool on) {
        if (QAction* q = (*actions_)[a]) q->setChecked(on);
    };
    const ViewMode mode = view_->mode();
    check(Action::ElementMode, mode == ViewMode::ElementLoads);
    check(Action::EdgeMode, mode == ViewMode::EdgeLoads);
    check(Action::NodeMode, mode == ViewMode::NodeLoads);
    check(Action::DrawArea, mode == ViewMode::DrawArea);
    check(Action::DrawLine, mode == ViewMode::DrawLine);
    check(Action::DrawPoint, mode == ViewMode::DrawPoint);
    check(Action::Zoom, mode == ViewMode::Zoom);
    const ViewSwitches& s = view_->switches();
    check(Action::NodeNumbers, s.nodeNumbers);
    check(Action::ElementNumbers, s.elementNumbers);
    check(Action::AutoOrientation, s.autoOrientation);
    check(Action::PrintFrame, s.printFrame);
}

void DaskelWindow::closeEvent(QCloseEvent* event) {
    if (editor_ && editor_->wantsToSaveBeforeLeaving() && !saveNow()) {
        event->ignore();
        refresh();
        return;
    }
    event->accept();
}

void DaskelWindow::keyPressEvent(QKeyEvent* event) {
    if (view_ && event->key() == Qt::Key_Escape) {
        // Esc drops a load half drawn, and then the mode.
        if (!view_->sketch().empty())
            view_->clearSketch();
        else
            view_->leaveMode();
        refresh();
        return;
    }
    if (view_ && view_->mode() == ViewMode::DrawArea &&
        (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        closeSketch();
        refresh();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void DaskelWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    refresh();
}

std::optional<double> DaskelWindow::numberOf(const std::string& label, const std::string& text) {
    const auto v = cellValue(text);
    if (v && std::isfinite(*v)) return *v;
    ui_.message("Fehler", cellError(label, text));
    return std::nullopt;
}

} // namespace daskel
