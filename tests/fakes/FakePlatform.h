#pragma once

#include "platform/Clock.h"
#include "platform/HelpViewer.h"
#include "platform/Launcher.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "platform/Printer.h"
#include "platform/Screen.h"
#include "platform/SettingsStore.h"

#include <QList>
#include <QMap>
#include <QStringList>

// Settings in memory, addressed exactly as the program addresses them.
class FakeSettings : public SettingsStore
{
public:
    QString read(const QString& section, const QString& key, const QString& fallback) const override;
    void write(const QString& section, const QString& key, const QString& value) override;
    bool lastWriteKept() const override { return m_lastWriteKept; }
    QString location() const override { return file; }

    bool has(const QString& section, const QString& key) const
    {
        return values.contains(section + u'\x1f' + key);
    }
    QString value(const QString& section, const QString& key) const
    {
        return values.value(section + u'\x1f' + key);
    }

    QMap<QString, QString> values;
    // Every write, in order: "section|key=value".
    QStringList writes;
    // While set, writes are kept in memory only and reported as lost, as by a settings file that
    // cannot be written.
    bool failWrites = false;
    QString file = QStringLiteral("/home/f6abc/.config/Kerlanic/C_Postal.conf");

private:
    bool m_lastWriteKept = true;
};

// Records every text shown; answers questions from a script (No when the script is empty).
class FakeMessages : public Messages
{
public:
    void inform(const QString& text) override { shown << text; }
    bool ask(const QString& text) override;

    void setNextAnswer(bool yes) { answers << yes; }

    QStringList shown;
    QStringList asked;
    QList<bool> answers;
};

class FakeClock : public Clock
{
public:
    QDateTime utcNow() const override { return utc; }
    QDateTime localNow() const override { return local; }

    QDateTime utc {QDate(2026, 12, 5), QTime(9, 5, 7), Qt::UTC};
    QDateTime local {QDate(2026, 12, 5), QTime(10, 5, 7), Qt::LocalTime};
};

class FakeScreen : public Screen
{
public:
    QRect area() const override { return rect; }
    QRect rect {0, 0, 1600, 1200};
};

class FakeLauncher : public Launcher
{
public:
    bool startDetached(const QString& program) override
    {
        started << program;
        return result;
    }
    QStringList started;
    bool result = true;
};

class FakeHelpViewer : public HelpViewer
{
public:
    void showHelp(const QString& file) override { shown << file; }
    QStringList shown;
};

// Records what a printout did, in order: "font name=…", "font size=…", "bold=…", "dialog",
// "line=…", "end".
class FakePrinter : public Printer
{
public:
    QString fontName() const override { return m_name; }
    double fontSize() const override { return m_size; }
    void setFontName(const QString& name) override;
    void setFontSize(double points) override;
    void setFontBold(bool bold) override;
    bool showPrintDialog() override;
    void printLine(const QString& line) override;
    // Records "page".
    void printPage(const std::function<void(QPainter&, const QRectF&)>& draw) override;
    bool endDoc() override;

    // The printed lines of all jobs.
    QStringList lines;
    QStringList events;
    bool dialogAnswer = true;
    bool endDocResult = true;

private:
    QString m_name = QStringLiteral("Arial");
    double m_size = 10;
    bool m_bold = false;
};

struct FakePlatform
{
    FakeSettings settings;
    FakeMessages messages;
    FakeClock clock;
    FakeScreen screen;
    FakeLauncher launcher;
    FakeHelpViewer help;
    FakePrinter printer;

    Platform platform() { return {settings, messages, clock, screen, launcher, help, printer}; }
};
