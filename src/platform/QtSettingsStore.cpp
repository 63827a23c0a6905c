#include "platform/QtSettingsStore.h"

namespace {
// Sections carry meaningful blanks ("Setup " and "Setup F6ABC"); QSettings keeps them as they are
// inside a group name, so a section is used as a group and a key as a key within it.
QString path(const QString& section, const QString& key)
{
    return section + QLatin1Char('/') + key;
}
} // namespace

QtSettingsStore::QtSettingsStore()
    : m_settings(
        QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Kerlanic"), QStringLiteral("C_Postal"))
{ }

QtSettingsStore::QtSettingsStore(const QString& iniFile)
    : m_settings(iniFile, QSettings::IniFormat)
{ }

QString QtSettingsStore::read(const QString& section, const QString& key, const QString& fallback) const
{
    const QVariant value = m_settings.value(path(section, key));
    return value.isValid() ? value.toString() : fallback;
}

void QtSettingsStore::write(const QString& section, const QString& key, const QString& value)
{
    m_settings.setValue(path(section, key), value);
    m_settings.sync();
}
