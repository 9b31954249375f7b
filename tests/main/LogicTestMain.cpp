#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // What the tests delete goes to a trash of their own, never the developer's: a home folder
    // on the file system of the temporary trees (whose trash is the home trash) that goes with
    // the run.
    const QTemporaryDir home;
    const QString data = home.path() + QStringLiteral("/.local/share");
    QDir().mkpath(data);
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", data.toLocal8Bit());
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
