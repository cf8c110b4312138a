// Start-up: the one-copy refusal, the order of the start-up steps and the
// promotional draw that decides which offer lies in front.
#include "TestSupport.h"

#include "app/CoBrand.h"
#include "app/SettingsCodec.h"
#include "app/Startup.h"
#include "forms/Forms.h"
#include "forms/LinkLabel.h"
#include "forms/frmDisplay.h"
#include "forms/frmMain.h"
#include "platform/Clock.h"
#include "platform/InstanceLock.h"
#include "platform/MessageBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>

namespace {

// The offer a user sees: whichever label is on top in the middle of the pair.
QWidget* offerInFront(frmMain* main)
{
    return main->Frame5->childAt(main->lblCobrand->geometry().center());
}

class Startup : public WidgetTest {
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        cobrand::intCoBrandRandomNumber = 0;
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Ardentis"),
                        QStringLiteral("Ardentis"));
        store.clear();
        store.sync();
    }
    QTemporaryDir lockFolder;
};

}  // namespace

TEST_F(Startup, theDrawBringsOneOfferForwardByTheNumberItRounds)
{
    struct Case { double r; int n; bool fullBrandInFront; };
    const Case cases[] = {
        {0.0, 1, false},           {1.0 / 12 - 1e-9, 1, false}, {1.0 / 12 + 1e-9, 2, true},
        {3.0 / 12, 2, true},        // 2.5 goes to the even neighbour
        {5.0 / 12, 4, true},        // 3.5 as well
        {0.5, 4, true},             {7.0 / 12, 4, true} /* 4.5 */, {8.0 / 12, 5, false},
        {9.0 / 12, 6, true},
        {11.0 / 12 - 1e-9, 6, true}, {11.0 / 12 + 1e-9, 7, false}, {0.999999, 7, false},
    };
    for (const Case& c : cases) {
        frmMain* main = Forms::Main();
        main->show();
        ASSERT_EQ(offerInFront(main), main->lblCobrand);  // as the window was designed
        EXPECT_EQ(cobrand::intCoBrandRandomNumber, 0);
        scriptRandom({c.r});
        startup::CoBrand_Randomize();
        EXPECT_EQ(cobrand::intCoBrandRandomNumber, c.n) << c.r;
        EXPECT_EQ(offerInFront(main), c.fullBrandInFront ? static_cast<QWidget*>(main->lblFullBrand)
                                                         : static_cast<QWidget*>(main->lblCobrand))
            << c.r;
        EXPECT_EQ(main->lblCobrand->geometry(), main->lblFullBrand->geometry());
        EXPECT_TRUE(main->lblCobrand->isVisible() && main->lblFullBrand->isVisible());
        Forms::UnloadAllQuietly();
        settle();
        cobrand::intCoBrandRandomNumber = 0;
    }
}

TEST_F(Startup, theOfferInFrontStaysThroughFindAndBackAndTheResultWindowIsNeverDrawnFor)
{
    frmMain* main = Forms::Main();
    main->show();
    scriptRandom({0.3});  // n = 3: co-brand, then 0.5 would be full-brand if drawn again
    startup::CoBrand_Randomize();
    scriptRandom({0.5});
    startup::CoBrand_Randomize();
    ASSERT_EQ(offerInFront(main), main->lblFullBrand);

    main->txtName->setText(QStringLiteral("A"));
    main->cmdNext_Click();
    frmDisplay* display = Forms::LoadedDisplay();
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(display->Frame5->childAt(display->lblFullBrand->geometry().center()), display->lblFullBrand);
    display->cmdBack_Click();
    settle();
    EXPECT_EQ(offerInFront(main), main->lblFullBrand);
}

TEST_F(Startup, runsTheReminderThenShowsTheMainWindowThenDraws)
{
    // A reminder is due: its question must come while no window is on screen.
    platform::setToday([] { return QDate(2026, 3, 1); });
    {
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Ardentis"),
                        QStringLiteral("Ardentis"));
        store.setValue(QStringLiteral("Settings/") + settingscodec::Encode(QStringLiteral("Duration")),
                       settingscodec::Encode(QStringLiteral("2026-01-01")));
    }
    bool windowVisibleDuringQuestion = true;
    platform::setMsgBoxHandler([&](const QString& text, int style) {
        messages.shown.append({text, style});
        windowVisibleDuringQuestion = Forms::LoadedMain() && Forms::LoadedMain()->isVisible();
        return int(platform::vbNo);
    });
    scriptRandom({0.5});

    platform::InstanceLock lock(lockFolder.path());
    ASSERT_TRUE(startup::Run(lock));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].style, platform::vbYesNo + platform::vbInformation);
    EXPECT_FALSE(windowVisibleDuringQuestion);
    ASSERT_NE(Forms::LoadedMain(), nullptr);
    EXPECT_TRUE(Forms::LoadedMain()->isVisible());
    EXPECT_EQ(cobrand::intCoBrandRandomNumber, 4);
    EXPECT_EQ(offerInFront(Forms::LoadedMain()), Forms::LoadedMain()->lblFullBrand);
    // Only the main window is made at start-up.
    EXPECT_EQ(Forms::LoadOrder(), QList<QWidget*>{Forms::LoadedMain()});
    EXPECT_TRUE(end.statuses.isEmpty());
}

TEST_F(Startup, aSecondCopyIsRefusedAndEndsWithoutAWindowOrATouchedSetting)
{
    platform::setToday([] { return QDate(2026, 3, 1); });  // a reminder would be due
    const QString key = QStringLiteral("Settings/") + settingscodec::Encode(QStringLiteral("Duration"));
    const QString old = settingscodec::Encode(QStringLiteral("2026-01-01"));
    {
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Ardentis"),
                        QStringLiteral("Ardentis"));
        store.setValue(key, old);
    }
    platform::InstanceLock first(lockFolder.path());
    ASSERT_EQ(first.tryAcquire(), platform::InstanceLock::State::Acquired);

    platform::InstanceLock second(lockFolder.path());
    EXPECT_FALSE(startup::Run(second));
    EXPECT_EQ(messages.shown, QList<ShownMessage>({{QStringLiteral("Application is already running"),
                                                    platform::vbOKOnly + platform::vbInformation}}));
    EXPECT_EQ(end.statuses, QList<int>{0});
    EXPECT_TRUE(Forms::LoadOrder().isEmpty());
    EXPECT_EQ(cobrand::intCoBrandRandomNumber, 0);
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Ardentis"),
                    QStringLiteral("Ardentis"));
    EXPECT_EQ(store.value(key).toString(), old);
    EXPECT_TRUE(pages.addresses.isEmpty());
}

TEST(InstanceLock, onlyALiveHolderKeepsTheNextCopyOut)
{
    QTemporaryDir folder;
    {
        platform::InstanceLock first(folder.path());
        ASSERT_EQ(first.tryAcquire(), platform::InstanceLock::State::Acquired);
        platform::InstanceLock second(folder.path());
        EXPECT_EQ(second.tryAcquire(), platform::InstanceLock::State::HeldByOther);
    }
    // The holder is gone: the lock file is left behind, and means nothing.
    ASSERT_TRUE(QFile::exists(QDir(folder.path()).filePath(QStringLiteral("ardentis.lock"))));
    platform::InstanceLock next(folder.path());
    EXPECT_EQ(next.tryAcquire(), platform::InstanceLock::State::Acquired);
}

TEST(InstanceLock, aGarbledOrEmptyLockFileWithNoHolderIsTakenOverAndCleared)
{
    for (const QByteArray& leftover : {QByteArray(), QByteArray("\xff\xfe garbage\n\0\x01", 14),
                                       QByteArray(100000, 'x')}) {
        QTemporaryDir folder;
        platform::InstanceLock lock(folder.path());
        QFile file(lock.filePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(leftover);
        file.close();
        ASSERT_EQ(lock.tryAcquire(), platform::InstanceLock::State::Acquired);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll().trimmed(), QByteArray::number(QCoreApplication::applicationPid()));
    }
}

TEST(InstanceLock, aFolderThatCannotHoldTheLockDoesNotCountAsAnotherCopy)
{
    QTemporaryDir folder;
    const QString notAFolder = QDir(folder.path()).filePath(QStringLiteral("file"));
    QFile file(notAFolder);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    platform::InstanceLock lock(notAFolder + QStringLiteral("/below"));
    EXPECT_EQ(lock.tryAcquire(), platform::InstanceLock::State::Unavailable);
}

TEST(InstanceLock, livesInThePerUserRuntimeFolderWhenThereIsOne)
{
    QTemporaryDir runtime;
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    EXPECT_EQ(platform::InstanceLock::defaultDirectory(), runtime.path());
    qputenv("XDG_RUNTIME_DIR", "/nonexistent/runtime");
    EXPECT_NE(platform::InstanceLock::defaultDirectory(), QStringLiteral("/nonexistent/runtime"));
    EXPECT_FALSE(platform::InstanceLock::defaultDirectory().startsWith(QDir::tempPath()));
    if (saved.isNull())
        qunsetenv("XDG_RUNTIME_DIR");
    else
        qputenv("XDG_RUNTIME_DIR", saved);
}
