#include "Backdrop.h"

#include "platform/Twips.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

namespace examtrainer {

Backdrop::Backdrop(QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Tool | Qt::WindowDoesNotAcceptFocus) {
    setObjectName(QStringLiteral("Form5"));
    setBackground(this, bgrColor(0x00FF0000));
}

void Backdrop::coverScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->geometry());
    show();
}

void Backdrop::mousePressEvent(QMouseEvent* event) {
    event->accept();
    lower();
}

} // namespace examtrainer
