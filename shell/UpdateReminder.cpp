#include "UpdateReminder.h"

#include "links/WebPages.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "settings/Codec.h"
#include "settings/Store.h"

#include <future>

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
void recordToday(settings::Store& store, bool writeNow)
{
    store.setValue(section, dateKey(), settings::encode(platform::today().toString(Qt::ISODate)));
    if (writeNow)
        store.sync();
}

void check(settings::Store& store, bool writeNow)
{
    const std::optional<QString> stored = settings::decode(store.value(section, dateKey()));
    const QDate recorded = stored ? QDate::fromString(*stored, Qt::ISODate) : QDate();
    // Never run, or a value that is damaged: start counting from today, so a
    // bad value cannot silence the reminder for good.
    if (!recorded.isValid()) {
        recordToday(store, writeNow);
        return;
    }
    const qint64 days = platform::today().daysTo(recorded);
    if (days >= -14 && days <= 14)
        return;
    const platform::MessageAnswer answer = platform::showMessage(
        QStringLiteral("There maybe an update to this software available\rDo you want to check for an update?"),
        platform::Question);
    recordToday(store, writeNow);
    if (answer == platform::MessageAnswer::Yes)
        links::openDownloadPage();
}

}  // namespace

void checkUpdateReminder(settings::Store& store)
{
    check(store, true);
}

void checkUpdateReminder(const std::function<void()>& meanwhile)
{
    settings::Store store;
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

}  // namespace shell
