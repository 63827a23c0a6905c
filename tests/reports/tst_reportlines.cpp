#include "FakePlatform.h"
#include "FullDisk.h"
#include "TestFiles.h"
#include "log/Cp1252.h"
#include "log/Points.h"
#include "log/StationLog.h"
#include "reports/ReportFiles.h"
#include "reports/ReportLines.h"
#include "reports/Summary.h"

#include <QDir>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using TestFiles::record;
using Log = QList<QByteArray>;

namespace {

// The fixture log and the reports expected of it, byte for byte, are kept in data/.
QString dataFile(const QString& name)
{
    return QStringLiteral(KERLANIC_REPORTS_DATA "/") + name;
}

QStringList linesOf(const QString& file)
{
    QStringList lines = Cp1252::decode(TestFiles::read(file)).split(QStringLiteral("\r\n"));
    lines.removeLast(); // what follows the last line end
    return lines;
}

const QDate kToday(2026, 12, 5);

// Every line of a listing window.
QStringList allWindowLines(Selection selection, const QList<QByteArray>& log, const QString& total)
{
    const WindowListing listing(selection, log, total);
    QStringList lines;
    for (qsizetype row = 0; row < listing.size(); ++row)
        lines << listing.line(row);
    return lines;
}

// A line dated 01/01/06 of the given postal code and QSL status.
QByteArray line(const char* code, char status, const char* dfcf = "")
{
    return record(code, "01/01/06", "F6AAA", status, "SSB", "14 Mhz", dfcf, "LOIRET");
}

} // namespace

class TestReportLines : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Each test on a fresh folder holding the fixture log.
    void init()
    {
        QLocale::setDefault(QLocale::c());
        m_dir.emplace();
        QVERIFY(QFile::copy(dataFile("F6ABC_CP.txt"), path("F6ABC_CP.txt")));
    }

    void reports_data()
    {
        QTest::addColumn<Report>("report");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("total");
        // The tag names the expected files, CP_<tag>.txt and Imprime_<tag>.txt.
        const QLocale french(QLocale::French, QLocale::France);
        QTest::newRow("Confirme_point") << Report::Confirme << QLocale::c() << "977954.5";
        QTest::newRow("Confirme_virgule") << Report::Confirme << french << "977954,5";
        QTest::newRow("Contacte_point") << Report::Contacte << QLocale::c() << "977954.5";
        QTest::newRow("Contacte_virgule") << Report::Contacte << french << "977954,5";
    }

    void reports()
    {
        QFETCH(Report, report);
        QFETCH(QLocale, locale);
        QFETCH(QString, total);
        const QString tag = QString::fromLatin1(QTest::currentDataTag());
        QLocale::setDefault(locale);
        // The total line copies the main window's total, which is the total of the whole log.
        QCOMPARE(Total_Points(StationLog(dir(), "F6ABC").readLines()), total);

        // A report of the same day is replaced.
        const QString fileName = QStringLiteral("CP_%1_F6ABC_05_12_26.txt").arg(tag.left(8));
        TestFiles::write(path(fileName), "earlier report\r\n");
        const ReportSaving saving = saveReport(report, dir(), "F6ABC", kToday, total);
        QVERIFY(saving.saved);
        QCOMPARE(saving.message, "Le log a été enregistré sous le nom : " + fileName);
        QCOMPARE(TestFiles::read(path(fileName)), TestFiles::read(dataFile("CP_" + tag + ".txt")));

        FakePrinter printer;
        printer.setFontName("Times New Roman");
        printer.setFontSize(12);
        printer.events.clear();
        QString message;
        QCOMPARE(
            printReport(report, printer, dir(), "F6ABC", kToday, total, &message), PrintOutcome::Printed);
        QVERIFY(message.isEmpty());
        const QStringList printed = linesOf(dataFile("Imprime_" + tag + ".txt"));
        QStringList events {"font name=Courier New", "bold=1", "font size=9", "dialog"};
        for (const QString& line : printed)
            events << "line=" + line;
        events += QStringList {"end", "bold=0", "font name=Times New Roman", "font size=12"};
        QCOMPARE(printer.events, events);

        // Without a selected record a report keeps its head and foot, with nothing between; the
        // printout right-aligns a shorter total in 10 places.
        const Log none {record("45100", "", "", '0', "", "", "", "OLIVET"), QByteArray()};
        const QStringList file = linesOf(dataFile("CP_" + tag + ".txt"));
        QCOMPARE(reportFileLines(report, "F6ABC", kToday, none, total), file.first(4) + file.last(4));
        const QString shortTotal = "                                 Total des points :    45000.0";
        QCOMPARE(printedReportLines(report, "F6ABC", kToday, none, "45000.0"),
            (printed.first(4) + QStringList {"", shortTotal, "", printed.last()}));
    }

    void fileNameOfTheNewYear()
    {
        QCOMPARE(reportFileName(Report::Contacte, "F6ABC_P", QDate(2000, 1, 1)),
            "CP_Contacte_F6ABC_P_01_01_00.txt");
    }

    void failedReportIsNotAnnouncedAsSaved_data()
    {
        QTest::addColumn<QString>("folder"); // a folder made where a file should go
        QTest::addColumn<bool>("fullDisk"); // the disk fills up, with an earlier report of the day there
        // The message before and after the system's reason; <dir> stands for the program folder.
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        const auto row
            = [](const char* name, const char* folder, bool fullDisk, const QString& start,
                  const QString& end) { QTest::newRow(name) << folder << fullDisk << start << end; };
        const QString notSaved = "Le compte rendu CP_Contacte_F6ABC_05_12_26.txt n'a pas été enregistré";
        row("scratch file blocked", "Temporaire.txt", false,
            notSaved + " : impossible de créer le fichier <dir>Temporaire.txt (", ").");
        row("full disk", "", true, notSaved + " : écriture impossible (", ").");
        row("unreadable log", "F6ABC_CP.txt", false, "Le fichier <dir>F6ABC_CP.txt ne peut pas être lu (",
            ").\r\n\r\n" + notSaved + ".");
    }

    void failedReportIsNotAnnouncedAsSaved()
    {
        QFETCH(QString, folder);
        QFETCH(bool, fullDisk);
        QFETCH(QString, start);
        QFETCH(QString, end);
        start.replace("<dir>", QDir::toNativeSeparators(dir() + "/"));
        const QString target = path("CP_Contacte_F6ABC_05_12_26.txt");
        if (fullDisk)
            TestFiles::write(target, "earlier report\r\n");
        if (!folder.isEmpty()) {
            QFile::remove(path(folder));
            QVERIFY(QDir(dir()).mkdir(folder));
        }

        std::optional<FullDisk> limit;
        if (fullDisk)
            limit.emplace(1024); // the fixture's report takes about 3 kB
        const ReportSaving saving = saveReport(Report::Contacte, dir(), "F6ABC", kToday, "1.0");
        limit.reset();
        QVERIFY(!saving.saved);
        QVERIFY2(
            saving.message.startsWith(start) && saving.message.endsWith(end), qPrintable(saving.message));
        QCOMPARE(QFileInfo::exists(target), fullDisk);
        QCOMPARE(TestFiles::read(target), QByteArray(fullDisk ? "earlier report\r\n" : ""));

        if (folder == "F6ABC_CP.txt") {
            // An unreadable log is not printed as a report without contacts either.
            FakePrinter printer;
            QString message;
            QCOMPARE(printReport(Report::Contacte, printer, dir(), "F6ABC", kToday, "1.0", &message),
                PrintOutcome::Failed);
            QVERIFY(message.startsWith(start));
            QVERIFY(message.endsWith(").\r\n\r\nRien n'a été imprimé."));
            QVERIFY(printer.events.isEmpty());
        }
    }

    void windowLines()
    {
        // The listing windows show the fixture log; here, what it lacks. A line too short for a record
        // keeps the columns.
        const Log log {"83000 06/06/09 F5ZZZ        2"};
        const QString total = "                                  Total des points : 1.0";
        QCOMPARE(allWindowLines(Selection::Contacte, log, "1.0"),
            (QStringList {" 1       83000 06/06/09 F5ZZZ" + QString(38, ' ') + "0.0   ", "", total}));
        QCOMPARE(allWindowLines(Selection::NonConfirme, log, "1.0"),
            QStringList {" 1       83000 06/06/09 F5ZZZ" + QString(33, ' ')});
        // An empty log keeps the empty line and the total line of the windows with points.
        QCOMPARE(allWindowLines(Selection::Confirme, {}, "1.0"), (QStringList {"", total}));
        QVERIFY(allWindowLines(Selection::NonConfirme, {}, "1.0").isEmpty());
    }

    void summary_data()
    {
        QTest::addColumn<Log>("log");
        QTest::addColumn<QStringList>("expected"); // the six boxes, in the window's order
        QTest::newRow("empty log") << Log {} << QStringList {"0", "0", "0", "0", "", "0.0"};
        QTest::newRow("Corsica is one département with 20") << Log {line("20000", '2'), line("2A004", '4'),
            line("2B200", '3')} << QStringList {"3", "2", "1", "1", "", "40204.0"};
        QTest::newRow("small-letter 2a is département 2") << Log {line("02000", '2'), line("2a004", '2'),
            line("2A004", '2')} << QStringList {"3", "0", "2", "0", "", "0.0"};
        QTest::newRow("00000 line with a reference: no département")
            << Log {line("00000", '4', "45050"), record("45100", "", "", '0', "", "", "45123", "OLIVET")}
            << QStringList {"1", "1", "0", "0", "2", "4505.0"};
    }

    void summary()
    {
        QFETCH(Log, log);
        QFETCH(QStringList, expected);
        const Summary s = summarise(log);
        QCOMPARE((QStringList {s.Nb_C_Contacte, s.Nb_C_Confirme, s.Nb_D_Contacte, s.Nb_D_Confirme,
                     s.NB_E_DFCF, s.NB_E_Quelvar}),
            expected);
    }

private:
    QString dir() const { return m_dir->path(); }
    QString path(const QString& name) const { return QDir(dir()).filePath(name); }
    std::optional<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestReportLines)
#include "tst_reportlines.moc"
