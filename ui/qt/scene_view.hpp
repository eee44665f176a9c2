// A widget that shows a scene through a world window and reports the mouse in world
// coordinates: moves, clicks and rectangles dragged.
#pragma once

#include "scene/scene.hpp"
#include "scene/world.hpp"

#include <QWidget>

#include <functional>
#include <optional>

namespace qtui {

class SceneView : public QWidget {
    Q_OBJECT

  public:
    explicit SceneView(QWidget* parent = nullptr);

    void setScene(scene::Scene scene);
    const scene::Scene& sceneShown() const { return scene_; }
    /// The world window mapped onto the widget within a small margin, x and y scaled
    /// separately.
    void setWorldWindow(const slab::WorldRect& window);
    const slab::WorldRect& worldWindow() const { return window_; }
    /// A scene that depends on the widget's size: built anew for every size before it is
    /// painted, and shown whole, x and y at one scale (the world window is then unused).
    void setSceneSource(std::function<scene::Scene(double width, double height)> source);
    /// The data behind the scene source changed: it is built anew before the next paint.
    void rebuild() {
        builtFor_ = QSize();
        update();
    }
    /// While on, a left drag draws a rubber band and reports the rectangle on release.
    void setDragging(bool on) { dragging_ = on; }
    /// The current mapping of the world window onto the widget.
    scene::WorldMapping mapping() const;
    /// World point of a widget position.
    scene::Point toWorld(QPointF widgetPoint) const;

  signals:
    void moved(scene::Point world);
    void clicked(scene::Point world, Qt::MouseButton button);
    void dragged(scene::Point from, scene::Point to);
    /// A paint of the widget has ended.
    void painted();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    scene::Scene scene_;
    std::function<scene::Scene(double, double)> source_;
    QSize builtFor_;
    slab::WorldRect window_{0, 0, 10, 10};
    bool dragging_ = false;
    std::optional<QPointF> dragStart_;
    QPointF dragNow_;
};

} // namespace qtui
