#include "TimeWarningDialog.h"

#include "platform/Twips.h"

#include <QLabel>
#include <QPushButton>

namespace examtrainer {

TimeWarningDialog::TimeWarningDialog(QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Tool) {
    setObjectName(QStringLiteral("Dialog4"));
    setGeometry(twipsRect(2715, 3360, 3405, 1590));

    auto* warning =
        new QLabel(QStringLiteral("You have 5 minutes of your allotted time left!"), this);
    warning->setObjectName(QStringLiteral("Label1"));
    placeTwips(warning, 240, 240, 2895, 615);
    warning->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    warning->setWordWrap(true);
    warning->setFont(designFont(QStringLiteral("Arial"), 9.75));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    placeTwips(ok, 1080, 960, 1215, 375);
    connect(ok, &QPushButton::clicked, this, &QWidget::hide);
}

} // namespace examtrainer
