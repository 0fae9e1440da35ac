#include "ClickableLabel.h"

#include <QMouseEvent>

namespace examtrainer {

ClickableLabel::ClickableLabel(QWidget* parent) : QLabel(parent) {}

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    // A click is a press and a release on the control, as on any button.
    const bool wasPressed = pressed_;
    pressed_ = false;
    event->accept();
    if (wasPressed && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint()))
        emit clicked();
}

void ClickableLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    pressed_ = false;
    event->accept();
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

} // namespace examtrainer
