#include "TitlePicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace examtrainer {

namespace {

void drawSky(QPainter& p, double w, double horizon) {
    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0.0, QColor(18, 38, 96));
    sky.setColorAt(0.6, QColor(64, 120, 200));
    sky.setColorAt(1.0, QColor(250, 196, 120));
    p.fillRect(QRectF(0, 0, w, horizon), sky);
}

void drawGround(QPainter& p, double w, double h, double horizon) {
    QLinearGradient ground(0, horizon, 0, h);
    ground.setColorAt(0.0, QColor(70, 92, 58));
    ground.setColorAt(1.0, QColor(34, 58, 30));
    p.fillRect(QRectF(0, horizon, w, h - horizon), ground);
}

void drawRunway(QPainter& p, double w, double h, double horizon) {
    const double cx = w / 2;
    QPolygonF runway;
    runway << QPointF(cx - w * 0.015, horizon) << QPointF(cx + w * 0.015, horizon)
           << QPointF(cx + w * 0.22, h) << QPointF(cx - w * 0.22, h);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(58, 58, 62));
    p.drawPolygon(runway);

    // Centre-line dashes grow as they come nearer.
    p.setBrush(QColor(240, 240, 240));
    double y = horizon + (h - horizon) * 0.08;
    while (y < h) {
        const double t = (y - horizon) / (h - horizon);
        const double dash = (h - horizon) * 0.04 * (0.3 + t);
        const double half = w * 0.002 * (0.5 + 3 * t);
        p.drawRect(QRectF(cx - half, y, 2 * half, dash));
        y += dash * 2.2;
    }

    // Threshold bars at the near end.
    const double bar = h - (h - horizon) * 0.1;
    for (int i = -4; i <= 4; ++i) {
        if (i == 0)
            continue;
        p.drawRect(QRectF(cx + i * w * 0.04 - w * 0.012, bar, w * 0.024, (h - horizon) * 0.08));
    }

    // Approach lights either side of the runway edge.
    p.setBrush(QColor(255, 230, 140));
    for (int i = 1; i <= 6; ++i) {
        const double t = i / 7.0;
        const double yy = horizon + (h - horizon) * t;
        const double dx = w * 0.015 + (w * 0.22 - w * 0.015) * t + w * 0.02;
        const double r = 1.0 + 2.5 * t;
        p.drawEllipse(QPointF(cx - dx, yy), r, r);
        p.drawEllipse(QPointF(cx + dx, yy), r, r);
    }
}

void drawAircraft(QPainter& p, double w, double h) {
    // A light single-engine aircraft seen from ahead and a little below, banking gently.
    p.save();
    p.translate(w * 0.62, h * 0.28);
    p.rotate(-6);
    const double s = w / 200.0;
    p.scale(s, s);
    p.setPen(QPen(QColor(20, 20, 30), 0.8));
    p.setBrush(QColor(236, 236, 240));

    QPainterPath wing;
    wing.moveTo(-48, 0);
    wing.lineTo(48, 0);
    wing.lineTo(48, 3.5);
    wing.lineTo(-48, 3.5);
    wing.closeSubpath();
    p.drawPath(wing);

    QPainterPath tail;
    tail.moveTo(-14, -9);
    tail.lineTo(14, -9);
    tail.lineTo(14, -7);
    tail.lineTo(-14, -7);
    tail.closeSubpath();
    tail.moveTo(-1, -9);
    tail.lineTo(0, -20);
    tail.lineTo(1, -9);
    tail.closeSubpath();
    p.drawPath(tail);

    p.drawEllipse(QPointF(0, 2), 6, 6.5);
    p.setBrush(QColor(200, 40, 40));
    p.drawRect(QRectF(-48, 0.5, 8, 2.5));
    p.drawRect(QRectF(40, 0.5, 8, 2.5));
    p.setBrush(QColor(60, 60, 70));
    p.drawEllipse(QPointF(0, 2), 2, 2);
    p.setPen(QPen(QColor(40, 40, 40), 0.6));
    p.drawLine(QPointF(-10, 2), QPointF(10, 2));
    // Wheels.
    p.setBrush(QColor(30, 30, 30));
    p.drawEllipse(QPointF(-9, 11), 1.8, 2.4);
    p.drawEllipse(QPointF(9, 11), 1.8, 2.4);
    p.drawEllipse(QPointF(0, 10), 1.6, 2.2);
    p.drawLine(QPointF(-5, 5), QPointF(-9, 9));
    p.drawLine(QPointF(5, 5), QPointF(9, 9));
    p.restore();
}

} // namespace

QPixmap drawTitlePicture(QSize size) {
    QPixmap pixmap(size);
    const double w = size.width();
    const double h = size.height();
    const double horizon = h * 0.58;
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    drawSky(p, w, horizon);
    drawGround(p, w, h, horizon);
    drawRunway(p, w, h, horizon);
    drawAircraft(p, w, h);
    p.setPen(QPen(QColor(255, 255, 255, 160), 1));
    p.drawLine(QPointF(0, horizon), QPointF(w, horizon));
    return pixmap;
}

} // namespace examtrainer
