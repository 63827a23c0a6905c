#include "TestFiles.h"

#include "log/Cp1252.h"

#include <QFile>
#include <QTest>

namespace TestFiles {

QByteArray read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

namespace {
QString padded(const char* text, int width)
{
    return QString::fromUtf8(text).leftJustified(width, QLatin1Char(' '));
}
} // namespace

QByteArray record(const char* codePostal, const char* date, const char* callsign, char status,
    const char* mode, const char* band, const char* dfcf, const char* town)
{
    const QString line = padded(codePostal, 5) + u' ' + padded(date, 8) + u' ' + padded(callsign, 12) + u' '
        + QLatin1Char(status) + u' ' + padded(mode, 6) + u' ' + padded(band, 7) + u' ' + padded(dfcf, 5)
        + QString::fromUtf8(town);
    return Cp1252::encode(line).value_or(QByteArray("unencodable test record"));
}

QByteArray logOf(const QList<QByteArray>& records)
{
    QByteArray contents;
    for (const QByteArray& line : records)
        contents += line + "\r\n";
    return contents;
}

} // namespace TestFiles
