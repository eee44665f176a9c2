// The frame of the manager's settings dialogs: labelled fields in a form and the buttons; OK
// hands the values to a check that stores them, and the dialog closes only when it succeeds.
#pragma once

#include <QDialog>

#include <functional>
#include <optional>
#include <string>

class QCheckBox;
class QDialogButtonBox;
class QFormLayout;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace ports {
class MessageBox;
}

namespace tarvik {

class FormDialog : public QDialog {
  public:
    /// okText names the accepting button ("OK", "&Weiter").
    FormDialog(const QString& title, ports::MessageBox& box, QWidget* parent,
               const QString& okText = "OK");

    /// A text field under its label.
    QLineEdit* addLine(const QString& label, const QString& text);
    /// A number field under its label.
    QLineEdit* addNumber(const QString& label, int value);
    /// A check box.
    QCheckBox* addCheck(const QString& text, bool checked);
    /// Any widget under its label (an empty label spans the row).
    void addRow(const QString& label, QWidget* widget);
    /// A line of explanation.
    void addHint(const QString& text);
    /// What OK runs; the dialog closes when it returns true.
    void onOk(std::function<bool()> store) { store_ = std::move(store); }
    /// The whole number in a field; nullopt after a message naming the label.
    std::optional<int> number(const QLineEdit* field, const QString& label);
    /// The decimal number (comma or point) in a field; an empty field is 0.
    std::optional<double> decimal(const QLineEdit* field, const QString& label);
    /// The accepting button.
    QPushButton* okButton() const;
    /// The buttons row, for further buttons.
    QDialogButtonBox* buttons() const { return buttons_; }

  protected:
    QFormLayout* form_;
    QVBoxLayout* layout_;

  private:
    void accept() override;

    ports::MessageBox& box_;
    QDialogButtonBox* buttons_;
    QPushButton* ok_;
    std::function<bool()> store_;
};

/// A field's text as UTF-8.
std::string textOf(const QLineEdit* field);

} // namespace tarvik
