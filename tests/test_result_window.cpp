// The result window as find and back bring it: the sign and its reading, what
// it shows beside them, and the ways back and out.
#include "TestSupport.h"

#include "shell/ProgramFlow.h"
#include "sign/SignReadings.h"
#include "windows/EntryWindow.h"
#include "windows/FarewellDialog.h"
#include "windows/ResultWindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

EntryWindow* shownMain()
{
    return shownActive(entryWindow());
}

class ResultWindowTest : public WidgetTest {};

}  // namespace

TEST_F(ResultWindowTest, findShowsTheSignAndItsReadingInAFreshResultWindow)
{
    EntryWindow* main = shownMain();
    QTest::keyClicks(control<QLineEdit>(main, "txtName"), QStringLiteral("mary"));
    chooseDate(main, 15, "October", 1930);
    QTest::mouseClick(control<QPushButton>(main, "cmdNext"), Qt::LeftButton);

    ResultWindow* display = loaded<ResultWindow>();
    ASSERT_NE(display, nullptr);
    EXPECT_TRUE(display->isVisible());
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(loaded<EntryWindow>(), main);
    ASSERT_NE(loaded<FarewellDialog>(), nullptr);  // loaded by being hidden
    EXPECT_FALSE(loaded<FarewellDialog>()->isVisible());
    EXPECT_EQ(control<QLabel>(display, "lblWarriorSign")->text(), QStringLiteral("Leo"));
    EXPECT_EQ(control<QLabel>(display, "lblSignDesc")->text(),
              QStringLiteral("You will an attention-seeker. So your problems will also "
                             "be solved in dramatic and showy ways."));
    EXPECT_TRUE(messages.shown.isEmpty());

    // Back brings the entries back untouched; the next find starts afresh.
    QTest::mouseClick(control<QPushButton>(display, "cmdBack"), Qt::LeftButton);
    settle();
    EXPECT_EQ(loaded<ResultWindow>(), nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(loaded<FarewellDialog>()->isVisible());
    EXPECT_EQ(control<QLineEdit>(main, "txtName")->text(), QStringLiteral("MARY"));
    EXPECT_EQ(control<QComboBox>(main, "cboDate")->currentText(), QStringLiteral("15"));
    EXPECT_EQ(control<QComboBox>(main, "cboMonth")->currentText(), QStringLiteral("October"));
    EXPECT_EQ(control<QComboBox>(main, "cboYear")->currentText(), QStringLiteral("1930"));

    chooseDate(main, 10, "April", 1987);
    control<QAction>(main, "mnuFindWarriorSign")->trigger();
    display = loaded<ResultWindow>();
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(control<QLabel>(display, "lblWarriorSign")->text(), QStringLiteral("Sagittarius"));
    EXPECT_EQ(control<QLabel>(display, "lblSignDesc")->text(), sign::signReading(sign::Sign::Sagittarius));
}

TEST_F(ResultWindowTest, aDateWithoutASignLeavesTheSignShownBefore)
{
    EntryWindow* main = entryWindow();
    main->show();
    control<QLineEdit>(main, "txtName")->setText(QStringLiteral("A"));
    control<QComboBox>(main, "cboYear")->addItem(QStringLiteral("2013"));  // a year beyond the table
    control<QComboBox>(main, "cboYear")->setCurrentText(QStringLiteral("2013"));
    control<QPushButton>(main, "cmdNext")->click();
    ResultWindow* display = loaded<ResultWindow>();
    ASSERT_NE(display, nullptr);
    // Nothing found yet: an empty sign and the reading the window was made with.
    EXPECT_EQ(control<QLabel>(display, "lblWarriorSign")->text(), QString());
    EXPECT_EQ(control<QLabel>(display, "lblSignDesc")->text(), sign::defaultReading());

    control<QPushButton>(display, "cmdBack")->click();
    settle();
    chooseDate(main, 15, "October", 1930);
    control<QPushButton>(main, "cmdNext")->click();
    control<QPushButton>(loaded<ResultWindow>(), "cmdBack")->click();
    settle();
    control<QComboBox>(main, "cboYear")->setCurrentText(QStringLiteral("2013"));
    control<QPushButton>(main, "cmdNext")->click();
    display = loaded<ResultWindow>();
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(control<QLabel>(display, "lblWarriorSign")->text(), QStringLiteral("Leo"));
    EXPECT_EQ(control<QLabel>(display, "lblSignDesc")->text(), sign::signReading(sign::Sign::Leo));
}

TEST_F(ResultWindowTest, resultWindowStartsOnExitAndEnterLeavesIt)
{
    EntryWindow* main = shownMain();
    control<QLineEdit>(main, "txtName")->setText(QStringLiteral("A"));
    control<QPushButton>(main, "cmdNext")->click();
    ResultWindow* display = loaded<ResultWindow>();
    ASSERT_NE(display, nullptr);
    showActive(display);
    EXPECT_EQ(QApplication::focusWidget(), control<QPushButton>(display, "cmdExit"));
    EXPECT_EQ(control<QLabel>(display, "Label2")->text(), QStringLiteral("Pallas is known as  Warrior Asteroid"));
    EXPECT_EQ(control<QLabel>(display, "Label12")->text(), QStringLiteral("Pallas in your Chart is Placed in"));
    EXPECT_EQ(control<QGroupBox>(display, "fraWarriorSign")->title(), QStringLiteral("Ardentis"));
    EXPECT_EQ(control<QAction>(display, "mnuUpdate")->text(), QStringLiteral("&Check for Software Update"));
    EXPECT_EQ(control<QAction>(display, "mnuFileBack")->text(), QStringLiteral("&Back"));
    EXPECT_FALSE(control<QAction>(display, "mnuMakeMoneyOnline")->isEnabled());

    QTest::keyClick(control<QPushButton>(display, "cmdExit"), Qt::Key_Return);
    settle();
    EXPECT_EQ(loaded<ResultWindow>(), nullptr);
    EXPECT_EQ(loaded<EntryWindow>(), main);  // still loaded, hidden
    EXPECT_FALSE(main->isVisible());
}

TEST_F(ResultWindowTest, backFromTheFileMenuActsLikeTheButton)
{
    EntryWindow* main = shownMain();
    control<QLineEdit>(main, "txtName")->setText(QStringLiteral("A"));
    control<QPushButton>(main, "cmdNext")->click();
    control<QAction>(loaded<ResultWindow>(), "mnuFileBack")->trigger();
    settle();
    EXPECT_EQ(loaded<ResultWindow>(), nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(loaded<FarewellDialog>()->isVisible());
}
