#include "log/StationLog.h"

#include "log/SafeFileWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

StationLog::StationLog(const QString& appDir, const QString& callsign)
    : m_appDir(appDir)
    , m_path(QDir(appDir).filePath(fileName(callsign)))
{ }

bool StationLog::exists() const
{
    return QFileInfo(m_path).isFile();
}

QList<QByteArray> splitLogLines(const QByteArray& contents)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    while (start < contents.size()) {
        qsizetype end = contents.indexOf('\n', start);
        const qsizetype next = end < 0 ? contents.size() : end + 1;
        if (end < 0)
            end = contents.size();
        qsizetype stop = end;
        if (stop > start && contents[stop - 1] == '\r' && end < contents.size())
            --stop;
        lines.append(contents.sliced(start, stop - start));
        start = next;
    }
    return lines;
}

QList<QByteArray> StationLog::readLines(QString* error) const
{
    QFile file(m_path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Le fichier %1 ne peut pas être lu (%2).")
                         .arg(QDir::toNativeSeparators(m_path), file.errorString());
        return {};
    }
    return splitLogLines(file.readAll());
}

bool Nom_Fichier_Log(const QString& appDir, const QString& callsign, QString* error)
{
    const QDir dir(appDir);
    QByteArray contents;
    QFile templateFile(dir.filePath(StationLog::templateFileName()));
    if (templateFile.open(QIODevice::ReadOnly))
        contents = templateFile.readAll();
    return writeFileSafely(dir.filePath(StationLog::fileName(callsign)),
        dir.filePath(StationLog::scratchFileName()), contents, error);
}
