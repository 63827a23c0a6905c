// Measures the operations that read a whole log, on a log as large as a real one can get: every
// French postal code several times over, plus DFCF records.

#include "BenchTools.h"
#include "entry/ChosenLine.h"
#include "entry/LookUp.h"
#include "log/Cp1252.h"
#include "log/LogRecord.h"
#include "log/LogRewriter.h"
#include "log/Points.h"
#include "log/StationLog.h"
#include "platform/QtPrinter.h"
#include "reports/Listing.h"
#include "reports/ListingPanel.h"
#include "reports/ReportFiles.h"
#include "reports/ReportLines.h"
#include "reports/Summary.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

QByteArray makeLog(int records)
{
    QByteArray contents;
    contents.reserve(records * 72);
    for (int i = 0; i < records; ++i) {
        // Postal codes in ascending order, as the log keeps them.
        const QByteArray line = QByteArray::number(1000 + qint64(i) * 94000 / records).rightJustified(5, '0')
            + " 12/03/06 F6ABC        " + QByteArray::number(1 + i % 4) + " SSB    14 Mhz  "
            + (i % 10 == 0 ? QByteArray("45050") : QByteArray("     ")) + "SAINT-DENIS-EN-VAL";
        contents += line + "\r\n";
    }
    return contents;
}

void measure(const char* what, int repeats, const std::function<void()>& operation)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < repeats; ++i)
        operation();
    std::printf("%-42s %9.2f ms\n", what, double(timer.nsecsElapsed()) / 1e6 / repeats);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int records = argc > 1 ? std::atoi(argv[1]) : 40000;

    QTemporaryDir dir;
    QFile file(QDir(dir.path()).filePath("F6ABC_CP.txt"));
    if (!file.open(QIODevice::WriteOnly) || file.write(makeLog(records)) < 0)
        return 1;
    file.close();
    const StationLog log(dir.path(), "F6ABC");

    std::printf("Log of %d records (%lld bytes)\n", records, static_cast<long long>(file.size()));
    measure("read the log", 10, [&] { log.readLines(); });
    measure("Total_Points", 10, [&] { Total_Points(log.readLines()); });
    measure("Liste_Dpt(\"45\")", 10, [&] { Liste_Dpt(log.readLines(), "45"); });
    measure("Liste_Tous", 10, [&] { Liste_Tous(log.readLines()); });

    const QList<QByteArray> lines = log.readLines();
    measure("windowLines(Contacte)", 10, [&] { windowLines(Selection::Contacte, lines, "0.0"); });
    measure("summarise (Recapitulatif)", 10, [&] { summarise(lines); });
    measure("saveReport(Confirme), written to disk", 5,
        [&] { saveReport(Report::Confirme, dir.path(), "F6ABC", QDate(2026, 12, 5), "0.0"); });
    {
        auto pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
        pdf->setOutputFormat(QPrinter::PdfFormat);
        pdf->setOutputFileName(QDir(dir.path()).filePath("rapport.pdf"));
        QtPrinter printer(std::move(pdf), [](QPrinter&) { return true; });
        measure("printReport(Contacte) to PDF", 1, [&] {
            printReport(Report::Contacte, printer, dir.path(), "F6ABC", QDate(2026, 12, 5), "0.0", nullptr);
        });
    }

    // The road of one contact: look-up, then the rewrites of a save, a modification and a cancel.
    measure("Cherche_CP (new code, whole log)", 10, [&] { Cherche_CP("45999", log.readLines()); });
    const QByteArray contact = "45999 12/03/06 F5XYZ        4 SSB    14 Mhz       OLIVET";
    const QByteArray modified = "45999 12/03/06 F5XYZ        2 SSB    14 Mhz       OLIVET";
    measure("Ajoute_Ligne + Remplace_Ligne + Supprime", 5, [&] {
        Ajoute_Ligne(log, contact);
        Remplace_Ligne(log, modified, chosenLineMatcher(listingLine(contact)));
        Supprime_Ligne(log, chosenLineMatcher(listingLine(modified)));
    });

    ListingPanel panel;
    panel.resize(800, 400);
    panel.show();
    const Listing all = Liste_Tous(lines);
    measure("show every line in Liste_CP", 5, [&] {
        panel.setListing(all);
        QCoreApplication::processEvents();
    });
    std::printf("%-42s %9ld kB\n", "peak memory", peakKilobytes());
    return 0;
}
