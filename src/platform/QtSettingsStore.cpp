#include "platform/QtSettingsStore.h"

#include <QDir>

namespace {
// Sections carry meaningful blanks ("Setup " and "Setup F6ABC"); QSettings keeps them as they are
// inside a group name, so a section is used as a group and a key as a key within it.
QString path(const QString& section, const QString& key)
{
    return section + QLatin1Char('/') + key;
}
} // namespace

QtSettingsStore::QtSettingsStore()
    : m_open([] {
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
            QStringLiteral("Kerlanic"), QStringLiteral("C_Postal"));
    })
    , m_settings(m_open())
{ }

QtSettingsStore::QtSettingsStore(const QString& iniFile)
    : m_open([iniFile] { return std::make_unique<QSettings>(iniFile, QSettings::IniFormat); })
    , m_settings(m_open())
{ }

QString QtSettingsStore::read(const QString& section, const QString& key, const QString& fallback) const
{
    const QVariant value = m_settings->value(path(section, key));
    return value.isValid() ? value.toString() : fallback;
}

void QtSettingsStore::write(const QString& section, const QString& key, const QString& value)
{
    // QSettings keeps its first error for good: after a failed write only a fresh object can tell
    // whether this one reaches the file. The values not yet written stay in memory (the file's
    // cache outlives the object) and go with the first write that succeeds.
    if (!m_lastWriteKept)
        m_settings = m_open();
    // Each write rewrites and flushes the whole file, and the program writes the same folder and
    // revision at every start: a value the file already holds is left as it is.
    else if (const QVariant held = m_settings->value(path(section, key));
             held.isValid() && held.toString() == value)
        return;
    m_settings->setValue(path(section, key), value);
    m_settings->sync();
    m_lastWriteKept = m_settings->status() != QSettings::AccessError && m_settings->isWritable();
}

QString QtSettingsStore::location() const
{
    return QDir::toNativeSeparators(m_settings->fileName());
}
