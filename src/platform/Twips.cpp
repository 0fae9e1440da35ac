#include "Twips.h"

#include <QAbstractScrollArea>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace examtrainer {

namespace {
double logicalDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchX() : 96.0;
}

// Text boxes paint their text area from the Base role, everything else from Window.
bool paintsFromBase(const QWidget* widget) {
    return qobject_cast<const QAbstractScrollArea*>(widget) != nullptr ||
           widget->inherits("QLineEdit") || widget->inherits("QComboBox");
}
} // namespace

int twipsToPixels(int twips) {
    return static_cast<int>(std::lround(twips * logicalDpi() / 1440.0));
}

int pixelsToTwips(int pixels) {
    return static_cast<int>(std::lround(pixels * 1440.0 / logicalDpi()));
}

QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

QColor bgrColor(uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

QFont designFont(const QString& face, double points, bool bold) {
    // Arial resolves to Liberation Sans through fontconfig; Garamond needs a word from us.
    static const bool substituted = [] {
        QFont::insertSubstitution(QStringLiteral("Garamond"), QStringLiteral("EB Garamond"));
        return true;
    }();
    (void)substituted;
    QFont font(face);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void placeTwips(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(twipsRect(left, top, width, height));
}

void centreOnScreen(QWidget* window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window->move(screen->geometry().center() - window->rect().center());
}

void placeDesignWindow(QWidget* window, int widthTwips, int heightTwips, int screenMeasureTwips) {
    window->resize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
    centreOnScreen(window);
    window->setWindowState(screenMeasureTwips == widthTwips ? Qt::WindowMaximized
                                                            : Qt::WindowNoState);
}

void setBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    const QPalette::ColorRole role = paintsFromBase(widget) ? QPalette::Base : QPalette::Window;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, role, colour);
        palette.setColor(group, QPalette::Button, colour);
    }
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, colour);
        palette.setColor(group, QPalette::Text, colour);
        palette.setColor(group, QPalette::ButtonText, colour);
    }
    widget->setPalette(palette);
}

QColor backgroundOf(const QWidget* widget) {
    return widget->palette().color(QPalette::Active,
                                   paintsFromBase(widget) ? QPalette::Base : QPalette::Window);
}

QColor textColourOf(const QWidget* widget) {
    return widget->palette().color(QPalette::Active,
                                   paintsFromBase(widget) ? QPalette::Text : QPalette::WindowText);
}

} // namespace examtrainer
