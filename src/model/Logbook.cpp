#include "model/Logbook.h"

#include "log/FileCalls.h"
#include "log/Points.h"
#include "log/SafeFileWriter.h"

#include <QDir>

Logbook::Logbook(QString appDir, QObject* parent)
    : QObject(parent)
    , m_appDir(std::move(appDir))
    , m_total(Total_Points(QList<QByteArray> {}))
{ }

void Logbook::setStation(const QString& callsign, const QString& postalCode)
{
    m_callsign = callsign;
    m_postalCode = postalCode;
    // The old station's lines must not be taken for the new one's, even for a moment.
    const bool hadLines = !m_lines.isEmpty();
    m_lines.clear();
    Ligne_Choisie.clear();
    Modif_En_Cours = false;
    // Undoing is for the log the changes were made to.
    m_history.clear();
    updateTotal();
    // What follows the log (the map) lets the old lines go now: when the new log is empty, reading
    // it changes nothing that would tell them.
    if (hadLines)
        Q_EMIT logChanged(m_lines);
    Q_EMIT stationChanged();
    Q_EMIT historyChanged();
}

void Logbook::updateTotal()
{
    const QString total = Total_Points(m_lines);
    if (total == m_total)
        return;
    m_total = total;
    Q_EMIT totalChanged(m_total);
}

const QList<QByteArray>& Logbook::read(QString* error)
{
    QString readError;
    QList<QByteArray> lines = stationLog().readLines(&readError);
    if (error)
        *error = readError;
    takeLines(std::move(lines));
    return m_lines;
}

void Logbook::takeLines(QList<QByteArray> lines)
{
    const bool changed = lines != m_lines;
    m_lines = std::move(lines);
    if (!changed)
        return;
    Q_EMIT logChanged(m_lines);
    updateTotal();
}

void Logbook::keepBackups(const Clock& clock, const SettingsStore& settings)
{
    m_backups.emplace(clock, settings);
}

RewriteResult Logbook::took(RewriteResult result, const QString& what)
{
    if (!result.done)
        return result;
    if (!m_replaying) {
        m_history.record(result.previousLines, result.lines, what);
        Q_EMIT historyChanged();
    }
    takeLines(result.lines);
    return result;
}

BackupKeeper::Problems Logbook::keepTheDaysBackup()
{
    // Before the rewrite starts, from the log as it stands: a program stopped in the middle of the
    // day's first change still leaves the day's backup behind.
    if (!m_backups)
        return {};
    return m_backups->keepDay(m_appDir, m_callsign, [this] { return stationLog().readBytes(); });
}

RewriteResult Logbook::withBackup(const std::function<RewriteResult()>& rewrite, const QString& what)
{
    const BackupKeeper::Problems problems = keepTheDaysBackup();
    RewriteResult result = took(rewrite(), what);
    // A backup that could not be kept is told once the change is in the log, as the message says;
    // when the change failed too, its own message is enough, and the backup is tried again next
    // time.
    if (result.done && !problems.messages.isEmpty()) {
        m_backups->told(problems.folders);
        Q_EMIT backupNotKept(problems.messages.join(QStringLiteral("\r\n\r\n")));
    }
    return result;
}

RewriteResult Logbook::replay(bool back)
{
    if (back ? !canUndo() : !canRedo())
        return {false, QStringLiteral("Il n'y a rien à reprendre."), {}};
    m_replaying = true;
    RewriteResult result = withBackup(
        [&] { return rewriteLog(stationLog(), back ? m_history.undoChange() : m_history.redoChange()); });
    m_replaying = false;
    if (result.done) {
        back ? m_history.stepBack() : m_history.stepForward();
        // The chosen line may be gone, or back: the user chooses again.
        Ligne_Choisie.clear();
        Q_EMIT historyChanged();
    }
    return result;
}

RewriteResult Logbook::undo()
{
    return replay(true);
}

RewriteResult Logbook::redo()
{
    return replay(false);
}

RewriteResult Logbook::restore(const BackupFile& backup, const QString& what)
{
    const auto refused = [](const QString& reason) { return RewriteResult {false, reason, {}}; };
    const StationLog log = stationLog();
    QString error;
    const QByteArray current = log.readBytes(&error);
    if (!error.isEmpty())
        return refused(error);
    QByteArray bytes;
    if (const int code = FileCalls::readWhole(backup.path, bytes))
        return refused(QStringLiteral("La sauvegarde %1 ne peut pas être lue (%2).")
                           .arg(QDir::toNativeSeparators(backup.path), FileCalls::errorText(code)));
    // The log being replaced is kept first: a restore chosen by mistake loses nothing.
    if (m_backups && !m_backups->keepBeforeRestore(m_appDir, m_callsign, current, &error))
        return refused(QStringLiteral("Le carnet actuel n'a pas pu être gardé en sauvegarde (%1) : il "
                                      "n'est pas remplacé.")
                           .arg(error));
    if (!writeFileSafely(log.path(), QDir(m_appDir).filePath(StationLog::scratchFileName()), bytes, &error))
        return refused(QStringLiteral("Le carnet n'a pas été remplacé (%1).").arg(error));
    return took({true, {}, splitLogLines(bytes), splitLogLines(current)}, what);
}

RewriteResult Logbook::Ajoute_Ligne(const QByteArray& record)
{
    return withBackup([&] { return ::Ajoute_Ligne(stationLog(), record); });
}

RewriteResult Logbook::Remplace_Ligne(const QByteArray& record, const LineMatcher& isChosen)
{
    return withBackup([&] { return ::Remplace_Ligne(stationLog(), record, isChosen); });
}

RewriteResult Logbook::Supprime_Ligne(const LineMatcher& isChosen)
{
    return withBackup([&] { return ::Supprime_Ligne(stationLog(), isChosen); });
}

RewriteResult Logbook::rewriteLines(const LinesChange& change, const QString& what)
{
    return withBackup([&] { return ::rewriteLines(stationLog(), change); }, what);
}
