#pragma once

#include "backup/Backups.h"
#include "backup/UndoHistory.h"
#include "log/Callsign.h"
#include "log/LogRewriter.h"
#include "log/StationLog.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

// The open log and the state the whole program shares about it: the station in use, the log's
// lines as last read or written, its 10 Millions total, the line chosen in a listing, the
// modification in progress, the DVF count and the date on the clock. Every window reads and
// changes the log through this one object and follows its signals; no window asks another.
class Logbook : public QObject
{
    Q_OBJECT

public:
    explicit Logbook(QString appDir, QObject* parent = nullptr);

    // The folder that holds the program's files (logs, template, town list, reports).
    const QString& appDir() const { return m_appDir; }

    // The current station callsign, stored form; it names the log in use.
    const QString& Indicatif_Station() const { return m_callsign; }
    // Its own postal code, as the banner shows it.
    const QString& stationPostalCode() const { return m_postalCode; }
    StationLog stationLog() const { return StationLog(m_appDir, m_callsign); }
    // Works from now on with another station's log; its lines are read by whoever lists them.
    void setStation(const QString& callsign, const QString& postalCode);

    // Reads the log anew (what each window does as it opens, and each look-up). A log that does
    // not exist reads as empty; one that exists but cannot be read gives no line, and error (when
    // given) receives the reason in French.
    const QList<QByteArray>& read(QString* error = nullptr);
    // The log as last read or written.
    const QList<QByteArray>& lines() const { return m_lines; }
    // Tot_Points: the 10 Millions total of those lines, "##0.0".
    const QString& total() const { return m_total; }

    // The three changes of the log. Each one rewrites the file safely; when it is done, the
    // lines and the total follow.
    RewriteResult Ajoute_Ligne(const QByteArray& record);
    RewriteResult Remplace_Ligne(const QByteArray& record, const LineMatcher& isChosen);
    RewriteResult Supprime_Ligne(const LineMatcher& isChosen);
    // Many lines changed in one rewrite (an import), the same safe way; what names it for undo.
    RewriteResult rewriteLines(const LinesChange& change, const QString& what = {});

    // From now on every rewrite also keeps the day's backup of the log as it stood before it
    // (date from the clock, second folder from the settings). Without it, as in the tests of
    // other parts, none is kept.
    void keepBackups(const Clock& clock, const SettingsStore& settings);

    // The changes of this session to the current station's log, undone and redone in turn. Each
    // is a rewrite like any other; the question names what it will undo or redo.
    bool canUndo() const { return m_history.canUndo(); }
    bool canRedo() const { return m_history.canRedo(); }
    QString undoQuestion() const { return m_history.undoQuestion(); }
    QString redoQuestion() const { return m_history.redoQuestion(); }
    RewriteResult undo();
    RewriteResult redo();

    // Puts a backup in the log's place, byte for byte, after keeping the log it replaces as a
    // backup of its own; what names the change for a later undo.
    RewriteResult restore(const BackupFile& backup, const QString& what);

    // True while a listed line is being modified: the save then replaces instead of adding.
    bool Modif_En_Cours = false;
    // The listing line chosen last, by a click or by the save that selects the last line.
    QString Ligne_Choisie;
    // Confirmed DVF towns found by the last results window or printout.
    int Nb_Villes_Confirmees = 0;
    // The date the clock shows ("dd/mm/yy"), empty until its first tick.
    QString dateShown;

Q_SIGNALS:
    // Another station's log is now in use.
    void stationChanged();
    // The lines of the log changed, read or written.
    void logChanged(const QList<QByteArray>& lines);
    void totalChanged(const QString& total);
    // What can be undone or redone changed.
    void historyChanged();
    // A backup could not be kept; the user is to be told (once per folder and session).
    void backupNotKept(const QString& message);

private:
    void takeLines(QList<QByteArray> lines);
    void updateTotal();
    // Where every rewrite of the log lands: the step of the history, then the lines and the
    // total. (The day's backup is taken before the rewrite starts.)
    RewriteResult took(RewriteResult result, const QString& what = {});
    RewriteResult replay(bool back);
    // The day's backup of the log, when the day has none yet.
    BackupKeeper::Problems keepTheDaysBackup();
    // A rewrite preceded by the day's backup.
    RewriteResult withBackup(const std::function<RewriteResult()>& rewrite, const QString& what = {});

    QString m_appDir;
    QString m_callsign = kDefaultCallsign;
    QString m_postalCode;
    QList<QByteArray> m_lines;
    QString m_total;
    std::optional<BackupKeeper> m_backups;
    UndoHistory m_history;
    bool m_replaying = false;
};
