// The dialogs of the document prints.
#include "ui/tarvik/print_dialogs.hpp"

#include "ui/qt/qt_ui.hpp"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tarvik {

namespace {

using qtui::qs;

constexpr std::array<NumberingKind, 5> kKinds{
    NumberingKind::Page, NumberingKind::Sheet, NumberingKind::SheetAndPage,
    NumberingKind::SheetBlankPage, NumberingKind::PageBlankSheet};

} // namespace

HeaderLinesDialog::HeaderLinesDialog(const HeaderLines& lines, ports::MessageBox& box,
                                     std::function<bool(const HeaderLines&)> store, QWidget* parent)
    : FormDialog("Kopfzeilen", box, parent) {
    line1_ = addLine("1. Kopfzeile", qs(lines.line1));
    line2_ = addLine("2. Kopfzeile", qs(lines.line2));
    count_ = addNumber("Zahl der Kopfzeilen (1 oder 2)", lines.count);
    line1_->setMinimumWidth(420);
    onOk([this, store] {
        const auto v = values();
        return v && store(*v);
    });
}

std::optional<HeaderLines> HeaderLinesDialog::values() {
    const auto count = number(count_, "Zahl der Kopfzeilen (1 oder 2)");
    if (!count) return std::nullopt;
    return HeaderLines{textOf(line1_), textOf(line2_), *count};
}

NumberingWindow::NumberingWindow(const NumberingDialog& d, ports::MessageBox& box,
                                 std::function<bool(const NumberingDialog&)> store, QWidget* parent)
    : FormDialog("Numerierung der Seiten im Ausdruck", box, parent),
      kinds_(new QButtonGroup(this)) {
    auto* group = new QGroupBox("Numerierung", this);
    auto* column = new QVBoxLayout(group);
    for (std::size_t k = 0; k < kKinds.size(); ++k) {
        auto* choice = new QRadioButton(qs(numberingChoice(kKinds[k])), group);
        choice->setChecked(kKinds[k] == d.numbering.kind);
        kinds_->addButton(choice, static_cast<int>(k));
        column->addWidget(choice);
    }
    addRow("", group);
    page_ = addNumber("Nummer erste Seite", d.numbering.page);
    sheet_ = addNumber("Nummer erstes Blatt", d.numbering.sheet);
    date_ = addCheck("Datum mit ausdrucken", d.numbering.withDate);
    size_ = addNumber("Schriftgröße", d.text.size);
    left_ = addNumber("Linker Rand in mm", d.text.leftMargin);
    top_ = addNumber("Oberer Rand in mm", d.text.topMargin);
    font_ = addLine("Schrift", qs(d.text.font));
    onOk([this, store] {
        const auto v = values();
        return v && store(*v);
    });
}

std::optional<NumberingDialog> NumberingWindow::values() {
    NumberingDialog d;
    const int kind = kinds_->checkedId();
    d.numbering.kind = kind >= 0 ? kKinds[static_cast<std::size_t>(kind)] : NumberingKind::Page;
    d.numbering.withDate = date_->isChecked();
    d.text.font = textOf(font_);
    const std::pair<QLineEdit*, int*> numbers[] = {{page_, &d.numbering.page},
                                                   {sheet_, &d.numbering.sheet},
                                                   {size_, &d.text.size},
                                                   {left_, &d.text.leftMargin},
                                                   {top_, &d.text.topMargin}};
    const char* labels[] = {"Nummer erste Seite", "Nummer erstes Blatt", "Schriftgröße",
                            "Linker Rand in mm", "Oberer Rand in mm"};
    for (std::size_t k = 0; k < std::size(numbers); ++k) {
        const auto n = number(numbers[k].first, labels[k]);
        if (!n) return std::nullopt;
        *numbers[k].second = *n;
    }
    return d;
}

FormHeaderDialog::FormHeaderDialog(const FormHeader& header, ports::MessageBox& box,
                                   std::function<bool(const FormHeader&)> store, QWidget* parent)
    : FormDialog("Formulardruck", box, parent, "&Weiter") {
    const auto fields = formFields();
    for (std::size_t k = 0; k < fields.size(); ++k)
        fields_[k] = addLine(qs(formFieldLabel(fields[k])), qs(header[fields[k]]));
    onOk([this, store] { return store(values()); });
}

FormHeader FormHeaderDialog::values() const {
    FormHeader header;
    for (std::size_t k = 0; k < kFormFieldCount; ++k)
        header.fields[k] = textOf(fields_[k]);
    return header;
}

} // namespace tarvik
