#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// A window that quits the application while no event loop runs leaves Qt's quit request
// pending, and the next modal exec() in this process would return at once. Each test therefore
// starts after one short event loop that takes any such request and the pending deletions.
class EventLoopReset : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo &) override
    {
        bool ran = false;
        QTimer::singleShot(0, [&ran] {
            ran = true;
            QCoreApplication::exit(0);
        });
        QCoreApplication::exec();
        if (!ran)
            QCoreApplication::exec();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // What the tests delete goes to a trash of their own, never the developer's (as in the
    // logic tests).
    const QTemporaryDir home;
    const QString data = home.path() + QStringLiteral("/.local/share");
    QDir().mkpath(data);
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", data.toLocal8Bit());
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new EventLoopReset);
    return RUN_ALL_TESTS();
}
