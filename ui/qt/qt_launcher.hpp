// Starting the other programs from a window: a program waited for keeps the window painted but
// closed to input until it ends; the others run beside it.
#pragma once

#include "ports/launcher.hpp"

#include <QPointer>
#include <QWidget>

#include <string>
#include <vector>

namespace qtui {

class QtLauncher : public ports::Launcher {
  public:
    /// Programs start in workDirectory; `window` is closed to input while one is waited for.
    QtLauncher(std::string workDirectory, QWidget* window);
    /// Looks the program up beside this program's executable, then on PATH (NotFound when it is
    /// in neither place); no shell is involved.
    ports::LaunchResult start(const std::string& program, const std::vector<std::string>& arguments,
                              ports::Wait wait) override;
    std::string searchedPlaces() const override;

  private:
    std::string workDirectory_;
    QPointer<QWidget> window_;
};

} // namespace qtui
