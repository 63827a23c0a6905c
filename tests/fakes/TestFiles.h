#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Small helpers for tests that read and write the program's files.
namespace TestFiles {

QByteArray read(const QString& path);
void write(const QString& path, const QByteArray& bytes);

// A log record as the program writes it, from its fields (UTF-8 here, Windows-1252 in the file).
QByteArray record(const char* codePostal, const char* date, const char* callsign, char status,
    const char* mode, const char* band, const char* dfcf, const char* town);
// Joins records into a log file's contents, each line ended by CR LF.
QByteArray logOf(const QList<QByteArray>& records);

} // namespace TestFiles
