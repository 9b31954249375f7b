#pragma once

#include <QByteArray>
#include <QString>

#include <cstdlib>

// Sets the home folder (HOME) for as long as it lives, so a test about the home folder can never
// touch the real one.
class TemporaryHome {
public:
    explicit TemporaryHome(const QString &home) : saved_(qgetenv("HOME"))
    {
        qputenv("HOME", home.toLocal8Bit());
    }
    ~TemporaryHome() { qputenv("HOME", saved_); }
    TemporaryHome(const TemporaryHome &) = delete;
    TemporaryHome &operator=(const TemporaryHome &) = delete;

private:
    const QByteArray saved_;
};
