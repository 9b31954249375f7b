// The start-up baseline: a bare Qt Widgets window program of the main window's designed size,
// shown and left once it has painted, as wingstash is with WINGSTASH_QUIT_WHEN_SHOWN set.
#include "platform/qt/QuitWhenPainted.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(700, 500);
    new QuitWhenPainted(window);
    window.show();
    return QApplication::exec();
}
