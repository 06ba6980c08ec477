// The yardstick for start-up: a Qt Widgets program that shows one empty
// window and quits as soon as the events of showing it are handled.

#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return QApplication::exec();
}
