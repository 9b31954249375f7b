#pragma once

// Helpers for driving real forms with QTest; header-only because the shared support library
// does not link the widget and test modules.

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

// Runs the action on the modal window of that name once its event loop is running.
inline void whenModal(const QString &objectName, std::function<void(QWidget *)> action,
                      int tries = 200)
{
    QTimer::singleShot(0, qApp, [=] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal->objectName() == objectName) {
            // Clicks land only once the window is up and laid out.
            EXPECT_TRUE(QTest::qWaitForWindowExposed(modal));
            action(modal);
        } else if (tries > 0) {
            whenModal(objectName, action, tries - 1);
        } else {
            ADD_FAILURE() << "no modal " << objectName.toStdString();
        }
    });
}

inline void clickButton(QWidget *window, const char *buttonName)
{
    auto *button = window->findChild<QPushButton *>(QString::fromLatin1(buttonName));
    ASSERT_NE(button, nullptr) << buttonName;
    QTest::mouseClick(button, Qt::LeftButton);
}
