#include "QtHostServices.h"

#include "Twips.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

namespace examtrainer {

void QtMessageService::showMessage(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Exam Trainer"), text, QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void QtMessageService::endProgram() {
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}

int QtScreenMeasure::widthTwips() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 0;
    return pixelsToTwips(screen->geometry().width());
}

} // namespace examtrainer
