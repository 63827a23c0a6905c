#include "reports/Listing.h"

#include "log/Cp1252.h"
#include "log/LogRecord.h"
#include "log/QslStatus.h"

namespace {

// The log field each column of the listing shows; the flags and the town have their own rules.
LogField logFieldOf(ListingField field)
{
    switch (field) {
    case ListingField::CodePostal:
        return LogField::CodePostal;
    case ListingField::DateQso:
        return LogField::DateQso;
    case ListingField::Indicatif:
        return LogField::Indicatif;
    case ListingField::RefDFCF:
        return LogField::RefDFCF;
    case ListingField::Mode:
        return LogField::Mode;
    case ListingField::Bande:
        return LogField::Bande;
    case ListingField::Cont:
    case ListingField::Conf:
        return LogField::Etat_QSL;
    case ListingField::Commune:
        break;
    }
    return LogField::Commune;
}

QLatin1Char flag(bool set)
{
    return QLatin1Char(set ? 'O' : 'N');
}

} // namespace

QString listingLine(QByteArrayView record)
{
    const QslStatus qsl = QslStatus::of(record);
    QString line;
    line.reserve(110);
    line += QLatin1String("   CP ");
    for (const ListingColumn& column : kListingColumns) {
        if (line.size() < column.start)
            line += QString(column.start - line.size(), QLatin1Char(' '));
        switch (column.field) {
        case ListingField::Cont:
            line += flag(qsl.isMade());
            break;
        case ListingField::Conf:
            line += flag(qsl.isConfirmed());
            break;
        default:
            line += Cp1252::decode(fieldBytes(record, logFieldOf(column.field)));
        }
        if (column.width > 0 && line.size() < column.start + column.width)
            line += QString(column.start + column.width - line.size(), QLatin1Char(' '));
    }
    return line;
}

QString listingField(const QString& line, ListingField field)
{
    const ListingColumn& column = listingColumn(field);
    return column.width > 0 ? line.mid(column.start, column.width) : line.mid(column.start);
}

QStringList Listing::lines() const
{
    QStringList all;
    all.reserve(records.size());
    for (const QByteArray& record : records)
        all << listingLine(record);
    return all;
}

Listing Liste_Dpt(const QList<QByteArray>& lines, const QString& dpt)
{
    Listing listing;
    const QByteArray prefix = Cp1252::encode(dpt).value_or(QByteArray());
    qint64 contacted = 0;
    qint64 confirmed = 0;
    if (prefix.size() == 2) {
        for (const QByteArray& line : lines) {
            if (!line.startsWith(prefix))
                continue;
            listing.records << line;
            const QslStatus qsl = QslStatus::of(line);
            contacted += qsl.hasAMark();
            confirmed += qsl.isConfirmed();
        }
    }
    listing.caption = numberText(listing.records.size())
        + QStringLiteral(" Codes Postaux contactés dans le Département ") + dpt
        + QStringLiteral("      Contactés : ") + numberText(contacted) + QStringLiteral("   Confirmés : ")
        + numberText(confirmed) + QStringLiteral("  ");
    return listing;
}

Listing Liste_Tous(const QList<QByteArray>& lines)
{
    return {lines,
        numberText(lines.size()) + QStringLiteral(" Codes Postaux contactés dans tous les Départements")};
}
