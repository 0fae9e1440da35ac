#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace examtrainer {

// "Are you sure?" when Finish finds tagged questions (form Dialog2): "Cancel all Tags" clears
// every tag, "Revert to test" leaves them. Shown without blocking the exam.
class TagsPendingDialog : public QWidget {
    Q_OBJECT
public:
    explicit TagsPendingDialog(QWidget* parent = nullptr);

    void setMessage(const QString& text);
    QString message() const;

signals:
    // Emitted by "Cancel all Tags" before the dialog hides.
    void cancelAllTags();

private:
    QLabel* messageBox_ = nullptr;
};

} // namespace examtrainer
