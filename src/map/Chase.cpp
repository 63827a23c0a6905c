#include "map/Chase.h"

#include "dvf/DvfResults.h"
#include "log/QslStatus.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kCorsicaFirst = 19; // 2A, then 2B
constexpr int kCorsicaScoring = 20; // both score as the old département 20

QString codeOf(int index)
{
    if (index == kCorsicaFirst)
        return QStringLiteral("2A");
    if (index == kCorsicaFirst + 1)
        return QStringLiteral("2B");
    return QString::number(index < kCorsicaFirst ? index + 1 : index).rightJustified(2, QLatin1Char('0'));
}

bool isCorsica(QStringView code)
{
    return code == QLatin1String("2A") || code == QLatin1String("2B");
}

// French takes the singular below two.
QString counted(int n, const char* one, const char* many)
{
    return QString::number(n) + QLatin1Char(' ') + QString::fromUtf8(n < 2 ? one : many);
}

} // namespace

int mapIndex(QByteArrayView line)
{
    if (line.size() < 2)
        return -1;
    const char tens = line[0];
    const char units = line[1];
    if (tens == '2' && (units == 'A' || units == 'B'))
        return kCorsicaFirst + (units - 'A');
    if (tens < '0' || tens > '9' || units < '0' || units > '9')
        return -1;
    const int number = (tens - '0') * 10 + (units - '0');
    if (number >= 1 && number < kCorsicaScoring)
        return number - 1;
    if (number > kCorsicaScoring && number <= 95)
        return number;
    return -1;
}

const DepartementChase* Chase::find(QStringView code) const
{
    const int index = mapIndex(code.toLatin1());
    return index < 0 || index >= departements.size() || departements[index].code != code
        ? nullptr
        : &departements[index];
}

Chase chaseOf(const QList<QByteArray>& log, const QList<QByteArray>& townList)
{
    Chase chase;
    chase.departements.resize(kMapDepartements);
    for (int i = 0; i < kMapDepartements; ++i)
        chase.departements[i].code = codeOf(i);

    // The places are those of the total: one pass over every record in file order. A place held
    // by a confirmed record is one that can score no more than it does.
    ScoringPass pass;
    std::array<int, 100> confirmedPlaces {};
    for (const QByteArray& line : log) {
        const int scoring = scoringDepartement(line);
        const int before = pass.placesTaken(scoring);
        const qint64 tenths = pass.nextTenths(line);
        const QslStatus qsl = QslStatus::of(line);
        if (pass.placesTaken(scoring) > before && qsl.isConfirmed())
            ++confirmedPlaces[static_cast<std::size_t>(scoring)];
        chase.totalTenths += tenths;
        const int index = mapIndex(line);
        if (index < 0)
            continue;
        DepartementChase& departement = chase.departements[index];
        departement.contacted += qsl.hasAMark();
        departement.confirmed += qsl.isConfirmed();
        departement.tenths += tenths;
    }

    for (int i = 0; i < kMapDepartements; ++i) {
        DepartementChase& departement = chase.departements[i];
        // Its code read as a record's: Corsica's two count the places of the old 20.
        const auto scoring = static_cast<std::size_t>(scoringDepartement(departement.code.toLatin1()));
        departement.placesLeft = kPlacesPerDepartement - pass.placesTaken(int(scoring));
        if (departement.confirmed > 0) {
            ++chase.confirmedDepartements;
            departement.state = confirmedPlaces[scoring] == kPlacesPerDepartement ? ChaseState::Full
                                                                                  : ChaseState::Confirmed;
        } else if (departement.contacted > 0) {
            departement.state = ChaseState::Contacted;
        }
    }

    for (const DvfDepartement& town : dvfDepartements(townList, log)) {
        chase.dvfConfirmed += town.confirmed;
        const int index = mapIndex(town.departement);
        if (index < 0)
            continue;
        DepartementChase& departement = chase.departements[index];
        departement.dvfTown = town.town;
        departement.dvf = town.confirmed ? DvfState::Confirmed
            : town.taken                 ? DvfState::Contacted
                                         : DvfState::NotYet;
    }
    return chase;
}

QString hoverText(const DepartementChase& departement, const QString& name)
{
    QString places = QStringLiteral("Places libres : ") + QString::number(departement.placesLeft)
        + QStringLiteral(" sur ") + QString::number(kPlacesPerDepartement);
    if (isCorsica(departement.code))
        places += QStringLiteral(", partagées par 2A et 2B");

    QString dvf = QStringLiteral("DVF : ");
    if (departement.dvfTown.isEmpty())
        dvf += QStringLiteral("aucune ville dans la liste");
    else if (departement.dvf == DvfState::Confirmed)
        dvf += departement.dvfTown + QStringLiteral(", confirmée");
    else if (departement.dvf == DvfState::Contacted)
        dvf += departement.dvfTown + QStringLiteral(", contactée, pas confirmée");
    else
        dvf += departement.dvfTown + QStringLiteral(", à contacter");

    return departement.code + QLatin1Char(' ') + name + QLatin1Char('\n') + QStringLiteral("Contactés : ")
        + QString::number(departement.contacted) + QStringLiteral("   Confirmés : ")
        + QString::number(departement.confirmed) + QLatin1Char('\n') + places + QLatin1Char('\n')
        + QStringLiteral("Points : ") + formatPoints(departement.tenths) + QLatin1Char('\n') + dvf;
}

ChaseProgress progressOf(const Chase& chase)
{
    ChaseProgress progress;
    progress.points = QStringLiteral("10 Millions : ") + formatPoints(chase.totalTenths)
        + QStringLiteral(" points sur ") + QString::number(kTargetPoints);
    progress.permille = static_cast<int>(std::min<qint64>(1000, chase.totalTenths / (kTargetPoints / 100)));
    progress.departements = QStringLiteral("Départements confirmés : ")
        + QString::number(chase.confirmedDepartements) + QStringLiteral(" sur ")
        + QString::number(kMapDepartements);

    struct Step
    {
        int threshold;
        const char* name;
    };
    static constexpr Step steps[]
        = {{10, "Classe III"}, {30, "Classe II"}, {50, "Classe I"}, {70, "Excellence"}, {90, "d'Honneur"}};
    const int towns = chase.dvfConfirmed;
    progress.dvf = QStringLiteral("DVF : ") + counted(towns, "ville confirmée", "villes confirmées");
    const auto next = std::find_if(
        std::begin(steps), std::end(steps), [&](const Step& s) { return towns < s.threshold; });
    if (next == std::end(steps))
        progress.dvf += QStringLiteral(", diplôme d'Honneur obtenu");
    else
        progress.dvf += QStringLiteral(" sur ") + QString::number(next->threshold) + QStringLiteral(" (")
            + QLatin1String(next->name) + QLatin1Char(')');
    return progress;
}
