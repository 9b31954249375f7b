#include "platform/qt/QtMessageBoxes.h"

#include "support/FormDriving.h"

#include <QLabel>
#include <QMessageBox>

#include <gtest/gtest.h>

using platform::Answer;
using platform::Buttons;

// Each button set answers by its buttons, Escape gives the cautious answer, and the text is
// shown as written (a package name may hold "<"), over the window that asked.
TEST(QtMessageBoxes, AnswerByButtonOrEscapeAndShowTheTextAsWritten)
{
    const QString text = "Package <b>Spitfire</b> &  done.";
    const struct {
        Buttons buttons;
        QMessageBox::StandardButton press; // NoButton: Escape
        Answer answer;
    } cases[] = {{Buttons::Ok, QMessageBox::NoButton, Answer::Ok},
                 {Buttons::OkCancel, QMessageBox::Ok, Answer::Ok},
                 {Buttons::OkCancel, QMessageBox::Cancel, Answer::Cancel},
                 {Buttons::OkCancel, QMessageBox::NoButton, Answer::Cancel},
                 {Buttons::YesNo, QMessageBox::Yes, Answer::Yes},
                 {Buttons::YesNo, QMessageBox::No, Answer::No},
                 {Buttons::YesNo, QMessageBox::NoButton, Answer::No}};
    QWidget window;
    window.show();
    QtMessageBoxes boxes(&window);
    for (const auto &c : cases) {
        whenModal("", [&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowTitle(), "Wingstash");
            EXPECT_EQ(box->findChild<QLabel *>("qt_msgbox_label")->textFormat(), Qt::PlainText);
            EXPECT_EQ(box->text(), text);
            EXPECT_EQ(box->parentWidget(), &window);
            if (c.press == QMessageBox::NoButton)
                QTest::keyClick(box, Qt::Key_Escape);
            else
                box->button(c.press)->click();
        });
        EXPECT_EQ(boxes.show(text, c.buttons), c.answer) << int(c.press);
    }
}
