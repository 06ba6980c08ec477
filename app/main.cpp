// Vrex graphics: the application object, the Qt front, the event loop.
#include "qt/front.h"
#include "qt/platform_services.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Lets the desktop match the windows to the installed menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(VREX_APP_ID));
    vrex::qt::Front front(vrex::qt::makePlatformServices());
    front.onEnd = [] { QCoreApplication::exit(0); };
    front.start();
    if (front.ended())
        return 0;
    // For start-up timing: leave as soon as the start-up's events are handled.
    // Not quit, which asks every window to close, and two refuse; the windows
    // are hidden first, as quit would, so that neither this nor the bare
    // program it is timed against paints before it leaves.
    if (qEnvironmentVariable("VREX_QUIT_WHEN_IDLE") == QLatin1String("1")) {
        QTimer::singleShot(0, qApp, [] {
            for (QWidget* w : QApplication::topLevelWidgets())
                w->hide();
            QCoreApplication::exit(0);
        });
    }
    return QApplication::exec();
}
