// The ports as Qt dialogs.
#include "ui/qt/qt_ui.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QProgressBar>
#include <QStatusBar>

namespace qtui {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QtUi::QtUi(QWidget* parent, QStatusBar* status, QProgressBar* progress)
    : parent_(parent), status_(status), progress_(progress) {}

ports::Answer QtUi::message(std::string_view title, std::string_view text,
                            ports::Buttons buttons) {
    QMessageBox box(parent_);
    box.setWindowTitle(qs(title));
    box.setText(qs(text));
    switch (buttons) {
    case ports::Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        box.setIcon(QMessageBox::Information);
        break;
    case ports::Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setIcon(QMessageBox::Warning);
        break;
    case ports::Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setIcon(QMessageBox::Question);
        break;
    case ports::Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setIcon(QMessageBox::Question);
        break;
    }
    // The buttons speak German whatever the system's language.
    const std::pair<QMessageBox::StandardButton, const char*> german[] = {
        {QMessageBox::Yes, "&Ja"}, {QMessageBox::No, "&Nein"}, {QMessageBox::Cancel, "Abbrechen"}};
    for (const auto& [button, text] : german)
        if (QAbstractButton* b = box.button(button)) b->setText(QString::fromUtf8(text));
    switch (box.exec()) {
    case QMessageBox::Yes:
        return ports::Answer::Yes;
    case QMessageBox::No:
        return ports::Answer::No;
    case QMessageBox::Ok:
        return ports::Answer::Ok;
    default:
        // Closing the box counts as cancel where it offers cancel, else as its only answer.
        return buttons == ports::Buttons::YesNo ? ports::Answer::No
               : buttons == ports::Buttons::Ok  ? ports::Answer::Ok
                                                : ports::Answer::Cancel;
    }
}

void QtUi::status(std::string_view text) {
    if (status_) status_->showMessage(qs(text));
    // A long run updates its texts between steps; let them show.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtUi::setRange(int low, int high) {
    if (progress_) progress_->setRange(low, high > low ? high : low);
}

void QtUi::setPosition(int position) {
    if (!progress_) return;
    if (progress_->value() == position) return;
    progress_->setValue(position);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtUi::beep() {
    QApplication::beep();
}

std::optional<std::string> QtUi::chooseFolder(std::string_view title, std::string_view start) {
    const QString dir = QFileDialog::getExistingDirectory(parent_, qs(title), qs(start));
    if (dir.isEmpty()) return std::nullopt;
    return dir.toStdString();
}

std::optional<std::string> QtUi::chooseFile(std::string_view title, std::string_view directory,
                                            std::string_view pattern) {
    const QString file =
        QFileDialog::getOpenFileName(parent_, qs(title), qs(directory), qs(pattern));
    if (file.isEmpty()) return std::nullopt;
    return file.toStdString();
}

std::optional<std::string> QtUi::askText(std::string_view title, std::string_view label,
                                         std::string_view current) {
    bool ok = false;
    const QString text = QInputDialog::getText(parent_, qs(title), qs(label), QLineEdit::Normal,
                                               qs(current), &ok);
    if (!ok) return std::nullopt;
    return text.toStdString();
}

} // namespace qtui
