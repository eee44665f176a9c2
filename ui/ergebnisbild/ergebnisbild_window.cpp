// The result viewer's window.
#include "ui/ergebnisbild/ergebnisbild_window.hpp"

#include "common/format.hpp"
#include "scene/deformed_view.hpp"
#include "ui/qt/scene_export.hpp"
#include "ui/qt/scene_pages.hpp"
#include "ui/qt/scene_renderer.hpp"
#include "viewer/element_field.hpp"
#include "viewer/load_control.hpp"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QResizeEvent>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace ergebnisbild {

namespace {

/// Room around the fitted plan [pixels].
constexpr double kFitMargin = 10;
/// Width of the legend beside the plan [pixels].
constexpr int kLegendWidth = 240;
/// One step of the wheel or of the zoom commands.
constexpr double kZoomStep = 0.8, kZoomCommand = 0.5;

std::string decimal(double v, const char* format) {
    return slab::withDecimalComma(slab::format(format, v));
}

} // namespace

ErgebnisbildWindow::ErgebnisbildWindow(const std::string& commandLine, ports::Ui* ui)
    : ownUi_(ui ? nullptr : std::make_unique<qtui::QtUi>(this, statusBar())),
      ui_(ui ? *ui : *ownUi_), session_(ui_) {
    setWindowTitle(QStringLiteral("Ergebnisbild"));
    binder_ = std::make_unique<qtui::ActionBinder<Action>>(*this, ergebnisbild::actions(),
                                                           [this](Action a) { run(a); });
    loadCases_ = new QComboBox(this);
    loadCases_->setToolTip(QStringLiteral("Lastfall"));
    if (QToolBar* bar = binder_->builder().toolBar(ui::ToolBar::First)) {
        bar->addSeparator();
        bar->addWidget(new QLabel(QStringLiteral(" Lastfall: "), this));
        bar->addWidget(loadCases_);
    }
    // The quantities get a row of their own under the commands.
    if (QToolBar* quantities = binder_->builder().toolBar(ui::ToolBar::Second)) {
        removeToolBar(quantities);
        addToolBarBreak();
        addToolBar(quantities);
        quantities->show();
    }

    auto* central = new QWidget(this);
    auto* columns = new QHBoxLayout(central);
    auto* left = new QVBoxLayout;
    title_ = new QLabel(central);
    QFont bold = title_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.15);
    title_->setFont(bold);
    plan_ = new qtui::SceneView(central);
    plan_->setDragging(true);
    plan_->installEventFilter(this);
    left->addWidget(title_);
    left->addWidget(plan_, 1);
    legend_ = new qtui::SceneView(central);
    legend_->setFixedWidth(kLegendWidth);
    legend_->installEventFilter(this);
    columns->addLayout(left, 1);
    columns->addWidget(legend_);
    setCentralWidget(central);

    connect(plan_, &qtui::SceneView::moved, this, [this](scene::Point p) { showValueAt(p); });
    connect(plan_, &qtui::SceneView::dragged, this, [this](scene::Point a, scene::Point b) {
        const auto r = scene::draggedRect(a, b);
        if (r.x2 - r.x1 > 0 && r.y2 - r.y1 > 0) {
            viewRect_ = r;
            applyView();
        }
    });

    session_.open(commandLine);
    fillLoadCases();
    connect(loadCases_, &QComboBox::currentIndexChanged, this,
            [this](int index) { chooseLoadCase(index); });
    redraw();
    fit();
    statusBar()->showMessage(
        QStringLiteral("Rechteck aufziehen oder Mausrad: vergrößern; Strg+F: ganze Platte."));
}

ErgebnisbildWindow::~ErgebnisbildWindow() = default;

void ErgebnisbildWindow::trigger(Action a) {
    run(a);
}

QString ErgebnisbildWindow::title() const {
    return title_->text();
}

void ErgebnisbildWindow::run(Action a) {
    if (const auto q = shownQuantity(a)) {
        chooseQuantity(*q);
        return;
    }
    switch (a) {
    case Action::Perspective:
        view_ = view_ == scene::ResultView::Plan ? scene::ResultView::Perspective
                                                 : scene::ResultView::Plan;
        redraw();
        fit();
        break;
    case Action::Reload:
        session_.reload();
        fillLoadCases();
        redraw();
        break;
    case Action::Picture:
        askPicture();
        break;
    case Action::Report:
        askReport();
        break;
    case Action::Print:
        print(false);
        break;
    case Action::PrintPreview:
        print(true);
        break;
    case Action::Fit:
        fit();
        break;
    case Action::ZoomIn:
    case Action::ZoomOut: {
        const auto& r = viewRect_;
        zoom(a == Action::ZoomIn ? kZoomCommand : 1 / kZoomCommand,
             {(r.x1 + r.x2) / 2.0, (r.y1 + r.y2) / 2.0});
        break;
    }
    case Action::Quit:
        close();
        break;
    // The console's own commands; the window has menus and the mouse for them.
    case Action::Quantity:
    case Action::LoadCase:
    case Action::View:
    case Action::Value:
    case Action::Extremes:
    case Action::ShowW:
    case Action::ShowMxx:
    case Action::ShowMyy:
    case Action::ShowMxy:
    case Action::ShowM1:
    case Action::ShowM2:
    case Action::ShowQx:
    case Action::ShowQy:
    case Action::ShowSoil:
    case Action::ShowReactions:
        break;
    }
    updateChecks();
}

void ErgebnisbildWindow::chooseQuantity(viewer::Quantity q) {
    if (session_.chooseQuantity(q)) {
        // A quantity is seen in the plan; the perspective shows only the deflection.
        if (view_ == scene::ResultView::Perspective) {
            view_ = scene::ResultView::Plan;
            redraw();
            fit();
        } else {
            redraw();
        }
    }
    updateChecks();
}

void ErgebnisbildWindow::chooseLoadCase(int index) {
    if (index < 0) return;
    const int n = loadCases_->itemData(index).toInt();
    if (n == session_.loadCase() && session_.results()) return;
    const bool hadResults = session_.results() != nullptr;
    if (session_.chooseLoadCase(n)) {
        redraw();
        if (!hadResults) fit();
    }
    fillLoadCases();
}

void ErgebnisbildWindow::fillLoadCases() {
    const QSignalBlocker block(loadCases_);
    loadCases_->clear();
    for (int n : session_.computedLoadCases())
        loadCases_->addItem(QString::number(n), n);
    loadCases_->setCurrentIndex(loadCases_->findData(session_.loadCase()));
}

void ErgebnisbildWindow::updateChecks() {
    for (viewer::Quantity q : viewer::kQuantities) {
        if (QAction* a = action(showAction(q))) {
            a->setChecked(q == session_.quantity());
            a->setEnabled(q != viewer::Quantity::Soil || !session_.results() ||
                          session_.results()->bedded());
        }
    }
    if (QAction* a = action(Action::Perspective))
        a->setChecked(view_ == scene::ResultView::Perspective);
}

void ErgebnisbildWindow::redraw() {
    updateChecks();
    const viewer::ResultSet* r = session_.results();
    if (!r) {
        scene::Scene empty;
        empty.bounds = {0, 0, 10, 10};
        empty.add(scene::Text{{5, 5}, "Keine Ergebnisse geladen.", 11, scene::Anchor::Center});
        plan_->setScene(std::move(empty));
        legend_->setScene({});
        title_->setText(qtui::qs(session_.caption()));
        return;
    }
    scene::ResultDrawing d;
    if (view_ == scene::ResultView::Plan) {
        scene::ResultStyle style;
        // The labels are kept apart at the scale of the fitted plan.
        const auto& b = scene::planBounds(*r);
        const double pointsPerPixel = 72.0 / std::max(1, plan_->logicalDpiX());
        style.pointsPerMetre =
            std::min(plan_->width() / (b.x2 - b.x1), plan_->height() / (b.y2 - b.y1)) /
            pointsPerPixel;
        d = scene::resultDrawing(*r, session_.quantity(), session_.caption(), style);
    } else {
        d = scene::deformedView(*r, session_.caption());
    }
    title_->setText(qtui::qs(d.title));
    plan_->setScene(std::move(d.plan));
    legend_->setScene(std::move(d.legend));
    applyView();
    // The status line follows the quantity now shown.
    if (cursor_) showValueAt(*cursor_);
}

void ErgebnisbildWindow::fit() {
    viewRect_ = plan_->sceneShown().bounds;
    applyView();
}

void ErgebnisbildWindow::applyView() {
    const auto mapping = qtui::fittedMapping(
        viewRect_,
        {0, 0, double(std::max(1, plan_->width())), double(std::max(1, plan_->height()))},
        kFitMargin);
    plan_->setWorldWindow(mapping.world());
    // The legend is drawn one point to one point, hanging from its top.
    const double perPixel = 72.0 / std::max(1, legend_->logicalDpiX());
    const auto& b = legend_->sceneShown().bounds;
    const float top = b.y2 + 8;
    legend_->setWorldWindow({-8, static_cast<float>(top - legend_->height() * perPixel),
                             static_cast<float>(-8 + legend_->width() * perPixel), top});
}

void ErgebnisbildWindow::zoom(double factor, scene::Point about) {
    const auto& r = viewRect_;
    viewRect_ = {static_cast<float>(about.x + (r.x1 - about.x) * factor),
                 static_cast<float>(about.y + (r.y1 - about.y) * factor),
                 static_cast<float>(about.x + (r.x2 - about.x) * factor),
                 static_cast<float>(about.y + (r.y2 - about.y) * factor)};
    applyView();
}

bool ErgebnisbildWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && (watched == plan_ || watched == legend_)) {
        applyView();
    } else if (event->type() == QEvent::Wheel && watched == plan_) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        const double steps = wheel->angleDelta().y() / 120.0;
        if (steps != 0) zoom(std::pow(kZoomStep, steps), plan_->toWorld(wheel->position()));
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void ErgebnisbildWindow::showValueAt(scene::Point p) {
    const viewer::ResultSet* r = session_.results();
    if (!r) return;
    if (view_ == scene::ResultView::Perspective) {
        // The picture's points are no places of the slab.
        cursor_.reset();
        statusBar()->showMessage(
            QStringLiteral("Werte zeigt der Grundriss (Ansicht, Verformte Platte aus)."));
        return;
    }
    cursor_ = p;
    const viewer::Quantity q = session_.quantity();
    std::string text = "x = " + decimal(p.x, "%.3f") + " m   y = " + decimal(p.y, "%.3f") + " m   ";
    if (q == viewer::Quantity::Reactions) {
        if (const auto j = viewer::reactionNodeNear(*r, {p.x, p.y})) {
            const auto& f = r->reactions[static_cast<std::size_t>(*j)];
            text += slab::format("Knoten %i: ", *j) + "F = " + decimal(f[0], "%.3f") +
                    " kN   Mxx = " + decimal(f[1], "%.3f") + "   Myy = " + decimal(f[2], "%.3f") +
                    "   Mxy = " + decimal(f[3], "%.3f") + " kNm";
        } else {
            text += "kein gelagerter Knoten";
        }
    } else if (const auto v = viewer::valueAt(*r, q, {p.x, p.y})) {
        text += std::string(viewer::quantityName(q)) + " = " + viewer::extremeText(*v) + " " +
                std::string(viewer::quantityUnit(q));
    } else {
        text += "außerhalb der Platte";
    }
    statusBar()->showMessage(qtui::qs(text));
}

bool ErgebnisbildWindow::haveResults() {
    if (session_.results()) return true;
    ui_.message(viewer::kViewerTitle, "Es sind keine Ergebnisse geladen. Wählen Sie einen "
                                      "berechneten Lastfall.");
    return false;
}

scene::Scene ErgebnisbildWindow::page(double width, double height) const {
    return scene::viewPage(*session_.results(), session_.quantity(), view_, session_.caption(),
                           width, height);
}

bool ErgebnisbildWindow::exportPicture(const std::string& path) {
    if (!haveResults()) return false;
    const auto error =
        pictures_.writePicture([this](double w, double h) { return page(w, h); }, path);
    if (error) {
        ui_.message(viewer::kViewerTitle, *error);
        return false;
    }
    statusBar()->showMessage(qtui::qs("Bild geschrieben: " + path));
    return true;
}

bool ErgebnisbildWindow::exportReport(const std::string& path) {
    if (!haveResults()) return false;
    const viewer::ResultSet& r = *session_.results();
    const auto control = viewer::readLoadControl(r.directory, r.loadCase);
    const auto error = pictures_.writeReport(
        [&](double w, double h) {
            return scene::reportPages(r, session_.caption(), control, w, h);
        },
        path);
    if (error) {
        ui_.message(viewer::kViewerTitle, *error);
        return false;
    }
    statusBar()->showMessage(qtui::qs("Bericht geschrieben: " + path));
    return true;
}

void ErgebnisbildWindow::askPicture() {
    if (!haveResults()) return;
    QString filter;
    QString file = QFileDialog::getSaveFileName(
        this, QStringLiteral("Bild exportieren"), qtui::qs(session_.directory()),
        QStringLiteral("PNG-Bild (*.png);;PDF-Dokument (*.pdf);;SVG-Zeichnung (*.svg)"), &filter);
    if (file.isEmpty()) return;
    if (!qtui::pictureFormat(file.toStdString())) {
        // No extension typed: the one of the chosen filter.
        const int star = filter.indexOf(QStringLiteral("*."));
        file += filter.mid(star + 1, 4);
    }
    exportPicture(file.toStdString());
}

void ErgebnisbildWindow::askReport() {
    if (!haveResults()) return;
    QString file = QFileDialog::getSaveFileName(this, QStringLiteral("Bericht als PDF"),
                                                qtui::qs(session_.directory()),
                                                QStringLiteral("PDF-Dokument (*.pdf)"));
    if (file.isEmpty()) return;
    if (!file.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) file += QStringLiteral(".pdf");
    exportReport(file.toStdString());
}

void ErgebnisbildWindow::print(bool preview) {
    if (!haveResults()) return;
    QPrinter printer(QPrinter::HighResolution);
    auto paint = [this](QPrinter* p) {
        qtui::PictureOptions options;
        options.frame = false;
        qtui::printScene(page(kA4Long, kA4Short), *p, options);
    };
    if (preview) {
        QPrintPreviewDialog dialog(&printer, this);
        dialog.setWindowTitle(QStringLiteral("Druckvorschau"));
        connect(&dialog, &QPrintPreviewDialog::paintRequested, this, paint);
        dialog.exec();
        return;
    }
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Drucken"));
    if (dialog.exec() == QDialog::Accepted) paint(&printer);
}

int runWindow(int argc, char** argv, const std::string& commandLine) {
    QApplication app(argc, argv);
    if (commandLine.empty()) {
        qtui::QtUi(nullptr).message("Fehlende Eingabe",
                                    "Kommandozeile: .POS @Datenpfad/ [@Lastfall]");
        return 1;
    }
    ErgebnisbildWindow window(commandLine);
    window.resize(1280, 860);
    window.show();
    return app.exec();
}

} // namespace ergebnisbild
