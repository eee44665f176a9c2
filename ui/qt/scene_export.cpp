// Pictures and pages of scenes.
#include "ui/qt/scene_export.hpp"

#include "ui/qt/scene_renderer.hpp"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSvgGenerator>

#include <algorithm>
#include <cctype>

namespace qtui {

namespace {

/// The drawing keeps this share of the shorter side free around it.
constexpr double kMarginShare = 0.04;

void paintFitted(QPainter& painter, const scene::Scene& scene, double width, double height,
                 bool frame) {
    const double margin = std::min(width, height) * kMarginShare;
    const auto mapping = fittedMapping(scene.bounds, {0, 0, width, height}, margin);
    paintScene(painter, scene, mapping);
    if (frame) {
        painter.setPen(QPen(Qt::black, 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(margin / 2, margin / 2, width - margin, height - margin));
    }
}

bool isWide(const scene::Scene& scene) {
    return scene.bounds.x2 - scene.bounds.x1 > scene.bounds.y2 - scene.bounds.y1;
}

std::string cannotWrite(const std::string& path) {
    return "Die Datei " + path + " kann nicht geschrieben werden.";
}

} // namespace

std::optional<PictureFormat> pictureFormat(const std::string& path) {
    const auto dot = path.rfind('.');
    if (dot == std::string::npos) return std::nullopt;
    std::string ext = path.substr(dot + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ext == "png") return PictureFormat::Png;
    if (ext == "pdf") return PictureFormat::Pdf;
    if (ext == "svg") return PictureFormat::Svg;
    return std::nullopt;
}

std::optional<std::string> writePicture(const scene::Scene& scene, const std::string& path,
                                        const PictureOptions& options) {
    const auto format = pictureFormat(path);
    if (!format) return "Die Zeichnung kann nur als .png, .pdf oder .svg geschrieben werden.";
    if (options.width < 1 || options.height < 1 || options.width > 20000 || options.height > 20000)
        return "Breite und Höhe des Bildes müssen zwischen 1 und 20000 Pixel liegen.";
    const QString file = QString::fromStdString(path);
    switch (*format) {
    case PictureFormat::Png: {
        QImage image(options.width, options.height, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            paintFitted(painter, scene, options.width, options.height, options.frame);
        }
        if (!image.save(file, "PNG", options.pngQuality)) return cannotWrite(path);
        return std::nullopt;
    }
    case PictureFormat::Pdf: {
        QPdfWriter writer(file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageOrientation(options.landscapeWhenWide && isWide(scene)
                                      ? QPageLayout::Landscape
                                      : QPageLayout::Portrait);
        QPainter painter;
        if (!painter.begin(&writer)) return cannotWrite(path);
        paintFitted(painter, scene, writer.width(), writer.height(), options.frame);
        painter.end();
        return std::nullopt;
    }
    case PictureFormat::Svg: {
        QSvgGenerator generator;
        generator.setFileName(file);
        generator.setSize(QSize(options.width, options.height));
        generator.setViewBox(QRect(0, 0, options.width, options.height));
        QPainter painter;
        if (!painter.begin(&generator)) return cannotWrite(path);
        painter.fillRect(QRect(0, 0, options.width, options.height), Qt::white);
        paintFitted(painter, scene, options.width, options.height, options.frame);
        painter.end();
        return std::nullopt;
    }
    }
    return cannotWrite(path);
}

namespace {

/// Fonts and images need an application object; a console program gets one on the offscreen
/// platform the first time it draws, and keeps it to its end.
void ensureApplication() {
    if (QCoreApplication::instance()) return;
    static int argc = 3;
    static char name[] = "slab", option[] = "-platform", platform[] = "offscreen";
    static char* argv[] = {name, option, platform, nullptr};
    static QGuiApplication application(argc, argv);
}

} // namespace

std::optional<std::string> QtPictureOutput::writePicture(const scene::Scene& scene,
                                                         const std::string& path,
                                                         const PictureOptions& options) {
    ensureApplication();
    return qtui::writePicture(scene, path, options);
}

std::optional<std::string> QtPictureOutput::printToPdf(const scene::Scene& scene,
                                                       const std::string& path,
                                                       const PictureOptions& options) {
    ensureApplication();
    if (pictureFormat(path) != PictureFormat::Pdf)
        return "Gedruckt wird in eine Datei mit der Endung .pdf.";
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(path));
    printer.setPageSize(QPageSize(QPageSize::A4));
    if (!printScene(scene, printer, options)) return cannotWrite(path);
    return std::nullopt;
}

bool printScene(const scene::Scene& scene, QPrinter& printer, const PictureOptions& options) {
    if (options.landscapeWhenWide)
        printer.setPageOrientation(isWide(scene) ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    paintFitted(painter, scene, page.width(), page.height(), options.frame);
    painter.end();
    return true;
}

} // namespace qtui
