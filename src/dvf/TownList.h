#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class StationLog;

// The DVF town list "Liste_DVF.txt" in the program's folder, one town per line, Windows-1252:
//   1-3 département code (blank-padded), 4 blank, 5-9 postal code, 10- town name.
// A town with several postal codes has one line for each, one after the other.
inline const QString kTownListFileName = QStringLiteral("Liste_DVF.txt");

// What the DVF windows and the printout work from: the town list and, when asked for, the log.
// A file that is missing or cannot be read leaves its lines empty and adds a French sentence to
// problems, so the caller can say what is missing and still go on with what it has.
struct DvfSources
{
    QList<QByteArray> towns; // lines of the town list, blank lines left out
    QList<QByteArray> log; // lines of the station log
    QStringList problems;
};

DvfSources readTownList(const QString& appDir);
DvfSources readTownListAndLog(const QString& appDir, const StationLog& log, const QString& callsign);

// The lines of a town list file, blank ones left out: an editor's trailing empty line names no town.
QList<QByteArray> townLines(const QByteArray& contents);
