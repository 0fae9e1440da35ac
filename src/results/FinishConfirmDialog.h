#pragma once

#include <QWidget>

class QLabel;

namespace examtrainer {

// "Are you sure?" before the result (form Dialog1), telling the candidate the minutes still to
// go: "Get Result" or "Revert to test". Shown without blocking the exam; the clock keeps running.
class FinishConfirmDialog : public QWidget {
    Q_OBJECT
public:
    explicit FinishConfirmDialog(QWidget* parent = nullptr);

    void setMessage(const QString& text);
    QString message() const;

signals:
    void getResult();

private:
    QLabel* messageBox_ = nullptr;
};

} // namespace examtrainer
