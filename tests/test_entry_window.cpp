// The main window: its lists, the name filter, the date checks and its keys,
// driven through the real widgets.
#include "TestSupport.h"

#include "links/WebPages.h"
#include "platform/MessageBox.h"
#include "platform/ProgramInfo.h"
#include "shell/ProgramFlow.h"
#include "sign/SignLookup.h"
#include "sign/SignReadings.h"
#include "windows/EntryWindow.h"
#include "windows/FarewellDialog.h"
#include "windows/LinkLabel.h"
#include "windows/ResultWindow.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

namespace {

constexpr platform::MessageStyle Info = platform::Notice;

EntryWindow* shownMain()
{
    return shownActive(entryWindow());
}

QStringList items(const QComboBox* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->itemText(i));
    return texts;
}

class EntryWindowTest : public WidgetTest {};

}  // namespace

TEST_F(EntryWindowTest, loadsWithFilledListsOnTheFirstDateAndTheNameFocused)
{
    EntryWindow* main = shownMain();
    EXPECT_EQ(main->windowTitle(), QStringLiteral("QX Ardentis v") + QLatin1String(program::Version));
    EXPECT_FALSE(main->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(main->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(control<QComboBox>(main, "cboDate")->count(), 31);
    EXPECT_EQ(control<QComboBox>(main, "cboDate")->itemText(30), QStringLiteral("31"));
    EXPECT_EQ(items(control<QComboBox>(main, "cboMonth")),
              QStringList({"January", "February", "March", "April", "May", "June", "July", "August", "September",
                           "October", "November", "December"}));
    EXPECT_EQ(control<QComboBox>(main, "cboYear")->count(), 83);
    EXPECT_EQ(control<QComboBox>(main, "cboYear")->itemText(82), QStringLiteral("2012"));
    EXPECT_EQ(control<QComboBox>(main, "cboDate")->currentText(), QStringLiteral("1"));
    EXPECT_EQ(control<QComboBox>(main, "cboMonth")->currentText(), QStringLiteral("January"));
    EXPECT_EQ(control<QComboBox>(main, "cboYear")->currentText(), QStringLiteral("1930"));
    EXPECT_FALSE(control<QComboBox>(main, "cboDate")->isEditable());
    EXPECT_EQ(QApplication::focusWidget(), control<QLineEdit>(main, "txtName"));

    // Tab walks name, day, month, year, find, exit.
    const QList<QWidget*> order = {control<QLineEdit>(main, "txtName"),   control<QComboBox>(main, "cboDate"),
                                   control<QComboBox>(main, "cboMonth"),  control<QComboBox>(main, "cboYear"),
                                   control<QPushButton>(main, "cmdNext"), control<QPushButton>(main, "cmdExit")};
    for (qsizetype i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), order[i]) << i;
    }
}

TEST_F(EntryWindowTest, showsItsTextsAndMenus)
{
    EntryWindow* main = entryWindow();
    EXPECT_EQ(control<LinkLabel>(main, "Label61")->text(),
              QStringLiteral("The Most Popular Online Quillon Discussion Board. Best Resource "
                             "For Everything Quillon. Visit ")
                  + links::siteAddress() + QStringLiteral(" Now"));
    EXPECT_EQ(control<LinkLabel>(main, "lblCobrand")->text(),
              QStringLiteral("Co-brand this software for your site.  Increase loyalty and traffic to your site. Put "
                             "your site's name &  link here. See \"Help\" for details.Click Here for more info on "
                             "co-branding."));
    EXPECT_EQ(control<QPushButton>(main, "cmdNext")->text(), QStringLiteral("Find My &Ardentis"));
    EXPECT_EQ(control<QPushButton>(main, "cmdExit")->text(), QStringLiteral("&Exit"));
    EXPECT_EQ(control<QLabel>(main, "Label2")->text(), QStringLiteral("Date Of Birth"));
    EXPECT_EQ(control<QLineEdit>(main, "txtName")->text(), QString());

    EXPECT_EQ(control<QMenu>(main, "mnuFile")->title(), QStringLiteral("&File"));
    EXPECT_EQ(control<QAction>(main, "mnuFindWarriorSign")->text(), QStringLiteral("Find My &Ardentis"));
    EXPECT_EQ(control<QAction>(main, "mnuExit")->text(), QStringLiteral("E&xit"));
    EXPECT_EQ(control<QMenu>(main, "mnuHelp")->title(), QStringLiteral("&Help"));
    EXPECT_EQ(control<QAction>(main, "mnuOnline")->text(), QStringLiteral("&Online Help"));
    EXPECT_EQ(control<QAction>(main, "mnuVisit")->text(), QStringLiteral("&Visit Us Online"));
    EXPECT_EQ(control<QAction>(main, "mnuUpdate")->text(), QStringLiteral("Check for Software &Update"));
    EXPECT_EQ(control<QAction>(main, "mnuAbout")->text(), QStringLiteral("&About Software"));
    EXPECT_EQ(control<QAction>(main, "mnuDonate")->text(), QStringLiteral("&Donate"));
    EXPECT_EQ(control<QAction>(main, "mnuMakeMoneyOnline")->text(), QStringLiteral("Make Money &Online"));
    EXPECT_FALSE(control<QAction>(main, "mnuMakeMoneyOnline")->isEnabled());
    const QList<QAction*> help = control<QMenu>(main, "mnuHelp")->actions();
    ASSERT_EQ(help.size(), 6);
    EXPECT_TRUE(help[2]->isSeparator());
    EXPECT_TRUE(help[4]->isSeparator());
}

TEST_F(EntryWindowTest, nameFilterUpperCasesLettersAndRefusesEverythingElse)
{
    EntryWindow* main = shownMain();
    QTest::keyClicks(control<QLineEdit>(main, "txtName"), QStringLiteral("ab1"));
    EXPECT_EQ(control<QLineEdit>(main, "txtName")->text(), QStringLiteral("AB"));
    EXPECT_EQ(messages.shown, QList<ShownMessage>({{QStringLiteral("Please Enter only Letters"), Info}}));

    messages.shown.clear();
    QTest::keyClicks(control<QLineEdit>(main, "txtName"), QStringLiteral(" cD"));
    QTest::keyClick(control<QLineEdit>(main, "txtName"), Qt::Key_Backspace);
    EXPECT_EQ(control<QLineEdit>(main, "txtName")->text(), QStringLiteral("AB C"));
    EXPECT_TRUE(messages.shown.isEmpty());

    for (const char* refused : {"'", "-", "7", "."})
        QTest::keyClicks(control<QLineEdit>(main, "txtName"), QLatin1String(refused));
    QKeyEvent accented(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QStringLiteral("\u00e9"));
    QApplication::sendEvent(control<QLineEdit>(main, "txtName"), &accented);
    QTest::keyClick(control<QLineEdit>(main, "txtName"), Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(control<QLineEdit>(main, "txtName"), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(control<QLineEdit>(main, "txtName"), Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(control<QLineEdit>(main, "txtName")->text(), QStringLiteral("AB C"));
    EXPECT_EQ(messages.shown.size(), 8);
    for (const ShownMessage& message : messages.shown)
        EXPECT_EQ(message, (ShownMessage{QStringLiteral("Please Enter only Letters"), Info}));
}

TEST_F(EntryWindowTest, controlKeysThatTypeNoLetterAreRefusedLikeEveryOtherAndAltGrTooOnEveryPlatform)
{
    EntryWindow* main = shownMain();
    auto* name = control<QLineEdit>(main, "txtName");
    QTest::keyClicks(name, QStringLiteral("ann lee"));
    name->setCursorPosition(name->text().size());
    ASSERT_EQ(name->text(), QStringLiteral("ANN LEE"));
    // Ctrl+Backspace types DEL, Ctrl+Enter a line feed, Ctrl+[ \ ] the codes 27 to 29.
    for (const Qt::Key key : {Qt::Key_Backspace, Qt::Key_Return, Qt::Key_Enter, Qt::Key_BracketLeft, Qt::Key_Backslash,
                              Qt::Key_BracketRight}) {
        messages.shown.clear();
        QTest::keyClick(name, key, Qt::ControlModifier);
        EXPECT_EQ(name->text(), QStringLiteral("ANN LEE")) << key;
        EXPECT_EQ(messages.shown, QList<ShownMessage>({{QStringLiteral("Please Enter only Letters"), Info}})) << key;
    }
    // AltGr arrives as Ctrl+Alt on Windows, with the character it typed.
    for (const QString& typed : {QStringLiteral("@"), QStringLiteral("\u20ac"), QStringLiteral("\u00e4")}) {
        messages.shown.clear();
        QKeyEvent altGr(QEvent::KeyPress, Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier, typed);
        QApplication::sendEvent(name, &altGr);
        EXPECT_EQ(name->text(), QStringLiteral("ANN LEE")) << typed.toStdString();
        EXPECT_EQ(messages.shown, QList<ShownMessage>({{QStringLiteral("Please Enter only Letters"), Info}}))
            << typed.toStdString();
    }
    // Ctrl+H types Backspace, Ctrl+Space a space and Ctrl+M Enter, each taken as that key.
    messages.shown.clear();
    QTest::keyClick(name, Qt::Key_H, Qt::ControlModifier);
    QTest::keyClick(name, Qt::Key_Space, Qt::ControlModifier);
    QTest::keyClick(name, Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(name->text(), QStringLiteral("ANN LE "));
    EXPECT_TRUE(messages.shown.isEmpty());
    // Ctrl with keys that type nothing still moves and edits as usual.
    messages.shown.clear();
    QTest::keyClick(name, Qt::Key_Left, Qt::ControlModifier);
    QTest::keyClick(name, Qt::Key_Backspace);
    EXPECT_EQ(name->text(), QStringLiteral("ANNLE "));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(EntryWindowTest, textThatComesInAnyOtherWayGoesInInCapitalsOrNotAtAll)
{
    auto* name = control<QLineEdit>(shownMain(), "txtName");
    const auto compose = [name](const QString& text) {
        QInputMethodEvent composed;
        composed.setCommitString(text);
        QApplication::sendEvent(name, &composed);
    };
    const auto drop = [name](const QString& text) {
        QMimeData dragged;
        dragged.setText(text);
        const QPointF end(name->width() - 2, name->height() / 2);
        QDragEnterEvent enter(end.toPoint(), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(name, &enter);
        QDropEvent dropped(end, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(name, &dropped);
    };
    QAccessibleEditableTextInterface* tool = QAccessible::queryAccessibleInterface(name)->editableTextInterface();
    compose(QStringLiteral("ann"));
    drop(QStringLiteral(" lee"));
    tool->insertText(0, QStringLiteral("dr "));
    settle();
    EXPECT_EQ(name->text(), QStringLiteral("DR ANN LEE"));
    EXPECT_TRUE(messages.shown.isEmpty());

    compose(QStringLiteral("o'"));
    drop(QStringLiteral("-2"));
    tool->insertText(0, QStringLiteral("1"));
    EXPECT_LE(messages.shown.size(), 2);  // the tool is not kept waiting on a message box
    settle();
    EXPECT_EQ(name->text(), QStringLiteral("DR ANN LEE"));
    EXPECT_EQ(messages.shown, QList<ShownMessage>(3, {QStringLiteral("Please Enter only Letters"), Info}));
}

TEST_F(EntryWindowTest, deleteAndKeypadDeleteDeleteAfterTheCaretWithoutAMessage)
{
    auto* name = control<QLineEdit>(shownMain(), "txtName");
    QTest::keyClicks(name, QStringLiteral("abcd"));
    name->setCursorPosition(0);
    QKeyEvent x11Delete(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"));  // as X11 sends it
    QApplication::sendEvent(name, &x11Delete);
    QTest::keyClick(name, Qt::Key_Delete, Qt::KeypadModifier);
    EXPECT_EQ(name->text(), QStringLiteral("CD"));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(EntryWindowTest, aLongNameIsKeptWhole)
{
    // The name goes into no request, so it has no limit of the farewell dialog's.
    EntryWindow* main = shownMain();
    auto* name = control<QLineEdit>(main, "txtName");
    QTest::keyClicks(name, QString(300, u'a'));
    EXPECT_EQ(name->text(), QString(300, u'A'));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(EntryWindowTest, dateChecksRunInOrderAndTheFirstFailureIsTheOnlyMessage)
{
    struct Case {
        const char* name;
        int day;
        const char* month;
        int year;
        const char* message;
    };
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
    for (const Case& c : cases) {
        EntryWindow* main = entryWindow();
        main->show();
        messages.shown.clear();
        control<QLineEdit>(main, "txtName")->setText(QLatin1String(c.name));
        chooseDate(main, c.day, c.month, c.year);
        control<QPushButton>(main, "cmdNext")->click();
        // Only a date that passes every check gets as far as the result window.
        EXPECT_EQ(loaded<ResultWindow>() != nullptr, c.message == nullptr) << c.day << c.month << c.year;
        const QStringList expected = c.message ? QStringList{QLatin1String(c.message)} : QStringList{};
        EXPECT_EQ(messages.texts(), expected) << c.day << c.month << c.year;
        for (const ShownMessage& message : messages.shown)
            EXPECT_EQ(message.style, Info);
        freshProgram();
        settle();
    }
}

TEST_F(EntryWindowTest, anEmptyNameSendsTheFocusBackToTheNameAndChangesNothingElse)
{
    EntryWindow* main = shownMain();
    chooseDate(main, 31, "February", 1931);
    control<QComboBox>(main, "cboYear")->setFocus();
    QTest::mouseClick(control<QPushButton>(main, "cmdNext"), Qt::LeftButton);
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Please Enter Your Name")});
    EXPECT_EQ(QApplication::focusWidget(), control<QLineEdit>(main, "txtName"));
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(loaded<ResultWindow>(), nullptr);
    EXPECT_EQ(control<QComboBox>(main, "cboDate")->currentText(), QStringLiteral("31"));

    // A wrong date moves no focus.
    messages.shown.clear();
    control<QLineEdit>(main, "txtName")->setText(QStringLiteral("X"));
    control<QComboBox>(main, "cboYear")->setFocus();
    control<QAction>(main, "mnuFindWarriorSign")->trigger();
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Please Enter Your Correct Date of Birth!")});
    EXPECT_EQ(QApplication::focusWidget(), control<QComboBox>(main, "cboYear"));
    EXPECT_EQ(loaded<ResultWindow>(), nullptr);
}

TEST_F(EntryWindowTest, escapeOrEnterOutsideTheButtonsLeavesTheWindow)
{
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
        for (const char* where : {"txtName", "cboMonth", "cmdNext"}) {
            EntryWindow* main = shownMain();
            auto* target = main->findChild<QWidget*>(QLatin1String(where));
            target->setFocus();
            QTest::keyClick(target, key);
            settle();
            const bool findsInstead = key != Qt::Key_Escape && QLatin1String(where) == QLatin1String("cmdNext");
            if (findsInstead) {
                // Enter on the find button presses it: an empty name is refused.
                EXPECT_EQ(loaded<EntryWindow>(), main);
                EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Please Enter Your Name")});
                messages.shown.clear();
            } else {
                EXPECT_EQ(loaded<EntryWindow>(), nullptr) << where << key;
            }
            freshProgram();
            settle();
        }
    }
}

TEST_F(EntryWindowTest, bothWindowsKeepTheSizeTheyOpenWithAndShowEveryControlWhole)
{
    const auto keepsItsSize = [](QMainWindow* window) {
        const QSize opened = window->size();
        EXPECT_EQ(window->minimumSize(), opened) << window->objectName().toStdString();
        EXPECT_EQ(window->maximumSize(), opened) << window->objectName().toStdString();
        window->resize(900, 700);  // as a window manager's drag asks
        settle();
        EXPECT_EQ(window->size(), opened) << window->objectName().toStdString();
        for (const QWidget* child : window->findChildren<QWidget*>()) {
            if (child->isVisible() && child->parentWidget() == window->centralWidget()) {
                EXPECT_TRUE(window->rect().contains(child->mapTo(window, child->rect().bottomRight())))
                    << child->objectName().toStdString() << " is cut off";
            }
        }
    };
    EntryWindow* main = shownMain();
    keepsItsSize(main);
    control<QLineEdit>(main, "txtName")->setText(QStringLiteral("A"));
    chooseDate(main, 15, "August", 1930);
    control<QPushButton>(main, "cmdNext")->click();
    ResultWindow* display = shownActive(loaded<ResultWindow>());
    EXPECT_EQ(control<QLabel>(display, "lblWarriorSign")->text(), QStringLiteral("Cancer"));  // the longest reading
    keepsItsSize(display);
}
