// The dialogs of the document prints: "Kopfzeilen", "Numerierung der Seiten im Ausdruck" and
// "Formulardruck", each over the struct the console fills as well.
#pragma once

#include "manager/form_header.hpp"
#include "manager/position_documents.hpp"
#include "manager/print_settings.hpp"
#include "ui/tarvik/form_dialog.hpp"

#include <array>
#include <functional>

class QButtonGroup;
class QCheckBox;
class QLineEdit;

namespace tarvik {

/// "Kopfzeilen": two header lines and their number.
class HeaderLinesDialog : public FormDialog {
  public:
    /// OK hands the values to store; the dialog closes when it returns true.
    HeaderLinesDialog(const HeaderLines& lines, ports::MessageBox& box,
                      std::function<bool(const HeaderLines&)> store, QWidget* parent = nullptr);
    /// The values as typed; nullopt after a message when the number is no number.
    std::optional<HeaderLines> values();

  private:
    QLineEdit* line1_;
    QLineEdit* line2_;
    QLineEdit* count_;
};

/// "Numerierung der Seiten im Ausdruck": the numbering kind, the first page and sheet, the date
/// and the text print settings.
class NumberingWindow : public FormDialog {
  public:
    NumberingWindow(const NumberingDialog& values, ports::MessageBox& box,
                    std::function<bool(const NumberingDialog&)> store, QWidget* parent = nullptr);
    std::optional<NumberingDialog> values();

  private:
    QButtonGroup* kinds_;
    QLineEdit* page_;
    QLineEdit* sheet_;
    QCheckBox* date_;
    QLineEdit* size_;
    QLineEdit* left_;
    QLineEdit* top_;
    QLineEdit* font_;
};

/// "Formulardruck": the eleven fields of the form header; "&Weiter" stores them.
class FormHeaderDialog : public FormDialog {
  public:
    FormHeaderDialog(const FormHeader& header, ports::MessageBox& box,
                     std::function<bool(const FormHeader&)> store, QWidget* parent = nullptr);
    FormHeader values() const;

  private:
    std::array<QLineEdit*, kFormFieldCount> fields_{};
};

} // namespace tarvik
