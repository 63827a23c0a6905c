#include "dvf/DvfResults.h"

#include "log/Cp1252.h"
#include "log/LogRecord.h"
#include "log/QslStatus.h"
#include "reports/Listing.h"

#include <QByteArrayView>
#include <QHash>

#include <algorithm>
#include <optional>

namespace {

constexpr qsizetype kTownColumnWidth = 33;

// The postal code of a list line, characters 5 to 9; shorter when the line is.
QByteArray listPostalCode(const QByteArray& line)
{
    return line.mid(4, 5);
}

// The postal code of a log record, when the record is long enough to hold one.
std::optional<QByteArray> recordPostalCode(const QByteArray& record)
{
    const QByteArrayView code = fieldBytes(record, LogField::CodePostal);
    if (code.size() < 5)
        return std::nullopt;
    return code.toByteArray();
}

struct TakenTown
{
    const QByteArray* line;
    bool confirmed;
};

// Walks the town list once. A line is taken when the log holds a contact with its postal code and
// the code's first two characters differ from those of the line taken before; the first contact
// of the log with that code tells whether the town is confirmed.
QList<TakenTown> takenTowns(const QList<QByteArray>& townList, const QList<QByteArray>& log)
{
    // One pass over the log, whatever the length of the list.
    QHash<QByteArray, bool> firstContact;
    firstContact.reserve(log.size());
    for (const QByteArray& record : log) {
        // A status-"0" line only holds a postal code ("Nouveau Canton"): it is not a contact, and
        // the contact made later with that code stands after it in the log. Only both marks
        // confirm a town for this award.
        const QslStatus qsl = QslStatus::of(record);
        if (qsl.isHeld())
            continue;
        if (const auto code = recordPostalCode(record); code && !firstContact.contains(*code))
            firstContact.insert(*code, qsl.hasBothMarks());
    }

    QList<TakenTown> taken;
    QByteArray lastDepartement;
    for (const QByteArray& line : townList) {
        const QByteArray code = listPostalCode(line);
        // A line too short to hold a postal code names no town that a log record could match.
        if (code.size() < 5)
            continue;
        const auto found = firstContact.constFind(code);
        if (found == firstContact.cend())
            continue;
        const QByteArray departement = code.first(2);
        if (!taken.isEmpty() && departement == lastDepartement)
            continue;
        lastDepartement = departement;
        taken.append({&line, *found});
    }
    return taken;
}

} // namespace

QString townNumber(int n)
{
    return numberText(n).rightJustified(5, QLatin1Char(' '));
}

DvfTowns townsFound(const QList<QByteArray>& townList, const QList<QByteArray>& log)
{
    DvfTowns towns;
    for (const TakenTown& town : takenTowns(townList, log)) {
        if (town.confirmed)
            ++towns.confirmed;
        QString shown = Cp1252::decode(*town.line).left(kTownColumnWidth);
        shown = shown.leftJustified(kTownColumnWidth, QLatin1Char(' '));
        towns.lines << townNumber(int(towns.lines.size()) + 1) + QLatin1String("  ") + shown
                + (town.confirmed ? QLatin1String("*") : QLatin1String(""));
    }
    return towns;
}

DvfTowns confirmedTowns(const QList<QByteArray>& townList, const QList<QByteArray>& log)
{
    DvfTowns towns;
    for (const TakenTown& town : takenTowns(townList, log)) {
        if (!town.confirmed)
            continue;
        ++towns.confirmed;
        towns.lines << townNumber(towns.confirmed) + QLatin1String("  ") + Cp1252::decode(*town.line);
    }
    return towns;
}

QList<DvfDepartement> dvfDepartements(const QList<QByteArray>& townList, const QList<QByteArray>& log)
{
    const auto townName = [](const QByteArray& line) { return Cp1252::decode(line.mid(9)).trimmed(); };
    QList<DvfDepartement> departements;
    for (const QByteArray& line : townList) {
        const QByteArray departement = line.left(3).trimmed();
        if (departements.isEmpty() || departements.constLast().departement != departement)
            departements.append({departement, townName(line)});
    }
    for (const TakenTown& town : takenTowns(townList, log)) {
        const QByteArray departement = listPostalCode(*town.line).first(2);
        auto found = std::find_if(departements.begin(), departements.end(),
            [&](const DvfDepartement& d) { return d.departement == departement; });
        if (found == departements.end())
            found = departements.insert(departements.end(), {departement, {}});
        *found = {departement, townName(*town.line), true, town.confirmed};
    }
    return departements;
}

QStringList townsToContact(const QList<QByteArray>& townList)
{
    QStringList items;
    QByteArray lastDepartement;
    for (const QByteArray& line : townList) {
        const QByteArray departement = line.left(3).trimmed();
        if (!items.isEmpty() && departement == lastDepartement)
            continue;
        lastDepartement = departement;
        items << QLatin1Char(' ') + Cp1252::decode(line);
    }
    return items;
}

QString awardMessage(int confirmed)
{
    const QString crlf = QStringLiteral("\r\n");
    if (confirmed < 10)
        return QStringLiteral("Encore ") + numberText(10 - confirmed)
            + QStringLiteral(" QSO pour le diplome Classe III");
    if (confirmed >= 90)
        return QStringLiteral("Félicitations vous obtenez le diplôme d'honneur des villes Françaises");

    struct Step
    {
        int below;
        const char* reached;
        const char* next;
    };
    static constexpr Step steps[] = {
        {30, "classe III", "Classe II"},
        {50, "classe II", "Classe I"},
        {70, "classe I", "Excellece"},
        {90, "Excellence", "d'Honneur"},
    };
    const Step* step = steps;
    while (confirmed >= step->below)
        ++step;
    return QStringLiteral("      Bravo pour le diplôme ") + QLatin1String(step->reached) + crlf
        + QString(15, QLatin1Char(' ')) + numberText(confirmed) + QStringLiteral(" villes confirmées") + crlf
        + QStringLiteral("Encore ") + numberText(step->below - confirmed)
        + QStringLiteral(" villes pour le diplome ") + QLatin1String(step->next);
}

QStringList dvfPrintout(const QString& callsign, const QString& date, const DvfTowns& towns)
{
    const QString indent(16, QLatin1Char(' '));
    QStringList lines;
    lines << indent + callsign + QStringLiteral("  Villes contactées au ") + date;
    lines << QString();
    lines << QStringLiteral("   N°  Dpt   CP    Villes");
    lines << QString();
    lines << towns.lines;
    lines << QString();
    lines << indent + QStringLiteral("Kerlanic, le carnet de trafic des Codes Postaux");
    return lines;
}
