// The scene widget.
#include "ui/qt/scene_view.hpp"

#include "ui/qt/scene_renderer.hpp"

#include <QMouseEvent>
#include <QPainter>

namespace qtui {

namespace {

/// A press and release closer than this [pixels] is a click, not a drag.
constexpr double kClickSlack = 3.0;
/// The margin around the world window [pixels].
constexpr double kMargin = 28.0;
/// The margin around a scene built for the widget's size, for the texts along its border.
constexpr double kSourceMargin = 14.0;

} // namespace

SceneView::SceneView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setMinimumSize(200, 150);
}

void SceneView::setScene(scene::Scene scene) {
    scene_ = std::move(scene);
    source_ = nullptr;
    update();
}

void SceneView::setWorldWindow(const slab::WorldRect& window) {
    if (window.x1 == window.x2 || window.y1 == window.y2) return;
    window_ = window;
    update();
}

void SceneView::setSceneSource(std::function<scene::Scene(double, double)> source) {
    source_ = std::move(source);
    builtFor_ = QSize();
    update();
}

scene::WorldMapping SceneView::mapping() const {
    if (source_)
        return fittedMapping(scene_.bounds, {0, 0, static_cast<double>(std::max(1, width())),
                                             static_cast<double>(std::max(1, height()))},
                             kSourceMargin);
    // The world window fills the widget but for a margin, so that the lines and labels along
    // the window's border stay in sight.
    const double w = std::max(1, width()), h = std::max(1, height());
    const double margin = std::min(kMargin, std::min(w, h) / 8);
    return scene::WorldMapping(window_, {margin, margin, w - 2 * margin, h - 2 * margin});
}

scene::Point SceneView::toWorld(QPointF p) const {
    return mapping().toWorld({p.x(), p.y()});
}

void SceneView::paintEvent(QPaintEvent*) {
    if (source_ && builtFor_ != size()) {
        scene_ = source_(width(), height());
        builtFor_ = size();
    }
    QPainter painter(this);
    paintScene(painter, scene_, mapping());
    if (dragStart_) {
        painter.setPen(QPen(Qt::darkBlue, 0, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(*dragStart_, dragNow_).normalized());
    }
    emit painted();
}

void SceneView::mousePressEvent(QMouseEvent* event) {
    if (dragging_ && event->button() == Qt::LeftButton) {
        dragStart_ = event->position();
        dragNow_ = event->position();
    }
}

void SceneView::mouseMoveEvent(QMouseEvent* event) {
    emit moved(toWorld(event->position()));
    if (dragStart_) {
        dragNow_ = event->position();
        update();
    }
}

void SceneView::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    if (dragStart_ && event->button() == Qt::LeftButton) {
        const QPointF start = *dragStart_;
        dragStart_.reset();
        update();
        if ((at - start).manhattanLength() > kClickSlack) {
            emit dragged(toWorld(start), toWorld(at));
            return;
        }
    }
    emit clicked(toWorld(at), event->button());
}

} // namespace qtui
