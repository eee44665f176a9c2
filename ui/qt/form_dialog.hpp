// A dialog of labelled text fields, check boxes, radio groups and hint lines, built by a few
// calls, with OK, an optional second button and a cancel button at its foot; its fields are
// found by their labels, by the program and by tests alike.
#pragma once

#include <QDialog>

#include <map>
#include <string>
#include <string_view>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QFormLayout;
class QLineEdit;
class QRadioButton;
class QVBoxLayout;

namespace qtui {

class FormDialog : public QDialog {
  public:
    /// What closed the dialog: the cancel button (or Esc), OK, or the second button.
    enum Code { Cancel = 0, Ok = 1, Second = 2 };

    FormDialog(QWidget* parent, std::string_view title);

    /// A line of text above the fields that follow.
    void addLine(std::string_view text);
    /// A group box of its own; the fields added after it go into it until the next group.
    void addGroup(std::string_view title);
    /// A labelled text field; read-only fields only show a value.
    QLineEdit* addField(std::string_view label, const std::string& text, bool readOnly = false);
    QCheckBox* addCheck(std::string_view text, bool on);
    /// A group of radio buttons, the one at `chosen` checked.
    QButtonGroup* addRadios(std::string_view title, const std::vector<std::string>& texts,
                            int chosen);
    /// The buttons at the foot: OK, the second one when named, and the cancel button.
    void addButtons(std::string_view second = {}, std::string_view cancel = "Abbrechen",
                    std::string_view ok = "OK");

    /// The field, check box or radio group of that label; nullptr when there is none.
    QLineEdit* field(std::string_view label) const;
    QCheckBox* check(std::string_view text) const;
    QButtonGroup* radios(std::string_view title) const;
    /// The field's text without surrounding blanks.
    std::string text(std::string_view label) const;
    /// The index of the checked radio button of the group, -1 when none.
    int chosen(std::string_view title) const;
    /// Closes the dialog as that button does (also for tests).
    void press(Code code) { done(code); }
    /// The layout the fields go into, for a widget of a dialog's own.
    QVBoxLayout* body() const { return body_; }

  private:
    QFormLayout* form();

    QVBoxLayout* body_;
    QFormLayout* form_ = nullptr;
    std::map<std::string, QLineEdit*, std::less<>> fields_;
    std::map<std::string, QCheckBox*, std::less<>> checks_;
    std::map<std::string, QButtonGroup*, std::less<>> radios_;
};

} // namespace qtui
