// The dialog of labelled fields.
#include "ui/qt/form_dialog.hpp"

#include "ui/qt/qt_ui.hpp"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qtui {

namespace {

/// The least width of a text field [pixels].
constexpr int kFieldWidth = 260;

} // namespace

FormDialog::FormDialog(QWidget* parent, std::string_view title)
    : QDialog(parent), body_(new QVBoxLayout(this)) {
    setWindowTitle(qs(title));
}

QFormLayout* FormDialog::form() {
    if (!form_) {
        form_ = new QFormLayout;
        body_->addLayout(form_);
    }
    return form_;
}

void FormDialog::addLine(std::string_view text) {
    form_ = nullptr; // the fields after the line stand below it
    body_->addWidget(new QLabel(qs(text), this));
}

void FormDialog::addGroup(std::string_view title) {
    auto* box = new QGroupBox(qs(title), this);
    form_ = new QFormLayout(box);
    body_->addWidget(box);
}

QLineEdit* FormDialog::addField(std::string_view label, const std::string& text, bool readOnly) {
    auto* edit = new QLineEdit(qs(text), this);
    // Wide enough for a title or a data path to be read whole.
    edit->setMinimumWidth(kFieldWidth);
    edit->setReadOnly(readOnly);
    if (readOnly) edit->setFocusPolicy(Qt::NoFocus);
    form()->addRow(qs(label), edit);
    fields_.emplace(std::string(label), edit);
    return edit;
}

QCheckBox* FormDialog::addCheck(std::string_view text, bool on) {
    auto* box = new QCheckBox(qs(text), this);
    box->setChecked(on);
    form()->addRow(box);
    checks_.emplace(std::string(text), box);
    return box;
}

QButtonGroup* FormDialog::addRadios(std::string_view title, const std::vector<std::string>& texts,
                                    int chosen) {
    auto* box = new QGroupBox(qs(title), this);
    auto* layout = new QVBoxLayout(box);
    auto* group = new QButtonGroup(this);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        auto* button = new QRadioButton(qs(texts[i]), box);
        button->setChecked(static_cast<int>(i) == chosen);
        group->addButton(button, static_cast<int>(i));
        layout->addWidget(button);
    }
    form_ = nullptr;
    body_->addWidget(box);
    radios_.emplace(std::string(title), group);
    return group;
}

void FormDialog::addButtons(std::string_view second, std::string_view cancel, std::string_view ok) {
    auto* box = new QDialogButtonBox(this);
    QPushButton* okButton = box->addButton(qs(ok), QDialogButtonBox::AcceptRole);
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, [this] { press(Ok); });
    if (!second.empty()) {
        QPushButton* b = box->addButton(qs(second), QDialogButtonBox::ActionRole);
        connect(b, &QPushButton::clicked, this, [this] { press(Second); });
    }
    QPushButton* cancelButton = box->addButton(qs(cancel), QDialogButtonBox::RejectRole);
    connect(cancelButton, &QPushButton::clicked, this, [this] { press(Cancel); });
    body_->addWidget(box);
}

QLineEdit* FormDialog::field(std::string_view label) const {
    auto it = fields_.find(label);
    return it == fields_.end() ? nullptr : it->second;
}

QCheckBox* FormDialog::check(std::string_view text) const {
    auto it = checks_.find(text);
    return it == checks_.end() ? nullptr : it->second;
}

QButtonGroup* FormDialog::radios(std::string_view title) const {
    auto it = radios_.find(title);
    return it == radios_.end() ? nullptr : it->second;
}

std::string FormDialog::text(std::string_view label) const {
    const QLineEdit* edit = field(label);
    return edit ? edit->text().trimmed().toStdString() : std::string();
}

int FormDialog::chosen(std::string_view title) const {
    const QButtonGroup* group = radios(title);
    return group ? group->checkedId() : -1;
}

} // namespace qtui
