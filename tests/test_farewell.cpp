// The farewell dialog and the way the program ends: closing the main or the
// result window brings the dialog up, and leaving the dialog ends everything.
#include "TestSupport.h"

#include "links/WebPages.h"
#include "platform/Exit.h"
#include "platform/MessageBox.h"
#include "platform/ProgramInfo.h"
#include "shell/ProgramFlow.h"
#include "windows/EntryWindow.h"
#include "windows/FarewellDialog.h"
#include "windows/LinkLabel.h"
#include "windows/ResultWindow.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QString appeals[] = {
    QStringLiteral("Quillon Softwares, such as this can be created and maintained only with your support. The best "
                   "way to support Quillon Board is to visit Zentrova regularly and take part in the discussions and "
                   "other activities on the board."),
    QStringLiteral("Visit Zentrova regularly. Support Zentrova by taking part in the discussions and other "
                   "activities. These softwares cannot be supported and maintained, without you regularly visiting "
                   "Zentrova"),
    QStringLiteral("Zentrova is a FREE online discussion forum for all things quillon. To help Zentrova develop and "
                   "maintain this software visit Zentrova regularly."),
    QStringLiteral("Zentrova needs your help. All you need to do is visit Zentrova regularly and take part in the "
                   "various discussions and activites to help us maintain and develop more Quillon Softwares."),
};

class Farewell : public WidgetTest {};

FarewellDialog* shownDialog()
{
    return shownActive(farewellDialog());
}

QList<QWidget*> visibleWindows()
{
    QList<QWidget*> shown;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            shown.append(window);
    }
    return shown;
}

}  // namespace

TEST_F(Farewell, isDrawnAtItsSizeAndPlacesWithItsTexts)
{
    FarewellDialog* dialog = farewellDialog();
    EXPECT_EQ(dialog->size(), QSize(741, 315));  // 11115 x 4725 twips
    EXPECT_EQ(dialog->windowTitle(), QLatin1String(program::WindowCaption));
    EXPECT_EQ(control<QLabel>(dialog, "lblNagScreen2Caption")->text(), QLatin1String(program::WindowCaption));
    EXPECT_EQ(dialog->windowIcon().availableSizes(), (QList<QSize>{{32, 32}, {64, 64}}));
    EXPECT_TRUE(dialog->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(dialog->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(dialog->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    EXPECT_EQ(control<QGroupBox>(dialog, "Frame2")->geometry(), QRect(8, 216, 471, 97));
    EXPECT_EQ(control<QGroupBox>(dialog, "Frame6")->geometry(), QRect(488, 8, 249, 305));
    EXPECT_EQ(control<QLineEdit>(dialog, "txtEmail")->geometry(), QRect(240, 24, 225, 19));
    EXPECT_EQ(control<QPushButton>(dialog, "cmdClose")->geometry(), QRect(400, 184, 83, 25));
    // The message box lies below what the frame shows.
    EXPECT_GE(control<QPlainTextEdit>(dialog, "txtMessage")->geometry().top(),
              control<QGroupBox>(dialog, "Frame2")->height());
    EXPECT_EQ(control<QGroupBox>(dialog, "Frame2")->title(), QStringLiteral("Refer A Friend"));
    EXPECT_EQ(control<QGroupBox>(dialog, "Frame6")->title(), QStringLiteral("Download Quillon Softwares"));
    EXPECT_EQ(control<QPushButton>(dialog, "Check1")->text(), QStringLiteral("Click Here To Visit Zentrova Now"));
    EXPECT_EQ(control<QPushButton>(dialog, "cmdClose")->text(), QStringLiteral("E&xit"));
    EXPECT_EQ(control<QPushButton>(dialog, "cmdSubmit")->text(), QStringLiteral("Refer A Friend &Now"));
    EXPECT_EQ(control<LinkLabel>(dialog, "lblGoToHome")->text(),
              QStringLiteral("Click Here To Visit Quillon Softwares"));
    EXPECT_EQ(control<LinkLabel>(dialog, "lblGoToHome")->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(control<QPushButton>(dialog, "Check1")->cursor().shape(), Qt::PointingHandCursor);

    const QString suite = control<QLabel>(dialog, "Label3")->text();
    EXPECT_TRUE(suite.contains(QStringLiteral("the world\u2019s largest resource")));
    EXPECT_TRUE(suite.contains(QStringLiteral("interests.") + QString(61, u' ') + QStringLiteral("All the programs")));
    EXPECT_TRUE(suite.endsWith(QStringLiteral("friends and family. ")));

    EXPECT_EQ(control<QLineEdit>(dialog, "txtName")->text(), QStringLiteral("Your Name"));
    EXPECT_EQ(control<QLineEdit>(dialog, "txtEmail")->text(), QStringLiteral("Your Email Address"));
    EXPECT_EQ(control<QLineEdit>(dialog, "txtFriendName")->text(), QStringLiteral("Friend's Name"));
    EXPECT_EQ(control<QLineEdit>(dialog, "txtFriendEmail")->text(), QStringLiteral("Friend's Email Address"));
    EXPECT_EQ(control<QPlainTextEdit>(dialog, "txtMessage")->toPlainText(), QStringLiteral("Your Message\n"));
}

TEST_F(Farewell, drawsOneOfTheFourAppealsWhenItLoadsAndKeepsIt)
{
    const std::pair<double, int> draws[] = {{0.0, 0},    {0.2499, 0}, {0.25, 1},     {0.5, 2},
                                            {0.7499, 2}, {0.75, 3},   {0.9999999, 3}};
    for (const auto& [r, k] : draws) {
        scriptRandom({0.0, r});  // the offer drawn at the start, then the appeal
        FarewellDialog* dialog = farewellDialog();
        EXPECT_EQ(control<QLabel>(dialog, "Label2")->text(), appeals[k]) << r;
        dialog->show();
        dialog->hide();
        dialog->show();
        EXPECT_EQ(control<QLabel>(dialog, "Label2")->text(), appeals[k]) << r;
        freshProgram();
        settle();
    }
}

TEST_F(Farewell, tabOrderStartsOnExitAndEnterThenEndsTheProgram)
{
    FarewellDialog* dialog = shownDialog();
    const QList<QWidget*> order = {
        control<QPushButton>(dialog, "cmdClose"),    control<QPushButton>(dialog, "Check1"),
        control<QLineEdit>(dialog, "txtName"),       control<QPushButton>(dialog, "cmdSubmit"),
        control<QLineEdit>(dialog, "txtEmail"),      control<QLineEdit>(dialog, "txtFriendEmail"),
        control<QLineEdit>(dialog, "txtFriendName"), control<QPlainTextEdit>(dialog, "txtMessage")};
    EXPECT_EQ(QApplication::focusWidget(), control<QPushButton>(dialog, "cmdClose"));
    for (qsizetype i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), order[i]) << i;
    }
    control<QPushButton>(dialog, "cmdClose")->setFocus();
    QTest::keyClick(control<QPushButton>(dialog, "cmdClose"), Qt::Key_Return);
    EXPECT_EQ(end.statuses, QList<int>{0});
    EXPECT_TRUE(loadedWindows().isEmpty());
}

TEST_F(Farewell, placeholdersClearOnEntryAndComeBackWhenLeftEmpty)
{
    FarewellDialog* dialog = shownDialog();
    control<QLineEdit>(dialog, "txtName")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(control<QLineEdit>(dialog, "txtName")->text(), QString());
    QTest::keyClicks(control<QLineEdit>(dialog, "txtName"), QStringLiteral("   "));
    control<QPushButton>(dialog, "cmdSubmit")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(control<QLineEdit>(dialog, "txtName")->text(), QStringLiteral("Your Name"));

    control<QLineEdit>(dialog, "txtFriendName")->setText(QStringLiteral("  Friend's Name "));
    control<QLineEdit>(dialog, "txtFriendName")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(control<QLineEdit>(dialog, "txtFriendName")->text(), QString());
    control<QLineEdit>(dialog, "txtFriendName")->setText(QStringLiteral("friend's name"));
    control<QPushButton>(dialog, "cmdClose")->setFocus(Qt::TabFocusReason);
    control<QLineEdit>(dialog, "txtFriendName")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(control<QLineEdit>(dialog, "txtFriendName")->text(),
              QStringLiteral("friend's name"));  // other letter case stays

    // Only spaces are trimmed: the message's line break keeps it from being cleared.
    control<QPlainTextEdit>(dialog, "txtMessage")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(control<QPlainTextEdit>(dialog, "txtMessage")->toPlainText(), QStringLiteral("Your Message\n"));
    control<QPlainTextEdit>(dialog, "txtMessage")->clear();
    control<QPushButton>(dialog, "cmdClose")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(control<QPlainTextEdit>(dialog, "txtMessage")->toPlainText(), QStringLiteral("Your Message"));
}

TEST_F(Farewell, aSpaceInAnEmailBoxIsRefusedAndTheFocusStays)
{
    FarewellDialog* dialog = shownDialog();
    for (QLineEdit* box : {control<QLineEdit>(dialog, "txtEmail"), control<QLineEdit>(dialog, "txtFriendEmail")}) {
        messages.shown.clear();
        box->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(box, QStringLiteral("a b"));
        EXPECT_EQ(box->text(), QStringLiteral("ab"));
        EXPECT_EQ(messages.shown,
                  QList<ShownMessage>({{QStringLiteral("Email Address Cannot Contain Space"), platform::Refusal}}));
        EXPECT_EQ(QApplication::focusWidget(), box);
    }
    messages.shown.clear();
    control<QLineEdit>(dialog, "txtName")->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(control<QLineEdit>(dialog, "txtName"), QStringLiteral("Ann Lee"));
    EXPECT_EQ(control<QLineEdit>(dialog, "txtName")->text(), QStringLiteral("Ann Lee"));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(Farewell, theVisitButtonIsAButtonToAssistiveTechnologyAndItsPressOpensThePage)
{
    FarewellDialog* dialog = shownDialog();
    auto* visit = control<QPushButton>(dialog, "Check1");
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(visit);
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->role(), QAccessible::Button);
    EXPECT_FALSE(reader->state().checkable);
    QAccessibleActionInterface* actions = reader->actionInterface();
    ASSERT_NE(actions, nullptr);
    EXPECT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    EXPECT_FALSE(actions->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    for (int presses = 1; presses <= 2; ++presses) {
        actions->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_TRUE(QTest::qWaitFor([&] { return pages.addresses.size() == presses; }, 2000));
        EXPECT_FALSE(visit->isChecked());
        EXPECT_FALSE(visit->isDown());
    }
    EXPECT_EQ(pages.addresses, QStringList({page("home-page"), page("home-page")}));
}

TEST_F(Farewell, itsLinksOpenAPageEachClickAndTheButtonPopsBackUp)
{
    FarewellDialog* dialog = shownDialog();
    QTest::mouseClick(control<QPushButton>(dialog, "Check1"), Qt::LeftButton);
    EXPECT_FALSE(control<QPushButton>(dialog, "Check1")->isChecked());
    QTest::mouseClick(control<QPushButton>(dialog, "Check1"), Qt::LeftButton);
    EXPECT_FALSE(control<QPushButton>(dialog, "Check1")->isChecked());
    QTest::mouseClick(control<LinkLabel>(dialog, "lblGoToHome"), Qt::LeftButton);
    pressAsReader(control<LinkLabel>(dialog, "lblGoToHome"));
    EXPECT_EQ(pages.addresses,
              QStringList({page("home-page"), page("home-page"), page("quillonsoftwares"), page("quillonsoftwares")}));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(end.statuses.isEmpty());
}

TEST_F(Farewell, backBringsOnlyTheMainWindowIntoViewNotTheDialogEvenForAMoment)
{
    EntryWindow* main = entryWindow();
    main->show();
    control<QLineEdit>(main, "txtName")->setText(QStringLiteral("A"));
    control<QPushButton>(main, "cmdNext")->click();
    FarewellDialog* dialog = loaded<FarewellDialog>();
    ASSERT_NE(dialog, nullptr);
    ASSERT_FALSE(dialog->isVisible());

    // Every show of the dialog maps its window and tells screen readers it is there.
    struct ShowCounter : QObject {
        int shows = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Show)
                ++shows;
            return false;
        }
    } counter;
    dialog->installEventFilter(&counter);
    control<QPushButton>(loaded<ResultWindow>(), "cmdBack")->click();
    settle();
    EXPECT_EQ(counter.shows, 0);
    EXPECT_EQ(visibleWindows(), QList<QWidget*>{main});
    EXPECT_EQ(loaded<FarewellDialog>(), dialog);

    // Leaving the result window still brings the dialog up.
    control<QPushButton>(main, "cmdNext")->click();
    control<QPushButton>(loaded<ResultWindow>(), "cmdExit")->click();
    settle();
    EXPECT_EQ(counter.shows, 1);
    EXPECT_EQ(visibleWindows(), QList<QWidget*>{dialog});
}

TEST_F(Farewell, leavingTheMainWindowShowsTheDialogWhoseExitEndsEverything)
{
    EntryWindow* main = entryWindow();
    main->show();
    control<QAction>(main, "mnuExit")->trigger();
    settle();
    EXPECT_EQ(loaded<EntryWindow>(), nullptr);
    ASSERT_NE(loaded<FarewellDialog>(), nullptr);
    EXPECT_EQ(visibleWindows(), QList<QWidget*>{loaded<FarewellDialog>()});
    EXPECT_TRUE(end.statuses.isEmpty());  // closing a window never ends the program by itself

    QTest::mouseClick(control<QPushButton>(loaded<FarewellDialog>(), "cmdClose"), Qt::LeftButton);
    EXPECT_EQ(end.statuses, QList<int>{0});
    EXPECT_TRUE(loadedWindows().isEmpty());
    settle();
    EXPECT_TRUE(visibleWindows().isEmpty());
}

TEST_F(Farewell, leavingTheResultWindowKeepsTheMainWindowHiddenUntilTheEnd)
{
    EntryWindow* main = entryWindow();
    main->show();
    control<QLineEdit>(main, "txtName")->setText(QStringLiteral("A"));
    control<QPushButton>(main, "cmdNext")->click();
    ResultWindow* display = loaded<ResultWindow>();
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(loadedWindows(), QList<QWidget*>({main, display, loaded<FarewellDialog>()}));

    display->close();  // the close box
    settle();
    EXPECT_EQ(loaded<ResultWindow>(), nullptr);
    EXPECT_EQ(loaded<EntryWindow>(), main);
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(visibleWindows(), QList<QWidget*>{loaded<FarewellDialog>()});

    // The dialog's close box ends the program just like its Exit button.
    loaded<FarewellDialog>()->close();
    EXPECT_EQ(end.statuses, QList<int>{0});
    EXPECT_TRUE(loadedWindows().isEmpty());
    settle();
    EXPECT_TRUE(visibleWindows().isEmpty());
}

TEST_F(Farewell, theDialogKeepsWhatItHoldsWhileHiddenByFindAndBack)
{
    findSignFor("B", 1, "January", 1930);
    FarewellDialog* dialog = loaded<FarewellDialog>();
    ASSERT_NE(dialog, nullptr);
    const QString appeal = control<QLabel>(dialog, "Label2")->text();
    control<QLineEdit>(dialog, "txtName")->setText(QStringLiteral("KEPT"));
    for (int round = 0; round < 2; ++round) {
        control<QPushButton>(loaded<ResultWindow>(), "cmdBack")->click();
        EXPECT_FALSE(dialog->isVisible());
        findSignFor("B", 1, "January", 1930);
        EXPECT_FALSE(dialog->isVisible());
    }
    control<QPushButton>(loaded<ResultWindow>(), "cmdExit")->click();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(loaded<FarewellDialog>(), dialog);
    EXPECT_EQ(control<QLineEdit>(dialog, "txtName")->text(), QStringLiteral("KEPT"));
    EXPECT_EQ(control<QLabel>(dialog, "Label2")->text(), appeal);
    EXPECT_TRUE(end.statuses.isEmpty());
}

TEST_F(Farewell, endProgramUnloadsQuietlyInLoadOrderAndACallFromWithinEndsAtOnce)
{
    EntryWindow* main = entryWindow();
    main->show();
    control<QLineEdit>(main, "txtName")->setText(QStringLiteral("A"));
    control<QPushButton>(main, "cmdNext")->click();
    // A window coming into view on the way out would be a fault.
    int shownOnTheWay = 0;
    end.statuses.clear();
    platform::setEndProcessHandler([&](int status) {
        end.statuses.append(status);
        shownOnTheWay += static_cast<int>(visibleWindows().size());
        if (end.statuses.size() == 1)
            flow().end();  // a nested call: ends right there
    });
    flow().end();
    EXPECT_EQ(end.statuses, QList<int>({0, 0}));
    EXPECT_EQ(shownOnTheWay, 0);
    EXPECT_TRUE(loadedWindows().isEmpty());
    EXPECT_TRUE(messages.shown.isEmpty());
    platform::setEndProcessHandler([this](int status) { end.statuses.append(status); });
}

namespace {

QString textIn(QWidget* box)
{
    if (auto* lines = qobject_cast<QPlainTextEdit*>(box))
        return lines->toPlainText();
    return static_cast<QLineEdit*>(box)->text();
}

QAccessibleEditableTextInterface* editorOf(QWidget* box)
{
    return QAccessible::queryAccessibleInterface(box)->editableTextInterface();
}

void paste(QWidget* box, const QString& text)
{
    QApplication::clipboard()->setText(text);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

}  // namespace

TEST_F(Farewell, theReferralBoxesKeepWhatIsPutInHoweverLongAndUndoAsAnyBoxDoes)
{
    FarewellDialog* dialog = shownDialog();
    // An assistive tool's insert before what the user typed.
    QWidget* friendName = control(dialog, "txtFriendName");
    QAccessible::queryAccessibleInterface(friendName)->setText(QAccessible::Value, QStringLiteral("Alice"));
    editorOf(friendName)->insertText(0, QString(2100, u'x'));
    EXPECT_EQ(textIn(friendName), QString(2100, u'x') + QStringLiteral("Alice"));

    // A regional-indicator letter before flags, typed or put in by a tool.
    const QString flags = QStringLiteral("🇩🇪🇫🇷🇮🇹");
    const QString letter = QStringLiteral("🇪");
    for (const bool typed : {true, false}) {
        QAccessible::queryAccessibleInterface(friendName)->setText(QAccessible::Value, QString(61, u'x') + flags);
        if (typed) {
            friendName->setFocus(Qt::TabFocusReason);
            static_cast<QLineEdit*>(friendName)->setCursorPosition(61);
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, letter);
            QApplication::sendEvent(friendName, &press);
        } else {
            editorOf(friendName)->insertText(61, letter);
        }
        EXPECT_EQ(textIn(friendName), QString(61, u'x') + letter + flags) << typed;
    }

    // A long paste over a name, and a mebibyte into the message, each undone.
    for (const char* name : {"txtName", "txtMessage"}) {
        QWidget* box = control(dialog, name);
        box->setFocus(Qt::TabFocusReason);
        const QString before = textIn(box);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        paste(box, QString(name == QByteArrayView("txtName") ? 250 : 1 << 20, u'p'));
        EXPECT_EQ(textIn(box).count(u'p'), name == QByteArrayView("txtName") ? 250 : 1 << 20) << name;
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(textIn(box), before) << name;
    }
    // However much a tool puts in, nothing is said while it does.
    for (int i = 0; i < 20; ++i)
        editorOf(control(dialog, "txtEmail"))->insertText(0, QString(300, u'e'));
    settle();
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.texts().join(u'|').toStdString();
}
