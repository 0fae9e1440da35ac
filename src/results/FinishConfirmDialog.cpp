#include "FinishConfirmDialog.h"

#include "platform/Twips.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

namespace examtrainer {

FinishConfirmDialog::FinishConfirmDialog(QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Tool) {
    setObjectName(QStringLiteral("Dialog1"));
    resize(twipsToPixels(3720), twipsToPixels(2505));
    centreOnScreen(this);

    auto* question = new QLabel(QStringLiteral("Are you sure?"), this);
    question->setObjectName(QStringLiteral("Label1"));
    placeTwips(question, 120, 120, 3495, 495);
    question->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    question->setFont(designFont(QStringLiteral("Arial"), 18, true));
    setTextColour(question, bgrColor(0x000000C0));

    messageBox_ = new QLabel(this);
    messageBox_->setObjectName(QStringLiteral("Text1"));
    placeTwips(messageBox_, 120, 840, 3375, 975);
    messageBox_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    messageBox_->setWordWrap(true);
    messageBox_->setFont(designFont(QStringLiteral("Arial"), 9));
    setBackground(messageBox_, QApplication::palette().color(QPalette::Button));
    setTextColour(messageBox_, bgrColor(0x00004080));

    auto* revert = new QPushButton(QStringLiteral("Revert to test"), this);
    revert->setObjectName(QStringLiteral("CancelButton"));
    placeTwips(revert, 120, 2040, 1815, 375);
    revert->setFont(designFont(QStringLiteral("Arial"), 9.75, true));
    connect(revert, &QPushButton::clicked, this, &QWidget::hide);

    auto* result = new QPushButton(QStringLiteral("Get Result"), this);
    result->setObjectName(QStringLiteral("OKButton"));
    placeTwips(result, 2280, 2040, 1215, 375);
    result->setFont(designFont(QStringLiteral("Arial"), 9.75));
    connect(result, &QPushButton::clicked, this, &FinishConfirmDialog::getResult);
}

void FinishConfirmDialog::setMessage(const QString& text) {
    messageBox_->setText(text);
}

QString FinishConfirmDialog::message() const {
    return messageBox_->text();
}

} // namespace examtrainer
