// Pictures and reports painted by the one renderer.
#include "ui/ergebnisbild/qt_picture_output.hpp"

#include "ui/qt/scene_export.hpp"
#include "ui/qt/scene_pages.hpp"

#include <QGuiApplication>

namespace ergebnisbild {

std::pair<double, double> pageSizeFor(const std::string& path) {
    if (qtui::pictureFormat(path) == qtui::PictureFormat::Pdf) return {kA4Long, kA4Short};
    return {kPicturePointsWidth, kPicturePointsHeight};
}

QtPictureOutput::QtPictureOutput() = default;
QtPictureOutput::~QtPictureOutput() = default;

void QtPictureOutput::ensureApplication() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "ergebnisbild";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    application_ = std::make_unique<QGuiApplication>(argc, argv);
}

std::optional<std::string> QtPictureOutput::writePicture(const PageMaker& page,
                                                         const std::string& path) {
    if (!qtui::pictureFormat(path))
        return "Die Zeichnung kann nur als .png, .pdf oder .svg geschrieben werden.";
    ensureApplication();
    const auto [width, height] = pageSizeFor(path);
    qtui::PictureOptions options;
    options.width = kPictureWidth;
    options.height = kPictureHeight;
    options.frame = false;
    // Flat colour areas compress almost as well with zlib's faster levels, and the file is
    // written in about two thirds of the time.
    options.pngQuality = kPngQuality;
    return qtui::writePicture(page(width, height), path, options);
}

std::optional<std::string> QtPictureOutput::writeReport(const PagesMaker& pages,
                                                        const std::string& path) {
    ensureApplication();
    return qtui::writePdfPages(pages(kA4Long, kA4Short), path);
}

} // namespace ergebnisbild
