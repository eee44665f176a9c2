// Tool-bar icons drawn with QPainter on a 32 x 32 grid.
#include "ui/qt/tool_icons.hpp"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>
#include <map>
#include <string>

namespace qtui {

namespace {

using Drawing = std::function<void(QPainter&)>;

const QColor kInk(40, 40, 40);
const QColor kPlate(222, 210, 170);
const QColor kAccent(0, 110, 190);
const QColor kDelete(200, 40, 40);

QPen pen(const QColor& c, double width = 2.0) {
    QPen p(c, width);
    p.setJoinStyle(Qt::RoundJoin);
    p.setCapStyle(Qt::RoundCap);
    return p;
}

void sheet(QPainter& p) {
    p.setPen(pen(kInk));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({{7, 3}, {21, 3}, {26, 8}, {26, 29}, {7, 29}}));
    p.drawLine(QPointF(21, 3), QPointF(21, 8));
    p.drawLine(QPointF(21, 8), QPointF(26, 8));
}

void magnifier(QPainter& p, bool plus) {
    p.setPen(pen(kInk, 2.5));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(13, 13), 8, 8);
    p.drawLine(QPointF(19, 19), QPointF(28, 28));
    p.setPen(pen(kAccent, 2.5));
    p.drawLine(QPointF(9, 13), QPointF(17, 13));
    if (plus) p.drawLine(QPointF(13, 9), QPointF(13, 17));
}

void mesh(QPainter& p) {
    p.setPen(pen(kInk, 1.5));
    p.setBrush(kPlate);
    p.drawRect(QRectF(4, 6, 24, 20));
    p.drawLine(QPointF(12, 6), QPointF(12, 26));
    p.drawLine(QPointF(20, 6), QPointF(20, 26));
    p.drawLine(QPointF(4, 16), QPointF(28, 16));
}

void arrow(QPainter& p, bool down) {
    p.setPen(pen(kAccent, 3));
    const double tip = down ? 26 : 6, base = down ? 6 : 26, head = down ? 18 : 14;
    p.drawLine(QPointF(16, base), QPointF(16, tip));
    p.drawLine(QPointF(9, head), QPointF(16, tip));
    p.drawLine(QPointF(23, head), QPointF(16, tip));
}

const std::map<std::string, Drawing>& drawings() {
    static const std::map<std::string, Drawing> all = {
        {"neu", [](QPainter& p) { sheet(p); }},
        {"oeffnen",
         [](QPainter& p) {
             p.setPen(pen(kInk));
             p.setBrush(QColor(240, 200, 90));
             p.drawPolygon(QPolygonF({{3, 9}, {12, 9}, {14, 12}, {28, 12}, {28, 27}, {3, 27}}));
         }},
        {"speichern",
         [](QPainter& p) {
             p.setPen(pen(kInk));
             p.setBrush(kAccent);
             p.drawRect(QRectF(5, 5, 22, 22));
             p.setBrush(Qt::white);
             p.drawRect(QRectF(10, 5, 12, 8));
             p.drawRect(QRectF(9, 17, 14, 10));
         }},
        {"drucken",
         [](QPainter& p) {
             p.setPen(pen(kInk));
             p.setBrush(Qt::white);
             p.drawRect(QRectF(9, 4, 14, 9));
             p.setBrush(QColor(170, 170, 170));
             p.drawRect(QRectF(4, 12, 24, 11));
             p.setBrush(Qt::white);
             p.drawRect(QRectF(9, 19, 14, 9));
         }},
        {"lager",
         [](QPainter& p) {
             p.setPen(pen(kInk));
             p.setBrush(kPlate);
             p.drawRect(QRectF(3, 7, 26, 6));
             p.setBrush(QColor(0, 130, 60));
             p.drawPolygon(QPolygonF({{9, 13}, {4, 23}, {14, 23}}));
             p.drawPolygon(QPolygonF({{23, 13}, {18, 23}, {28, 23}}));
             p.drawLine(QPointF(2, 27), QPointF(30, 27));
         }},
        {"farbig",
         [](QPainter& p) {
             p.setPen(pen(kInk));
             p.setBrush(kPlate);
             p.drawRect(QRectF(4, 6, 24, 20));
         }},
        {"anpassen",
         [](QPainter& p) {
             mesh(p);
             p.setPen(pen(kAccent, 2));
             for (auto [x, y, dx, dy] : {std::array<double, 4>{2, 2, 1, 1}, {30, 2, -1, 1},
                                         {2, 30, 1, -1}, {30, 30, -1, -1}}) {
                 p.drawLine(QPointF(x, y), QPointF(x + 5 * dx, y));
                 p.drawLine(QPointF(x, y), QPointF(x, y + 5 * dy));
             }
         }},
        {"verkleinern", [](QPainter& p) { magnifier(p, false); }},
        {"zoom", [](QPainter& p) { magnifier(p, true); }},
        {"einzeln",
         [](QPainter& p) {
             mesh(p);
             p.setPen(pen(kDelete, 3));
             p.drawLine(QPointF(13, 8), QPointF(19, 14));
             p.drawLine(QPointF(19, 8), QPointF(13, 14));
         }},
        {"mehrere",
         [](QPainter& p) {
             mesh(p);
             QPen dashed = pen(kDelete, 2);
             dashed.setStyle(Qt::DashLine);
             p.setPen(dashed);
             p.setBrush(Qt::NoBrush);
             p.drawRect(QRectF(8, 10, 16, 13));
         }},
        {"knoten",
         [](QPainter& p) {
             mesh(p);
             p.setPen(pen(kAccent));
             p.setBrush(kAccent);
             p.drawEllipse(QPointF(20, 16), 3.5, 3.5);
         }},
        {"element",
         [](QPainter& p) {
             mesh(p);
             p.setPen(Qt::NoPen);
             p.setBrush(kAccent);
             p.drawRect(QRectF(12.5, 6.5, 7, 9));
         }},
        {"kante",
         [](QPainter& p) {
             mesh(p);
             p.setPen(pen(kAccent, 3.5));
             p.drawLine(QPointF(12, 16), QPointF(20, 16));
         }},
        {"kopieren",
         [](QPainter& p) {
             p.setPen(pen(kInk));
             p.setBrush(Qt::white);
             p.drawRect(QRectF(4, 4, 15, 18));
             p.setBrush(kPlate);
             p.drawRect(QRectF(13, 10, 15, 18));
             p.setPen(pen(kAccent, 2.5));
             p.drawLine(QPointF(8, 12), QPointF(16, 20));
             p.drawLine(QPointF(16, 14), QPointF(16, 20));
             p.drawLine(QPointF(10, 20), QPointF(16, 20));
         }},
        {"vorschau",
         [](QPainter& p) {
             sheet(p);
             p.setPen(pen(kInk, 2.5));
             p.setBrush(Qt::white);
             p.drawEllipse(QPointF(15, 17), 5.5, 5.5);
             p.drawLine(QPointF(19, 21), QPointF(25, 27));
         }},
        {"weiter", [](QPainter& p) { arrow(p, true); }},
        {"zurueck", [](QPainter& p) { arrow(p, false); }},
        {"rechnen",
         [](QPainter& p) {
             p.setPen(pen(kInk));
             p.setBrush(QColor(0, 150, 70));
             p.drawPolygon(QPolygonF({{9, 5}, {27, 16}, {9, 27}}));
         }},
        {"info",
         [](QPainter& p) {
             p.setPen(pen(kAccent, 2));
             p.setBrush(Qt::white);
             p.drawEllipse(QPointF(16, 16), 12, 12);
             p.setPen(pen(kAccent, 3));
             p.drawLine(QPointF(16, 14), QPointF(16, 23));
             p.drawPoint(QPointF(16, 9));
         }},
    };
    return all;
}

} // namespace

QIcon toolIcon(std::string_view name) {
    const auto& all = drawings();
    auto it = all.find(std::string(name));
    if (it == all.end()) return {};
    QIcon icon;
    for (int size : {32, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 32.0, size / 32.0);
        it->second(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace qtui
