#include "platform/qt/QtMessageBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

using platform::Answer;
using platform::Buttons;

namespace {

struct SeenBox {
    bool found = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::Information;
    Qt::TextFormat labelFormat = Qt::RichText;
    QMessageBox::StandardButtons buttons;
    QWidget *parent = nullptr;
};

// Waits for the modal box, records what it shows and then answers it with `answer`.
void answerNextBox(SeenBox &seen, std::function<void(QMessageBox &)> answer, int triesLeft = 50)
{
    QTimer::singleShot(10, [&seen, answer, triesLeft] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            if (triesLeft > 0)
                answerNextBox(seen, answer, triesLeft - 1);
            return;
        }
        seen.found = true;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        if (const auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label")))
            seen.labelFormat = label->textFormat();
        seen.buttons = box->standardButtons();
        seen.parent = box->parentWidget();
        answer(*box);
    });
}

std::function<void(QMessageBox &)> click(QMessageBox::StandardButton which)
{
    return [which](QMessageBox &box) { box.button(which)->click(); };
}

void pressEscape(QMessageBox &box)
{
    QTest::keyClick(&box, Qt::Key_Escape);
}

// An earlier test that asked the application to quit leaves every later event loop, the box's
// included, returning at once; a short run of the application's own loop clears that request.
class QtMessageBoxesTest : public testing::Test {
protected:
    void SetUp() override
    {
        QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
    }
};

} // namespace

TEST_F(QtMessageBoxesTest, ShowsPlainTextTitledWingstashWithoutIconOverItsWindow)
{
    QWidget window;
    window.show();
    QtMessageBoxes boxes(&window);
    SeenBox seen;
    const QString text = QStringLiteral("Package <b>Spitfire</b> &  done.");

    answerNextBox(seen, click(QMessageBox::Ok));
    EXPECT_EQ(boxes.show(text, Buttons::Ok), Answer::Ok);

    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.title, "Wingstash");
    EXPECT_EQ(seen.text, text);
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen.labelFormat, Qt::PlainText);
    EXPECT_EQ(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(seen.parent, &window);

    // Without a parent of its own, the active window owns the box.
    QWidget active;
    active.show();
    QApplication::setActiveWindow(&active);
    answerNextBox(seen, click(QMessageBox::Ok));
    QtMessageBoxes().show(text, Buttons::Ok);
    EXPECT_EQ(seen.parent, &active);
}

TEST_F(QtMessageBoxesTest, EachButtonSetGivesItsAnswersAndEscapeTheCautiousOne)
{
    QtMessageBoxes boxes;
    SeenBox seen;

    answerNextBox(seen, click(QMessageBox::Cancel));
    EXPECT_EQ(boxes.show("Erase?", Buttons::OkCancel), Answer::Cancel);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok | QMessageBox::Cancel);
    answerNextBox(seen, click(QMessageBox::Ok));
    EXPECT_EQ(boxes.show("Erase?", Buttons::OkCancel), Answer::Ok);
    answerNextBox(seen, pressEscape);
    EXPECT_EQ(boxes.show("Erase?", Buttons::OkCancel), Answer::Cancel);

    answerNextBox(seen, click(QMessageBox::Yes));
    EXPECT_EQ(boxes.show("Keep?", Buttons::YesNo), Answer::Yes);
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    answerNextBox(seen, click(QMessageBox::No));
    EXPECT_EQ(boxes.show("Keep?", Buttons::YesNo), Answer::No);
    answerNextBox(seen, pressEscape);
    EXPECT_EQ(boxes.show("Keep?", Buttons::YesNo), Answer::No);

    answerNextBox(seen, pressEscape);
    EXPECT_EQ(boxes.show("Done.", Buttons::Ok), Answer::Ok);
}
