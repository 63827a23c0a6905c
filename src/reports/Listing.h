#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

class StationLog;

// The main window's listing: one fixed-column line per log record. Modifying and cancelling
// read a clicked line back by these columns, so the layout is an interface:
//   1-6 "   CP ", 7-11 postal code, 13-20 date, 23-34 callsign, 37-41 DFCF reference,
//   44-49 mode, 52-58 band, 62-69 QSL flags ("O      N"), 73- town.
QString listingLine(QByteArrayView record);

// The QSL flags of a status: contact made, six blanks, confirmed ("O" yes, "N" no).
QString qslFlags(QByteArrayView status);

// A whole number with the blank that stands for its sign, as captions show counts (" 12").
inline QString numberText(qint64 n)
{
    return QLatin1Char(' ') + QString::number(n);
}

struct Listing
{
    QStringList lines;
    QString caption;
};

// The records of one département (its two characters exactly as they begin the postal codes:
// "45", "2A"), with the counts of contacted and confirmed records in the caption.
Listing Liste_Dpt(const StationLog& log, const QString& dpt);
Listing Liste_Dpt(const QList<QByteArray>& lines, const QString& dpt);
// Every record of the log.
Listing Liste_Tous(const StationLog& log);
