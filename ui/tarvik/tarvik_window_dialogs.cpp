// The main window's own dialogs: "Neue Position", "Duplizieren (Kopieren) einer Position" and
// the protocol view "Protokoll".
#include "ui/tarvik/tarvik_window.hpp"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvik {

namespace {

QDialogButtonBox* okCancel(QDialog* dialog) {
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    box->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    box->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return box;
}

} // namespace

void TarvikWindow::newPositionDialog() {
    QDialog dialog(this);
    dialog.setWindowTitle(QStringLiteral("Neue Position"));
    auto* name = new QLineEdit(QStringLiteral("Neu"), &dialog);
    auto* path = new QLineEdit(qtui::qs(manager_.dataPathBare()), &dialog);
    auto* choose = new QPushButton(QStringLiteral("Pfad auswählen"), &dialog);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Position"), name);
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(path);
    pathRow->addWidget(choose);
    form->addRow(QStringLiteral("Datenpfad"), pathRow);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    QDialogButtonBox* box = okCancel(&dialog);
    layout->addWidget(box);
    connect(choose, &QPushButton::clicked, &dialog, [this, path] {
        if (auto dir = ui_.chooseFolder("Datenpfad", path->text().toStdString()))
            path->setText(qtui::qs(*dir));
    });
    connect(box, &QDialogButtonBox::accepted, &dialog, [&] {
        // A data path that cannot be made keeps the dialog open with its message.
        dialog.hide();
        if (manager_.newPositionDialog(name->text().toStdString(), path->text().toStdString()))
            dialog.accept();
        else
            dialog.show();
    });
    name->setFocus();
    name->selectAll();
    dialog.exec();
}

void TarvikWindow::duplicateDialog() {
    if (manager_.positionName().empty()) {
        ui_.message("Achtung", "Es ist keine Position gewählt.");
        return;
    }
    QDialog dialog(this);
    dialog.setWindowTitle(QStringLiteral("Duplizieren (Kopieren) einer Position"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("aktuelle Position"),
                 new QLabel(qtui::qs(manager_.positionName()), &dialog));
    auto* copy = new QLineEdit(qtui::qs(manager_.positionName() + "A"), &dialog);
    form->addRow(QStringLiteral("duplizieren als Position"), copy);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    QDialogButtonBox* box = okCancel(&dialog);
    layout->addWidget(box);
    connect(box, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    if (dialog.exec() != QDialog::Accepted) return;
    manager_.duplicate(copy->text().trimmed().toStdString());
}

QListWidget* TarvikWindow::openProtocol() {
    auto* dialog = new QDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(QStringLiteral("Protokoll"));
    auto* list = new QListWidget(dialog);
    for (const auto& line : manager_.protocol()) list->addItem(qtui::qs(line));
    list->setFont(QFont(QStringLiteral("Courier New"), 10));
    auto* layout = new QHBoxLayout(dialog);
    layout->addWidget(list, 1);
    auto* hints = new QVBoxLayout;
    for (const char* hint : {"Doppelklick", "schaltet zu LF,", "zu Satz, etc."})
        hints->addWidget(new QLabel(QString::fromUtf8(hint), dialog));
    hints->addStretch();
    layout->addLayout(hints);
    connect(list, &QListWidget::itemDoubleClicked, this,
            [this, list](QListWidgetItem* item) { protocolDoubleClicked(list->row(item)); });
    dialog->resize(620, 380);
    dialog->show();
    return list;
}

void TarvikWindow::protocolDoubleClicked(int row) {
    if (row >= 0) manager_.restartFromProtocol(static_cast<std::size_t>(row) + 1);
}

} // namespace tarvik
