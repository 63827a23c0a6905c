#pragma once

#include "platform/SettingsStore.h"

#include <QSettings>

#include <functional>
#include <memory>

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
    bool lastWriteKept() const override { return m_lastWriteKept; }
    QString location() const override;

private:
    std::function<std::unique_ptr<QSettings>()> m_open;
    mutable std::unique_ptr<QSettings> m_settings;
    bool m_lastWriteKept = true;
};
