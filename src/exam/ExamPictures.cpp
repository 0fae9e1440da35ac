#include "ExamPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

namespace examtrainer {

QCursor examPointer() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // An aircraft seen from above, nose at the hot spot in the top-left corner.
    p.translate(2, 2);
    p.rotate(-45);
    p.translate(-2, -2);
    QPainterPath plane;
    plane.moveTo(2, 2);
    plane.lineTo(4, 8);
    plane.lineTo(14, 10);
    plane.lineTo(14, 12);
    plane.lineTo(4, 12);
    plane.lineTo(4, 20);
    plane.lineTo(8, 22);
    plane.lineTo(8, 23);
    plane.lineTo(-4, 23);
    plane.lineTo(-4, 22);
    plane.lineTo(0, 20);
    plane.lineTo(0, 12);
    plane.lineTo(-10, 12);
    plane.lineTo(-10, 10);
    plane.lineTo(0, 8);
    plane.closeSubpath();
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(QColor(10, 30, 120));
    p.drawPath(plane);
    p.end();
    return QCursor(pixmap, 2, 2);
}

QPixmap drawCornerPicture(QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(QColor(0, 0, 255));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(size.width() / 2.0, size.height() / 2.0);
    const double r = size.width() * 0.45;
    QPolygonF star;
    for (int i = 0; i < 8; ++i) {
        const double outer = i % 2 == 0 ? r : r * 0.35;
        const double angle = i * 3.14159265 / 4;
        star << c + QPointF(outer * std::sin(angle), -outer * std::cos(angle));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawPolygon(star);
    return pixmap;
}

QPixmap drawFinishPicture(QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    const int cells = 4;
    const double w = size.width() / static_cast<double>(cells);
    const double h = size.height() / static_cast<double>(cells);
    for (int row = 0; row < cells; ++row) {
        for (int column = 0; column < cells; ++column) {
            if ((row + column) % 2 == 0)
                p.fillRect(QRectF(column * w, row * h, w, h), Qt::black);
        }
    }
    return pixmap;
}

} // namespace examtrainer
