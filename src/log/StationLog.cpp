#include "log/StationLog.h"

#include "log/FileCalls.h"
#include "log/SafeFileWriter.h"

#include <QDir>

#include <algorithm>
#include <cerrno>

StationLog::StationLog(const QString& appDir, const QString& callsign)
    : m_appDir(appDir)
    , m_path(QDir(appDir).filePath(fileName(callsign)))
{ }

bool StationLog::exists() const
{
    // Only a log that is surely absent may be created afresh: a disk that cannot even say whether
    // it is there must not get the template written over it.
    return FileCalls::lookUp(m_path) != ENOENT;
}

QList<QByteArray> splitLogLines(const QByteArray& contents)
{
    // Lines are counted first so that the list is allocated once: a log of a million lines must
    // not be copied each time the list grows.
    const auto isEnd = [](char c) { return c == '\n' || c == '\r'; };
    const char* const begin = contents.cbegin();
    const char* const end = contents.cend();
    qsizetype count = 0;
    for (const char* at = begin; at < end; ++at) {
        if (isEnd(*at) && !(*at == '\r' && at + 1 < end && at[1] == '\n'))
            ++count;
    }
    QList<QByteArray> lines;
    lines.reserve(count + 1);
    // CR LF, LF alone and CR alone each end a line: logs typed on every kind of machine are read.
    const char* start = begin;
    while (start < end) {
        const char* stop = std::find_if(start, end, isEnd);
        lines.append(QByteArray(start, stop - start));
        if (stop < end && *stop == '\r' && stop + 1 < end && stop[1] == '\n')
            ++stop;
        start = stop + 1;
    }
    return lines;
}

QList<QByteArray> StationLog::readLines(QString* error) const
{
    QByteArray contents;
    const int code = FileCalls::readWhole(m_path, contents);
    // Only a log that is not there at all reads as empty. One that is there but cannot be read to
    // its end is an error, so that no rewrite ever starts from part of it.
    if (code != 0 && code != ENOENT && error)
        *error = QStringLiteral("Le fichier %1 ne peut pas être lu (%2).")
                     .arg(QDir::toNativeSeparators(m_path), FileCalls::errorText(code));
    return splitLogLines(contents);
}

bool Nom_Fichier_Log(const QString& appDir, const QString& callsign, QString* error)
{
    const QDir dir(appDir);
    QByteArray contents;
    const int code = FileCalls::readWhole(dir.filePath(StationLog::templateFileName()), contents);
    if (code != 0 && code != ENOENT) {
        if (error)
            *error = QStringLiteral("le modèle %1 ne peut pas être lu (%2)")
                         .arg(StationLog::templateFileName(), FileCalls::errorText(code));
        return false;
    }
    return writeFileSafely(dir.filePath(StationLog::fileName(callsign)),
        dir.filePath(StationLog::scratchFileName()), contents, error);
}
