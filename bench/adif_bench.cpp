// ADIF in both directions on logs of a real size: the import of a general logger's file of 50,000
// records (reading, the French filter and the postal-code proposal, then the merge into a
// 40,000-line log), and the export of that log. The records name real communes of the postal
// base, with and without accents, with STATE or without, and mix in the foreign stations and the
// digital contacts without QTH that a general log holds.
//
// scripts/kerlanic bench runs it after kerlanic_bench; build/bench/adif_bench [records] runs
// another size.

#include "BenchTools.h"
#include "adif/AdifImport.h"
#include "adif/AdifLog.h"
#include "app/StationLists.h"
#include "log/LogRecord.h"
#include "postal/PostalBase.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>

namespace {

QByteArray adiField(const char* name, const QString& value)
{
    const QByteArray data = value.toUtf8();
    return "<" + QByteArray(name) + ":" + QByteArray::number(data.size()) + ">" + data + " ";
}

// A year's worth of contacts of a busy station, as another logger writes them: a third foreign,
// a fifth digital without QTH, the rest with their town (some with STATE and LoTW).
QByteArray generalLoggerFile(int records)
{
    const PostalBase& base = PostalBase::shipped();
    const char* bands[] = {"20m", "40m", "80m", "2m", "70cm", "60m"};
    QByteArray file = "Generated for the benchmark<eoh>\n";
    for (int i = 0; i < records; ++i) {
        const PostalBase::Entry& entry = base.entry(qsizetype(i) * 7919 % base.entryCount());
        const bool foreign = i % 3 == 0;
        file += adiField(
            "CALL", foreign ? QStringLiteral("DL%1ABC").arg(i % 10) : QStringLiteral("F4%1").arg(i % 9000));
        file += adiField("QSO_DATE",
            QStringLiteral("2024%1%2")
                .arg(1 + i % 12, 2, 10, QLatin1Char('0'))
                .arg(1 + i % 28, 2, 10, QLatin1Char('0')));
        file += adiField("BAND", QString::fromLatin1(bands[i % 6]));
        if (i % 5 == 1) {
            file += adiField("MODE", QStringLiteral("MFSK")) + adiField("SUBMODE", QStringLiteral("FT4"));
        } else {
            file += adiField("MODE", QStringLiteral("SSB"));
            file += adiField(
                "QTH", i % 2 ? base.commune(entry.commune).name : base.commune(entry.commune).name.toUpper());
            if (i % 4 == 0)
                file += adiField("STATE", base.departementOf(entry).code);
            if (i % 7 == 0)
                file += adiField("LOTW_QSL_RCVD", QStringLiteral("Y"));
        }
        file += "<eor>\n";
    }
    return file;
}

QList<QByteArray> realisticLog(int lines)
{
    const PostalBase& base = PostalBase::shipped();
    QList<QByteArray> log;
    for (int i = 0; i < lines; ++i) {
        const PostalBase::Entry& entry = base.entry(qsizetype(i) * base.entryCount() / lines);
        LogRecord record;
        record[LogField::CodePostal] = base.logPostalCode(entry);
        record[LogField::DateQso] = QStringLiteral("12/03/%1").arg(i % 100, 2, 10, QLatin1Char('0'));
        record[LogField::Indicatif] = QStringLiteral("F6ABC");
        record[LogField::Etat_QSL] = QString::number(1 + i % 4);
        record[LogField::Mode] = kModes[i % kModes.size()];
        record[LogField::Bande] = kBands[i % kBands.size()];
        record[LogField::Commune] = base.townNamesOf(record[LogField::CodePostal]).value(0);
        log << record.toLine().value_or(QByteArray());
    }
    return log;
}

void report(const char* what, double ms, double targetMs)
{
    std::printf(
        "%-52s %9.1f ms  (cible %6.0f ms) %s\n", what, ms, targetMs, ms <= targetMs ? "ok" : "TROP LENT");
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int records = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50000;
    PostalBase::shipped(); // decoded once at first use, as in the program, before any import
    const QByteArray file = generalLoggerFile(records);
    const QList<QByteArray> log = realisticLog(40000);

    AdifReadResult read;
    ImportProposal proposal;
    const double readMs = bestMs([&] { read = readAdif(file); }, 3);
    const double proposeMs
        = bestMs([&] { proposal = proposeImport(read.records, PostalBase::shipped(), QDate::currentDate()); }, 3);
    ImportResult result;
    const double mergeMs = bestMs(
        [&] {
            QList<QByteArray> merged = log;
            result = mergeImport(proposal.lines, merged);
        },
        3);
    ImportResult intoEmpty;
    const double mergeEmptyMs = bestMs(
        [&] {
            QList<QByteArray> merged;
            intoEmpty = mergeImport(proposal.lines, merged);
        },
        3);
    std::printf("Fichier ADI : %d enregistrements, %.1f Mo ; %lld contacts français, %d à compléter ; "
                "dans le carnet : %d déjà contactés, %d confirmés ; dans un carnet vide : %d ajoutés\n",
        records, double(file.size()) / 1e6, static_cast<long long>(proposal.lines.size()), result.toComplete,
        result.alreadyContacted, result.confirmed, intoEmpty.added);
    std::printf("%-52s %9.1f ms\n", "import : lecture de l'ADI", readMs);
    std::printf("%-52s %9.1f ms\n", "import : filtre français et codes proposés", proposeMs);
    report("import : lecture, filtre et proposition", readMs + proposeMs, 2000);
    report("import : fusion dans un carnet de 40 000 lignes", mergeMs, 500);
    report("import : fusion dans un carnet vide", mergeEmptyMs, 500);

    AdifExport done;
    const double exportAdiMs = bestMs([&] { done = exportLog(log, AdifFormat::Adi, {}); }, 3);
    report("export ADI d'un carnet de 40 000 lignes", exportAdiMs, 500);
    const double exportAdxMs = bestMs([&] { done = exportLog(log, AdifFormat::Adx, {}); }, 3);
    report("export ADX d'un carnet de 40 000 lignes", exportAdxMs, 500);
    std::printf("%-52s %9ld kB\n", "mémoire (pic)", peakKilobytes());
    return 0;
}
