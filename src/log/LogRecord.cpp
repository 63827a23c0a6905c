#include "log/LogRecord.h"

#include "log/Cp1252.h"

#include <limits>

QByteArrayView fieldBytes(QByteArrayView line, LogField field)
{
    const LogColumn& column = logColumn(field);
    if (line.size() <= column.start)
        return {};
    const qsizetype available = line.size() - column.start;
    return line.sliced(column.start, column.width == 0 ? available : std::min(column.width, available));
}

qint64 numericValue(QByteArrayView text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    qint64 value = 0;
    constexpr qint64 limit = std::numeric_limits<qint64>::max() / 10 - 9;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value > limit)
            break; // far beyond any postal code or reference; keep what was read
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

qint64 postalCodeValue(QByteArrayView postalCode)
{
    // Read in place, without building "20xxx": every listing, total and rewrite takes it for
    // each line of the log.
    if (postalCode.size() >= 2 && postalCode[0] == '2') {
        const char second = postalCode[1];
        if (second == 'A' || second == 'B' || second == 'a' || second == 'b') {
            qint64 value = 20;
            for (const char c : postalCode.last(std::min<qsizetype>(3, postalCode.size() - 2))) {
                if (c < '0' || c > '9')
                    break;
                value = value * 10 + (c - '0');
            }
            return value;
        }
    }
    return numericValue(postalCode);
}

qint64 sortKey(QByteArrayView line)
{
    return postalCodeValue(fieldBytes(line, LogField::CodePostal));
}

LogRecord LogRecord::fromLine(QByteArrayView line)
{
    LogRecord record;
    for (const LogColumn& column : kLogColumns)
        record[column.field] = Cp1252::decode(fieldBytes(line, column.field));
    return record;
}

std::optional<LogRecord::Misfit> LogRecord::misfit() const
{
    for (const LogColumn& column : kLogColumns) {
        const QString& value = (*this)[column.field];
        if (column.width > 0 && value.size() > column.width)
            return Misfit {column.field, {}};
        // A character outside the one byte the log gives it: a control character, or one that
        // Windows-1252 lacks (a pair of surrogates is one character), looked for one by one only
        // once the field as a whole cannot be written.
        const bool encodable = Cp1252::canEncode(value);
        for (qsizetype i = 0; i < value.size(); ++i) {
            const QChar c = value[i];
            const qsizetype length = c.isHighSurrogate() && i + 1 < value.size() ? 2 : 1;
            const QStringView character = QStringView(value).sliced(i, length);
            if (c.unicode() < 0x20 || c.unicode() == 0x7f || (!encodable && !Cp1252::canEncode(character)))
                return Misfit {column.field, character.toString()};
        }
    }
    return std::nullopt;
}

std::optional<QByteArray> LogRecord::toLine() const
{
    if (misfit())
        return std::nullopt;
    QString line;
    line.reserve(kRecordLengthWithoutTown + (*this)[LogField::Commune].size());
    for (const LogColumn& column : kLogColumns) {
        const QString& value = (*this)[column.field];
        line += QString(column.start - line.size(), QLatin1Char(' '));
        line += value;
        if (column.width > 0)
            line += QString(column.width - value.size(), QLatin1Char(' '));
    }
    return Cp1252::encode(line);
}
