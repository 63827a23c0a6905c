#include "reports/Listing.h"

#include "log/Cp1252.h"
#include "log/LogRecord.h"
#include "log/StationLog.h"

namespace {

QString padded(QByteArrayView bytes, qsizetype width)
{
    QString text = Cp1252::decode(bytes);
    if (text.size() < width)
        text += QString(width - text.size(), QLatin1Char(' '));
    return text;
}

QString field(QByteArrayView record, LogField which)
{
    return padded(fieldBytes(record, which), logColumn(which).width);
}

bool isContacted(QByteArrayView status)
{
    return status == "2" || status == "3" || status == "4";
}

bool isConfirmed(QByteArrayView status)
{
    return status == "3" || status == "4";
}

} // namespace

QString qslFlags(QByteArrayView status)
{
    const QLatin1String blanks("      ");
    const QLatin1Char made(status == "2" || status == "4" ? 'O' : 'N');
    const QLatin1Char confirmed(isConfirmed(status) ? 'O' : 'N');
    return made + blanks + confirmed;
}

QString listingLine(QByteArrayView record)
{
    QString line;
    line.reserve(110);
    line += QLatin1String("   CP ");
    line += field(record, LogField::CodePostal);
    line += QLatin1Char(' ');
    line += field(record, LogField::DateQso);
    line += QLatin1String("  ");
    line += field(record, LogField::Indicatif);
    line += QLatin1String("  ");
    line += field(record, LogField::RefDFCF);
    line += QLatin1String("  ");
    line += field(record, LogField::Mode);
    line += QLatin1String("  ");
    line += field(record, LogField::Bande);
    line += QLatin1String("   ");
    line += qslFlags(fieldBytes(record, LogField::Etat_QSL));
    line += QLatin1String("   ");
    line += Cp1252::decode(fieldBytes(record, LogField::Commune));
    return line;
}

Listing Liste_Dpt(const StationLog& log, const QString& dpt)
{
    return Liste_Dpt(log.readLines(), dpt);
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
            listing.lines << listingLine(line);
            const QByteArrayView status = fieldBytes(line, LogField::Etat_QSL);
            contacted += isContacted(status);
            confirmed += isConfirmed(status);
        }
    }
    listing.caption = numberText(listing.lines.size())
        + QStringLiteral(" Codes Postaux contactés dans le Département ") + dpt
        + QStringLiteral("      Contactés : ") + numberText(contacted) + QStringLiteral("   Confirmés : ")
        + numberText(confirmed) + QStringLiteral("  ");
    return listing;
}

Listing Liste_Tous(const StationLog& log)
{
    Listing listing;
    const QList<QByteArray> lines = log.readLines();
    listing.lines.reserve(lines.size());
    for (const QByteArray& line : lines)
        listing.lines << listingLine(line);
    listing.caption = numberText(listing.lines.size())
        + QStringLiteral(" Codes Postaux contactés dans tous les Départements");
    return listing;
}
