#include "app/WindowRegistry.h"
#include "platform/QtHostServices.h"
#include "platform/RandomSource.h"
#include "state/ExamState.h"

#include <QApplication>
#include <memory>

using namespace examtrainer;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Exam Trainer"));
    // Windows come and go between test runs; only "End" ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    auto state = std::make_unique<ExamState>();
    QtMessageService messages;
    ClockSeededRandom random;
    QtScreenMeasure screen;
    WindowRegistry windows(*state, HostServices{&messages, &random, &screen});
    if (!windows.openStartScreen())
        return 1;
    return QApplication::exec();
}
