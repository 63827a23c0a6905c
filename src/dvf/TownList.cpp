#include "dvf/TownList.h"

#include "log/Callsign.h"
#include "log/StationLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QList<QByteArray> townLines(const QByteArray& contents)
{
    QList<QByteArray> lines = splitLogLines(contents);
    lines.removeIf([](const QByteArray& line) { return line.trimmed().isEmpty(); });
    return lines;
}

DvfSources readTownList(const QString& appDir)
{
    DvfSources sources;
    const QDir dir(appDir);
    QFile file(dir.filePath(kTownListFileName));
    if (!file.exists()) {
        sources.problems << QStringLiteral(
            "La liste des villes du DVF, %1, est introuvable dans le dossier %2.")
                                .arg(kTownListFileName, QDir::toNativeSeparators(dir.path()));
    } else if (!file.open(QIODevice::ReadOnly)) {
        sources.problems << QStringLiteral("Le fichier %1 ne peut pas être lu (%2).")
                                .arg(QDir::toNativeSeparators(file.fileName()), file.errorString());
    } else {
        sources.towns = townLines(file.readAll());
    }
    return sources;
}

DvfSources readTownListAndLog(const QString& appDir, const StationLog& log, const QString& callsign)
{
    DvfSources sources = readTownList(appDir);
    // A log that is there but cannot be read is told apart from a missing one by readLines().
    if (!QFileInfo::exists(log.path())) {
        sources.problems << QStringLiteral(
            "Le carnet de la station %1, %2, est introuvable dans le dossier %3.")
                                .arg(displayCallsign(callsign), StationLog::fileName(callsign),
                                    QDir::toNativeSeparators(QDir(appDir).path()));
        return sources;
    }
    QString error;
    sources.log = log.readLines(&error);
    if (!error.isEmpty())
        sources.problems << error;
    return sources;
}
