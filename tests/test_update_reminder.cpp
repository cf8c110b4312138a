// The update reminder: when it asks, what it stores, and how it survives a
// damaged or unwritable settings store.
#include "TestSupport.h"

#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "settings/Codec.h"
#include "settings/Store.h"
#include "shell/UpdateReminder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <random>

namespace {

const QString question =
    QStringLiteral("There maybe an update to this software available\rDo you want to check for an update?");
constexpr platform::MessageStyle YesNoInfo = platform::Question;

class Reminder : public WidgetTest {
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        setToday(QDate(2026, 6, 15));
        QFile::remove(file());  // as on the user's first start
    }
    void TearDown() override
    {
        QFile::remove(file());
        WidgetTest::TearDown();
    }
    void setToday(QDate date)
    {
        today = date;
        platform::setToday([this] { return today; });
    }
    // The user's settings file, in a folder of the tests' own.
    static QString file() { return settings::Store::userFilePath(); }
    static QString reminderDateKey() { return settings::encode(QStringLiteral("Duration")); }

    static void launch() { shell::checkUpdateReminder(); }
    void storeRaw(const QString& raw)
    {
        settings::Store store(file());
        store.setValue(QStringLiteral("Settings"), reminderDateKey(), raw);
        ASSERT_TRUE(store.sync());
    }
    void storeDate(QDate date) { storeRaw(settings::encode(date.toString(Qt::ISODate))); }
    QString storedRaw() const { return settings::Store(file()).value(QStringLiteral("Settings"), reminderDateKey()); }
    QDate stored() const
    {
        const auto decoded = settings::decode(storedRaw());
        return decoded ? QDate::fromString(*decoded, Qt::ISODate) : QDate();
    }

    QDate today;
};

}  // namespace

TEST_F(Reminder, theFirstLaunchRecordsTodayInAFormNoLocaleCanMisreadAndAsksNothing)
{
    launch();
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(stored(), today);
    EXPECT_EQ(settings::decode(storedRaw()), QStringLiteral("2026-06-15"));
    // Neither the key nor the date is stored as plain text.
    QFile raw(file());
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    const QByteArray content = raw.readAll();
    EXPECT_TRUE(content.contains("[Settings]"));
    EXPECT_FALSE(content.contains("Duration"));
    EXPECT_FALSE(content.contains("2026"));
}

TEST_F(Reminder, asksOnlyWhenTheRecordedDateIsMoreThanFourteenDaysAway)
{
    const std::pair<int, bool> cases[] = {{-14, false}, {-15, true},  {14, false}, {15, true},
                                          {0, false},   {-400, true}, {1, false}};
    for (const auto& [offset, asks] : cases) {
        messages.shown.clear();
        const QDate recorded = today.addDays(offset);
        storeDate(recorded);
        launch();
        if (asks) {
            EXPECT_EQ(messages.shown, QList<ShownMessage>({{question, YesNoInfo}})) << offset;
            EXPECT_EQ(stored(), today) << offset;
        } else {
            EXPECT_TRUE(messages.shown.isEmpty()) << offset;
            EXPECT_EQ(stored(), recorded) << offset;
        }
        EXPECT_TRUE(pages.addresses.isEmpty());
    }
}

TEST_F(Reminder, yesRecordsTodayThenOpensTheDownloadPageAndNoOnlyRecords)
{
    storeDate(today.addDays(-15));
    messages.answers = {platform::MessageAnswer::Yes};
    launch();
    EXPECT_EQ(pages.addresses, QStringList{page("download-web-page")});
    EXPECT_EQ(stored(), today);

    pages.addresses.clear();
    setToday(today.addDays(15));
    messages.answers = {platform::MessageAnswer::No};
    launch();
    EXPECT_EQ(messages.shown.size(), 2);
    EXPECT_TRUE(pages.addresses.isEmpty());
    EXPECT_EQ(stored(), today);

    // No brings it back no sooner than the fifteenth day.
    setToday(today.addDays(14));
    launch();
    EXPECT_EQ(messages.shown.size(), 2);
    setToday(today.addDays(1));
    launch();
    EXPECT_EQ(messages.shown.size(), 3);
}

TEST_F(Reminder, severalLaunchesOnTheDayOfAReminderAskOnlyOnce)
{
    storeDate(today.addDays(-30));
    for (int i = 0; i < 4; ++i)
        launch();
    EXPECT_EQ(messages.shown.size(), 1);
}

TEST_F(Reminder, aDamagedValueIsTreatedAsAbsentSoTheReminderIsNeverSilenced)
{
    for (const QString& damaged :
         {QStringLiteral("not hex at all"), QStringLiteral("abc"), settings::encode(QStringLiteral("12/07/26")),
          settings::encode(QStringLiteral("2026-02-30")), settings::encode(QStringLiteral("yesterday"))}) {
        messages.shown.clear();
        storeRaw(damaged);
        launch();
        EXPECT_TRUE(messages.shown.isEmpty());
        EXPECT_EQ(stored(), today) << damaged.toStdString();
    }
    // And fifteen days on, it asks again.
    setToday(today.addDays(15));
    launch();
    EXPECT_EQ(messages.shown.size(), 1);
}

TEST_F(Reminder, aStoreThatCannotBeWrittenOrReadIsSurvivedAndTriedAgain)
{
    // A file where the settings folder should be: nothing can be written.
    const QString settingsFolder = QFileInfo(file()).absolutePath();
    ASSERT_TRUE(QDir(settingsFolder).removeRecursively());
    QDir().mkpath(QFileInfo(settingsFolder).absolutePath());
    QFile blocker(settingsFolder);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    launch();
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(stored(), QDate());
    blocker.remove();
    QDir().mkpath(settingsFolder);

    // A settings file of random bytes: the start goes on, and a later start works.
    std::mt19937 random(7);
    QByteArray bytes(4096, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random());
    QFile garbage(file());
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(bytes);
    garbage.close();
    launch();
    EXPECT_TRUE(messages.shown.isEmpty());

    QFile::remove(file());
    launch();
    EXPECT_EQ(stored(), today);
}
