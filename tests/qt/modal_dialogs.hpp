// Acting on the modal dialogs (other than message boxes) that a window opens during a test: each
// dialog that comes up is handed to the next step queued, which fills it in and closes it.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace qttest {

/// While it lives, the modal dialogs that open are given, one each, to the steps queued with
/// then(); their titles are kept in order. A dialog that opens with no step left is cancelled
/// (and its title kept), so that a test never hangs.
class ModalDialogs {
  public:
    ModalDialogs() {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { act(); });
        timer_.start();
    }
    ModalDialogs& then(std::function<void(QDialog&)> step) {
        steps_.push_back(std::move(step));
        return *this;
    }
    std::vector<std::string> titles;
    bool done() const { return steps_.empty(); }

  private:
    void act() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || qobject_cast<QMessageBox*>(dialog) || dialog == busy_) return;
        titles.push_back(dialog->windowTitle().toStdString());
        if (steps_.empty()) {
            dialog->reject();
            return;
        }
        auto step = std::move(steps_.front());
        steps_.pop_front();
        // A step may open a message box of its own; the dialog is not taken again meanwhile.
        busy_ = dialog;
        step(*dialog);
        busy_ = nullptr;
    }

    std::deque<std::function<void(QDialog&)>> steps_;
    QDialog* busy_ = nullptr;
    QTimer timer_;
};

} // namespace qttest
