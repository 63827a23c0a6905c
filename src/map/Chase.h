#pragma once

#include "log/Points.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>

// Where the chase stands in each of the 96 départements of metropolitan France, for the map and
// the progress figures: one pass over the log, scored by the same ScoringPass as the total, and
// the DVF towns taken as the DVF window takes them.

inline constexpr int kMapDepartements = 96;
inline constexpr qint64 kTargetPoints = 10'000'000;

// The colour of a département in the 10 Millions view.
enum class ChaseState {
    None, // nothing contacted
    Contacted, // contacted, nothing confirmed
    Confirmed, // something confirmed, places still open to a confirmation
    Full, // its 25 scoring places all held by confirmed records: nothing more to score there
};

// The colour of a département in the DVF view.
enum class DvfState { NotYet, Contacted, Confirmed };

struct DepartementChase
{
    QString code; // "01", "2A"
    // Records listed under the département, counted as its listing's caption counts them.
    int contacted = 0;
    int confirmed = 0;
    // Places left of the 25 that score; Corsica's two départements share theirs.
    int placesLeft = kPlacesPerDepartement;
    qint64 tenths = 0;
    ChaseState state = ChaseState::None;
    DvfState dvf = DvfState::NotYet;
    // The town the award is chased with there; empty when the town list has none.
    QString dvfTown;
};

struct Chase
{
    // The 96 in the order of the log: 01 to 19, 2A, 2B, 21 to 95.
    QList<DepartementChase> departements;
    qint64 totalTenths = 0; // the 10 Millions total, as Total_Points gives it
    int confirmedDepartements = 0;
    int dvfConfirmed = 0;

    const DepartementChase* find(QStringView code) const;
};

// Index of a log line's département on the map, from its first two characters as the listing
// of a département matches them; -1 when they name none ("00", "20", "97", a short line).
int mapIndex(QByteArrayView line);

Chase chaseOf(const QList<QByteArray>& log, const QList<QByteArray>& townList);

// What hovering a département tells, one fact a line.
QString hoverText(const DepartementChase& departement, const QString& name);

// The three figures of the progress band and of the summary sheet.
struct ChaseProgress
{
    QString points; // the 10 Millions total against its target
    int permille = 0; // of the target, for a progress bar
    QString departements; // départements with a confirmed record, out of 96
    QString dvf; // DVF towns confirmed against the next class
};
ChaseProgress progressOf(const Chase& chase);
