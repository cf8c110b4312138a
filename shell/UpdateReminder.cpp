#include "UpdateReminder.h"

#include "links/WebPages.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "settings/Codec.h"
#include "settings/Store.h"

namespace shell {

namespace {

const QString section = QStringLiteral("Settings");

QString dateKey()
{
    return settings::encode(QStringLiteral("Duration"));
}

// The date goes in as yyyy-MM-dd, which reads back the same whatever the
// user's locale or century. A store that cannot be written is tried again
// next start.
void recordToday(settings::Store& store)
{
    store.setValue(section, dateKey(), settings::encode(platform::today().toString(Qt::ISODate)));
    store.sync();
}

}  // namespace

void checkUpdateReminder()
{
    settings::Store store;
    const std::optional<QString> stored = settings::decode(store.value(section, dateKey()));
    const QDate recorded = stored ? QDate::fromString(*stored, Qt::ISODate) : QDate();
    // Never run, or a value that is damaged: start counting from today, so a
    // bad value cannot silence the reminder for good.
    if (!recorded.isValid()) {
        recordToday(store);
        return;
    }
    const qint64 days = platform::today().daysTo(recorded);
    if (days >= -14 && days <= 14)
        return;
    const platform::MessageAnswer answer = platform::showMessage(
        QStringLiteral("There maybe an update to this software available\rDo you want to check for an update?"),
        platform::Question);
    recordToday(store);
    if (answer == platform::MessageAnswer::Yes)
        links::openDownloadPage();
}

}  // namespace shell
