// The archive windows and commands.
#include "ui/tarvik/archive_windows.hpp"

#include "common/format.hpp"
#include "ui/qt/qt_ui.hpp"
#include "ui/tarvik/text_windows.hpp"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvik {

TransferWindow::TransferWindow(const QString& title, const Transfer& transfer, QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)) {
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    for (const auto& line : transfer.lines)
        list_->addItem(qtui::qs(line));
    layout->addWidget(list_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText("Abbrechen");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(820, 260);
}

ArchiveFilesWindow::ArchiveFilesWindow(std::vector<std::string> files, PositionDocuments& documents,
                                       DocumentPrinter& printer, ports::MessageBox& box,
                                       QWidget* parent)
    : QDialog(parent), files_(std::move(files)), documents_(documents), printer_(printer),
      box_(box), list_(new QListWidget(this)) {
    setWindowTitle("Acad- und Echo-Dateien");
    auto* layout = new QVBoxLayout(this);
    for (const auto& file : files_)
        list_->addItem(qtui::qs(file));
    layout->addWidget(list_);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton("&OK", QDialogButtonBox::AcceptRole);
    buttons->addButton("&Ende", QDialogButtonBox::RejectRole);
    QPushButton* print = buttons->addButton("&Drucken", QDialogButtonBox::ActionRole);
    connect(print, &QPushButton::clicked, this, &ArchiveFilesWindow::printCurrent);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { openCurrent(); });
    layout->addWidget(buttons);
    resize(620, 280);
}

void ArchiveFilesWindow::openCurrent() {
    const int row = list_->currentRow();
    if (row < 0) return;
    if (auto window = TextWindow::open(files_[static_cast<std::size_t>(row)], box_, false, this))
        window->exec();
}

void ArchiveFilesWindow::printCurrent() {
    const int row = list_->currentRow();
    if (row < 0) {
        box_.message("Hinweis", "Es ist keine Datei gewählt.");
        return;
    }
    documents_.printFiles({files_[static_cast<std::size_t>(row)]}, printer_, destination_);
}

void storePosition(Manager& manager, ports::Ui& ui, QWidget* parent) {
    if (manager.positionName().empty()) {
        ui.message("Achtung", kNoPosition);
        return;
    }
    const auto folder =
        ui.chooseFolder(slab::format("Eingabe Pos. %s speichern", manager.positionName().c_str()),
                        manager.dataPath());
    if (!folder) return;
    if (const auto transfer = manager.storeArchive(*folder))
        TransferWindow("Gespeicherte Dateien", *transfer, parent).exec();
}

void loadPosition(Manager& manager, ports::Ui& ui, QWidget* parent) {
    std::string start = manager.loadFolder();
    if (start.empty()) start = manager.dataPath();
    const auto file = ui.chooseFile("Position laden", start, "ACADGEO.*");
    if (!file) return;
    const ArchivePick pick = splitArchivePath(*file, manager.workDirectory());
    if (!pick.source) {
        ui.message("Fehler", pick.problem);
        return;
    }
    const auto name =
        ui.askText("Archivierte Position laden", "Laden als Position", pick.source->name);
    if (!name) return;
    const auto transfer = manager.loadArchive(*file, *name);
    if (!transfer) return;
    TransferWindow window("Laden", *transfer, parent);
    if (window.exec() == QDialog::Accepted) manager.openLoadedPosition(transfer->position);
}

} // namespace tarvik
