#include "adif/AdifOperations.h"

#include "app/AppDir.h"
#include "app/CommandLine.h"
#include "app/SingleCopy.h"
#include "app/StationSettings.h"
#include "log/Callsign.h"
#include "log/SafeFileWriter.h"
#include "model/Logbook.h"
#include "platform/SystemClock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

namespace {

TerminalAnswer failed(const QString& why)
{
    return {1, {}, QStringLiteral("kerlanic : %1\n").arg(why)};
}

// The station of --station in the form that names its log (F5XYZ/P -> F5XYZ_P).
QString storedStation(const QString& typed)
{
    return typed.trimmed().toUpper().replace(u'/', u'_');
}

} // namespace

bool writeUserFile(const QString& path, const QByteArray& bytes, const QString& appDir, QString* why)
{
    if (isKeptByKerlanic(path, appDir)) {
        *why = QStringLiteral("c'est un fichier que Kerlanic tient (un carnet, une sauvegarde ou un "
                              "fichier du programme) ; choisissez un autre nom");
        return false;
    }
    const QFileInfo info(path);
    return writeFileSafely(path,
        info.dir().filePath(QStringLiteral(".") + info.fileName() + QStringLiteral(".part")), bytes, why);
}

ExportDone exportToFile(
    const QList<QByteArray>& lines, const QString& path, const QString& appDir, const AdifHeader& header)
{
    const AdifExport done = exportLog(lines, adifFormatOf(path), header);
    QString why;
    if (!writeUserFile(path, done.bytes, appDir, &why))
        return {false,
            QStringLiteral("Le fichier %1 n'a pas pu être écrit : %2")
                .arg(QDir::toNativeSeparators(path), why)};
    return {true, exportSummary(done, QDir::toNativeSeparators(path))};
}

ImportDone applyImport(Logbook& logbook, QList<ImportLine>& lines)
{
    ImportDone done;
    const RewriteResult rewrite
        = logbook.rewriteLines([&](QList<QByteArray>& log) { done.result = mergeImport(lines, log); },
            QStringLiteral("l'import du fichier ADIF"));
    done.written = rewrite.done;
    done.reason = rewrite.reason;
    return done;
}

TerminalAnswer runAdifCommand(const CommandLine& line, const QString& appDir, const SettingsStore& settings,
    const AdifHeader& header, const PostalBase& base)
{
    const QString callsign
        = line.station.isEmpty() ? StationSettings::storedCallsign(settings) : storedStation(line.station);
    if (!isStoredCallsign(callsign))
        return failed(QStringLiteral("« %1 » n'est pas un indicatif.").arg(line.station));
    Logbook logbook(appDir);
    logbook.setStation(callsign, {});
    if (!QFileInfo(logbook.stationLog().path()).isFile())
        return failed(QStringLiteral("Le carnet de %1 n'existe pas dans le dossier %2.")
                          .arg(displayCallsign(callsign), QDir::toNativeSeparators(appDir)));
    QString readError;
    logbook.read(&readError);
    if (!readError.isEmpty())
        return failed(readError);
    const QString path = QFileInfo(line.operands.value(0)).absoluteFilePath();

    if (line.command == Command::ExportAdif) {
        const ExportDone done = exportToFile(logbook.lines(), path, appDir, header);
        return done.written ? TerminalAnswer {0, done.message + u'\n', {}} : failed(done.message);
    }

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed(
            QStringLiteral("Le fichier %1 ne peut pas être lu.").arg(QDir::toNativeSeparators(path)));
    const AdifReadResult read = readAdif(file.readAll());
    if (!read.error.isEmpty())
        return failed(
            QStringLiteral("%1\n%2\nRien n'est importé.").arg(QDir::toNativeSeparators(path), read.error));
    ImportProposal proposal = proposeImport(read.records, base, header.created.date());

    if (line.dryRun) {
        QList<QByteArray> log = logbook.lines();
        const ImportResult result = mergeImport(proposal.lines, log);
        return {0,
            importListing(proposal.lines)
                + QStringLiteral(
                    "\nEssai : rien n'est écrit dans le carnet ; voici ce que ferait l'import.\n")
                + importSummary(result, proposal),
            {}};
    }

    // The window of a Kerlanic open on this folder would go on showing the log as it was, and its
    // next save would write over what is imported now.
    QLockFile lock(appDirLockPath(appDir));
    if (QString refusal = claimAppDir(lock, appDir); !refusal.isEmpty())
        return failed(refusal.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    // The whole log is rewritten: the day's backup is kept first, as in the window.
    const SystemClock clock;
    logbook.keepBackups(clock, settings);
    QString notKept;
    QObject::connect(
        &logbook, &Logbook::backupNotKept, [&](const QString& message) { notKept = message + u'\n'; });
    const ImportDone done = applyImport(logbook, proposal.lines);
    if (!done.written)
        return failed(QStringLiteral("%1\nRien n'est importé.").arg(done.reason));
    return {0, importSummary(done.result, proposal), notKept};
}
