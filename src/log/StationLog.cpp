#include "log/StationLog.h"

#include "log/FileCalls.h"
#include "log/SafeFileWriter.h"

#include <QDir>

#include <algorithm>
#include <cerrno>
#include <cstring>

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
    // Every window and every rewrite reads the whole log, so the lines are not copied out one by
    // one: each line is a QByteArray that shares the bytes just read, as implicitly shared Qt
    // arrays do, only starting and ending where the line does. The buffer lives as long as one of
    // its lines; writing to a line copies it first, as for any shared QByteArray. Such a line is
    // not followed by a NUL byte, which nothing reading the log relies on (everything goes by
    // size).
    QByteArray buffer = contents;
    QByteArray::DataPointer& shared = buffer.data_ptr();
    QTypedArrayData<char>* const header = shared.d_ptr();
    const char* const begin = buffer.cbegin();
    const char* const end = buffer.cend();
    const auto lineOf = [&](const char* from, const char* to) {
        if (!header) // bytes the array does not own: copied
            return QByteArray(from, to - from);
        // The line's own reference to the buffer is counted below, for all lines at once.
        return QByteArray(QByteArray::DataPointer(header, const_cast<char*>(from), to - from));
    };
    // memchr finds line ends many bytes at a time. The list is sized from the LF count once, so
    // that a large log is not copied as it grows.
    const auto find = [](const char* from, const char* to, char c) {
        const void* at = from < to ? std::memchr(from, c, std::size_t(to - from)) : nullptr;
        return at ? static_cast<const char*>(at) : to;
    };
    qsizetype count = 1;
    for (const char* at = find(begin, end, '\n'); at < end; at = find(at + 1, end, '\n'))
        ++count;
    QList<QByteArray> lines;
    lines.reserve(count);
    // CR LF, LF alone and CR alone each end a line: logs typed on every kind of machine are read.
    const char* start = begin;
    while (start < end) {
        const char* const lf = find(start, end, '\n');
        const char* const cr = find(start, lf, '\r');
        lines.append(lineOf(start, cr));
        // A CR ends the line alone unless an LF follows it.
        start = (cr < lf && cr + 1 != lf) ? cr + 1 : std::min(lf + 1, end);
    }
    if (header)
        header->ref_.fetchAndAddRelaxed(int(lines.size()));
    return lines;
}

QList<QByteArray> StationLog::readLines(QString* error) const
{
    return splitLogLines(readBytes(error));
}

QByteArray StationLog::readBytes(QString* error) const
{
    QByteArray contents;
    const int code = FileCalls::readWhole(m_path, contents);
    // Only a log that is not there at all reads as empty. One that is there but cannot be read to
    // its end is an error, so that no rewrite ever starts from part of it.
    if (code != 0 && code != ENOENT && error)
        *error = QStringLiteral("Le fichier %1 ne peut pas être lu (%2).")
                     .arg(QDir::toNativeSeparators(m_path), FileCalls::errorText(code));
    if (code != 0)
        contents.clear();
    return contents;
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
