#include "reports/Summary.h"

#include "log/LogRecord.h"
#include "log/Points.h"
#include "reports/ReportLines.h"

#include <array>

int summaryDepartement(QByteArrayView line)
{
    const QByteArrayView prefix = line.first(std::min<qsizetype>(2, line.size()));
    if (prefix == "2A" || prefix == "2B")
        return 20;
    return static_cast<int>(numericValue(prefix));
}

Summary summarise(const QList<QByteArray>& log)
{
    // Two characters give at most 99: one flag per possible département.
    std::array<bool, 100> contactedDpt {};
    std::array<bool, 100> confirmedDpt {};
    qint64 contacted = 0;
    qint64 confirmed = 0;
    qint64 references = 0;
    for (const QByteArray& line : log) {
        // The summary reads the date field itself (characters 7 to 14); a short line's missing
        // characters count as blanks.
        const bool dated = !blanksOnly(fieldBytes(line, LogField::DateQso));
        const bool isConfirmed = isConfirmedRecord(line);
        const auto dpt = static_cast<std::size_t>(summaryDepartement(line));
        if (dated) {
            ++contacted;
            contactedDpt[dpt] = true;
        }
        if (isConfirmed) {
            ++confirmed;
            confirmedDpt[dpt] = true;
        }
        if (!blanksOnly(fieldBytes(line, LogField::RefDFCF)))
            ++references;
    }

    const auto departements = [](const std::array<bool, 100>& flags) {
        qint64 n = 0;
        for (std::size_t d = 1; d < flags.size(); ++d)
            n += flags[d];
        return QString::number(n);
    };
    Summary summary;
    summary.Nb_C_Contacte = QString::number(contacted);
    summary.Nb_C_Confirme = QString::number(confirmed);
    summary.Nb_D_Contacte = departements(contactedDpt);
    summary.Nb_D_Confirme = departements(confirmedDpt);
    summary.NB_E_DFCF = references > 0 ? QString::number(references) : QString();
    summary.NB_E_Quelvar = Total_Points(log);
    return summary;
}
