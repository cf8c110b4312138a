// The main window: its lists, the name filter, the date checks and the find
// and back actions, driven through the real widgets.
#include "TestSupport.h"

#include "forms/Forms.h"
#include "forms/LinkLabel.h"
#include "forms/frmDisplay.h"
#include "forms/frmMain.h"
#include "forms/frmNagScreen2.h"
#include "platform/MessageBox.h"
#include "sign/SignReadings.h"
#include "sign/modPlanetSign.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace {

constexpr int Info = platform::vbOKOnly + platform::vbInformation;

frmMain* shownMain()
{
    return shownActive(Forms::Main());
}

void choose(frmMain* main, int day, const char* month, int year)
{
    main->cboDate->setCurrentText(QString::number(day));
    main->cboMonth->setCurrentText(QLatin1String(month));
    main->cboYear->setCurrentText(QString::number(year));
    ASSERT_EQ(main->cboDate->currentText(), QString::number(day));
    ASSERT_EQ(main->cboMonth->currentText(), QLatin1String(month));
    ASSERT_EQ(main->cboYear->currentText(), QString::number(year));
}

QStringList items(const QComboBox* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->itemText(i));
    return texts;
}

class EntryWindow : public WidgetTest {};

}  // namespace

TEST_F(EntryWindow, loadsWithFilledListsOnTheFirstDateAndTheNameFocused)
{
    frmMain* main = shownMain();
    EXPECT_EQ(main->windowTitle(), QStringLiteral("QX Ardentis v1.25"));
    EXPECT_FALSE(main->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(main->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(main->cboDate->count(), 31);
    EXPECT_EQ(main->cboDate->itemText(30), QStringLiteral("31"));
    EXPECT_EQ(items(main->cboMonth),
              QStringList({"January", "February", "March", "April", "May", "June", "July", "August", "September",
                           "October", "November", "December"}));
    EXPECT_EQ(main->cboYear->count(), 83);
    EXPECT_EQ(main->cboYear->itemText(82), QStringLiteral("2012"));
    EXPECT_EQ(main->cboDate->currentText(), QStringLiteral("1"));
    EXPECT_EQ(main->cboMonth->currentText(), QStringLiteral("January"));
    EXPECT_EQ(main->cboYear->currentText(), QStringLiteral("1930"));
    EXPECT_FALSE(main->cboDate->isEditable());
    EXPECT_EQ(QApplication::focusWidget(), main->txtName);

    // Tab walks name, day, month, year, find, exit.
    const QList<QWidget*> order = {main->txtName, main->cboDate, main->cboMonth, main->cboYear, main->cmdNext,
                                   main->cmdExit};
    for (qsizetype i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), order[i]) << i;
    }
}

TEST_F(EntryWindow, showsItsTextsAndMenus)
{
    frmMain* main = Forms::Main();
    EXPECT_EQ(main->Label61->text(), QStringLiteral("The Most Popular Online Quillon Discussion Board. Best Resource "
                                                    "For Everything Quillon. Visit www.zentrova.com Now"));
    EXPECT_EQ(main->lblCobrand->text(),
              QStringLiteral("Co-brand this software for your site.  Increase loyalty and traffic to your site. Put "
                             "your site's name &  link here. See \"Help\" for details.Click Here for more info on "
                             "co-branding."));
    EXPECT_EQ(main->cmdNext->text(), QStringLiteral("Find My &Ardentis"));
    EXPECT_EQ(main->cmdExit->text(), QStringLiteral("&Exit"));
    EXPECT_EQ(main->Label2->text(), QStringLiteral("Date Of Birth"));
    EXPECT_EQ(main->txtName->text(), QString());
    EXPECT_EQ(main->txtName->maxLength(), 32767);

    EXPECT_EQ(main->mnuFile->title(), QStringLiteral("&File"));
    EXPECT_EQ(main->mnuFindWarriorSign->text(), QStringLiteral("Find My &Ardentis"));
    EXPECT_EQ(main->mnuExit->text(), QStringLiteral("E&xit"));
    EXPECT_EQ(main->mnuHelp->title(), QStringLiteral("&Help"));
    EXPECT_EQ(main->mnuOnline->text(), QStringLiteral("&Online Help"));
    EXPECT_EQ(main->mnuVisit->text(), QStringLiteral("&Visit Us Online"));
    EXPECT_EQ(main->mnuUpdate->text(), QStringLiteral("Check for Software &Update"));
    EXPECT_EQ(main->mnuAbout->text(), QStringLiteral("&About Software"));
    EXPECT_EQ(main->mnuDonate->text(), QStringLiteral("&Donate"));
    EXPECT_EQ(main->mnuMakeMoneyOnline->text(), QStringLiteral("Make Money &Online"));
    EXPECT_FALSE(main->mnuMakeMoneyOnline->isEnabled());
    const QList<QAction*> help = main->mnuHelp->actions();
    ASSERT_EQ(help.size(), 6);
    EXPECT_TRUE(help[2]->isSeparator());
    EXPECT_TRUE(help[4]->isSeparator());
}

TEST_F(EntryWindow, nameFilterUpperCasesLettersAndRefusesEverythingElse)
{
    frmMain* main = shownMain();
    QTest::keyClicks(main->txtName, QStringLiteral("ab1"));
    EXPECT_EQ(main->txtName->text(), QStringLiteral("AB"));
    EXPECT_EQ(messages.shown, QList<ShownMessage>({{QStringLiteral("Please Enter only Letters"), Info}}));

    messages.shown.clear();
    QTest::keyClicks(main->txtName, QStringLiteral(" cD"));
    QTest::keyClick(main->txtName, Qt::Key_Backspace);
    EXPECT_EQ(main->txtName->text(), QStringLiteral("AB C"));
    EXPECT_TRUE(messages.shown.isEmpty());

    for (const char* refused : {"'", "-", "7", "."})
        QTest::keyClicks(main->txtName, QLatin1String(refused));
    QKeyEvent accented(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QStringLiteral("\u00e9"));
    QApplication::sendEvent(main->txtName, &accented);
    QTest::keyClick(main->txtName, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(main->txtName, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(main->txtName, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(main->txtName->text(), QStringLiteral("AB C"));
    EXPECT_EQ(messages.shown.size(), 8);
    for (const ShownMessage& message : messages.shown)
        EXPECT_EQ(message, (ShownMessage{QStringLiteral("Please Enter only Letters"), Info}));
}

TEST_F(EntryWindow, dateChecksRunInOrderAndTheFirstFailureIsTheOnlyMessage)
{
    struct Case { const char* name; int day; const char* month; int year; const char* message; };
    const Case cases[] = {
        {"", 31, "February", 1931, "Please Enter Your Name"},
        {"", 1, "January", 1930, "Please Enter Your Name"},
        {"A", 30, "February", 1932, "Please Enter Your Correct Date of Birth!"},
        {"A", 31, "February", 1931, "Please Enter Your Correct Date of Birth!"},
        {"A", 31, "April", 1950, "Please Enter Your Correct Date of Birth !"},
        {"A", 31, "June", 1950, "Please Enter Your Correct Date of Birth !"},
        {"A", 31, "September", 1950, "Please Enter Your Correct Date of Birth !"},
        {"A", 31, "November", 1950, "Please Enter Your Correct Date of Birth !"},
        {"A", 29, "February", 1931, "Please Enter Correct Date Or Month!"},
        {"A", 29, "February", 2011, "Please Enter Correct Date Or Month!"},
        {"A", 29, "February", 1932, nullptr},
        {"A", 29, "February", 2000, nullptr},
        {"A", 30, "November", 1950, nullptr},
        {"A", 31, "January", 1930, nullptr},
        {"A", 31, "December", 2012, nullptr},
        {" ", 31, "March", 1960, nullptr},
    };
    frmMain* main = Forms::Main();
    for (const Case& c : cases) {
        messages.shown.clear();
        main->txtName->setText(QLatin1String(c.name));
        choose(main, c.day, c.month, c.year);
        EXPECT_EQ(main->ValidateInput(), c.message == nullptr) << c.day << c.month << c.year;
        const QStringList expected = c.message ? QStringList{QLatin1String(c.message)} : QStringList{};
        EXPECT_EQ(messages.texts(), expected) << c.day << c.month << c.year;
        for (const ShownMessage& message : messages.shown)
            EXPECT_EQ(message.style, Info);
    }
}

TEST_F(EntryWindow, anEmptyNameSendsTheFocusBackToTheNameAndChangesNothingElse)
{
    frmMain* main = shownMain();
    choose(main, 31, "February", 1931);
    main->cboYear->setFocus();
    QTest::mouseClick(main->cmdNext, Qt::LeftButton);
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Please Enter Your Name")});
    EXPECT_EQ(QApplication::focusWidget(), main->txtName);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(Forms::LoadedDisplay(), nullptr);
    EXPECT_EQ(main->cboDate->currentText(), QStringLiteral("31"));

    // A wrong date moves no focus.
    messages.shown.clear();
    main->txtName->setText(QStringLiteral("X"));
    main->cboYear->setFocus();
    main->mnuFindWarriorSign->trigger();
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Please Enter Your Correct Date of Birth!")});
    EXPECT_EQ(QApplication::focusWidget(), main->cboYear);
    EXPECT_EQ(Forms::LoadedDisplay(), nullptr);
}

TEST_F(EntryWindow, findShowsTheSignAndItsReadingInAFreshResultWindow)
{
    frmMain* main = shownMain();
    QTest::keyClicks(main->txtName, QStringLiteral("mary"));
    choose(main, 15, "October", 1930);
    QTest::mouseClick(main->cmdNext, Qt::LeftButton);

    frmDisplay* display = Forms::LoadedDisplay();
    ASSERT_NE(display, nullptr);
    EXPECT_TRUE(display->isVisible());
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(Forms::LoadedMain(), main);
    ASSERT_NE(Forms::LoadedNagScreen2(), nullptr);  // loaded by being hidden
    EXPECT_FALSE(Forms::LoadedNagScreen2()->isVisible());
    EXPECT_EQ(display->lblWarriorSign->text(), QStringLiteral("Leo"));
    EXPECT_EQ(display->lblSignDesc->text(), QStringLiteral("You will an attention-seeker. So your problems will also "
                                                           "be solved in dramatic and showy ways."));
    EXPECT_TRUE(messages.shown.isEmpty());

    // Back brings the entries back untouched; the next find starts afresh.
    QTest::mouseClick(display->cmdBack, Qt::LeftButton);
    settle();
    EXPECT_EQ(Forms::LoadedDisplay(), nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(Forms::LoadedNagScreen2()->isVisible());
    EXPECT_EQ(main->txtName->text(), QStringLiteral("MARY"));
    EXPECT_EQ(main->cboDate->currentText(), QStringLiteral("15"));
    EXPECT_EQ(main->cboMonth->currentText(), QStringLiteral("October"));
    EXPECT_EQ(main->cboYear->currentText(), QStringLiteral("1930"));

    choose(main, 10, "April", 1987);
    main->mnuFindWarriorSign->trigger();
    display = Forms::LoadedDisplay();
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(display->lblWarriorSign->text(), QStringLiteral("Sagittarius"));
    EXPECT_EQ(display->lblSignDesc->text(), *modPlanetSign::SignReading(QStringLiteral("Sagittarius")));
}

TEST_F(EntryWindow, anEmptySignLeavesTheDesignTimeReadingAndAnEmptySignLabel)
{
    frmMain* main = Forms::Main();
    main->txtName->setText(QStringLiteral("A"));
    main->cboYear->addItem(QStringLiteral("2013"));  // a year beyond the table
    main->cboYear->setCurrentText(QStringLiteral("2013"));
    main->cmdNext_Click();
    frmDisplay* display = Forms::LoadedDisplay();
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(display->lblWarriorSign->text(), QString());
    EXPECT_EQ(display->lblSignDesc->text(), modPlanetSign::DefaultSignDescription());
}

TEST_F(EntryWindow, escapeOrEnterOutsideTheButtonsLeavesTheWindow)
{
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
        for (const char* where : {"txtName", "cboMonth", "cmdNext"}) {
            frmMain* main = shownMain();
            auto* target = main->findChild<QWidget*>(QLatin1String(where));
            target->setFocus();
            QTest::keyClick(target, key);
            settle();
            const bool findsInstead = key != Qt::Key_Escape && QLatin1String(where) == QLatin1String("cmdNext");
            if (findsInstead) {
                // Enter on the find button presses it: an empty name is refused.
                EXPECT_EQ(Forms::LoadedMain(), main);
                EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Please Enter Your Name")});
                messages.shown.clear();
            } else {
                EXPECT_EQ(Forms::LoadedMain(), nullptr) << where << key;
            }
            Forms::UnloadAllQuietly();
            settle();
        }
    }
}

TEST_F(EntryWindow, resultWindowStartsOnExitAndEnterLeavesIt)
{
    frmMain* main = shownMain();
    main->txtName->setText(QStringLiteral("A"));
    main->cmdNext_Click();
    frmDisplay* display = Forms::LoadedDisplay();
    ASSERT_NE(display, nullptr);
    showActive(display);
    EXPECT_EQ(QApplication::focusWidget(), display->cmdExit);
    EXPECT_EQ(display->Label2->text(), QStringLiteral("Pallas is known as  Warrior Asteroid"));
    EXPECT_EQ(display->Label12->text(), QStringLiteral("Pallas in your Chart is Placed in"));
    EXPECT_EQ(display->fraWarriorSign->title(), QStringLiteral("Ardentis"));
    EXPECT_EQ(display->mnuUpdate->text(), QStringLiteral("&Check for Software Update"));
    EXPECT_EQ(display->mnuFileBack->text(), QStringLiteral("&Back"));
    EXPECT_FALSE(display->mnuMakeMoneyOnline->isEnabled());

    QTest::keyClick(display->cmdExit, Qt::Key_Return);
    settle();
    EXPECT_EQ(Forms::LoadedDisplay(), nullptr);
    EXPECT_EQ(Forms::LoadedMain(), main);  // still loaded, hidden
    EXPECT_FALSE(main->isVisible());
}

TEST_F(EntryWindow, backFromTheFileMenuActsLikeTheButton)
{
    frmMain* main = shownMain();
    main->txtName->setText(QStringLiteral("A"));
    main->cmdNext_Click();
    Forms::LoadedDisplay()->mnuFileBack->trigger();
    settle();
    EXPECT_EQ(Forms::LoadedDisplay(), nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(Forms::LoadedNagScreen2()->isVisible());
}
