// Draws the figures of the sample data set: charts, diagrams and instruments for the sample
// questions, written as JPEG files into the folder given. Run it when a figure is to change:
//     cmake --build build --target drawfigures && build/tools/figures/drawfigures sample/figures
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <cstdio>
#include <functional>

namespace {

const QColor kInk(25, 25, 35);
const QColor kPaper(252, 250, 244);

QFont font(double points, bool bold = false) {
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

void title(QPainter& p, int width, const QString& text) {
    p.setPen(kInk);
    p.setFont(font(13, true));
    p.drawText(QRect(0, 8, width, 26), Qt::AlignCenter, text);
}

void arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour, double width = 2.5) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    const double angle = std::atan2(to.y() - from.y(), to.x() - from.x());
    const double head = 10 + width * 2;
    QPolygonF tip;
    tip << to << to - QPointF(head * std::cos(angle - 0.4), head * std::sin(angle - 0.4))
        << to - QPointF(head * std::cos(angle + 0.4), head * std::sin(angle + 0.4));
    p.setBrush(colour);
    p.setPen(Qt::NoPen);
    p.drawPolygon(tip);
    p.setBrush(Qt::NoBrush);
}

void aeroplane(QPainter& p, QPointF at, double heading, const QColor& colour, double size = 1.0) {
    p.save();
    p.translate(at);
    p.rotate(heading);
    p.scale(size, size);
    p.setPen(QPen(kInk, 1));
    p.setBrush(colour);
    QPainterPath body;
    body.addRoundedRect(QRectF(-4, -24, 8, 46), 4, 4);
    body.addRect(QRectF(-26, -8, 52, 8));
    body.addRect(QRectF(-11, 16, 22, 5));
    p.drawPath(body.simplified());
    p.restore();
}

// A round instrument face with its scale; value runs 0..1 over the arc from start to span.
void dialFace(QPainter& p, QPointF centre, double radius) {
    p.setPen(QPen(QColor(90, 90, 90), 6));
    p.setBrush(QColor(20, 20, 22));
    p.drawEllipse(centre, radius, radius);
}

QPointF onCircle(QPointF centre, double radius, double degreesFromTop) {
    const double a = qDegreesToRadians(degreesFromTop - 90);
    return centre + QPointF(radius * std::cos(a), radius * std::sin(a));
}

void needle(QPainter& p, QPointF centre, double length, double degreesFromTop, double width,
            const QColor& colour) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, onCircle(centre, length, degreesFromTop));
}

void drawAltimeter(QPainter& p, int w, int h) {
    title(p, w, QStringLiteral("Altimeter, 1013 hPa set"));
    const QPointF c(w / 2.0, h / 2.0 + 14);
    const double r = h * 0.4;
    dialFace(p, c, r);
    p.setFont(font(15, true));
    for (int i = 0; i < 50; ++i) {
        const double deg = i * 7.2;
        const bool major = i % 5 == 0;
        p.setPen(QPen(Qt::white, major ? 3 : 1.5));
        p.drawLine(onCircle(c, r - 4, deg), onCircle(c, r - (major ? 20 : 12), deg));
        if (major) {
            const QPointF at = onCircle(c, r - 38, deg);
            p.drawText(QRectF(at.x() - 15, at.y() - 13, 30, 26), Qt::AlignCenter,
                       QString::number(i / 5));
        }
    }
    p.setFont(font(9, true));
    p.setPen(Qt::white);
    p.drawText(QRectF(c.x() - 50, c.y() - r * 0.45, 100, 18), Qt::AlignCenter,
               QStringLiteral("ALT"));
    p.drawText(QRectF(c.x() - 60, c.y() + r * 0.3, 120, 18), Qt::AlignCenter,
               QStringLiteral("100 FEET"));
    // Subscale window.
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(120, 120, 120), 1));
    const QRectF window(c.x() - r * 0.38 - 58, c.y() - 12, 58, 24);
    p.drawRect(window);
    p.setPen(Qt::black);
    p.setFont(font(10, true));
    p.drawText(window, Qt::AlignCenter, QStringLiteral("1013"));
    needle(p, c, r * 0.5, 2.5 / 10 * 360, 7, Qt::white);  // thousands
    needle(p, c, r * 0.82, 5.0 / 10 * 360, 4, Qt::white); // hundreds
    p.setBrush(QColor(60, 60, 60));
    p.setPen(Qt::NoPen);
    p.drawEllipse(c, 9, 9);
}

void drawAirspeedIndicator(QPainter& p, int w, int h) {
    title(p, w, QStringLiteral("Airspeed indicator, knots"));
    const QPointF c(w / 2.0, h / 2.0 + 14);
    const double r = h * 0.4;
    dialFace(p, c, r);
    // 40 kt at the top-left, 200 kt near the top: 300 degrees of arc.
    auto angle = [](double knots) { return (knots - 40) / 160 * 300 + 20; };
    auto arc = [&](double from, double to, const QColor& colour, double inset) {
        p.setPen(QPen(colour, 9, Qt::SolidLine, Qt::FlatCap));
        const QRectF box(c.x() - r + inset, c.y() - r + inset, 2 * (r - inset), 2 * (r - inset));
        p.drawArc(box, static_cast<int>((90 - angle(from)) * 16),
                  static_cast<int>(-(angle(to) - angle(from)) * 16));
    };
    arc(45, 85, Qt::white, 24);
    arc(50, 130, QColor(20, 180, 40), 12);
    arc(130, 160, QColor(240, 200, 0), 12);
    p.setPen(QPen(QColor(220, 20, 20), 5));
    p.drawLine(onCircle(c, r - 4, angle(160)), onCircle(c, r - 26, angle(160)));
    p.setFont(font(12, true));
    for (int kt = 40; kt <= 200; kt += 20) {
        p.setPen(QPen(Qt::white, 2.5));
        p.drawLine(onCircle(c, r - 4, angle(kt)), onCircle(c, r - 18, angle(kt)));
        const QPointF at = onCircle(c, r - 48, angle(kt));
        p.drawText(QRectF(at.x() - 20, at.y() - 12, 40, 24), Qt::AlignCenter, QString::number(kt));
    }
    p.setFont(font(9, true));
    p.drawText(QRectF(c.x() - 50, c.y() + r * 0.25, 100, 18), Qt::AlignCenter,
               QStringLiteral("KNOTS"));
    needle(p, c, r * 0.8, angle(105), 5, Qt::white);
    p.setBrush(QColor(60, 60, 60));
    p.setPen(Qt::NoPen);
    p.drawEllipse(c, 9, 9);
}

void drawVorIndicator(QPainter& p, int w, int h) {
    title(p, w, QStringLiteral("VOR indicator, course 090"));
    const QPointF c(w / 2.0, h / 2.0 + 14);
    const double r = h * 0.4;
    dialFace(p, c, r);
    p.setFont(font(11, true));
    for (int deg = 0; deg < 360; deg += 10) {
        // The card turns so that the selected course stands at the top.
        const double at = deg - 90;
        const bool major = deg % 30 == 0;
        p.setPen(QPen(Qt::white, major ? 2.5 : 1.2));
        p.drawLine(onCircle(c, r - 4, at), onCircle(c, r - (major ? 18 : 10), at));
        if (major) {
            const QPointF t = onCircle(c, r - 34, at);
            p.drawText(QRectF(t.x() - 18, t.y() - 11, 36, 22), Qt::AlignCenter,
                       QString::number(deg / 10));
        }
    }
    // Course index and dots.
    p.setBrush(QColor(240, 200, 0));
    p.setPen(Qt::NoPen);
    QPolygonF index;
    index << onCircle(c, r - 2, 0) + QPointF(-8, 0) << onCircle(c, r - 2, 0) + QPointF(8, 0)
          << onCircle(c, r - 16, 0);
    p.drawPolygon(index);
    p.setBrush(Qt::white);
    for (int i = -5; i <= 5; ++i) {
        if (i != 0)
            p.drawEllipse(c + QPointF(i * r * 0.11, 0), 4, 4);
    }
    p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(0, -r * 0.55), c + QPointF(0, r * 0.55));
    // TO flag.
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    const QRectF flag(c.x() + r * 0.22, c.y() - r * 0.42, 42, 24);
    p.drawRect(flag);
    p.setPen(Qt::black);
    p.setFont(font(11, true));
    p.drawText(flag, Qt::AlignCenter, QStringLiteral("TO"));
    p.setPen(Qt::white);
    p.setFont(font(9, true));
    p.drawText(QRectF(c.x() - 50, c.y() + r * 0.62, 100, 18), Qt::AlignCenter,
               QStringLiteral("OBS"));
}

void drawCompassRose(QPainter& p, int w, int h) {
    title(p, w, QStringLiteral("True and magnetic north"));
    const QPointF c(w / 2.0, h / 2.0 + 16);
    const double r = h * 0.38;
    p.setPen(QPen(kInk, 2));
    p.setBrush(Qt::white);
    p.drawEllipse(c, r, r);
    p.setFont(font(10, true));
    for (int deg = 0; deg < 360; deg += 5) {
        const bool major = deg % 30 == 0;
        p.setPen(QPen(kInk, major ? 2 : 1));
        p.drawLine(onCircle(c, r, deg), onCircle(c,
                                                 r - (major           ? 16
                                                      : deg % 10 == 0 ? 10
                                                                      : 6),
                                                 deg));
        if (major) {
            const QPointF t = onCircle(c, r - 30, deg);
            const QString label = deg == 0     ? QStringLiteral("N")
                                  : deg == 90  ? QStringLiteral("E")
                                  : deg == 180 ? QStringLiteral("S")
                                  : deg == 270 ? QStringLiteral("W")
                                               : QString::number(deg / 10);
            p.drawText(QRectF(t.x() - 16, t.y() - 11, 32, 22), Qt::AlignCenter, label);
        }
    }
    arrow(p, c, onCircle(c, r * 1.18, 0), QColor(30, 60, 200), 3);
    arrow(p, c, onCircle(c, r * 1.1, -3 * 4), QColor(200, 30, 30), 3);
    p.setFont(font(9, true));
    p.setPen(QColor(30, 60, 200));
    p.drawText(onCircle(c, r * 1.22, 8), QStringLiteral("TN"));
    p.setPen(QColor(200, 30, 30));
    p.drawText(onCircle(c, r * 1.15, -22), QStringLiteral("MN"));
    p.setPen(kInk);
    p.setFont(font(9));
    p.drawText(QRect(0, h - 26, w, 20), Qt::AlignCenter,
               QStringLiteral("Variation west, magnetic best: add it to the true direction"));
}

void drawWindTriangle(QPainter& p, int w, int h) {
    title(p, w, QStringLiteral("The wind triangle"));
    const QPointF start(w * 0.18, h * 0.78);
    const QPointF air(w * 0.78, h * 0.30);
    const QPointF ground(w * 0.86, h * 0.58);
    arrow(p, start, air, QColor(30, 60, 200), 3);
    arrow(p, air, ground, QColor(30, 150, 60), 3);
    arrow(p, start, ground, QColor(200, 30, 30), 3);
    p.setFont(font(11, true));
    p.setPen(QColor(30, 60, 200));
    p.drawText(QPointF(w * 0.36, h * 0.45), QStringLiteral("Heading and TAS"));
    p.setPen(QColor(30, 150, 60));
    p.drawText(QPointF(w * 0.83, h * 0.42), QStringLiteral("W/V"));
    p.setPen(QColor(200, 30, 30));
    p.drawText(QPointF(w * 0.50, h * 0.76), QStringLiteral("Track and ground speed"));
    p.setPen(QPen(kInk, 1, Qt::DashLine));
    p.drawArc(QRectF(start.x() - 90, start.y() - 90, 180, 180), 22 * 16, 18 * 16);
    p.setPen(kInk);
    p.setFont(font(10));
    p.drawText(QPointF(start.x() + 96, start.y() - 44), QStringLiteral("drift"));
    aeroplane(p, start + QPointF(0, 10), 52, QColor(230, 230, 240), 0.8);
}

void drawRightOfWay(QPainter& p, int w, int h) {
    title(p, w, QStringLiteral("Converging, head-on and overtaking aircraft"));
    p.setFont(font(10, true));
    // Converging: the aircraft with the other on its right gives way.
    aeroplane(p, QPointF(w * 0.12, h * 0.55), 90, QColor(220, 60, 60));
    aeroplane(p, QPointF(w * 0.28, h * 0.78), 0, QColor(60, 160, 80));
    arrow(p, QPointF(w * 0.15, h * 0.55), QPointF(w * 0.26, h * 0.55), QColor(220, 60, 60));
    arrow(p, QPointF(w * 0.28, h * 0.74), QPointF(w * 0.28, h * 0.62), QColor(60, 160, 80));
    p.setPen(kInk);
    p.drawText(QRect(0, static_cast<int>(h * 0.88), w / 3, 20), Qt::AlignCenter,
               QStringLiteral("Converging: red gives way"));
    // Head-on: both turn right.
    aeroplane(p, QPointF(w * 0.5, h * 0.3), 180, QColor(220, 60, 60));
    aeroplane(p, QPointF(w * 0.5, h * 0.78), 0, QColor(60, 60, 200));
    arrow(p, QPointF(w * 0.5, h * 0.38), QPointF(w * 0.45, h * 0.5), QColor(220, 60, 60));
    arrow(p, QPointF(w * 0.5, h * 0.7), QPointF(w * 0.55, h * 0.58), QColor(60, 60, 200));
    p.setPen(kInk);
    p.drawText(QRect(w / 3, static_cast<int>(h * 0.88), w / 3, 20), Qt::AlignCenter,
               QStringLiteral("Head-on: both turn right"));
    // Overtaking: pass on the right.
    aeroplane(p, QPointF(w * 0.8, h * 0.4), 0, QColor(60, 160, 80));
    aeroplane(p, QPointF(w * 0.8, h * 0.78), 0, QColor(220, 60, 60));
    arrow(p, QPointF(w * 0.8, h * 0.7), QPointF(w * 0.9, h * 0.5), QColor(220, 60, 60));
    p.setPen(kInk);
    p.drawText(QRect(2 * w / 3, static_cast<int>(h * 0.88), w / 3, 20), Qt::AlignCenter,
               QStringLiteral("Overtaking: keep right"));
}

void drawAirspace(QPainter& p, int w, int h) {
    title(p, w, QStringLiteral("Airspace around a controlled aerodrome (section)"));
    const double ground = h * 0.85;
    p.fillRect(QRectF(0, ground, w, h - ground), QColor(150, 190, 120));
    auto block = [&](QRectF r, const QColor& fill, const QString& label) {
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(fill);
        p.drawRect(r);
        p.setFont(font(10, true));
        p.drawText(r, Qt::AlignCenter, label);
    };
    block(QRectF(w * 0.05, h * 0.14, w * 0.9, h * 0.16), QColor(200, 200, 230),
          QStringLiteral("Class C  FL 195 and above (IFR and VFR, clearance required)"));
    block(QRectF(w * 0.15, h * 0.30, w * 0.7, h * 0.25), QColor(180, 210, 240),
          QStringLiteral("Class D  terminal control area"));
    block(QRectF(w * 0.38, h * 0.55, w * 0.24, ground - h * 0.55), QColor(160, 190, 250),
          QStringLiteral("CTR\nclass D"));
    p.setFont(font(10, true));
    p.setPen(kInk);
    p.drawText(QRectF(0, h * 0.6, w * 0.36, 40), Qt::AlignCenter,
               QStringLiteral("Class G\nuncontrolled"));
    p.drawText(QRectF(w * 0.64, h * 0.6, w * 0.36, 40), Qt::AlignCenter,
               QStringLiteral("Class E\nbelow the TMA"));
    p.setBrush(QColor(60, 60, 60));
    p.drawRect(QRectF(w * 0.47, ground - 4, w * 0.06, 6));
    p.setFont(font(9));
    p.drawText(
        QRect(0, h - 22, w, 18), Qt::AlignCenter,
        QStringLiteral("Above 3050 m: 8 km visibility; below: 5 km; 1500 m and 300 m from cloud"));
}

void drawSignals(QPainter& p, int w, int h) {
    title(p, w, QStringLiteral("Ground signals in the signal area"));
    p.fillRect(QRectF(0, 40, w, h - 40), QColor(120, 160, 100));
    p.setFont(font(10, true));
    // Red square with one yellow diagonal.
    const QRectF a(w * 0.08, h * 0.25, w * 0.22, w * 0.22);
    p.fillRect(a, QColor(210, 30, 30));
    p.setPen(QPen(QColor(250, 220, 0), 10));
    p.drawLine(a.topLeft() + QPointF(8, 8), a.bottomRight() - QPointF(8, 8));
    // Red square with a yellow cross.
    const QRectF b(w * 0.39, h * 0.25, w * 0.22, w * 0.22);
    p.fillRect(b, QColor(210, 30, 30));
    p.drawLine(b.topLeft() + QPointF(8, 8), b.bottomRight() - QPointF(8, 8));
    p.drawLine(b.topRight() + QPointF(-8, 8), b.bottomLeft() + QPointF(8, -8));
    // White dumb-bell.
    const double cy = h * 0.25 + w * 0.11;
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(w * 0.73, cy), w * 0.04, w * 0.04);
    p.drawEllipse(QPointF(w * 0.89, cy), w * 0.04, w * 0.04);
    p.drawRect(QRectF(w * 0.73, cy - w * 0.015, w * 0.16, w * 0.03));
    p.setPen(Qt::white);
    p.drawText(QRectF(a.left() - 20, a.bottom() + 8, a.width() + 40, 40), Qt::AlignHCenter,
               QStringLiteral("Take special care\non approach and landing"));
    p.drawText(QRectF(b.left() - 20, b.bottom() + 8, b.width() + 40, 40), Qt::AlignHCenter,
               QStringLiteral("Landing prohibited"));
    p.drawText(QRectF(w * 0.66, a.bottom() + 8, w * 0.3, 40), Qt::AlignHCenter,
               QStringLiteral("Use hard\nsurfaces only"));
}

void drawRunway(QPainter& p, int w, int h) {
    title(p, w, QStringLiteral("Runway 27 markings (plan view)"));
    p.fillRect(QRectF(0, 40, w, h - 40), QColor(110, 150, 90));
    const QRectF runway(w * 0.04, h * 0.38, w * 0.92, h * 0.32);
    p.fillRect(runway, QColor(70, 70, 74));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    // Threshold bars, designator, centre line, aiming point, touchdown zone.
    const double x0 = runway.right() - 16;
    for (int i = 0; i < 8; ++i)
        p.drawRect(QRectF(x0 - 40, runway.top() + 8 + i * (runway.height() - 16) / 8, 40,
                          (runway.height() - 16) / 8 - 5));
    p.save();
    p.translate(x0 - 78, runway.center().y());
    p.rotate(90);
    p.setPen(Qt::white);
    p.setFont(font(26, true));
    p.drawText(QRectF(-40, -22, 80, 44), Qt::AlignCenter, QStringLiteral("27"));
    p.restore();
    for (double x = runway.left() + 20; x < x0 - 120; x += 46)
        p.drawRect(QRectF(x, runway.center().y() - 2, 28, 4));
    p.drawRect(QRectF(x0 - 330, runway.top() + 14, 60, 14));
    p.drawRect(QRectF(x0 - 330, runway.bottom() - 28, 60, 14));
    for (int pair = 0; pair < 3; ++pair) {
        const double x = x0 - 200 - pair * 140;
        for (int bar = 0; bar < 2; ++bar) {
            p.drawRect(QRectF(x, runway.top() + 40 + bar * 10, 34, 6));
            p.drawRect(QRectF(x, runway.bottom() - 46 - bar * 10, 34, 6));
        }
    }
    p.setPen(kInk);
    p.setFont(font(10, true));
    p.drawText(QRectF(x0 - 110, runway.bottom() + 6, 130, 36), Qt::AlignCenter,
               QStringLiteral("threshold\n(landing westward)"));
    p.drawText(QRectF(x0 - 360, runway.top() - 36, 120, 34), Qt::AlignCenter,
               QStringLiteral("aiming point"));
    p.drawText(QRectF(x0 - 620, runway.top() - 36, 300, 34), Qt::AlignCenter,
               QStringLiteral("touchdown zone, pairs 150 m apart"));
    arrow(p, QPointF(w * 0.5, h * 0.88), QPointF(w * 0.3, h * 0.88), kInk);
    p.drawText(QRectF(w * 0.52, h * 0.85, 140, 20), Qt::AlignLeft, QStringLiteral("270 degrees M"));
}

void drawClouds(QPainter& p, int w, int h) {
    title(p, w, QStringLiteral("Cloud types by level"));
    QLinearGradient sky(0, 40, 0, h);
    sky.setColorAt(0, QColor(90, 140, 210));
    sky.setColorAt(1, QColor(190, 215, 240));
    p.fillRect(QRectF(0, 40, w, h - 40), sky);
    p.fillRect(QRectF(0, h * 0.9, w, h * 0.1), QColor(110, 140, 90));
    auto puff = [&](QPointF at, double size, const QColor& colour) {
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        for (int i = 0; i < 5; ++i)
            p.drawEllipse(at + QPointF((i - 2) * size * 0.55, -std::abs(i - 2) * -size * 0.15),
                          size * 0.6, size * 0.45);
    };
    p.setPen(QPen(QColor(255, 255, 255, 220), 2));
    for (int i = 0; i < 6; ++i)
        p.drawLine(QPointF(w * 0.05 + i * 30, h * 0.18 + i * 3),
                   QPointF(w * 0.05 + i * 30 + 50, h * 0.16));
    puff(QPointF(w * 0.3, h * 0.45), 22, QColor(245, 245, 250));
    puff(QPointF(w * 0.42, h * 0.45), 22, QColor(235, 235, 240));
    p.setBrush(QColor(200, 200, 210));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(w * 0.05, h * 0.72, w * 0.35, h * 0.06));
    // A cumulonimbus with its anvil.
    QPainterPath cb;
    cb.moveTo(w * 0.6, h * 0.88);
    cb.cubicTo(w * 0.58, h * 0.6, w * 0.66, h * 0.4, w * 0.7, h * 0.22);
    cb.lineTo(w * 0.58, h * 0.16);
    cb.lineTo(w * 0.98, h * 0.16);
    cb.lineTo(w * 0.84, h * 0.24);
    cb.cubicTo(w * 0.88, h * 0.42, w * 0.94, h * 0.62, w * 0.9, h * 0.88);
    cb.closeSubpath();
    p.setBrush(QColor(235, 235, 240));
    p.setPen(QPen(QColor(150, 150, 160), 1));
    p.drawPath(cb);
    p.setPen(QPen(QColor(90, 100, 130), 2));
    for (int i = 0; i < 8; ++i)
        p.drawLine(QPointF(w * 0.65 + i * 12, h * 0.88), QPointF(w * 0.63 + i * 12, h * 0.98));
    p.setPen(kInk);
    p.setFont(font(10, true));
    p.drawText(QPointF(w * 0.05, h * 0.12 + 20), QStringLiteral("High: cirrus (ice crystals)"));
    p.drawText(QPointF(w * 0.22, h * 0.58), QStringLiteral("Medium: altocumulus"));
    p.drawText(QPointF(w * 0.05, h * 0.86), QStringLiteral("Low: stratus"));
    p.drawText(QPointF(w * 0.62, h * 0.13), QStringLiteral("Cumulonimbus: anvil at the top"));
}

void drawPhoneticAlphabet(QPainter& p, int w, int h) {
    title(p, w, QStringLiteral("The ICAO phonetic alphabet"));
    const char* const words[] = {
        "Alfa",    "Bravo", "Charlie", "Delta",  "Echo",     "Foxtrot", "Golf",   "Hotel",  "India",
        "Juliett", "Kilo",  "Lima",    "Mike",   "November", "Oscar",   "Papa",   "Quebec", "Romeo",
        "Sierra",  "Tango", "Uniform", "Victor", "Whiskey",  "X-ray",   "Yankee", "Zulu"};
    const int columns = 4;
    const int rows = 7;
    const double cellW = (w - 40.0) / columns;
    const double cellH = (h - 60.0) / rows;
    for (int i = 0; i < 26; ++i) {
        const QRectF cell(20 + (i / rows) * cellW, 44 + (i % rows) * cellH, cellW - 8, cellH - 6);
        p.setPen(QPen(QColor(180, 180, 190), 1));
        p.setBrush(i % 2 ? QColor(235, 240, 250) : QColor(250, 250, 252));
        p.drawRoundedRect(cell, 4, 4);
        p.setPen(QColor(20, 40, 140));
        p.setFont(font(14, true));
        p.drawText(cell.adjusted(8, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                   QString(QChar('A' + i)));
        p.setPen(kInk);
        p.setFont(font(12));
        p.drawText(cell.adjusted(36, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                   QString::fromLatin1(words[i]));
    }
}

struct Figure {
    const char* name;
    int width;
    int height;
    std::function<void(QPainter&, int, int)> draw;
};

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: drawfigures FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    const Figure figures[] = {
        {"altimeter", 420, 440, drawAltimeter},
        {"asi", 420, 440, drawAirspeedIndicator},
        {"vor", 420, 440, drawVorIndicator},
        {"compass", 460, 460, drawCompassRose},
        {"windtriangle", 560, 380, drawWindTriangle},
        {"rightofway", 640, 360, drawRightOfWay},
        {"airspace", 640, 380, drawAirspace},
        {"signals", 560, 340, drawSignals},
        {"runway", 720, 300, drawRunway},
        {"clouds", 600, 400, drawClouds},
        {"phonetic", 560, 360, drawPhoneticAlphabet},
    };
    for (const Figure& figure : figures) {
        QImage image(figure.width, figure.height, QImage::Format_RGB32);
        image.fill(kPaper);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::TextAntialiasing);
            figure.draw(painter, figure.width, figure.height);
        }
        const QString path = folder + QLatin1Char('/') + QLatin1String(figure.name) + ".jpg";
        if (!image.save(path, "JPEG", 88)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
