// The load editor's window: the tables as grid dialogs, printing and the print preview of the
// load plan with the two print switches, and the plan written as a picture.
#include "ui/daskel/daskel_window.hpp"
#include "ui/qt/grid_dialog.hpp"

#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>

namespace daskel {

namespace {

constexpr const char* kCopyDownNote = "F5 kopiert nach unten.";

qtui::Grid gridOf(const LoadGrid& g) {
    qtui::Grid grid;
    grid.title = g.title;
    grid.headings = g.headings;
    grid.readOnlyColumns = g.readOnlyColumns;
    grid.fixedRows = g.fixedRows;
    grid.rows = g.rows;
    for (const std::string& hint : g.hints)
        grid.note += hint + "\n";
    grid.note += kCopyDownNote;
    return grid;
}

LoadGrid loadGridOf(const qtui::Grid& grid, const LoadGrid& shown) {
    LoadGrid g = shown;
    g.rows = grid.rows;
    return g;
}

} // namespace

void DaskelWindow::gridDialog(GridKind kind) {
    const std::optional<LoadList> list = listOfGrid(kind);
    const LoadGrid shown = list ? listGrid(kind, editor_->loadCase())
                                : tableGrid(kind, editor_->model(), editor_->loads());
    std::vector<qtui::GridButton> buttons;
    buttons.push_back({"Alle löschen", [shown](qtui::Grid& g) {
                           LoadGrid cleared = loadGridOf(g, shown);
                           clearGrid(cleared);
                           g.rows = cleared.rows;
                       }});
    auto accept = [this, shown, list](const qtui::Grid& g) -> std::optional<std::string> {
        const LoadGrid edited = loadGridOf(g, shown);
        if (list) {
            LoadCaseOrError r =
                applyListGrid(shown, edited, editor_->loadCase(), editor_->outline());
            if (!r.loadCase) return r.error;
            editor_->replaceLoads(*list, *r.loadCase);
            return std::nullopt;
        }
        TablesOrError r = applyTableGrid(shown, edited, editor_->loads());
        if (!r.tables) return r.error;
        editor_->replaceLoadTables(*r.tables);
        return std::nullopt;
    };
    qtui::GridDialog dialog(this, gridOf(shown), std::move(buttons), accept);
    dialog.exec();
    refresh();
}

void DaskelWindow::print() {
    QPrintDialog dialog(&printer_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!qtui::printScene(view_->plan(), printer_, view_->printOptions()))
        ui_.message("Fehler", "Der Drucker kann nicht drucken.");
}

void DaskelWindow::printPreview() {
    QPrintPreviewDialog preview(&printer_, this);
    preview.setWindowTitle(QStringLiteral("Druckvorschau"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* printer) {
        qtui::printScene(view_->plan(), *printer, view_->printOptions());
    });
    preview.exec();
}

void DaskelWindow::printerSetup() {
    QPageSetupDialog dialog(&printer_, this);
    dialog.exec();
}

void DaskelWindow::exportDrawing() {
    const QString file =
        QFileDialog::getSaveFileName(this, QStringLiteral("Zeichnung speichern"),
                                     qtui::qs(editor_->paths().positionDirectory + "lastplan.png"),
                                     QStringLiteral("Zeichnungen (*.png *.pdf *.svg)"));
    if (file.isEmpty()) return;
    if (auto error = pictures_.writePicture(view_->plan(), file.toStdString(), {}))
        ui_.message("Fehler", *error);
}

} // namespace daskel
