#include "app/UpdateReminder.h"

#include "app/SettingsCodec.h"
#include "links/modHelp.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"

#include <QSettings>

namespace modHelp {

namespace {

QString durationKey()
{
    return QStringLiteral("Settings/") + settingscodec::Encode(QStringLiteral("Duration"));
}

// The date goes in as yyyy-MM-dd, which reads back the same whatever the
// user's locale or century.
void recordToday(QSettings& store)
{
    store.setValue(durationKey(), settingscodec::Encode(platform::Today().toString(Qt::ISODate)));
    store.sync();  // a store that cannot be written is tried again next start
}

}  // namespace

void CheckUpdateReminder(QSettings& store)
{
    const std::optional<QString> stored = settingscodec::Decode(store.value(durationKey()).toString());
    const QDate recorded = stored ? QDate::fromString(*stored, Qt::ISODate) : QDate();
    // Never run, or a value that is damaged: start counting from today, so a
    // bad value cannot silence the reminder for good.
    if (!recorded.isValid()) {
        recordToday(store);
        return;
    }
    const qint64 days = platform::Today().daysTo(recorded);
    if (days >= -14 && days <= 14)
        return;
    const int answer = platform::MsgBox(
        QStringLiteral("There maybe an update to this software available\rDo you want to check for an update?"),
        platform::vbYesNo + platform::vbInformation);
    recordToday(store);
    if (answer == platform::vbYes)
        OpenDownloadPage();
}

void CheckUpdateReminder()
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Ardentis"),
                    QStringLiteral("Ardentis"));
    CheckUpdateReminder(store);
}

}  // namespace modHelp
