// The farewell dialog and the way the program ends: closing the main or the
// result window brings the dialog up, and leaving the dialog ends everything.
#include "TestSupport.h"

#include "forms/Forms.h"
#include "forms/LinkLabel.h"
#include "forms/frmDisplay.h"
#include "forms/frmMain.h"
#include "forms/frmNagScreen2.h"
#include "links/modHelp.h"
#include "platform/Exit.h"
#include "platform/MessageBox.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

class Farewell : public WidgetTest {};

frmNagScreen2* shownDialog()
{
    return shownActive(Forms::NagScreen2());
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
    frmNagScreen2* dialog = Forms::NagScreen2();
    EXPECT_EQ(dialog->size(), QSize(741, 315));  // 11115 x 4725 twips
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("QX Ardentis v1.25"));
    EXPECT_EQ(dialog->lblNagScreen2Caption->text(), QStringLiteral("QX Ardentis v1.25"));
    EXPECT_TRUE(dialog->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(dialog->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(dialog->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    EXPECT_EQ(dialog->Frame2->geometry(), QRect(8, 216, 471, 97));
    EXPECT_EQ(dialog->Frame6->geometry(), QRect(488, 8, 249, 305));
    EXPECT_EQ(dialog->txtEmail->geometry(), QRect(240, 24, 225, 19));
    EXPECT_EQ(dialog->cmdClose->geometry(), QRect(400, 184, 83, 25));
    // The message box lies below what the frame shows.
    EXPECT_GE(dialog->txtMessage->geometry().top(), dialog->Frame2->height());
    EXPECT_EQ(dialog->Frame2->title(), QStringLiteral("Refer A Friend"));
    EXPECT_EQ(dialog->Frame6->title(), QStringLiteral("Download Quillon Softwares"));
    EXPECT_EQ(dialog->Check1->text(), QStringLiteral("Click Here To Visit Zentrova Now"));
    EXPECT_EQ(dialog->cmdClose->text(), QStringLiteral("E&xit"));
    EXPECT_EQ(dialog->cmdSubmit->text(), QStringLiteral("Refer A Friend &Now"));
    EXPECT_EQ(dialog->lblGoToHome->text(), QStringLiteral("Click Here To Visit Quillon Softwares"));
    EXPECT_EQ(dialog->lblGoToHome->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(dialog->Check1->cursor().shape(), Qt::PointingHandCursor);

    const QString suite = dialog->Label3->text();
    EXPECT_TRUE(suite.contains(QStringLiteral("the world\u2019s largest resource")));
    EXPECT_TRUE(suite.contains(QStringLiteral("interests.") + QString(61, u' ') + QStringLiteral("All the programs")));
    EXPECT_TRUE(suite.endsWith(QStringLiteral("friends and family. ")));

    EXPECT_EQ(dialog->txtName->text(), QStringLiteral("Your Name"));
    EXPECT_EQ(dialog->txtEmail->text(), QStringLiteral("Your Email Address"));
    EXPECT_EQ(dialog->txtFriendName->text(), QStringLiteral("Friend's Name"));
    EXPECT_EQ(dialog->txtFriendEmail->text(), QStringLiteral("Friend's Email Address"));
    EXPECT_EQ(dialog->txtMessage->toPlainText(), QStringLiteral("Your Message\n"));
}

TEST_F(Farewell, drawsOneOfTheFourAppealsWhenItLoadsAndKeepsIt)
{
    const std::pair<double, int> draws[] = {{0.0, 0}, {0.2499, 0}, {0.25, 1}, {0.5, 2}, {0.7499, 2}, {0.75, 3},
                                            {0.9999999, 3}};
    for (const auto& [r, k] : draws) {
        scriptRandom({r, 0.0, 0.0});
        frmNagScreen2* dialog = Forms::NagScreen2();
        EXPECT_EQ(dialog->Label2->text(), frmNagScreen2::AppealText(k)) << r;
        dialog->show();
        dialog->hide();
        dialog->show();
        EXPECT_EQ(dialog->Label2->text(), frmNagScreen2::AppealText(k)) << r;
        Forms::UnloadAllQuietly();
        settle();
    }
    EXPECT_TRUE(frmNagScreen2::AppealText(1).endsWith(QStringLiteral("regularly visiting Zentrova")));
    EXPECT_TRUE(frmNagScreen2::AppealText(3).contains(QStringLiteral("activites")));
}

TEST_F(Farewell, tabOrderStartsOnExitAndEnterThenEndsTheProgram)
{
    frmNagScreen2* dialog = shownDialog();
    const QList<QWidget*> order = {dialog->cmdClose, dialog->Check1, dialog->txtName, dialog->cmdSubmit,
                                   dialog->txtEmail, dialog->txtFriendEmail, dialog->txtFriendName,
                                   dialog->txtMessage};
    EXPECT_EQ(QApplication::focusWidget(), dialog->cmdClose);
    for (qsizetype i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), order[i]) << i;
    }
    dialog->cmdClose->setFocus();
    QTest::keyClick(dialog->cmdClose, Qt::Key_Return);
    EXPECT_EQ(end.statuses, QList<int>{0});
    EXPECT_TRUE(Forms::LoadOrder().isEmpty());
}

TEST_F(Farewell, placeholdersClearOnEntryAndComeBackWhenLeftEmpty)
{
    frmNagScreen2* dialog = shownDialog();
    dialog->txtName->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(dialog->txtName->text(), QString());
    QTest::keyClicks(dialog->txtName, QStringLiteral("   "));
    dialog->cmdSubmit->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(dialog->txtName->text(), QStringLiteral("Your Name"));

    dialog->txtFriendName->setText(QStringLiteral("  Friend's Name "));
    dialog->txtFriendName->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(dialog->txtFriendName->text(), QString());
    dialog->txtFriendName->setText(QStringLiteral("friend's name"));
    dialog->cmdClose->setFocus(Qt::TabFocusReason);
    dialog->txtFriendName->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(dialog->txtFriendName->text(), QStringLiteral("friend's name"));  // other letter case stays

    // Only spaces are trimmed: the message's line break keeps it from being cleared.
    dialog->txtMessage->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(dialog->txtMessage->toPlainText(), QStringLiteral("Your Message\n"));
    dialog->txtMessage->clear();
    dialog->cmdClose->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(dialog->txtMessage->toPlainText(), QStringLiteral("Your Message"));
}

TEST_F(Farewell, aSpaceInAnEmailBoxIsRefusedAndTheFocusStays)
{
    frmNagScreen2* dialog = shownDialog();
    for (QLineEdit* box : {dialog->txtEmail, dialog->txtFriendEmail}) {
        messages.shown.clear();
        box->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(box, QStringLiteral("a b"));
        EXPECT_EQ(box->text(), QStringLiteral("ab"));
        EXPECT_EQ(messages.shown, QList<ShownMessage>({{QStringLiteral("Email Address Cannot Contain Space"),
                                                        platform::vbOKOnly + platform::vbCritical}}));
        EXPECT_EQ(QApplication::focusWidget(), box);
    }
    messages.shown.clear();
    dialog->txtName->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(dialog->txtName, QStringLiteral("Ann Lee"));
    EXPECT_EQ(dialog->txtName->text(), QStringLiteral("Ann Lee"));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(Farewell, itsLinksOpenAPageEachClickAndTheButtonPopsBackUp)
{
    frmNagScreen2* dialog = shownDialog();
    QTest::mouseClick(dialog->Check1, Qt::LeftButton);
    EXPECT_FALSE(dialog->Check1->isChecked());
    QTest::mouseClick(dialog->Check1, Qt::LeftButton);
    EXPECT_FALSE(dialog->Check1->isChecked());
    QTest::mouseClick(dialog->lblGoToHome, Qt::LeftButton);
    EXPECT_EQ(pages.addresses, QStringList({page("home-page"), page("home-page"), page("quillonsoftwares")}));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(end.statuses.isEmpty());
}

TEST_F(Farewell, leavingTheMainWindowShowsTheDialogWhoseExitEndsEverything)
{
    frmMain* main = Forms::Main();
    main->show();
    main->mnuExit->trigger();
    settle();
    EXPECT_EQ(Forms::LoadedMain(), nullptr);
    ASSERT_NE(Forms::LoadedNagScreen2(), nullptr);
    EXPECT_EQ(visibleWindows(), QList<QWidget*>{Forms::LoadedNagScreen2()});
    EXPECT_TRUE(end.statuses.isEmpty());  // closing a window never ends the program by itself

    QTest::mouseClick(Forms::LoadedNagScreen2()->cmdClose, Qt::LeftButton);
    EXPECT_EQ(end.statuses, QList<int>{0});
    EXPECT_TRUE(Forms::LoadOrder().isEmpty());
    settle();
    EXPECT_TRUE(visibleWindows().isEmpty());
}

TEST_F(Farewell, leavingTheResultWindowKeepsTheMainWindowHiddenUntilTheEnd)
{
    frmMain* main = Forms::Main();
    main->show();
    main->txtName->setText(QStringLiteral("A"));
    main->cmdNext_Click();
    frmDisplay* display = Forms::LoadedDisplay();
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(Forms::LoadOrder(), QList<QWidget*>({main, display, Forms::LoadedNagScreen2()}));

    display->close();  // the close box
    settle();
    EXPECT_EQ(Forms::LoadedDisplay(), nullptr);
    EXPECT_EQ(Forms::LoadedMain(), main);
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(visibleWindows(), QList<QWidget*>{Forms::LoadedNagScreen2()});

    // The dialog's close box ends the program just like its Exit button.
    Forms::LoadedNagScreen2()->close();
    EXPECT_EQ(end.statuses, QList<int>{0});
    EXPECT_TRUE(Forms::LoadOrder().isEmpty());
    settle();
    EXPECT_TRUE(visibleWindows().isEmpty());
}

TEST_F(Farewell, theDialogKeepsWhatWasTypedWhileHiddenByFindAndBack)
{
    frmMain* main = Forms::Main();
    main->show();
    main->cmdExit_Click();
    frmNagScreen2* dialog = Forms::LoadedNagScreen2();
    ASSERT_NE(dialog, nullptr);
    const QString appeal = dialog->Label2->text();
    dialog->txtName->setText(QStringLiteral("KEPT"));

    frmMain* fresh = Forms::Main();  // the main window comes back as a fresh load
    EXPECT_NE(fresh, main);
    fresh->txtName->setText(QStringLiteral("B"));
    fresh->cmdNext_Click();
    EXPECT_FALSE(dialog->isVisible());
    Forms::LoadedDisplay()->cmdBack_Click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(Forms::LoadedNagScreen2(), dialog);
    EXPECT_EQ(dialog->txtName->text(), QStringLiteral("KEPT"));
    EXPECT_EQ(dialog->Label2->text(), appeal);
    EXPECT_TRUE(end.statuses.isEmpty());
}

TEST_F(Farewell, endProgramUnloadsQuietlyInLoadOrderAndACallFromWithinEndsAtOnce)
{
    frmMain* main = Forms::Main();
    main->show();
    main->txtName->setText(QStringLiteral("A"));
    main->cmdNext_Click();
    // A window coming into view on the way out would be a fault.
    int shownOnTheWay = 0;
    end.statuses.clear();
    platform::setExitHandler([&](int status) {
        end.statuses.append(status);
        shownOnTheWay += static_cast<int>(visibleWindows().size());
        if (end.statuses.size() == 1)
            modHelp::EndProgram();  // a nested call: ends right there
    });
    modHelp::EndProgram();
    EXPECT_EQ(end.statuses, QList<int>({0, 0}));
    EXPECT_EQ(shownOnTheWay, 0);
    EXPECT_TRUE(Forms::LoadOrder().isEmpty());
    EXPECT_TRUE(messages.shown.isEmpty());
    platform::setExitHandler([this](int status) { end.statuses.append(status); });
}
