#include "TagsPendingDialog.h"

#include "platform/Twips.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

namespace examtrainer {

TagsPendingDialog::TagsPendingDialog(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Dialog2"));
    setWindowTitle(QStringLiteral("Dialog Caption"));
    setFixedSize(twipsToPixels(3960), twipsToPixels(2595));
    centreOnScreen(this);

    auto* question = new QLabel(QStringLiteral("Are you sure?"), this);
    question->setObjectName(QStringLiteral("Label1"));
    placeTwips(question, 240, 120, 3495, 495);
    question->setAlignment(Qt::AlignCenter);
    question->setFont(designFont(QStringLiteral("Arial"), 18, true));
    setTextColour(question, bgrColor(0x000000C0));

    messageBox_ = new QLabel(this);
    messageBox_->setObjectName(QStringLiteral("Text1"));
    placeTwips(messageBox_, 240, 840, 3375, 975);
    messageBox_->setAlignment(Qt::AlignCenter);
    messageBox_->setWordWrap(true);
    messageBox_->setFont(designFont(QStringLiteral("Arial"), 9));
    setBackground(messageBox_, QApplication::palette().color(QPalette::Button));
    setTextColour(messageBox_, bgrColor(0x00004080));

    auto* cancelTags = new QPushButton(QStringLiteral("Cancel all Tags"), this);
    cancelTags->setObjectName(QStringLiteral("OKButton"));
    placeTwips(cancelTags, 2160, 2040, 1575, 375);
    cancelTags->setFont(designFont(QStringLiteral("Arial"), 9.75));
    connect(cancelTags, &QPushButton::clicked, this, [this] {
        emit cancelAllTags();
        hide();
    });

    auto* revert = new QPushButton(QStringLiteral("Revert to test"), this);
    revert->setObjectName(QStringLiteral("CancelButton"));
    placeTwips(revert, 240, 2040, 1695, 375);
    revert->setFont(designFont(QStringLiteral("Arial"), 9.75, true));
    connect(revert, &QPushButton::clicked, this, &QWidget::hide);
}

void TagsPendingDialog::setMessage(const QString& text) {
    messageBox_->setText(text);
}

QString TagsPendingDialog::message() const {
    return messageBox_->text();
}

} // namespace examtrainer
