#include "log/Points.h"

#include "log/LogRecord.h"
#include "log/QslStatus.h"

#include <QLocale>

QString formatPoints(qint64 tenths)
{
    return QString::number(tenths / 10) + QLocale().decimalPoint() + QString::number(tenths % 10);
}

int scoringDepartement(QByteArrayView line)
{
    const QByteArrayView code = fieldBytes(line, LogField::CodePostal);
    // Corsica (2A, 2B) scores as département 20.
    return static_cast<int>(postalCodeValue(code.first(std::min<qsizetype>(2, code.size()))));
}

bool isConfirmedRecord(QByteArrayView line)
{
    return QslStatus::of(line).isConfirmed();
}

qint64 recordTenths(QByteArrayView line)
{
    const QByteArrayView code = fieldBytes(line, LogField::CodePostal);
    const QByteArrayView reference = fieldBytes(line, LogField::RefDFCF);
    const qint64 codeTenths = postalCodeValue(code) * 10;
    if (reference == "     ")
        return codeTenths;
    const qint64 bonusTenths = numericValue(reference);
    // A record of postal code "00000" carries a DFCF reference only: it earns the bonus alone.
    return code == "00000" ? bonusTenths : codeTenths + bonusTenths;
}

qint64 ScoringPass::nextTenths(QByteArrayView line)
{
    int& places = Nb_CP_Dpt[static_cast<std::size_t>(scoringDepartement(line))];
    if (places <= kPlacesPerDepartement)
        ++places; // counting stops past the limit: only "within the first 25 or not" matters
    if (places > kPlacesPerDepartement || !isConfirmedRecord(line))
        return 0;
    return recordTenths(line);
}

int ScoringPass::placesTaken(int departement) const
{
    return std::min(Nb_CP_Dpt[static_cast<std::size_t>(departement)], kPlacesPerDepartement);
}

QString Total_Points(const QList<QByteArray>& lines)
{
    ScoringPass pass;
    qint64 total = 0;
    for (const QByteArray& line : lines)
        total += pass.nextTenths(line);
    return formatPoints(total);
}
