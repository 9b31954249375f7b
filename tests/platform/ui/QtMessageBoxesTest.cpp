#include "platform/qt/QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

// Details unfold behind Qt's own button as plain lines; the text and the answer stay as they are.
TEST(QtMessageBoxes, AQuestionCarriesItsDetailsAsTheBoxsDetailedText)
{
    for (const QStringList &details :
         {QStringList{"Aircraft/<Cub>/  (12 files)", "Gauges/a.gau"}, QStringList{}}) {
        QtMessageBoxes boxes;
        QString shown;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                poll.stop();
                shown = box->text() + '|' + box->detailedText();
                box->button(QMessageBox::Yes)->click();
            }
        });
        poll.start(10);
        EXPECT_EQ(boxes.show("Remove <Cub>?", platform::Buttons::YesNo, details),
                  platform::Answer::Yes);
        EXPECT_EQ(shown, "Remove <Cub>?|" + details.join('\n'));
    }
}
