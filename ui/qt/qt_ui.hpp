// The window front end of the ports: message boxes, status line, progress bar, beep and the
// folder, file and text choosers as Qt dialogs.
#pragma once

#include "ports/ports.hpp"

#include <QPointer>

class QWidget;
class QStatusBar;
class QProgressBar;

namespace qtui {

class QtUi : public ports::Ui {
  public:
    /// Dialogs open over `parent`; the status line and the progress bar may be absent.
    explicit QtUi(QWidget* parent, QStatusBar* status = nullptr, QProgressBar* progress = nullptr);

    ports::Answer message(std::string_view title, std::string_view text,
                          ports::Buttons buttons = ports::Buttons::Ok) override;
    void status(std::string_view text) override;
    void setRange(int low, int high) override;
    void setPosition(int position) override;
    void beep() override;
    std::optional<std::string> chooseFolder(std::string_view title,
                                            std::string_view start) override;
    std::optional<std::string> chooseFile(std::string_view title, std::string_view directory,
                                          std::string_view pattern) override;
    std::optional<std::string> askText(std::string_view title, std::string_view label,
                                       std::string_view current) override;

  private:
    QPointer<QWidget> parent_;
    QPointer<QStatusBar> status_;
    QPointer<QProgressBar> progress_;
};

/// UTF-8 text as a QString.
QString qs(std::string_view text);

} // namespace qtui
