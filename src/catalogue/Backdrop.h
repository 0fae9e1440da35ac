#pragma once

#include <QWidget>

namespace examtrainer {

// The borderless blue window that covers the screen behind every other window of the program
// (form Form5). It lives as long as the program.
class Backdrop : public QWidget {
    Q_OBJECT
public:
    explicit Backdrop(QWidget* parent = nullptr);

    // Top-left corner of the screen, the screen's full size, visible.
    void coverScreen();

protected:
    // A click sends the backdrop behind all other windows of the program.
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace examtrainer
