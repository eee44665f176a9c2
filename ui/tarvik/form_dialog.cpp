// The frame of the settings dialogs.
#include "ui/tarvik/form_dialog.hpp"

#include "common/format.hpp"
#include "ports/ports.hpp"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvik {

FormDialog::FormDialog(const QString& title, ports::MessageBox& box, QWidget* parent,
                       const QString& okText)
    : QDialog(parent), form_(new QFormLayout), layout_(new QVBoxLayout(this)), box_(box),
      buttons_(new QDialogButtonBox(this)) {
    setWindowTitle(title);
    setModal(true);
    setMinimumWidth(340);
    layout_->addLayout(form_);
    ok_ = buttons_->addButton(okText, QDialogButtonBox::AcceptRole);
    ok_->setDefault(true);
    buttons_->addButton("Abbrechen", QDialogButtonBox::RejectRole);
    layout_->addWidget(buttons_);
    connect(buttons_, &QDialogButtonBox::accepted, this, &FormDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QLineEdit* FormDialog::addLine(const QString& label, const QString& text) {
    auto* field = new QLineEdit(text, this);
    field->setMinimumWidth(260);
    form_->addRow(label, field);
    return field;
}

QLineEdit* FormDialog::addNumber(const QString& label, int value) {
    auto* field = addLine(label, QString::number(value));
    field->setMaximumWidth(120);
    field->setMinimumWidth(80);
    return field;
}

QCheckBox* FormDialog::addCheck(const QString& text, bool checked) {
    auto* box = new QCheckBox(text, this);
    box->setChecked(checked);
    form_->addRow(box);
    return box;
}

void FormDialog::addRow(const QString& label, QWidget* widget) {
    if (label.isEmpty())
        form_->addRow(widget);
    else
        form_->addRow(label, widget);
}

void FormDialog::addHint(const QString& text) {
    auto* label = new QLabel(text, this);
    label->setWordWrap(true);
    form_->addRow(label);
}

std::optional<int> FormDialog::number(const QLineEdit* field, const QString& label) {
    if (auto n = slab::parseInteger(textOf(field))) return n;
    box_.message("Fehler",
                 slab::format("\"%s\" braucht eine ganze Zahl.", label.toStdString().c_str()));
    return std::nullopt;
}

std::optional<double> FormDialog::decimal(const QLineEdit* field, const QString& label) {
    const std::string text = textOf(field);
    // An empty entry is 0.
    if (text.find_first_not_of(' ') == std::string::npos) return 0.0;
    if (auto v = slab::parseNumber(text)) return v;
    box_.message("Fehler", slab::format("\"%s\" braucht eine Zahl.", label.toStdString().c_str()));
    return std::nullopt;
}

QPushButton* FormDialog::okButton() const {
    return ok_;
}

void FormDialog::accept() {
    if (store_ && !store_()) return;
    QDialog::accept();
}

std::string textOf(const QLineEdit* field) {
    return field->text().toStdString();
}

} // namespace tarvik
