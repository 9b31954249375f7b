#include "package/ui/MultipleCfgDialog.h"

#include "package/ui/MultipleCfgForm.h"
#include "support/ScriptedMessageBoxes.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

const QString kNoSelection = QStringLiteral(
    "Please select a configuration by selecting it and hitting 'OK', or but double clicking it.");

const QStringList kEntries{QStringLiteral("A  (fltsim.0)"), QStringLiteral("B  (fltsim.1)"),
                           QStringLiteral("C  (fltsim.2)")};

template <typename T> T *child(QWidget &form, const char *name)
{
    T *found = form.findChild<T *>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

void doubleClickRow(QListWidget *list, int row)
{
    // The view takes a double click only on the item the first click pressed, as a real one.
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
}

// Runs work on the modal form once DialogConfigChooser has shown it.
void whenShown(std::function<void(QWidget &)> work)
{
    QTimer::singleShot(0, [work = std::move(work)] {
        QWidget *form = QApplication::activeModalWidget();
        ASSERT_NE(form, nullptr);
        ASSERT_EQ(form->objectName(), QStringLiteral("frmMultipleCfg"));
        work(*form);
    });
}

} // namespace

TEST(MultipleCfgForm, ShowsItsTextsAndEntriesInOrder)
{
    ScriptedMessageBoxes messages;
    MultipleCfgForm form(messages, {QStringLiteral("Zulu  (fltsim.0)"), kEntries.at(0)});
    EXPECT_EQ(form.objectName(), QStringLiteral("frmMultipleCfg"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Select Aircraft Configuration"));
    auto *label1 = child<QLabel>(form, "Label1");
    ASSERT_NE(label1, nullptr);
    EXPECT_EQ(label1->text(),
              QStringLiteral("An aircraft.cfg file has been detected which contains multiple "
                             "configurations.  Wingstash has limited support for this situation "
                             "in that it lets you select one of these configurations at a time.  "
                             "The files for the other configurations will be moved from the "
                             "Staging directory to proceed."));
    EXPECT_TRUE(label1->wordWrap());
    auto *label2 = child<QLabel>(form, "Label2");
    ASSERT_NE(label2, nullptr);
    EXPECT_EQ(label2->text(), QStringLiteral("Select a configuration from the list"));
    auto *ok = child<QPushButton>(form, "cmdOK");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    auto *list = child<QListWidget>(form, "lstConfigs");
    ASSERT_NE(list, nullptr);
    // Unsorted: row r must stay entry r of the table.
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("Zulu  (fltsim.0)"));
    EXPECT_EQ(list->item(1)->text(), kEntries.at(0));
    EXPECT_FALSE(form.chosenRow().has_value());
}

TEST(MultipleCfgForm, OkWithoutSelectionAsksAndStaysOpenAndADoubleClickChoosesAtOnce)
{
    ScriptedMessageBoxes messages;
    messages.expectOk(kNoSelection);
    MultipleCfgForm form(messages, kEntries);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(child<QPushButton>(form, "cmdOK"), Qt::LeftButton);
    EXPECT_TRUE(messages.allShown());
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.chosenRow().has_value());

    auto *list = child<QListWidget>(form, "lstConfigs");
    list->setCurrentRow(2);
    QTest::mouseClick(child<QPushButton>(form, "cmdOK"), Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(form.chosenRow(), std::optional<int>(2));

    // A double click chooses at once.
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    doubleClickRow(list, 1);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.chosenRow(), std::optional<int>(1));
}

TEST(DialogConfigChooser, ReturnsTheRowChosenInTheModalFormOrNothingWhenClosed)
{
    ScriptedMessageBoxes messages;
    messages.expectOk(kNoSelection);
    DialogConfigChooser chooser(messages);
    whenShown([](QWidget &form) {
        QTest::mouseClick(child<QPushButton>(form, "cmdOK"), Qt::LeftButton);
        doubleClickRow(child<QListWidget>(form, "lstConfigs"), 2);
    });
    EXPECT_EQ(chooser.choose(kEntries), std::optional<int>(2));

    whenShown([](QWidget &form) {
        // A selection alone is no choice: only OK or a double click takes it.
        child<QListWidget>(form, "lstConfigs")->setCurrentRow(0);
        form.close();
    });
    EXPECT_EQ(chooser.choose(kEntries), std::nullopt);

    whenShown([](QWidget &form) { QTest::keyClick(&form, Qt::Key_Escape); });
    EXPECT_EQ(chooser.choose(kEntries), std::nullopt);
}
