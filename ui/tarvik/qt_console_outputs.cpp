// The console's printer and pictures with Qt.
#include "ui/tarvik/qt_console_outputs.hpp"

#include "ui/qt/scene_export.hpp"

#include <QGuiApplication>
#include <QPageSize>

namespace tarvik {

namespace {

/// The picture size of PNG and SVG files in pixels, at 96 pixels per inch.
constexpr int kPictureWidth = 1600;
constexpr int kPictureHeight = 1200;
constexpr double kPointsPerPixel = 72.0 / 96.0;

} // namespace

QtConsoleOutputs::QtConsoleOutputs()
    : argv_{arguments_[0].data(), arguments_[1].data(), arguments_[2].data(), nullptr} {}

QtConsoleOutputs::~QtConsoleOutputs() = default;

void QtConsoleOutputs::needApplication() {
    if (!QCoreApplication::instance())
        application_ = std::make_unique<QGuiApplication>(argc_, argv_.data());
}

DocumentPrinter& QtConsoleOutputs::printer() {
    needApplication();
    return printer_;
}

scene::AreaSize QtConsoleOutputs::pictureArea(const std::string& path, bool wide) {
    if (qtui::pictureFormat(path) == qtui::PictureFormat::Pdf) {
        const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Point);
        return wide ? scene::AreaSize{a4.height(), a4.width()}
                    : scene::AreaSize{a4.width(), a4.height()};
    }
    return {kPictureWidth * kPointsPerPixel, kPictureHeight * kPointsPerPixel};
}

std::optional<std::string> QtConsoleOutputs::writePicture(const scene::Scene& scene,
                                                          const std::string& path, bool) {
    needApplication();
    // The overview brings its own ground; no frame around it.
    return qtui::writePicture(scene, path, {kPictureWidth, kPictureHeight, true, false});
}

} // namespace tarvik
