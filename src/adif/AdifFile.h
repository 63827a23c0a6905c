#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>
#include <utility>

// ADIF, the format every logging program exchanges contacts in: ADI (tagged text) and ADX (XML).
// A record is its fields in the order they came; names are kept in capitals, and an application
// field of ADX (<APP PROGRAMID="KERLANIC" FIELDNAME="CP">) is named as in ADI (APP_KERLANIC_CP).
struct AdifRecord
{
    QList<std::pair<QString, QString>> fields;

    // The value of a field, empty when the record lacks it.
    QString value(QStringView name) const;
    bool has(QStringView name) const;
    void add(const QString& name, const QString& value) { fields.append({name, value}); }
};

struct AdifReadResult
{
    QList<AdifRecord> records;
    // Why the file cannot be imported, in French, naming the record and the line; empty when it
    // was read whole. A damaged file gives no record at all, not even those before the damage.
    QString error;
    // The user stopped the reading.
    bool cancelled = false;
};

// Told how far the reading has gone (bytes of the file); returns false to stop.
using AdifProgress = std::function<bool(qint64 done, qint64 total)>;

// Reads ADI or ADX, told apart by their first characters. Text is UTF-8, or Windows-1252 when the
// file is not valid UTF-8 (older loggers on Windows write ADI that way).
AdifReadResult readAdif(const QByteArray& bytes, const AdifProgress& progress = {});

// What the header of a written file names.
struct AdifHeader
{
    QString programVersion;
    QDateTime created; // UTC
};

// ADI text, pure ASCII: accented letters are folded to their base letters, and the fields that
// only ADX may carry (names ending in _INTL) are left out.
QByteArray writeAdi(const QList<AdifRecord>& records, const AdifHeader& header);
// ADX, UTF-8; application fields become <APP> elements.
QByteArray writeAdx(const QList<AdifRecord>& records, const AdifHeader& header);

// The text in ASCII: accents folded to their letters ("é" -> "e", "Œ" -> "OE"), typographic
// quotes and dashes to their plain forms; what has no plain form is left out.
QString asciiFolded(QStringView text);
