#pragma once

#include "platform/SettingsStore.h"

#include <QSettings>

// Settings kept by QSettings under the application name "C_Postal".
class QtSettingsStore : public SettingsStore
{
public:
    // The user's own settings store.
    QtSettingsStore();
    // A settings file of its own (INI format), for tests and portable copies.
    explicit QtSettingsStore(const QString& iniFile);

    QString read(const QString& section, const QString& key, const QString& fallback) const override;
    void write(const QString& section, const QString& key, const QString& value) override;

private:
    mutable QSettings m_settings;
};
