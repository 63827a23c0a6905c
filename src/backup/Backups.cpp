#include "backup/Backups.h"

#include "app/StationSettings.h"
#include "log/FileCalls.h"
#include "log/Points.h"
#include "log/SafeFileWriter.h"
#include "log/StationLog.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <optional>

namespace {

const QString kDateForm = QStringLiteral("yyyy-MM-dd");

// Writes one backup through the safe writer. Its scratch file is named after it: a second folder
// is the user's, and a file of theirs called like our usual scratch file is not ours to remove.
bool writeBackup(const QString& path, QByteArrayView bytes, QString* error)
{
    return writeFileSafely(path, path + QStringLiteral(".Temporaire"), bytes, error);
}

// Removes what is past the newest kBackupsKept of a station.
void prune(const QString& folder, const QString& callsign)
{
    const QList<BackupFile> backups = stationBackups(folder, callsign);
    for (qsizetype i = kBackupsKept; i < backups.size(); ++i)
        QFile::remove(backups[i].path);
}

} // namespace

QString backupFolder(const QString& appDir)
{
    return QDir(appDir).filePath(QStringLiteral("Sauvegardes"));
}

QString backupFileName(const QString& callsign, QDate date, int copy)
{
    QString name = StationLog::fileName(callsign);
    name.chop(4);
    name += u'_' + date.toString(kDateForm);
    if (copy > 1)
        name += u'_' + QString::number(copy);
    return name + QStringLiteral(".txt");
}

QList<BackupFile> stationBackups(const QString& folder, const QString& callsign)
{
    // F6ABC_CP_… only: the backups of F6ABC_P (F6ABC_P_CP_…) are another station's.
    const QRegularExpression pattern(QStringLiteral("^%1_CP_(\\d{4}-\\d{2}-\\d{2})(?:_(\\d+))?\\.txt$")
                                         .arg(QRegularExpression::escape(callsign)));
    QList<BackupFile> backups;
    const QDir dir(folder);
    const QStringList names = dir.entryList(QDir::Files | QDir::System);
    for (const QString& name : names) {
        const QRegularExpressionMatch match = pattern.match(name);
        const QDate date = QDate::fromString(match.captured(1), kDateForm);
        // A dangling link is listed, as a backup that cannot be read; a pipe or a device called
        // like a backup is not, since reading it could wait for ever.
        const QFileInfo info(dir.filePath(name));
        if (!match.hasMatch() || !date.isValid() || !(info.isFile() || (info.isSymLink() && !info.exists())))
            continue;
        const int copy = match.captured(2).isEmpty() ? 1 : match.captured(2).toInt();
        backups.append({dir.filePath(name), date, copy});
    }
    std::sort(backups.begin(), backups.end(), [](const BackupFile& a, const BackupFile& b) {
        return a.date != b.date ? a.date > b.date : a.copy > b.copy;
    });
    return backups;
}

BackupSummary summariseBackup(const BackupFile& file)
{
    BackupSummary summary {file, {}, 0, {}};
    // A backup is read the way a log is, to its end: one that cannot be is not offered.
    QByteArray bytes;
    if (const int code = FileCalls::readWhole(file.path, bytes)) {
        summary.unreadable = FileCalls::errorText(code);
        return summary;
    }
    const QList<QByteArray> lines = splitLogLines(bytes);
    summary.lineCount = lines.size();
    summary.total = Total_Points(lines);
    return summary;
}

BackupKeeper::BackupKeeper(const Clock& clock, const SettingsStore& settings)
    : m_clock(clock)
    , m_settings(settings)
{ }

BackupKeeper::Problems BackupKeeper::keepDay(
    const QString& appDir, const QString& callsign, const std::function<QByteArray()>& readLog)
{
    // Read once, and only when a folder lacks the day's backup: most rewrites of a day need none.
    std::optional<QByteArray> before;
    const auto bytes = [&]() -> QByteArrayView {
        if (!before)
            before = readLog();
        return *before;
    };
    // The second folder is given the day's backup itself, when the first folder has it: a key
    // plugged in late in the day must not hold, under the day's name, the log of a later moment.
    std::optional<QByteArray> daysBackup;
    const auto daysBytes = [&]() -> QByteArrayView {
        if (!daysBackup) {
            const QString first
                = QDir(backupFolder(appDir)).filePath(backupFileName(callsign, m_clock.localNow().date()));
            QByteArray read;
            daysBackup
                = FileCalls::readWhole(first, read) == 0 && !read.isEmpty() ? read : bytes().toByteArray();
        }
        return *daysBackup;
    };
    Problems problems;
    const auto keep = [&](const QString& folder, bool isSecond) {
        const QString problem = isSecond ? keepIn(folder, isSecond, callsign, daysBytes)
                                         : keepIn(folder, isSecond, callsign, bytes);
        if (!problem.isEmpty() && !m_told.contains(folder)) {
            problems.folders << folder;
            problems.messages << problem;
        }
    };
    keep(backupFolder(appDir), false);
    const QString second = m_settings.read(StationSettings::kGlobalSection, kDossierSauvegarde, {}).trimmed();
    if (!second.isEmpty())
        keep(second, true);
    return problems;
}

QString BackupKeeper::keepIn(const QString& folder, bool isSecond, const QString& callsign,
    const std::function<QByteArrayView()>& bytes)
{
    const QString path = QDir(folder).filePath(backupFileName(callsign, m_clock.localNow().date()));
    const QString shown = QDir::toNativeSeparators(folder);
    // The day's backup is the log as it stood before the day's first change: later changes of
    // the day, in this session or the next, never replace it.
    if (QFileInfo::exists(path) || bytes().isEmpty())
        return {};
    // The program's own folder is made when missing. A second folder never is: a USB key that is
    // not plugged in must not turn into a folder on the computer's own disk.
    if (!isSecond && !QDir().mkpath(folder))
        return QStringLiteral("Le dossier des sauvegardes %1 n'a pas pu être créé : la sauvegarde du jour "
                              "n'est pas faite.")
            .arg(shown);
    if (isSecond && !QFileInfo(folder).isDir())
        return QStringLiteral("Le dossier de sauvegarde %1 n'est pas accessible : la sauvegarde du jour n'y "
                              "est pas copiée. Vos contacts sont enregistrés dans le carnet.")
            .arg(shown);
    QString error;
    if (!writeBackup(path, bytes(), &error))
        return QStringLiteral("La sauvegarde du jour n'a pas pu être écrite dans le dossier %1 : %2. Vos "
                              "contacts sont enregistrés dans le carnet.")
            .arg(shown, error);
    prune(folder, callsign);
    return {};
}

bool BackupKeeper::keepBeforeRestore(
    const QString& appDir, const QString& callsign, QByteArrayView current, QString* error)
{
    if (current.isEmpty())
        return true;
    const QString folder = backupFolder(appDir);
    const QDate today = m_clock.localNow().date();
    int copy = 1;
    for (const BackupFile& backup : stationBackups(folder, callsign)) {
        if (backup.date == today)
            copy = std::max(copy, backup.copy + 1);
    }
    QString reason;
    if (!QDir().mkpath(folder)) {
        reason = QStringLiteral("le dossier %1 n'a pas pu être créé").arg(QDir::toNativeSeparators(folder));
    } else if (writeBackup(QDir(folder).filePath(backupFileName(callsign, today, copy)), current, &reason)) {
        prune(folder, callsign);
        return true;
    }
    if (error)
        *error = reason;
    return false;
}
