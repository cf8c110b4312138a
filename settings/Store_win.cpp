// The user's settings on Windows: the registry, through QSettings.
#include "settings/Store.h"

#include "platform/ProgramInfo.h"

#include <QSettings>

namespace settings {

struct Store::Data {
    QSettings settings{QSettings::NativeFormat, QSettings::UserScope, QLatin1String(program::SettingsName),
                       QLatin1String(program::SettingsName)};
};

Store::Store(const QString&) : d(std::make_unique<Data>()) {}

Store::~Store() = default;

QString Store::userFilePath()
{
    return QString();
}

QString Store::value(const QString& section, const QString& key) const
{
    return d->settings.value(section + QLatin1Char('/') + key).toString();
}

void Store::setValue(const QString& section, const QString& key, const QString& value)
{
    d->settings.setValue(section + QLatin1Char('/') + key, value);
}

bool Store::sync()
{
    d->settings.sync();
    return d->settings.status() == QSettings::NoError;
}

}  // namespace settings
