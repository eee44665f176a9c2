// Answering the modal message boxes a window opens during a test: each box that comes up is
// recorded and closed with the button given.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <string>
#include <vector>

namespace qttest {

/// While it lives, every message box that opens is answered with `button`; titles and texts are
/// kept in order.
class ModalAnswers {
  public:
    explicit ModalAnswers(QMessageBox::StandardButton button = QMessageBox::Ok) : button_(button) {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
        timer_.start();
    }
    std::vector<std::string> texts;
    std::vector<std::string> titles;

  private:
    void answer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        titles.push_back(box->windowTitle().toStdString());
        texts.push_back(box->text().toStdString());
        if (QAbstractButton* b = box->button(button_))
            b->click();
        else
            box->reject();
    }

    QMessageBox::StandardButton button_;
    QTimer timer_;
};

} // namespace qttest
