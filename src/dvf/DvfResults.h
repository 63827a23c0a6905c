#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The DVF award: which towns of the town list the log holds, and which of them are confirmed.
// Only QSL status "4" (contact made and confirmed) counts for this award, and a status-"0" line,
// which only holds a postal code, is no contact at all.
//
// A list line is taken when the log holds a contact with its postal code and the postal code's
// first two characters differ from those of the line taken before it, so a town with several
// postal codes (consecutive lines of one département) counts once, through the first of its codes
// that the log holds; the first contact with that code tells whether the town is confirmed. The
// window and the printout take the same towns, so they give the same count.

struct DvfTowns
{
    QStringList lines; // what the DVF window lists
    int confirmed = 0;
};

// The DVF window: every town taken, numbered, its list line cut or padded to 33 characters and
// "*" when it is confirmed.
DvfTowns townsFound(const QList<QByteArray>& townList, const QList<QByteArray>& log);

// The printout: the confirmed towns of the window, numbered anew, each list line whole.
DvfTowns confirmedTowns(const QList<QByteArray>& townList, const QList<QByteArray>& log);

// Where the award stands in one département of the town list: the town it is chased with (the
// town taken, or else the département's first town of the list), and whether the log holds it
// and confirms it, as the DVF window counts them.
struct DvfDepartement
{
    QByteArray departement; // "45", "2A"
    QString town;
    bool taken = false;
    bool confirmed = false;
};
QList<DvfDepartement> dvfDepartements(const QList<QByteArray>& townList, const QList<QByteArray>& log);

// The town list window: each département once, by its first line, after one blank.
QStringList townsToContact(const QList<QByteArray>& townList);

// What the "Résultats" button tells for a number of confirmed towns: the class reached and what
// is still missing.
QString awardMessage(int confirmed);

// Every line of the printed results: title with the callsign as stored and the date, header,
// numbered towns, credit line.
QStringList dvfPrintout(const QString& callsign, const QString& date, const DvfTowns& towns);

// A town number as the DVF lists write it: right-aligned in five characters ("    7").
QString townNumber(int n);
