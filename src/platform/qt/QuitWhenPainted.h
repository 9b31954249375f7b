#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

// Ends the program once the window has painted itself for the first time: the moment a user sees
// it, which a script checking or timing start-up waits for.
class QuitWhenPainted : public QObject {
public:
    explicit QuitWhenPainted(QWidget &window) : QObject(&window)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        // Queued, as the window's controls paint in the same pass, after the window itself.
        if (event->type() == QEvent::Paint)
            QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                      Qt::QueuedConnection);
        return false;
    }
};
