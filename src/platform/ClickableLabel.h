#pragma once

#include <QLabel>

namespace examtrainer {

// A label or read-only text box that takes clicks. Disabled, it takes none, as the exam relies on.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget* parent = nullptr);
    ClickableLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

} // namespace examtrainer
