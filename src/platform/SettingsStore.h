#pragma once

#include <QString>

// The per-user settings store: application, section and key address a text value.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    virtual QString read(const QString& section, const QString& key, const QString& fallback) const = 0;
    virtual void write(const QString& section, const QString& key, const QString& value) = 0;

    // Whether the last write reached the store for good. A store that cannot be written (a
    // read-only file, a folder in its place, a full disk) still keeps the value for this run, and
    // loses it at the next start: the caller must tell the user.
    virtual bool lastWriteKept() const = 0;
    // Where the settings live, as the user would look for them (a file name).
    virtual QString location() const = 0;
};
