#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class Clock;
class SettingsStore;

// Copies of each station's log, kept in the folder "Sauvegardes" beside the logs and, when the
// user chose one, in a second folder (a USB key, a synchronised folder). A station's day has one
// backup, F6ABC_CP_2026-12-05.txt, taken before the first rewrite of that day; the copies kept
// before a restore are numbered after it (F6ABC_CP_2026-12-05_2.txt). The newest kBackupsKept of
// each station stay, in each folder.

inline constexpr int kBackupsKept = 30;

// The setting (section "Setup ") that names the second folder; empty or absent: none.
inline const QString kDossierSauvegarde = QStringLiteral("Dossier de sauvegarde");

QString backupFolder(const QString& appDir);
QString backupFileName(const QString& callsign, QDate date, int copy = 1);

struct BackupFile
{
    QString path;
    QDate date;
    // 1 for the day's backup, 2 and up for the copies kept before a restore.
    int copy = 1;
};

// The backups of one station in a folder, newest first.
QList<BackupFile> stationBackups(const QString& folder, const QString& callsign);

// What a backup holds, as the restore window lists it.
struct BackupSummary
{
    BackupFile file;
    // Empty when the backup could be read; otherwise why not, in French.
    QString unreadable;
    qsizetype lineCount = 0;
    QString total;
};
BackupSummary summariseBackup(const BackupFile& file);

// Takes the backups of the logbook: the day's one before its first rewrite, and the copy of the
// log that a restore replaces. Each problem is told once per session and per folder: a backup
// that cannot be written never stops a contact from being saved.
class BackupKeeper
{
public:
    BackupKeeper(const Clock& clock, const SettingsStore& settings);

    // What could not be kept, folder by folder, and not yet told in this session.
    struct Problems
    {
        QStringList folders;
        QStringList messages;
    };
    // Keeps the log as it stands, before a rewrite, when the day has no backup of it yet; the log
    // is read (by readLog) only then. An empty log is never kept: its backup would only push a
    // good one out.
    Problems keepDay(const QString& appDir, const QString& callsign, const std::function<QByteArray()>& readLog);
    // The user was told of these folders' problems: not again in this session.
    void told(const QStringList& folders) { m_told += folders; }
    // Keeps the log that a restore is about to replace, in the program's folder only; false, with
    // the reason in error, when it could not be kept (the restore must then not happen).
    bool keepBeforeRestore(
        const QString& appDir, const QString& callsign, QByteArrayView current, QString* error);

private:
    QString keepIn(const QString& folder, bool isSecond, const QString& callsign,
        const std::function<QByteArrayView()>& bytes);

    const Clock& m_clock;
    const SettingsStore& m_settings;
    // The folders whose trouble the user has been told of in this session.
    QStringList m_told;
};
