// The program's flow at start-up: the one-copy refusal, the order of the
// start-up steps and the promotional draw that decides which offer lies in front.
#include "TestSupport.h"

#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/OneCopyLock.h"
#include "platform/ProgramInfo.h"
#include "settings/Codec.h"
#include "shell/ProgramFlow.h"
#include "shell/UpdateReminder.h"
#include "windows/EntryWindow.h"
#include "windows/FarewellDialog.h"
#include "windows/LinkLabel.h"
#include "windows/MessageBoxDialog.h"
#include "windows/ResultWindow.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

// The settings the program keeps for the user.
std::unique_ptr<QSettings> userSettings()
{
    const QString name = QLatin1String(program::SettingsName);
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, name, name);
}

// The offer a user sees: whichever label is on top in the middle of the pair.
QWidget* offerInFront(QWidget* window)
{
    auto* frame = control<QGroupBox>(window, "Frame5");
    return frame->childAt(control<LinkLabel>(window, "lblCobrand")->mapTo(frame, QPoint(20, 10)));
}

class Startup : public WidgetTest {
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        userSettings()->clear();
    }
};

}  // namespace

TEST_F(Startup, theDrawBringsOneOfferForwardByTheNumberItRounds)
{
    struct Case {
        double r;
        bool fullBrandInFront;
    };
    // n = r x 6 + 1 rounded: 2, 4 and 6 bring the full-brand offer, 1, 3 and 5
    // the co-brand one; 7 leaves the co-brand one in front, as designed.
    const Case cases[] = {
        {0.0, false},      {1.0 / 12 - 1e-9, false},   {1.0 / 12 + 1e-9, true},
        {3.0 / 12, true},  // 2.5 goes to the even neighbour
        {5.0 / 12, true},  // 3.5 as well
        {0.5, true},       {7.0 / 12, true} /* 4.5 */, {8.0 / 12, false},
        {9.0 / 12, true},  {11.0 / 12 - 1e-9, true},   {11.0 / 12 + 1e-9, false},
        {0.999999, false},
    };
    for (const Case& c : cases) {
        scriptRandom({c.r});
        EntryWindow* main = entryWindow();
        EXPECT_EQ(offerInFront(main), c.fullBrandInFront
                                          ? static_cast<QWidget*>(control<LinkLabel>(main, "lblFullBrand"))
                                          : static_cast<QWidget*>(control<LinkLabel>(main, "lblCobrand")))
            << c.r;
        // The one behind is there neither for a click nor for a screen reader's Press.
        auto* behind = control<LinkLabel>(main, c.fullBrandInFront ? "lblCobrand" : "lblFullBrand");
        EXPECT_FALSE(behind->isVisible());
        QTest::mouseClick(behind, Qt::LeftButton);
        QAccessible::queryAccessibleInterface(behind)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
        EXPECT_TRUE(pages.addresses.isEmpty());
        freshProgram();
        settle();
    }
}

TEST_F(Startup, theOfferInFrontStaysThroughFindAndBackAndTheResultWindowIsNeverDrawnFor)
{
    scriptRandom({0.5, 0.3});  // n = 4: full-brand, then 0.3 would be co-brand if drawn again
    EntryWindow* main = entryWindow();
    ASSERT_EQ(offerInFront(main), control<LinkLabel>(main, "lblFullBrand"));

    control<QLineEdit>(main, "txtName")->setText(QStringLiteral("A"));
    control<QPushButton>(main, "cmdNext")->click();
    ResultWindow* display = loaded<ResultWindow>();
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(offerInFront(display), control<LinkLabel>(display, "lblFullBrand"));
    control<QPushButton>(display, "cmdBack")->click();
    settle();
    EXPECT_EQ(offerInFront(main), control<LinkLabel>(main, "lblFullBrand"));
}

TEST_F(Startup, runsTheReminderThenShowsTheMainWindowThenDraws)
{
    // A reminder is due: its question must come while no window is on screen.
    platform::setToday([] { return QDate(2026, 3, 1); });
    userSettings()->setValue(reminderKey(), settings::encode(QStringLiteral("2026-01-01")));
    bool windowVisibleDuringQuestion = true;
    platform::setMessageBoxHandler([&](const QString& text, platform::MessageStyle style) {
        messages.shown.append({text, style});
        windowVisibleDuringQuestion = loaded<EntryWindow>() && loaded<EntryWindow>()->isVisible();
        return platform::MessageAnswer::No;
    });
    scriptRandom({0.5, 0.0});  // one draw: n = 4, full-brand in front; a second would bring co-brand

    ASSERT_TRUE(startProgram());
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].style, platform::Question);
    EXPECT_FALSE(windowVisibleDuringQuestion);
    ASSERT_NE(loaded<EntryWindow>(), nullptr);
    EXPECT_TRUE(loaded<EntryWindow>()->isVisible());
    EXPECT_EQ(offerInFront(loaded<EntryWindow>()), control<LinkLabel>(loaded<EntryWindow>(), "lblFullBrand"));
    // Only the main window is made at start-up.
    EXPECT_EQ(loadedWindows(), QList<QWidget*>{loaded<EntryWindow>()});
    EXPECT_TRUE(end.statuses.isEmpty());
}

TEST_F(Startup, aSecondCopyIsRefusedAndEndsWithoutAWindowOrATouchedSetting)
{
    platform::setToday([] { return QDate(2026, 3, 1); });  // a reminder would be due
    const QString key = reminderKey();
    const QString old = settings::encode(QStringLiteral("2026-01-01"));
    userSettings()->setValue(key, old);
    QTemporaryDir lockFolder;
    platform::OneCopyLock first(lockFolder.path());
    ASSERT_TRUE(first.acquire());

    platform::OneCopyLock second(lockFolder.path());
    EXPECT_FALSE(flow().start(second));
    EXPECT_EQ(messages.shown,
              QList<ShownMessage>({{QStringLiteral("Application is already running"), platform::Notice}}));
    EXPECT_EQ(end.statuses, QList<int>{0});
    EXPECT_TRUE(loadedWindows().isEmpty());  // so no offer was drawn either
    EXPECT_EQ(userSettings()->value(key).toString(), old);
    EXPECT_TRUE(pages.addresses.isEmpty());
}

namespace {

// Runs `open`, which opens a modal box, and from inside the box's own loop,
// as a mnemonic's click landing late does, makes `request`; the box closes a
// little later, once the loop has had its chance to act on the request.
void requestWhileABoxIsOpen(const std::function<void()>& open, const std::function<void()>& request)
{
    QTimer::singleShot(0, [request] {
        ASSERT_NE(QApplication::activeModalWidget(), nullptr);
        request();
        QTimer::singleShot(30, [] { QApplication::activeModalWidget()->close(); });
    });
    open();
}

}  // namespace

TEST_F(Startup, noWindowGoesWhileABoxIsOpenOverItAndAHiddenOneIgnoresItsCloseBox)
{
    platform::setMessageBoxHandler(windows::showMessageBoxDialog);
    EntryWindow* main = shownActive(entryWindow());
    const auto click = [](QWidget* window, const char* name) { control<QPushButton>(window, name)->click(); };
    const auto about = [](QWidget* window) { return [window] { control<QAction>(window, "mnuAbout")->trigger(); }; };
    requestWhileABoxIsOpen(about(main), [&] { click(main, "cmdExit"); });
    requestWhileABoxIsOpen([&] { click(main, "cmdNext"); }, [&] { click(main, "cmdExit"); });  // an empty name
    settle();
    EXPECT_EQ(loadedWindows(), QList<QWidget*>{main});
    EXPECT_TRUE(main->isVisible());

    ResultWindow* display = findSignFor("A", 1, "January", 1930);
    for (const char* button : {"cmdBack", "cmdExit"})
        requestWhileABoxIsOpen(about(display), [&] { click(display, button); });
    requestWhileABoxIsOpen(about(display), [&] { click(main, "cmdNext"); });
    settle();
    ASSERT_EQ(loaded<ResultWindow>(), display);
    EXPECT_TRUE(display->isVisible());
    main->close();  // a close request to the hidden entry window
    EXPECT_TRUE(display->isVisible());
    EXPECT_FALSE(loaded<FarewellDialog>()->isVisible());
    EXPECT_EQ(loaded<EntryWindow>(), main);
}
