#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <cstdint>

class QWidget;

namespace examtrainer {

// Window designs are in twips (1440 per inch), turned into pixels with the screen's logical DPI:
// 15 twips per pixel at 96 dpi.
int twipsToPixels(int twips);
int pixelsToTwips(int pixels);
QRect twipsRect(int left, int top, int width, int height);

// Colours are written as 0x00BBGGRR, blue in the high byte.
QColor bgrColor(uint32_t bgr);

QFont designFont(const QString& face, double points, bool bold = false);

// Place and size a widget by its design rectangle.
void placeTwips(QWidget* widget, int left, int top, int width, int height);

// Centres a window on the screen.
void centreOnScreen(QWidget* window);

// The design size of the large windows, centred, or maximised on a screen whose measure equals
// that design width exactly.
void placeDesignWindow(QWidget* window, int widthTwips, int heightTwips, int screenMeasureTwips);

// Background and text colours of a control, kept when it is disabled.
void setBackground(QWidget* widget, const QColor& colour);
void setTextColour(QWidget* widget, const QColor& colour);
QColor backgroundOf(const QWidget* widget);
QColor textColourOf(const QWidget* widget);

} // namespace examtrainer
