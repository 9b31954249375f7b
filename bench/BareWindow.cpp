// The start-up baseline: a bare Qt Widgets window program, shown and left once it has painted,
// as wingstash is with WINGSTASH_QUIT_WHEN_SHOWN set.
#include "platform/qt/QuitWhenPainted.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(640, 480);
    new QuitWhenPainted(window);
    window.show();
    return QApplication::exec();
}
