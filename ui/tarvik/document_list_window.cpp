// The document list window.
#include "ui/tarvik/document_list_window.hpp"

#include "manager/document_list.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/tarvik/print_dialogs.hpp"
#include "ui/tarvik/text_windows.hpp"

#include <QDialogButtonBox>
#include <QFont>
#include <QKeySequence>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace tarvik {

DocumentListWindow::DocumentListWindow(PositionDocuments& documents, DocumentPrinter& printer,
                                       ports::Ui& ui, QWidget* parent)
    : QDialog(parent), documents_(documents), printer_(printer), ui_(ui),
      list_(new QListWidget(this)) {
    setWindowTitle("Texte");
    auto* layout = new QVBoxLayout(this);
    auto* menu = new QMenuBar(this);
    menu->addAction("&Kopfzeilen", this, &DocumentListWindow::editHeaderLines);
    layout->setMenuBar(menu);
    QFont font("Courier New", 9);
    font.setFamilies({"Courier New", "Liberation Mono", "DejaVu Sans Mono"});
    font.setStyleHint(QFont::TypeWriter);
    list_->setFont(font);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    layout->addWidget(list_);
    auto* buttons = new QDialogButtonBox(this);
    const std::pair<const char*, void (DocumentListWindow::*)()> commands[] = {
        {"&Drucken", &DocumentListWindow::printChosen},
        {"&Formulardruck", &DocumentListWindow::formPrintChosen},
        {"In Datei Drucken", &DocumentListWindow::printChosenIntoFile},
        {"&Löschen", &DocumentListWindow::deleteChosen}};
    for (const auto& [text, command] : commands) {
        QPushButton* button =
            buttons->addButton(QString::fromUtf8(text), QDialogButtonBox::ActionRole);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, command);
    }
    buttons->addButton("&Ende", QDialogButtonBox::RejectRole)->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { viewCurrent(); });
    // The keys of the list: Delete deletes, Enter views.
    for (const auto& [key, command] :
         {std::pair{Qt::Key_Delete, &DocumentListWindow::deleteChosen},
          std::pair{Qt::Key_Return, &DocumentListWindow::viewCurrent},
          std::pair{Qt::Key_Enter, &DocumentListWindow::viewCurrent}}) {
        auto* shortcut = new QShortcut(QKeySequence(key), list_);
        shortcut->setContext(Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, command);
    }
    resize(720, 420);
    refresh();
}

void DocumentListWindow::refresh() {
    list_->clear();
    auto* heading = new QListWidgetItem(qtui::qs(kDocumentListHeading), list_);
    heading->setFlags(Qt::ItemIsEnabled); // shown, never chosen
    for (const auto& entry : documents_.entries())
        new QListWidgetItem(qtui::qs(entry), list_);
}

std::vector<std::size_t> DocumentListWindow::chosen() const {
    std::vector<std::size_t> rows;
    for (int row = 1; row < list_->count(); ++row)
        if (list_->item(row)->isSelected()) rows.push_back(static_cast<std::size_t>(row));
    return rows;
}

std::vector<std::size_t> DocumentListWindow::chosenOrSay() {
    auto rows = chosen();
    if (rows.empty()) ui_.message("Hinweis", "Es ist kein Dokument gewählt.");
    return rows;
}

void DocumentListWindow::viewCurrent() {
    const int row = list_->currentRow();
    if (row < 1) return;
    if (const auto path = documents_.view(static_cast<std::size_t>(row)))
        if (auto viewer = TextViewer::open(*path, ui_, false, this)) viewer->exec();
}

void DocumentListWindow::printChosen() {
    const auto rows = chosenOrSay();
    if (rows.empty()) return;
    // The dialog only checks; the print stores its numbers and puts them back if nothing went out.
    std::optional<NumberingDialog> entered;
    NumberingWindow dialog(
        documents_.openNumbering(), ui_,
        [&](const NumberingDialog& d) {
            if (auto problem = numberingProblem(d.numbering)) {
                ui_.message("Fehler", *problem);
                return false;
            }
            if (auto problem = textPrintSettingsProblem(d.text)) {
                ui_.message("Fehler", *problem);
                return false;
            }
            entered = d;
            return true;
        },
        this);
    if (dialog.exec() != QDialog::Accepted || !entered) return;
    documents_.print(rows, printer_, destination_, entered);
    list_->clearSelection();
}

void DocumentListWindow::formPrintChosen() {
    const auto rows = chosenOrSay();
    if (rows.empty()) return;
    FormHeaderDialog dialog(
        documents_.openForm(), ui_, [this](const FormHeader& h) { return documents_.storeForm(h); },
        this);
    if (dialog.exec() != QDialog::Accepted) return;
    documents_.formPrint(rows, printer_, destination_);
    list_->clearSelection();
}

void DocumentListWindow::printChosenIntoFile() {
    const auto rows = chosenOrSay();
    if (rows.empty()) return;
    const auto name = ui_.askText("In eine Datei drucken", "Name der Datei", "");
    if (!name) return;
    documents_.printIntoFile(*name, rows);
    list_->clearSelection();
}

void DocumentListWindow::deleteChosen() {
    const auto rows = chosen();
    // Nothing chosen, or no: only the selection is cleared.
    if (!rows.empty() && documents_.remove(rows)) refresh();
    list_->clearSelection();
}

void DocumentListWindow::editHeaderLines() {
    HeaderLinesDialog dialog(
        documents_.openHeaderLines(), ui_,
        [this](const HeaderLines& h) { return documents_.storeHeaderLines(h); }, this);
    dialog.exec();
}

} // namespace tarvik
