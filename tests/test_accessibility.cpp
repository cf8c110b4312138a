// What a screen-reader user and a keyboard user meet: every control a user
// can act on tells the reader what it is, the result labels read out the
// result, and every menu opens from its access key.
#include "TestSupport.h"

#include "platform/MessageBox.h"
#include "shell/ProgramFlow.h"
#include "sign/SignReadings.h"
#include "windows/AboutBox.h"
#include "windows/EntryWindow.h"
#include "windows/FarewellDialog.h"
#include "windows/LinkLabel.h"
#include "windows/ResultWindow.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// What a reader announces for a control: the captions tied to it (a frame's
// title is too vague to count), then its own name. Qt on Linux names a
// drop-down list after its current choice, which says nothing about what the
// list is for, so there only a tied caption counts.
QString spokenName(QAccessibleInterface* control)
{
    QStringList parts;
    for (const auto& [label, relation] : control->relations(QAccessible::Label)) {
        if (label && qobject_cast<const QLabel*>(label->object()))
            parts.append(label->text(QAccessible::Name).trimmed());
    }
    const QString own = control->text(QAccessible::Name).trimmed();
    if (control->role() != QAccessible::ComboBox || own != control->text(QAccessible::Value).trimmed())
        parts.append(own);
    parts.removeAll(QString());
    parts.removeDuplicates();
    return parts.join(u' ');
}

QString spokenName(QWidget* widget)
{
    return spokenName(QAccessible::queryAccessibleInterface(widget));
}

// Takes focus, is clicked like a link, or offers a press (a button or a menu item).
bool actedOn(QAccessibleInterface* node)
{
    if (node->state().focusable || qobject_cast<const LinkLabel*>(node->object()))
        return true;
    const QAccessibleActionInterface* actions = node->actionInterface();
    return actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction());
}

QString identify(QAccessibleInterface* node)
{
    const QString name = node->object() ? node->object()->objectName() : QString();
    return name.isEmpty() ? QStringLiteral("unnamed object of role %1").arg(int(node->role())) : name;
}

struct Reading {
    QStringList named;    // object names of the controls a reader can name
    QStringList unnamed;  // and of those it cannot
};

void walk(QAccessibleInterface* node, Reading& reading, int depth)
{
    ASSERT_NE(node, nullptr);
    ASSERT_LT(depth, 40) << "the accessibility tree loops";
    // A closed menu still opens from the keyboard, so its items count. Other
    // hidden parts, such as a drop-down list's closed popup, are read when
    // they open.
    const QAccessible::Role role = node->role();
    if (node->state().invisible && role != QAccessible::PopupMenu && role != QAccessible::MenuItem)
        return;
    if (actedOn(node))
        (spokenName(node).isEmpty() ? reading.unnamed : reading.named).append(identify(node));
    for (int i = 0; i < node->childCount(); ++i)
        walk(node->child(i), reading, depth + 1);
}

Reading readAloud(QWidget* window)
{
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
    Reading reading;
    walk(QAccessible::queryAccessibleInterface(window), reading, 0);
    return reading;
}

void expectEveryControlNamed(QWidget* window, const QStringList& mustBeReached)
{
    const Reading reading = readAloud(window);
    EXPECT_EQ(reading.unnamed, QStringList()) << window->objectName().toStdString();
    for (const QString& control : mustBeReached)
        EXPECT_TRUE(reading.named.contains(control)) << control.toStdString() << " not reached";
}

const QStringList menuItems = {"mnuExit",  "mnuOnline", "mnuVisit",          "mnuUpdate",
                               "mnuAbout", "mnuDonate", "mnuMakeMoneyOnline"};

// What a reader is told of the result as the window comes up: from Qt 6.8 an
// announcement once the window is active, before it the window's description.
QString toldAsItComesUp(QWidget* window)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    static QStringList announced;
    announced.clear();
    const QAccessible::UpdateHandler before = QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
        if (event->type() == QAccessible::Announcement)
            announced.append(static_cast<QAccessibleAnnouncementEvent*>(event)->message());
    });
    showActive(window);
    settle();
    QAccessible::installUpdateHandler(before);
    return announced.join(u'|');
#else
    return QAccessible::queryAccessibleInterface(window)->text(QAccessible::Description);
#endif
}

class ScreenReader : public WidgetTest {};

}  // namespace

TEST_F(ScreenReader, everyControlOfTheEntryWindowHasAName)
{
    // The full-brand offer lies behind the other and is not read.
    scriptRandom({0.0});
    expectEveryControlNamed(entryWindow(), QStringList{"txtName", "cboDate", "cboMonth", "cboYear", "cmdNext",
                                                       "cmdExit", "Label61", "lblCobrand", "mnuFindWarriorSign"}
                                               + menuItems);
}

TEST_F(ScreenReader, theDateListsAreReadWithTheirCaptionsWhateverIsChosen)
{
    EntryWindow* main = entryWindow();
    main->show();
    EXPECT_EQ(spokenName(control<QLineEdit>(main, "txtName")), QStringLiteral("Name"));
    const std::pair<QComboBox*, const char*> lists[] = {{control<QComboBox>(main, "cboDate"), "Date"},
                                                        {control<QComboBox>(main, "cboMonth"), "Month"},
                                                        {control<QComboBox>(main, "cboYear"), "Year"}};
    for (const auto& [list, caption] : lists) {
        EXPECT_EQ(spokenName(list), QLatin1String(caption));  // once, not the caption and a name beside it
        list->setCurrentIndex(list->count() - 1);
        EXPECT_EQ(spokenName(list), QLatin1String(caption));
        EXPECT_EQ(QAccessible::queryAccessibleInterface(list)->text(QAccessible::Value), list->currentText());
    }
}

TEST_F(ScreenReader, everyControlOfTheResultWindowHasANameAndTheResultIsReadOut)
{
    ResultWindow* display = findSignFor("ADA", 10, "December", 1985);
    ASSERT_NE(display, nullptr);
    expectEveryControlNamed(display,
                            QStringList{"cmdBack", "cmdExit", "Label61", "lblFullBrand", "mnuFileBack"} + menuItems);

    // The reader speaks the sign and its reading themselves, and says what they are.
    const QString sign = control<QLabel>(display, "lblWarriorSign")->text();
    ASSERT_EQ(sign, QStringLiteral("Cancer"));
    const QString reading = sign::signReading(sign::Sign::Cancer);
    QAccessibleInterface* signLabel = QAccessible::queryAccessibleInterface(control<QLabel>(display, "lblWarriorSign"));
    QAccessibleInterface* readingLabel = QAccessible::queryAccessibleInterface(control<QLabel>(display, "lblSignDesc"));
    EXPECT_EQ(signLabel->text(QAccessible::Name), sign);
    EXPECT_EQ(readingLabel->text(QAccessible::Name), reading);
    EXPECT_FALSE(signLabel->text(QAccessible::Description).isEmpty());
    EXPECT_FALSE(readingLabel->text(QAccessible::Description).isEmpty());
    // A reader is told the sign, then its reading, as the window comes up,
    // while the focus stays on Exit.
    EXPECT_EQ(toldAsItComesUp(display), sign + ". " + reading);
    EXPECT_EQ(display->focusWidget(), control<QPushButton>(display, "cmdExit"));

    // Back and a second find: the reader follows the new result.
    control<QPushButton>(display, "cmdBack")->click();
    settle();
    display = findSignFor("ADA", 1, "January", 1930);
    ASSERT_NE(display, nullptr);
    signLabel = QAccessible::queryAccessibleInterface(control<QLabel>(display, "lblWarriorSign"));
    readingLabel = QAccessible::queryAccessibleInterface(control<QLabel>(display, "lblSignDesc"));
    EXPECT_NE(signLabel->text(QAccessible::Name), sign);  // another sign: the name follows it
    EXPECT_EQ(signLabel->text(QAccessible::Name), control<QLabel>(display, "lblWarriorSign")->text());
    EXPECT_EQ(control<QLabel>(display, "lblWarriorSign")->text(), QStringLiteral("Pisces"));
    EXPECT_EQ(readingLabel->text(QAccessible::Name), sign::signReading(sign::Sign::Pisces));
    EXPECT_EQ(toldAsItComesUp(display), "Pisces. " + sign::signReading(sign::Sign::Pisces));
}

TEST_F(ScreenReader, everyControlOfTheAboutBoxHasAName)
{
    AboutBox about;
    expectEveryControlNamed(&about, {"cmdOK", "Label5", "lblHomePage"});
}

TEST_F(ScreenReader, everyControlOfTheFarewellDialogHasAName)
{
    FarewellDialog* farewell = farewellDialog();
    expectEveryControlNamed(farewell, {"cmdClose", "Check1", "txtName", "txtEmail", "txtFriendName", "txtFriendEmail",
                                       "cmdSubmit", "txtMessage", "lblGoToHome"});
    // Once typed into, a box is still read by what it asks for.
    control<QLineEdit>(farewell, "txtEmail")->setText(QStringLiteral("me@example.com"));
    EXPECT_TRUE(spokenName(control<QLineEdit>(farewell, "txtEmail")).contains(QStringLiteral("Your Email Address")));
}

namespace {

class KeyboardOnly : public WidgetTest {};

template <typename Window>
Window* activated(Window* window)
{
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    return window;
}

// Alt and the menu's letter, then the item's letter, as a user would type them.
void choose(QWidget* window, QMenu* menu, Qt::Key menuKey, Qt::Key itemKey)
{
    QTest::keyClick(window, menuKey, Qt::AltModifier);
    ASSERT_EQ(QApplication::activePopupWidget(), menu) << menu->objectName().toStdString();
    QTest::keyClick(menu, itemKey);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

// Closes the about box with Enter whenever it is up, and counts its openings.
struct AboutAnsweredWithEnter {
    int opened = 0;
    QTimer poll;
    AboutAnsweredWithEnter()
    {
        QObject::connect(&poll, &QTimer::timeout, [this] {
            if (auto* about = qobject_cast<AboutBox*>(QApplication::activeModalWidget())) {
                ++opened;
                QTest::keyClick(about, Qt::Key_Return);
            }
        });
        poll.start(10);
    }
};

}  // namespace

TEST_F(KeyboardOnly, everyMenuOfTheEntryWindowOpensFromItsAccessKeys)
{
    EntryWindow* main = activated(entryWindow());

    choose(main, control<QMenu>(main, "mnuFile"), Qt::Key_F, Qt::Key_A);  // find, with no name typed
    EXPECT_EQ(messages.texts(), QStringList{"Please Enter Your Name"});
    choose(main, control<QMenu>(main, "mnuHelp"), Qt::Key_H, Qt::Key_O);
    choose(main, control<QMenu>(main, "mnuHelp"), Qt::Key_H, Qt::Key_V);
    choose(main, control<QMenu>(main, "mnuHelp"), Qt::Key_H, Qt::Key_U);
    QTest::keyClick(main, Qt::Key_D, Qt::AltModifier);
    QTest::keyClick(main, Qt::Key_O, Qt::AltModifier);  // Make Money Online is switched off
    EXPECT_EQ(pages.addresses,
              QStringList({page("help-web-page"), page("home-page"), page("download-web-page"), page("donate")}));

    {
        AboutAnsweredWithEnter answer;
        choose(main, control<QMenu>(main, "mnuHelp"), Qt::Key_H, Qt::Key_A);
        EXPECT_EQ(answer.opened, 1);
    }

    activated(main);
    choose(main, control<QMenu>(main, "mnuFile"), Qt::Key_F, Qt::Key_X);
    settle();
    EXPECT_EQ(loaded<EntryWindow>(), nullptr);
    ASSERT_NE(loaded<FarewellDialog>(), nullptr);
    EXPECT_TRUE(loaded<FarewellDialog>()->isVisible());
}

TEST_F(KeyboardOnly, everyMenuOfTheResultWindowOpensFromItsAccessKeys)
{
    ResultWindow* display = findSignFor("ADA", 10, "December", 1985);
    ASSERT_NE(display, nullptr);
    activated(display);

    choose(display, control<QMenu>(display, "mnuHelp"), Qt::Key_H, Qt::Key_O);
    choose(display, control<QMenu>(display, "mnuHelp"), Qt::Key_H, Qt::Key_V);
    choose(display, control<QMenu>(display, "mnuHelp"), Qt::Key_H,
           Qt::Key_C);  // this window's update item has its own letter
    QTest::keyClick(display, Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(pages.addresses,
              QStringList({page("help-web-page"), page("home-page"), page("download-web-page"), page("donate")}));

    {
        AboutAnsweredWithEnter answer;
        choose(display, control<QMenu>(display, "mnuHelp"), Qt::Key_H, Qt::Key_A);
        EXPECT_EQ(answer.opened, 1);
    }

    activated(display);
    choose(display, control<QMenu>(display, "mnuFile"), Qt::Key_F, Qt::Key_B);
    settle();
    EXPECT_EQ(loaded<ResultWindow>(), nullptr);
    EntryWindow* main = loaded<EntryWindow>();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(control<QLineEdit>(main, "txtName")->text(), QStringLiteral("ADA"));

    display = findSignFor("ADA", 10, "December", 1985);
    ASSERT_NE(display, nullptr);
    activated(display);
    choose(display, control<QMenu>(display, "mnuFile"), Qt::Key_F, Qt::Key_X);
    settle();
    EXPECT_EQ(loaded<ResultWindow>(), nullptr);
    ASSERT_NE(loaded<FarewellDialog>(), nullptr);
    EXPECT_TRUE(loaded<FarewellDialog>()->isVisible());
}
