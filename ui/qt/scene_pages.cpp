// Multi-page documents of scenes.
#include "ui/qt/scene_pages.hpp"

#include "ui/qt/scene_renderer.hpp"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <algorithm>

namespace qtui {

namespace {

/// A page keeps this share of its shorter side free around the scene.
constexpr double kMarginShare = 0.03;

QPageLayout::Orientation orientationOf(const scene::Scene& s) {
    return s.bounds.x2 - s.bounds.x1 > s.bounds.y2 - s.bounds.y1 ? QPageLayout::Landscape
                                                                 : QPageLayout::Portrait;
}

void paintPage(QPainter& painter, const scene::Scene& s, double width, double height) {
    const double margin = std::min(width, height) * kMarginShare;
    paintScene(painter, s, fittedMapping(s.bounds, {0, 0, width, height}, margin));
}

} // namespace

std::optional<std::string> writePdfPages(const std::vector<scene::Scene>& pages,
                                         const std::string& path) {
    const std::string cannot = "Die Datei " + path + " kann nicht geschrieben werden.";
    if (pages.empty()) return cannot;
    QPdfWriter writer(QString::fromStdString(path));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(orientationOf(pages.front()));
    QPainter painter;
    if (!painter.begin(&writer)) return cannot;
    for (std::size_t k = 0; k < pages.size(); ++k) {
        if (k > 0) {
            // The layout applies to the page that newPage begins.
            writer.setPageOrientation(orientationOf(pages[k]));
            writer.newPage();
        }
        paintPage(painter, pages[k], writer.width(), writer.height());
    }
    if (!painter.end()) return cannot;
    return std::nullopt;
}

bool printPages(const std::vector<scene::Scene>& pages, QPrinter& printer) {
    if (pages.empty()) return false;
    printer.setPageOrientation(orientationOf(pages.front()));
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    for (std::size_t k = 0; k < pages.size(); ++k) {
        if (k > 0) {
            printer.setPageOrientation(orientationOf(pages[k]));
            printer.newPage();
        }
        const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
        paintPage(painter, pages[k], page.width(), page.height());
    }
    painter.end();
    return true;
}

} // namespace qtui
