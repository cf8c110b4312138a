#include "app/UpdateReminder.h"

#include "app/SettingsCodec.h"
#include "links/modHelp.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"

#include <QSettings>
#include <future>

namespace modHelp {

namespace {

QString durationKey()
{
    return QStringLiteral("Settings/") + settingscodec::Encode(QStringLiteral("Duration"));
}

// The date goes in as yyyy-MM-dd, which reads back the same whatever the
// user's locale or century. A store that cannot be written is tried again
// next start.
void recordToday(QSettings& store, bool writeNow)
{
    store.setValue(durationKey(), settingscodec::Encode(platform::Today().toString(Qt::ISODate)));
    if (writeNow)
        store.sync();
}

void check(QSettings& store, bool writeNow)
{
    const std::optional<QString> stored = settingscodec::Decode(store.value(durationKey()).toString());
    const QDate recorded = stored ? QDate::fromString(*stored, Qt::ISODate) : QDate();
    // Never run, or a value that is damaged: start counting from today, so a
    // bad value cannot silence the reminder for good.
    if (!recorded.isValid()) {
        recordToday(store, writeNow);
        return;
    }
    const qint64 days = platform::Today().daysTo(recorded);
    if (days >= -14 && days <= 14)
        return;
    const int answer = platform::MsgBox(
        QStringLiteral("There maybe an update to this software available\rDo you want to check for an update?"),
        platform::vbYesNo + platform::vbInformation);
    recordToday(store, writeNow);
    if (answer == platform::vbYes)
        OpenDownloadPage();
}

}  // namespace

void CheckUpdateReminder(QSettings& store)
{
    check(store, true);
}

void CheckUpdateReminder(const std::function<void()>& meanwhile)
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Ardentis"),
                    QStringLiteral("Ardentis"));
    if (!meanwhile) {
        check(store, true);
        return;
    }
    check(store, false);
    // Writing waits for the disk, up to tens of milliseconds on a first start
    // when the folder is new: it goes on while `meanwhile` runs, which leaves
    // the store alone until the write is done.
    std::future<void> written = std::async(std::launch::async, [&store] { store.sync(); });
    meanwhile();
    written.wait();
}

}  // namespace modHelp
