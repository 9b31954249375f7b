// The start-up baseline: a bare Qt Widgets window program, shown and left at once, as
// wingstash is with WINGSTASH_QUIT_WHEN_SHOWN set.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(640, 480);
    window.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return QApplication::exec();
}
