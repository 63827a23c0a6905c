#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <optional>

// One line of a station log. Its columns are described once, in kLogColumns; reading and
// writing are both derived from that table.
enum class LogField { CodePostal, DateQso, Indicatif, Etat_QSL, Mode, Bande, RefDFCF, Commune };

struct LogColumn
{
    LogField field;
    qsizetype start; // 0-based character position in the line
    qsizetype width; // 0: runs to the end of the line
};

inline constexpr std::array<LogColumn, 8> kLogColumns {{
    {LogField::CodePostal, 0, 5},
    {LogField::DateQso, 6, 8},
    {LogField::Indicatif, 15, 12},
    {LogField::Etat_QSL, 28, 1},
    {LogField::Mode, 30, 6},
    {LogField::Bande, 37, 7},
    {LogField::RefDFCF, 45, 5},
    {LogField::Commune, 50, 0},
}};

// Length of a record whose town is empty.
inline constexpr qsizetype kRecordLengthWithoutTown = 50;

constexpr const LogColumn& logColumn(LogField field)
{
    return kLogColumns[static_cast<std::size_t>(field)];
}

// The bytes of one field as they stand in the line, trailing blanks included; the characters a
// short line lacks are simply absent.
QByteArrayView fieldBytes(QByteArrayView line, LogField field);

// The value of the leading decimal digits after leading blanks, 0 when there are none
// (45000 -> 45000, 2A004 -> 2, "" -> 0).
qint64 numericValue(QByteArrayView text);

// The numeric value of a postal code, a code beginning with 2A, 2B, 2a or 2b (Corsica) read as
// 20 followed by its last three characters (2A004 -> 20004, 45000 -> 45000).
qint64 postalCodeValue(QByteArrayView postalCode);

// Sort key of a log line: the numeric value of its postal code, Corsica counting as 20xxx.
qint64 sortKey(QByteArrayView line);

struct LogRecord
{
    std::array<QString, kLogColumns.size()> fields;

    QString& operator[](LogField field) { return fields[static_cast<std::size_t>(field)]; }
    const QString& operator[](LogField field) const { return fields[static_cast<std::size_t>(field)]; }

    // Every field read back by its position and width, trailing blanks included.
    static LogRecord fromLine(QByteArrayView line);

    // The line as it is written to the log (without line end): each field padded with blanks to
    // its width. Empty when a field is longer than its column, holds a control character or a
    // character that Windows-1252 cannot store: such a record would shift or break the columns.
    std::optional<QByteArray> toLine() const;

    // Why toLine() gives nothing: the first field longer than its column (`character` empty), or
    // holding a character the log cannot keep (that character). Empty when the record makes a line.
    struct Misfit
    {
        LogField field;
        QString character;
    };
    std::optional<Misfit> misfit() const;
};
