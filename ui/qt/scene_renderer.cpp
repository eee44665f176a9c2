// The one renderer of scenes.
#include "ui/qt/scene_renderer.hpp"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <map>
#include <optional>
#include <utility>
#include <vector>
#include <cmath>
#include <type_traits>

namespace qtui {

namespace {

QColor toQt(scene::Color c) {
    return QColor(c.r, c.g, c.b);
}

/// Device units per typographic point of the painter's device.
double unitsPerPoint(const QPainter& painter) {
    const QPaintDevice* device = painter.device();
    const int dpi = device ? device->logicalDpiY() : 96;
    return (dpi > 0 ? dpi : 96) / 72.0;
}

QPen toQt(const scene::Pen& pen, double perPoint) {
    QPen p(toQt(pen.color));
    p.setWidthF(pen.width > 0 ? pen.width * perPoint : 0.0);
    p.setCosmetic(pen.width <= 0);
    switch (pen.style) {
    case scene::LineStyle::Solid:
        p.setStyle(Qt::SolidLine);
        break;
    case scene::LineStyle::Dashed:
        p.setStyle(Qt::DashLine);
        break;
    case scene::LineStyle::Dotted:
        p.setStyle(Qt::DotLine);
        break;
    }
    return p;
}

QPointF device(const scene::WorldMapping& m, scene::Point p) {
    const scene::Point d = m.toDevice(p);
    return {d.x, d.y};
}

QPolygonF devicePolygon(const scene::WorldMapping& m, const std::vector<scene::Point>& points) {
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const auto& p : points) polygon << device(m, p);
    return polygon;
}

/// The top left corner of a text box of the given size so that the anchor lies at (0, 0); a
/// text beside its anchor keeps a gap of a quarter of its height from it.
QPointF anchorOffset(scene::Anchor anchor, double width, double height) {
    const double gap = height / 4;
    double x = 0, y = 0;
    switch (anchor) {
    case scene::Anchor::TopLeft:
    case scene::Anchor::Left:
    case scene::Anchor::BottomLeft:
        x = gap;
        break;
    case scene::Anchor::Top:
    case scene::Anchor::Center:
    case scene::Anchor::Bottom:
        x = -width / 2;
        break;
    case scene::Anchor::TopRight:
    case scene::Anchor::Right:
    case scene::Anchor::BottomRight:
        x = -width - gap;
        break;
    }
    switch (anchor) {
    case scene::Anchor::TopLeft:
    case scene::Anchor::Top:
    case scene::Anchor::TopRight:
        y = gap;
        break;
    case scene::Anchor::Left:
    case scene::Anchor::Center:
    case scene::Anchor::Right:
        y = -height / 2;
        break;
    case scene::Anchor::BottomLeft:
    case scene::Anchor::Bottom:
    case scene::Anchor::BottomRight:
        y = -height - gap;
        break;
    }
    return {x, y};
}

/// The rectangle of four points that bound an axis-parallel rectangle in order; nullopt for any
/// other shape. Elements are such rectangles, and a rectangle fills far faster than a polygon.
std::optional<QRectF> axisRectangle(const QPolygonF& p) {
    if (p.size() != 4) return std::nullopt;
    for (int k = 0; k < 4; ++k) {
        const QPointF& a = p[k];
        const QPointF& b = p[(k + 1) % 4];
        if (a.x() != b.x() && a.y() != b.y()) return std::nullopt;
    }
    return QRectF(p[0], p[2]).normalized();
}

void paint(QPainter& painter, const scene::Polygon& item, const scene::WorldMapping& m,
           double perPoint) {
    const QPolygonF polygon = devicePolygon(m, item.points);
    if (auto rect = axisRectangle(polygon); rect && !item.outline) {
        painter.fillRect(*rect, toQt(item.fill));
        return;
    }
    painter.setBrush(toQt(item.fill));
    if (item.outline)
        painter.setPen(toQt(*item.outline, perPoint));
    else
        painter.setPen(Qt::NoPen);
    painter.drawPolygon(polygon);
}

void paint(QPainter& painter, const scene::Polyline& item, const scene::WorldMapping& m,
           double perPoint) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(toQt(item.pen, perPoint));
    const QPolygonF line = devicePolygon(m, item.points);
    if (item.closed)
        painter.drawPolygon(line);
    else
        painter.drawPolyline(line);
}

/// The fonts of the text heights met so far, with their metrics: a drawing repeats a few heights
/// thousands of times.
class FontCache {
  public:
    explicit FontCache(QFont base) : base_(std::move(base)) {}
    const std::pair<QFont, QFontMetricsF>& at(int pixels) {
        auto it = fonts_.find(pixels);
        if (it == fonts_.end()) {
            QFont font = base_;
            font.setPixelSize(pixels);
            it = fonts_.emplace(pixels, std::pair<QFont, QFontMetricsF>(font, QFontMetricsF(font)))
                     .first;
        }
        return it->second;
    }

  private:
    QFont base_;
    std::map<int, std::pair<QFont, QFontMetricsF>> fonts_;
};

void paint(QPainter& painter, const scene::Text& item, const scene::WorldMapping& m,
           double perPoint, FontCache& fonts) {
    const auto& [font, metrics] =
        fonts.at(std::max(1, static_cast<int>(std::lround(item.height * perPoint))));
    painter.setFont(font);
    painter.setPen(toQt(item.color));
    const QString text = QString::fromUtf8(item.text.data(), static_cast<qsizetype>(item.text.size()));
    // A text that starts at its anchor needs no width, and measuring it costs a shaping.
    const bool fromLeft = item.anchor == scene::Anchor::TopLeft ||
                          item.anchor == scene::Anchor::Left ||
                          item.anchor == scene::Anchor::BottomLeft;
    const double width = fromLeft ? 0.0 : metrics.horizontalAdvance(text);
    const QPointF topLeft = anchorOffset(item.anchor, width, metrics.height());
    const QPointF at = device(m, item.at);
    if (item.angle == 0) {
        painter.drawText(at + QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), text);
        return;
    }
    painter.save();
    painter.translate(at);
    // Counter-clockwise on the slab is clockwise on a device whose y axis points down.
    painter.rotate(-item.angle);
    painter.drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), text);
    painter.restore();
}

void paint(QPainter& painter, const scene::Marker& item, const scene::WorldMapping& m,
           double perPoint) {
    const QPointF c = device(m, item.at);
    const double r = item.size * perPoint / 2;
    QPen pen(toQt(item.color));
    // Markers keep a line of at least one device unit.
    pen.setWidthF(std::max(1.0, perPoint * 0.75));
    painter.setPen(pen);
    painter.setBrush(item.filled ? QBrush(toQt(item.color)) : QBrush(Qt::NoBrush));
    switch (item.shape) {
    case scene::MarkerShape::Circle:
        painter.drawEllipse(c, r, r);
        break;
    case scene::MarkerShape::Square:
        painter.drawRect(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r));
        break;
    case scene::MarkerShape::Cross:
        painter.drawLine(QPointF(c.x() - r, c.y() - r), QPointF(c.x() + r, c.y() + r));
        painter.drawLine(QPointF(c.x() - r, c.y() + r), QPointF(c.x() + r, c.y() - r));
        break;
    case scene::MarkerShape::Triangle:
        painter.drawPolygon(QPolygonF({QPointF(c.x(), c.y() - r), QPointF(c.x() + r, c.y() + r),
                                       QPointF(c.x() - r, c.y() + r)}));
        break;
    case scene::MarkerShape::Diamond:
        painter.drawPolygon(QPolygonF({QPointF(c.x(), c.y() - r), QPointF(c.x() + r, c.y()),
                                       QPointF(c.x(), c.y() + r), QPointF(c.x() - r, c.y())}));
        break;
    }
}

} // namespace

void paintScene(QPainter& painter, const scene::Scene& scene, const scene::WorldMapping& mapping) {
    const double perPoint = unitsPerPoint(painter);
    // The drawings are lettered in Arial, or the sans font the system puts in its place.
    QFont base(QStringLiteral("Arial"));
    base.setStyleHint(QFont::SansSerif);
    FontCache fonts(base);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    // Straight lines that follow each other with the same pen are drawn in one call: a mesh
    // has thousands of them.
    std::vector<QLineF> lines;
    const scene::Pen* linePen = nullptr;
    auto flushLines = [&] {
        if (lines.empty()) return;
        painter.setPen(toQt(*linePen, perPoint));
        painter.drawLines(lines.data(), static_cast<int>(lines.size()));
        lines.clear();
    };
    for (const auto& item : scene.items) {
        if (const auto* line = std::get_if<scene::Polyline>(&item);
            line && line->points.size() == 2 && !line->closed) {
            if (linePen && !(*linePen == line->pen)) flushLines();
            linePen = &line->pen;
            lines.emplace_back(device(mapping, line->points[0]), device(mapping, line->points[1]));
            continue;
        }
        flushLines();
        if (const auto* text = std::get_if<scene::Text>(&item))
            paint(painter, *text, mapping, perPoint, fonts);
        else
            std::visit(
                [&](const auto& i) {
                    if constexpr (!std::is_same_v<std::decay_t<decltype(i)>, scene::Text>)
                        paint(painter, i, mapping, perPoint);
                },
                item);
    }
    flushLines();
    painter.restore();
}

scene::WorldMapping fittedMapping(const slab::WorldRect& bounds, scene::DeviceRect device,
                                  double margin) {
    const double w = std::max(1e-9, static_cast<double>(bounds.x2) - bounds.x1);
    const double h = std::max(1e-9, static_cast<double>(bounds.y2) - bounds.y1);
    const double availableW = std::max(1.0, device.width - 2 * margin);
    const double availableH = std::max(1.0, device.height - 2 * margin);
    const double scale = std::min(availableW / w, availableH / h);
    // The world window that fills the whole device at that scale, centred on the bounds.
    const double cx = (static_cast<double>(bounds.x1) + bounds.x2) / 2;
    const double cy = (static_cast<double>(bounds.y1) + bounds.y2) / 2;
    const double halfW = device.width / scale / 2, halfH = device.height / scale / 2;
    return scene::WorldMapping({static_cast<float>(cx - halfW), static_cast<float>(cy - halfH),
                                static_cast<float>(cx + halfW), static_cast<float>(cy + halfH)},
                               device);
}

} // namespace qtui
