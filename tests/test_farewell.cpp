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
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <functional>

namespace {

QString tooLongMessage(int limit)
{
    return QStringLiteral("Please Enter No More Than %1 Characters").arg(limit);
}

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
    return shownActive(flow().window<FarewellDialog>());
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
    FarewellDialog* dialog = flow().window<FarewellDialog>();
    EXPECT_EQ(dialog->size(), QSize(741, 315));  // 11115 x 4725 twips
    EXPECT_EQ(dialog->windowTitle(), QLatin1String(program::WindowCaption));
    EXPECT_EQ(control<QLabel>(dialog, "lblNagScreen2Caption")->text(), QLatin1String(program::WindowCaption));
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
        scriptRandom({r, 0.0, 0.0});
        FarewellDialog* dialog = flow().window<FarewellDialog>();
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
    EXPECT_TRUE(flow().loaded().inLoadOrder().isEmpty());
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

TEST_F(Farewell, eachBoxStopsAtItsLimitAndSaysSoWhateverIsPasted)
{
    FarewellDialog* dialog = shownDialog();
    struct Box {
        const char* name;
        int limit;
    };
    // A mebibyte without a space, as pasted from a file.
    const QString huge(1 << 20, u'x');
    for (const Box& box : {Box{"txtName", 64}, Box{"txtEmail", 254}, Box{"txtFriendName", 64},
                           Box{"txtFriendEmail", 254}, Box{"txtMessage", 200}}) {
        SCOPED_TRACE(box.name);
        messages.shown.clear();
        QWidget* edit = control<QWidget>(dialog, box.name);
        edit->setFocus(Qt::TabFocusReason);
        QApplication::clipboard()->setText(huge);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        settle();  // what is said comes after the change
        const QString text = box.name == QByteArrayView("txtMessage")
                                 ? static_cast<QPlainTextEdit*>(edit)->toPlainText()
                                 : static_cast<QLineEdit*>(edit)->text();
        EXPECT_EQ(text.size(), box.limit);
        const ShownMessage told{QStringLiteral("Please Enter No More Than %1 Characters").arg(box.limit),
                                platform::Refusal};
        EXPECT_EQ(messages.shown, QList<ShownMessage>{told});
        // Typing on at the limit is refused the same way.
        messages.shown.clear();
        QTest::keyClick(edit, Qt::Key_Y);
        settle();
        EXPECT_EQ(messages.shown, QList<ShownMessage>{told});
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClick(edit, Qt::Key_Y);
        settle();
        EXPECT_EQ(messages.shown.size(), 1);
        // Nor does a composed text go past it.
        QInputMethodEvent composed;
        composed.setCommitString(QStringLiteral("zz"));
        QApplication::sendEvent(edit, &composed);
        settle();
        EXPECT_EQ(messages.shown.size(), 2);
    }
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
    EntryWindow* main = flow().window<EntryWindow>();
    main->show();
    control<QLineEdit>(main, "txtName")->setText(QStringLiteral("A"));
    control<QPushButton>(main, "cmdNext")->click();
    FarewellDialog* dialog = flow().loaded().find<FarewellDialog>();
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
    control<QPushButton>(flow().loaded().find<ResultWindow>(), "cmdBack")->click();
    settle();
    EXPECT_EQ(counter.shows, 0);
    EXPECT_EQ(visibleWindows(), QList<QWidget*>{main});
    EXPECT_EQ(flow().loaded().find<FarewellDialog>(), dialog);

    // Leaving the result window still brings the dialog up.
    control<QPushButton>(main, "cmdNext")->click();
    control<QPushButton>(flow().loaded().find<ResultWindow>(), "cmdExit")->click();
    settle();
    EXPECT_EQ(counter.shows, 1);
    EXPECT_EQ(visibleWindows(), QList<QWidget*>{dialog});
}

TEST_F(Farewell, leavingTheMainWindowShowsTheDialogWhoseExitEndsEverything)
{
    EntryWindow* main = flow().window<EntryWindow>();
    main->show();
    control<QAction>(main, "mnuExit")->trigger();
    settle();
    EXPECT_EQ(flow().loaded().find<EntryWindow>(), nullptr);
    ASSERT_NE(flow().loaded().find<FarewellDialog>(), nullptr);
    EXPECT_EQ(visibleWindows(), QList<QWidget*>{flow().loaded().find<FarewellDialog>()});
    EXPECT_TRUE(end.statuses.isEmpty());  // closing a window never ends the program by itself

    QTest::mouseClick(control<QPushButton>(flow().loaded().find<FarewellDialog>(), "cmdClose"), Qt::LeftButton);
    EXPECT_EQ(end.statuses, QList<int>{0});
    EXPECT_TRUE(flow().loaded().inLoadOrder().isEmpty());
    settle();
    EXPECT_TRUE(visibleWindows().isEmpty());
}

TEST_F(Farewell, leavingTheResultWindowKeepsTheMainWindowHiddenUntilTheEnd)
{
    EntryWindow* main = flow().window<EntryWindow>();
    main->show();
    control<QLineEdit>(main, "txtName")->setText(QStringLiteral("A"));
    control<QPushButton>(main, "cmdNext")->click();
    ResultWindow* display = flow().loaded().find<ResultWindow>();
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(flow().loaded().inLoadOrder(), QList<QWidget*>({main, display, flow().loaded().find<FarewellDialog>()}));

    display->close();  // the close box
    settle();
    EXPECT_EQ(flow().loaded().find<ResultWindow>(), nullptr);
    EXPECT_EQ(flow().loaded().find<EntryWindow>(), main);
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(visibleWindows(), QList<QWidget*>{flow().loaded().find<FarewellDialog>()});

    // The dialog's close box ends the program just like its Exit button.
    flow().loaded().find<FarewellDialog>()->close();
    EXPECT_EQ(end.statuses, QList<int>{0});
    EXPECT_TRUE(flow().loaded().inLoadOrder().isEmpty());
    settle();
    EXPECT_TRUE(visibleWindows().isEmpty());
}

TEST_F(Farewell, theDialogKeepsWhatWasTypedWhileHiddenByFindAndBack)
{
    EntryWindow* main = flow().window<EntryWindow>();
    main->show();
    control<QPushButton>(main, "cmdExit")->click();
    FarewellDialog* dialog = flow().loaded().find<FarewellDialog>();
    ASSERT_NE(dialog, nullptr);
    const QString appeal = control<QLabel>(dialog, "Label2")->text();
    control<QLineEdit>(dialog, "txtName")->setText(QStringLiteral("KEPT"));

    EntryWindow* fresh = flow().window<EntryWindow>();  // the main window comes back as a fresh load
    EXPECT_NE(fresh, main);
    fresh->show();
    control<QLineEdit>(fresh, "txtName")->setText(QStringLiteral("B"));
    control<QPushButton>(fresh, "cmdNext")->click();
    EXPECT_FALSE(dialog->isVisible());
    control<QPushButton>(flow().loaded().find<ResultWindow>(), "cmdBack")->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(flow().loaded().find<FarewellDialog>(), dialog);
    EXPECT_EQ(control<QLineEdit>(dialog, "txtName")->text(), QStringLiteral("KEPT"));
    EXPECT_EQ(control<QLabel>(dialog, "Label2")->text(), appeal);
    EXPECT_TRUE(end.statuses.isEmpty());
}

TEST_F(Farewell, endProgramUnloadsQuietlyInLoadOrderAndACallFromWithinEndsAtOnce)
{
    EntryWindow* main = flow().window<EntryWindow>();
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
    EXPECT_TRUE(flow().loaded().inLoadOrder().isEmpty());
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

// A key that types `text`, as a keyboard layout or a compose key sends it.
void typeKey(QWidget* box, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(box, &press);
}

void compose(QWidget* box, const QString& text)
{
    QInputMethodEvent composed;
    composed.setCommitString(text);
    QApplication::sendEvent(box, &composed);
}

void paste(QWidget* box, const QString& text)
{
    QApplication::clipboard()->setText(text);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

const QString emoji = QStringLiteral("\U0001F600");  // one character, two UTF-16 units

}  // namespace

TEST_F(Farewell, typedCharactersOfEveryKindCountOnceAndStopAtTheLimit)
{
    FarewellDialog* dialog = shownDialog();
    auto* message = control<QPlainTextEdit>(dialog, "txtMessage");
    message->setFocus(Qt::TabFocusReason);
    message->clear();
    paste(message, QString(199, u'a'));
    typeKey(message, emoji);  // the 200th
    settle();
    EXPECT_TRUE(messages.shown.isEmpty());
    // An emoji, a right-to-left mark, a private-use character, a letter: each one too many.
    for (const QString& more : {emoji, QStringLiteral("\u200f"), QStringLiteral("\ue000"), QStringLiteral("x")})
        typeKey(message, more);
    settle();
    EXPECT_EQ(message->toPlainText(), QString(199, u'a') + emoji);
    EXPECT_EQ(messages.texts(), QStringList(4, tooLongMessage(200)));

    // An accent typed after a letter makes no new character.
    messages.shown.clear();
    auto* name = control<QLineEdit>(dialog, "txtFriendName");
    name->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(name, QString(63, u'b') + u'e');
    typeKey(name, QStringLiteral("\u0301"));
    settle();
    EXPECT_EQ(name->text(), QString(63, u'b') + QStringLiteral("e\u0301"));
    EXPECT_TRUE(messages.shown.isEmpty());
    QTest::keyClick(name, Qt::Key_X);
    settle();
    EXPECT_EQ(messages.texts(), QStringList{tooLongMessage(64)});
}

TEST_F(Farewell, aCutNeverSplitsACharacterHoweverTheTextComesIn)
{
    FarewellDialog* dialog = shownDialog();
    const QString accented = QStringLiteral("e\u0301\u0302");  // one character of three code points
    using Way = std::function<void(QWidget*, const QString&)>;
    const std::pair<const char*, Way> ways[] = {
        {"pasted", paste},
        {"composed", compose},
        {"set by assistive technology",
         [](QWidget* box, const QString& text) {
             QAccessible::queryAccessibleInterface(box)->setText(QAccessible::Value, text);
         }},
    };
    for (const auto& [how, put] : ways) {
        SCOPED_TRACE(how);
        for (const char* name : {"txtName", "txtMessage"}) {
            QWidget* box = control<QWidget>(dialog, name);
            const int limit = box->objectName() == QLatin1String("txtMessage") ? 200 : 64;
            for (const QString& last : {emoji, accented}) {
                messages.shown.clear();
                box->setFocus(Qt::TabFocusReason);
                QAccessible::queryAccessibleInterface(box)->setText(QAccessible::Value, QString());
                put(box, QString(limit - 1, u'a') + last + last);
                settle();
                EXPECT_EQ(textIn(box), QString(limit - 1, u'a') + last) << name;
                EXPECT_EQ(messages.texts(), QStringList{tooLongMessage(limit)}) << name;
            }
        }
    }
}

TEST_F(Farewell, assistiveTechnologyIsHeldToTheLimitsAndLosesNothingAfterItsChange)
{
    FarewellDialog* dialog = shownDialog();
    for (const char* name : {"txtMessage", "txtEmail"}) {
        SCOPED_TRACE(name);
        QWidget* box = control<QWidget>(dialog, name);
        const int limit = box->objectName() == QLatin1String("txtMessage") ? 200 : 254;
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(box);
        QAccessibleEditableTextInterface* editor = reader->editableTextInterface();
        ASSERT_NE(editor, nullptr);
        messages.shown.clear();
        reader->setText(QAccessible::Value, QString(100000, u'x'));
        EXPECT_EQ(textIn(box), QString(limit, u'x'));

        const QString kept = QString(limit - 50, u'a') + QString(20, u'b');
        reader->setText(QAccessible::Value, kept);
        editor->insertText(limit - 50, QString(500, u'y'));
        EXPECT_EQ(textIn(box), QString(limit - 50, u'a') + QString(30, u'y') + QString(20, u'b'));
        editor->replaceText(0, 10, QString(100, u'z'));
        EXPECT_EQ(textIn(box), QString(10, u'z') + textIn(box).sliced(10));
        EXPECT_EQ(reader->textInterface()->characterCount(), limit);
        settle();
        EXPECT_EQ(messages.texts(), QStringList(3, tooLongMessage(limit)));
    }
}

TEST_F(Farewell, droppedTextAndUndoStayWithinTheLimit)
{
    FarewellDialog* dialog = shownDialog();
    const QString huge(1 << 20, u'd');
    for (const char* name : {"txtName", "txtMessage"}) {
        SCOPED_TRACE(name);
        QWidget* box = control<QWidget>(dialog, name);
        auto* lines = qobject_cast<QPlainTextEdit*>(box);
        QWidget* target = lines ? lines->viewport() : box;
        const int limit = lines ? 200 : 64;
        QAccessible::queryAccessibleInterface(box)->setText(QAccessible::Value, QString(limit - 10, u'a'));
        messages.shown.clear();
        QMimeData dragged;
        dragged.setText(huge);
        const QPointF at(target->width() - 2, 4);
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent drop(at, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        EXPECT_EQ(textIn(box).size(), limit);
        EXPECT_EQ(textIn(box).count(u'd'), 10);
        settle();
        EXPECT_EQ(messages.texts(), QStringList{tooLongMessage(limit)});
        QMetaObject::invokeMethod(box, "undo");
        EXPECT_LE(textIn(box).size(), limit);
        QMetaObject::invokeMethod(box, "redo");
        EXPECT_LE(textIn(box).size(), limit);
    }
}

TEST_F(Farewell, aToolsChangeIsCutAtWholeCharactersAndToldOfOnlyOnceItsCallHasReturned)
{
    auto* name = control<QLineEdit>(shownDialog(), "txtName");
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(name);
    reader->setText(QAccessible::Value, u'a' + emoji);
    const QString thumb = QStringLiteral("\U0001F44D");  // shares its first unit with the emoji after it
    reader->editableTextInterface()->insertText(1, thumb + QString(70, u'b'));
    EXPECT_TRUE(messages.shown.isEmpty());  // the tool is not kept waiting on a message box
    EXPECT_EQ(name->text(), u'a' + thumb + QString(61, u'b') + emoji);
    settle();
    EXPECT_EQ(messages.texts(), QStringList{tooLongMessage(64)});

    // Deleting a joiner would make a family of 64 into 65 characters: it is not done.
    const QString family = QStringLiteral("\U0001F468\u200D\U0001F469\u200D\U0001F467");
    reader->setText(QAccessible::Value, family.repeated(64));
    reader->editableTextInterface()->deleteText(2, 3);
    name->setCursorPosition(3);
    QTest::keyClick(name, Qt::Key_Backspace);
    EXPECT_EQ(name->text(), family.repeated(64));
}
