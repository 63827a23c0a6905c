#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// The main window's listing: one fixed-column line per log record. Modifying and cancelling read
// a clicked line back by these columns, and the heads over the listing stand at them, so the
// layout is described once, here:
//   "   CP " then the postal code at 6, the date at 12, the callsign at 22, the DFCF reference at
//   36, the mode at 43, the band at 51, the two QSL flags ("O" or "N") at 61 and 68, the town at 72.
enum class ListingField { CodePostal, DateQso, Indicatif, RefDFCF, Mode, Bande, Cont, Conf, Commune };

struct ListingColumn
{
    ListingField field;
    qsizetype start; // 0-based character position in the line
    qsizetype width; // 0: runs to the end of the line
    const char* head; // the head over the column, UTF-8
    qsizetype headStart; // where the head starts: over its column, or a little before
};

inline constexpr std::array<ListingColumn, 9> kListingColumns {{
    {ListingField::CodePostal, 6, 5, "N° C P", 5},
    {ListingField::DateQso, 12, 8, "Date", 12},
    {ListingField::Indicatif, 22, 12, "Indicatif", 22},
    {ListingField::RefDFCF, 36, 5, "DFCF", 36},
    {ListingField::Mode, 43, 6, "Mode", 43},
    {ListingField::Bande, 51, 7, "Bande", 51},
    {ListingField::Cont, 61, 1, "Cont", 59},
    {ListingField::Conf, 68, 1, "Conf", 66},
    {ListingField::Commune, 72, 0, "Commune", 72},
}};

constexpr const ListingColumn& listingColumn(ListingField field)
{
    return kListingColumns[static_cast<std::size_t>(field)];
}

// The listing line of a log record.
QString listingLine(QByteArrayView record);
// The text of one column of a listing line, as it stands (padding blanks included).
QString listingField(const QString& line, ListingField field);

// A whole number with the blank that stands for its sign, as captions show counts (" 12").
inline QString numberText(qint64 n)
{
    return QLatin1Char(' ') + QString::number(n);
}

// What Liste_CP shows: records of the log, one listing line each, under a caption. A null
// caption leaves the caption shown as it is.
struct Listing
{
    QList<QByteArray> records;
    QString caption;

    QStringList lines() const;
};

// The records of one département (its two characters exactly as they begin the postal codes:
// "45", "2A"), with the counts of contacted and confirmed records in the caption.
Listing Liste_Dpt(const QList<QByteArray>& lines, const QString& dpt);
// Every record of the log.
Listing Liste_Tous(const QList<QByteArray>& lines);
