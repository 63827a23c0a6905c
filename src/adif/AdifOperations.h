#pragma once

#include "adif/AdifImport.h"
#include "adif/AdifLog.h"

#include <QString>

class Logbook;
class PostalBase;
class SettingsStore;
struct CommandLine;

// The two ADIF operations as the menu and the command line both run them.

// Writes a file the user named, whole or not at all (a scratch file beside it is renamed over it);
// never over a file the program keeps in appDir.
bool writeUserFile(const QString& path, const QByteArray& bytes, const QString& appDir, QString* why);

struct ExportDone
{
    bool written = false;
    // What the user is told: the summary, or why nothing was written.
    QString message;
};
// Writes the logbook's lines to path, safely (a failed write leaves an older file whole).
ExportDone exportToFile(
    const QList<QByteArray>& lines, const QString& path, const QString& appDir, const AdifHeader& header);

struct ImportDone
{
    bool written = false;
    // Why the log was left as it was, when it was.
    QString reason;
    ImportResult result;
};
// Writes every accepted change of the lines into the logbook in one rewrite; the lines take the
// outcomes they had against the log as it was read for the rewrite.
ImportDone applyImport(Logbook& logbook, QList<ImportLine>& lines);

// What a command gives back to the terminal.
struct TerminalAnswer
{
    int status = 0;
    QString output;
    QString error;
};

// Runs export-adif or import-adif on the folder appDir: the station of the command line or of the
// settings, a file name relative to the current folder. The import takes the folder's lock
// unless it only shows what it would do.
TerminalAnswer runAdifCommand(const CommandLine& line, const QString& appDir, const SettingsStore& settings,
    const AdifHeader& header, const PostalBase& base);
