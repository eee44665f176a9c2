// The console's outputs in a build with Qt: the page printer and pictures written with the one
// scene renderer. The application object they need is made on first use, on the offscreen
// platform, so that a console without a display prints as well.
#pragma once

#include "ui/tarvik/console_outputs.hpp"
#include "ui/tarvik/page_printer.hpp"

#include <array>
#include <memory>
#include <string>

class QGuiApplication;

namespace tarvik {

class QtConsoleOutputs : public ConsoleOutputs {
  public:
    QtConsoleOutputs();
    ~QtConsoleOutputs() override;
    QtConsoleOutputs(const QtConsoleOutputs&) = delete;
    QtConsoleOutputs& operator=(const QtConsoleOutputs&) = delete;

    DocumentPrinter& printer() override;
    /// A PDF is an A4 page (landscape when wide), a PNG or SVG 1600 x 1200 pixels.
    scene::AreaSize pictureArea(const std::string& path, bool wide) override;
    std::optional<std::string> writePicture(const scene::Scene& scene, const std::string& path,
                                            bool wide) override;

  private:
    /// Makes the application object unless one exists.
    void needApplication();

    // The arguments of the application made here: the offscreen platform, so that no display
    // is needed and the environment the started programs inherit stays as it is.
    std::array<std::string, 3> arguments_{"tarvik", "-platform", "offscreen"};
    std::array<char*, 4> argv_{};
    int argc_ = 3;
    std::unique_ptr<QGuiApplication> application_;
    QtDocumentPrinter printer_;
};

} // namespace tarvik
