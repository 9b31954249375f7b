#include "platform/qt/QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

// Details unfold behind Qt's own button as plain lines; the text and the answer stay as they are.
TEST(QtMessageBoxes, AQuestionCarriesItsDetailsAsTheBoxsDetailedText)
{
    const struct {
        QStringList details;
        QString detailedText;
    } cases[] = {
        {{"Aircraft/<Cub>/  (12 files)", "Gauges/own.gau"},
         "Aircraft/<Cub>/  (12 files)\nGauges/own.gau"},
        {{}, {}},
    };
    for (const auto &c : cases) {
        QtMessageBoxes boxes;
        QString text;
        QString detailedText;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (box == nullptr)
                return;
            poll.stop();
            text = box->text();
            detailedText = box->detailedText();
            box->button(QMessageBox::Yes)->click();
        });
        poll.start(10);
        EXPECT_EQ(boxes.show(QStringLiteral("Remove <Cub>?"), platform::Buttons::YesNo, c.details),
                  platform::Answer::Yes);
        EXPECT_EQ(text, QStringLiteral("Remove <Cub>?"));
        EXPECT_EQ(detailedText, c.detailedText);
    }
}
