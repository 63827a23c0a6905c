#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <array>


// The "10 Millions" challenge. A confirmed record (QSL status 3 or 4) is worth the number of its
// postal code, plus a tenth of its DFCF reference number; a record with postal code "00000"
// carries only the DFCF bonus. At most 25 records count in each département.
//
// Points are kept in tenths so that totals are exact.

inline constexpr int kPlacesPerDepartement = 25;

// "##0.0": no grouping, one decimal, the decimal separator of the user's locale.
QString formatPoints(qint64 tenths);

// Département number used for the 25-record limit: the numeric value of the first two
// characters of the postal code, Corsica (2A, 2B) counting as 20 and "00000" as 0.
int scoringDepartement(QByteArrayView line);

bool isConfirmedRecord(QByteArrayView line);

// Points of a record in tenths, ignoring the limit and the QSL status.
qint64 recordTenths(QByteArrayView line);

// One pass over the records of a log, in file order. Each record takes the next place in its
// département, so the first 25 records of a département are the ones that may score, wherever
// they stand in the file. A pass lives for one listing; two passes never share their counts.
class ScoringPass
{
public:
    // Points of the next record of the pass, in tenths: 0 unless it is confirmed and among the
    // first 25 records of its département in this pass.
    qint64 nextTenths(QByteArrayView line);
    // The same as text, "##0.0".
    QString Points_CP(QByteArrayView line) { return formatPoints(nextTenths(line)); }
    // Places of a département (as scoringDepartement numbers it) taken so far, 0 to 25.
    int placesTaken(int departement) const;

private:
    // Places taken so far in each département (0 to 99).
    std::array<int, 100> Nb_CP_Dpt {};
};

// Total of the whole log: every record takes its place in its département, confirmed or not,
// and the confirmed ones among the first 25 score.
QString Total_Points(const QList<QByteArray>& lines);
