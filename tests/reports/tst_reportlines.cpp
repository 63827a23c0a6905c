#include "FakePlatform.h"
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

#include <csignal>
#include <sys/resource.h>

using TestFiles::record;

namespace {

// The fixture log and the reports expected of it, byte for byte, are kept in data/.
QString dataFile(const QString& name)
{
    return QStringLiteral(KERLANIC_REPORTS_DATA "/") + name;
}

QStringList linesOf(const QByteArray& bytes)
{
    QStringList lines = Cp1252::decode(bytes).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

const QDate kToday(2026, 12, 5);

} // namespace

class TestReportLines : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void reportFiles_data();
    void reportFiles();
    void printedReports_data();
    void printedReports();
    void reportsWithoutSelectedRecords_data();
    void reportsWithoutSelectedRecords();
    void fileNameStamp_data();
    void fileNameStamp();
    void failedReportIsNotAnnouncedAsSaved_data();
    void failedReportIsNotAnnouncedAsSaved();
    void fullDiskKeepsTheEarlierReport();
    void unreadableLogIsToldAndNothingPrinted();

    void windowLines_data();
    void windowLines();
    void runsCountSelectedRecordsOnly();

    void summary_data();
    void summary();

private:
    QString path(const QString& name) const { return QDir(m_dir.path()).filePath(name); }
    void writeLog(const QList<QByteArray>& records);
    QTemporaryDir m_dir;
};

void TestReportLines::init()
{
    QVERIFY(m_dir.isValid());
    QLocale::setDefault(QLocale::c());
}

void TestReportLines::cleanup()
{
    QLocale::setDefault(QLocale::c());
    QDir dir(m_dir.path());
    for (const QString& name : dir.entryList(QDir::Files))
        dir.remove(name);
}

void TestReportLines::writeLog(const QList<QByteArray>& records)
{
    TestFiles::write(path("F6ABC_CP.txt"), TestFiles::logOf(records));
}

void TestReportLines::reportFiles_data()
{
    QTest::addColumn<Report>("report");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("total");
    const QLocale french(QLocale::French, QLocale::France);
    QTest::newRow("confirmed, full stop")
        << Report::Confirme << QLocale::c() << "CP_Confirme_F6ABC_05_12_26.txt"
        << "CP_Confirme_point.txt"
        << "977954.5";
    QTest::newRow("confirmed, comma") << Report::Confirme << french << "CP_Confirme_F6ABC_05_12_26.txt"
                                      << "CP_Confirme_virgule.txt"
                                      << "977954,5";
    QTest::newRow("contacted, full stop")
        << Report::Contacte << QLocale::c() << "CP_Contacte_F6ABC_05_12_26.txt"
        << "CP_Contacte_point.txt"
        << "977954.5";
    QTest::newRow("contacted, comma") << Report::Contacte << french << "CP_Contacte_F6ABC_05_12_26.txt"
                                      << "CP_Contacte_virgule.txt"
                                      << "977954,5";
}

void TestReportLines::reportFiles()
{
    QFETCH(Report, report);
    QFETCH(QLocale, locale);
    QFETCH(QString, fileName);
    QFETCH(QString, expected);
    QFETCH(QString, total);
    QLocale::setDefault(locale);
    QVERIFY(QFile::copy(dataFile("F6ABC_CP.txt"), path("F6ABC_CP.txt")));
    // The total line copies the main window's total, which is the total of the whole log.
    QCOMPARE(Total_Points(StationLog(m_dir.path(), "F6ABC")), total);

    const ReportSaving saving = saveReport(report, m_dir.path(), "F6ABC", kToday, total);
    QVERIFY(saving.saved);
    QCOMPARE(saving.fileName, fileName);
    QCOMPARE(saving.message, QString::fromUtf8("Le log a été enregistré sous le nom : ") + fileName);
    QCOMPARE(TestFiles::read(path(fileName)), TestFiles::read(dataFile(expected)));
    QVERIFY(!QFileInfo::exists(path("Temporaire.txt")));

    // A second report of the same day replaces the first.
    QVERIFY(saveReport(report, m_dir.path(), "F6ABC", kToday, "1.0").saved);
    QVERIFY(TestFiles::read(path(fileName))
                .contains("\r\n                                  Total des points : 1.0\r\n"));
}

void TestReportLines::printedReports_data()
{
    QTest::addColumn<Report>("report");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("total");
    const QLocale french(QLocale::French, QLocale::France);
    QTest::newRow("confirmed, full stop") << Report::Confirme << QLocale::c() << "Imprime_Confirme_point.txt"
                                          << "977954.5";
    QTest::newRow("confirmed, comma") << Report::Confirme << french << "Imprime_Confirme_virgule.txt"
                                      << "977954,5";
    QTest::newRow("contacted, full stop") << Report::Contacte << QLocale::c() << "Imprime_Contacte_point.txt"
                                          << "977954.5";
    QTest::newRow("contacted, comma") << Report::Contacte << french << "Imprime_Contacte_virgule.txt"
                                      << "977954,5";
}

void TestReportLines::printedReports()
{
    QFETCH(Report, report);
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);
    QFETCH(QString, total);
    QLocale::setDefault(locale);
    QVERIFY(QFile::copy(dataFile("F6ABC_CP.txt"), path("F6ABC_CP.txt")));

    FakePrinter printer;
    printer.setFontName("Times New Roman");
    printer.setFontSize(12);
    printer.setFontBold(true);
    printer.events.clear();
    QString message;
    QCOMPARE(
        printReport(report, printer, m_dir.path(), "F6ABC", kToday, total, &message), PrintOutcome::Printed);
    QVERIFY(message.isEmpty());
    const QStringList lines = linesOf(TestFiles::read(dataFile(expected)));
    QCOMPARE(printer.lines, lines);

    QStringList events {"font name=Courier New", "bold=1", "font size=9", "dialog"};
    for (const QString& line : lines)
        events << "line=" + line;
    events << "end"
           << "bold=0"
           << "font name=Times New Roman"
           << "font size=12";
    QCOMPARE(printer.events, events);
    QVERIFY(!printer.fontBold());
}

void TestReportLines::reportsWithoutSelectedRecords_data()
{
    QTest::addColumn<Report>("report");
    QTest::addColumn<QStringList>("file");
    QTest::addColumn<QStringList>("printed");
    // Title, header, total: the rest of a report without records is empty lines and the credit.
    const auto report = [](const char* title, const char* header, const char* total) {
        return QStringList {QString::fromUtf8(title), "", QString::fromUtf8(header), "", "", total, "",
            QString(37, QLatin1Char(' '))
                + QString::fromUtf8("Compte rendu établi par Kerlanic, carnet de trafic des Codes Postaux")};
    };
    const char* printedHeader
        = "     N°      C.P.   Date   Indicatif   Mode      QRG     DFCF       Points     Commune";
    const char* printedTotal = "                                 Total des points :    45000.0";
    QTest::newRow("confirmed")
        << Report::Confirme
        << report("                    F6ABC_P  Codes Postaux confirmés au 05/12/2026",
               "     N°      C.P.   Date   Indicatif   Mode      QRG     DFCF     Points     Commune",
               "                                  Total des points : 45000.0")
        << report("                       F6ABC_P  Codes Postaux confirmés au 05/12/2026", printedHeader,
               printedTotal);
    QTest::newRow("contacted")
        << Report::Contacte
        << report("                    F6ABC_P Codes Postaux contactés au 05/12/2026",
               "     N°      C.P.   Date   Indicatif   Mode      QRG     DFCF      Points    Commune",
               "                                  Total des points : 45000.0")
        << report("                       F6ABC_P  Codes Postaux contactés au 05/12/2026", printedHeader,
               printedTotal);
}

void TestReportLines::reportsWithoutSelectedRecords()
{
    QFETCH(Report, report);
    QFETCH(QStringList, file);
    QFETCH(QStringList, printed);
    // Nothing dated and nothing confirmed: a held postal code and an empty line.
    const QList<QByteArray> log {record("45100", "", "", '0', "", "", "", "OLIVET"), QByteArray()};
    // A total of 7 characters takes three blanks of padding in the printout.
    QCOMPARE(reportFileLines(report, "F6ABC_P", kToday, log, "45000.0"), file);
    QCOMPARE(printedReportLines(report, "F6ABC_P", kToday, log, "45000.0"), printed);
}

void TestReportLines::fileNameStamp_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("confirmed");
    QTest::addColumn<QString>("contacted");
    QTest::newRow("5 December 2026") << QDate(2026, 12, 5) << "CP_Confirme_F6ABC_P_05_12_26.txt"
                                     << "CP_Contacte_F6ABC_P_05_12_26.txt";
    QTest::newRow("1 January 2000") << QDate(2000, 1, 1) << "CP_Confirme_F6ABC_P_01_01_00.txt"
                                    << "CP_Contacte_F6ABC_P_01_01_00.txt";
}

void TestReportLines::fileNameStamp()
{
    QFETCH(QDate, date);
    QFETCH(QString, confirmed);
    QFETCH(QString, contacted);
    QCOMPARE(reportFileName(Report::Confirme, "F6ABC_P", date), confirmed);
    QCOMPARE(reportFileName(Report::Contacte, "F6ABC_P", date), contacted);
}

void TestReportLines::failedReportIsNotAnnouncedAsSaved_data()
{
    QTest::addColumn<bool>("earlierReport");
    QTest::newRow("first report of the day") << false;
    QTest::newRow("report of the same day already there") << true;
}

void TestReportLines::failedReportIsNotAnnouncedAsSaved()
{
    QFETCH(bool, earlierReport);
    writeLog({record("45000", "12/03/06", "F6ABC", '4', "SSB", "14 Mhz", "", "ORLEANS")});
    const QString target = path("CP_Confirme_F6ABC_05_12_26.txt");
    if (earlierReport)
        TestFiles::write(target, "earlier report\r\n");
    // The scratch file cannot be created where a folder stands.
    QVERIFY(QDir(m_dir.path()).mkdir("Temporaire.txt"));

    const ReportSaving saving = saveReport(Report::Confirme, m_dir.path(), "F6ABC", kToday, "45000.0");
    QVERIFY(QDir(m_dir.path()).rmdir("Temporaire.txt"));

    QVERIFY(!saving.saved);
    QVERIFY2(
        saving.message.startsWith(
            QString::fromUtf8(
                "Le compte rendu CP_Confirme_F6ABC_05_12_26.txt n'a pas été enregistré : impossible de créer "
                "le fichier ")
            + QDir::toNativeSeparators(path("Temporaire.txt")) + " ("),
        qPrintable(saving.message));
    QVERIFY(saving.message.endsWith(")."));
    QVERIFY(!saving.message.contains(QString::fromUtf8("Le log a été enregistré")));
    QCOMPARE(QFileInfo::exists(target), earlierReport);
    if (earlierReport)
        QCOMPARE(TestFiles::read(target), QByteArray("earlier report\r\n"));
}

void TestReportLines::fullDiskKeepsTheEarlierReport()
{
    QList<QByteArray> records;
    for (int i = 0; i < 200; ++i)
        records << record(QByteArray::number(45000 + i).constData(), "12/03/06", "F6ABC", '4', "SSB",
            "14 Mhz", "", "SAINT DENIS EN VAL");
    writeLog(records);
    const QString target = path("CP_Contacte_F6ABC_05_12_26.txt");
    TestFiles::write(target, "earlier report\r\n");

    // A file size limit makes the writes fail as a full disk would.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old {};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit tight = old;
    tight.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &tight), 0);
    const ReportSaving saving = saveReport(Report::Contacte, m_dir.path(), "F6ABC", kToday, "1.0");
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &old), 0);

    QVERIFY(!saving.saved);
    QVERIFY2(
        saving.message.startsWith(QString::fromUtf8(
            "Le compte rendu CP_Contacte_F6ABC_05_12_26.txt n'a pas été enregistré : écriture impossible (")),
        qPrintable(saving.message));
    QCOMPARE(TestFiles::read(target), QByteArray("earlier report\r\n"));
    QVERIFY(!QFileInfo::exists(path("Temporaire.txt")));
}

void TestReportLines::unreadableLogIsToldAndNothingPrinted()
{
    // A folder in place of the log: it exists but cannot be read.
    QVERIFY(QDir(m_dir.path()).mkdir("F6ABC_CP.txt"));
    const QString unreadable = QString::fromUtf8("Le fichier %1 ne peut pas être lu (")
                                   .arg(QDir::toNativeSeparators(path("F6ABC_CP.txt")));

    const ReportSaving saving = saveReport(Report::Confirme, m_dir.path(), "F6ABC", kToday, "0.0");
    QVERIFY(!saving.saved);
    QVERIFY2(saving.message.startsWith(unreadable), qPrintable(saving.message));
    QVERIFY(saving.message.endsWith(QString::fromUtf8(
        ").\r\n\r\nLe compte rendu CP_Confirme_F6ABC_05_12_26.txt n'a pas été enregistré.")));
    QVERIFY(!QFileInfo::exists(path("CP_Confirme_F6ABC_05_12_26.txt")));

    FakePrinter printer;
    QString message;
    QCOMPARE(printReport(Report::Contacte, printer, m_dir.path(), "F6ABC", kToday, "0.0", &message),
        PrintOutcome::Failed);
    QVERIFY(message.startsWith(unreadable));
    QVERIFY(message.endsWith(QString::fromUtf8(").\r\n\r\nRien n'a été imprimé.")));
    QVERIFY(printer.events.isEmpty());
    QVERIFY(QDir(m_dir.path()).rmdir("F6ABC_CP.txt"));
}

void TestReportLines::windowLines_data()
{
    QTest::addColumn<QList<QByteArray>>("log");
    QTest::addColumn<QStringList>("contacted");
    QTest::addColumn<QStringList>("confirmed");
    QTest::addColumn<QStringList>("notConfirmed");
    const QString total = totalLine("12.3");

    QTest::newRow("empty log") << QList<QByteArray> {} << QStringList {"", total} << QStringList {"", total}
                               << QStringList {};
    QTest::newRow("confirmed with reference")
        << QList<QByteArray> {record(
               "45000", "12/03/06", "F1ABCDEFGHIJ", '4', "SSB", "14 Mhz", "45123", "ORLÉANS")}
        << QStringList {QString::fromUtf8(" 1       45000 12/03/06 F1ABCDEFGHIJ SSB    14 Mhz    45123    "
                                          "49512.3   ORLÉANS"),
               "", total}
        << QStringList {QString::fromUtf8(" 1       45000 12/03/06 F1ABCDEFGHIJ SSB    14 Mhz    45123    "
                                          "49512.3   ORLÉANS"),
               "", total}
        << QStringList {};
    QTest::newRow("dated status 1: contacted only, no points")
        << QList<QByteArray> {record("75001", "05/05/09", "F4XYZ", '1', "FM", "432 Mhz", "", "PARIS")}
        << QStringList {" 1       75001 05/05/09 F4XYZ        FM     432 Mhz                0.0   PARIS", "",
               total}
        << QStringList {"", total} << QStringList {};
    QTest::newRow("status 2: contacted and not confirmed")
        << QList<QByteArray> {record(
               "01000", "01/02/07", "F6ABC", '2', "CW", "7.0 Mhz", "", "BOURG EN BRESSE")}
        << QStringList {" 1       01000 01/02/07 F6ABC        CW     7.0 Mhz                0.0   BOURG EN "
                        "BRESSE",
               "", total}
        << QStringList {"", total}
        << QStringList {" 1       01000 01/02/07 F6ABC        CW     7.0 Mhz           BOURG EN BRESSE"};
    QTest::newRow("held postal code, empty town, short line")
        << QList<QByteArray> {record("45100", "", "", '0', "", "", "", "OLIVET"),
               record("00000", "12/03/06", "F5XXX", '3', "SSB", "14 Mhz", "45050", ""),
               QByteArray("83000 06/06/09 F5ZZZ        2")}
        << QStringList {" 1       00000 12/03/06 F5XXX        SSB    14 Mhz    45050     4505.0   ",
               " 2       83000 06/06/09 F5ZZZ" + QString(38, QLatin1Char(' ')) + "0.0   ", "", total}
        << QStringList {" 1       00000 12/03/06 F5XXX        SSB    14 Mhz    45050     4505.0   ", "",
               total}
        << QStringList {" 1       83000 06/06/09 F5ZZZ" + QString(33, QLatin1Char(' '))};
}

void TestReportLines::windowLines()
{
    QFETCH(QList<QByteArray>, log);
    QFETCH(QStringList, contacted);
    QFETCH(QStringList, confirmed);
    QFETCH(QStringList, notConfirmed);
    QCOMPARE(::windowLines(Selection::Contacte, log, "12.3"), contacted);
    QCOMPARE(::windowLines(Selection::Confirme, log, "12.3"), confirmed);
    QCOMPARE(::windowLines(Selection::NonConfirme, log, "12.3"), notConfirmed);
}

void TestReportLines::runsCountSelectedRecordsOnly()
{
    // One contact made but not confirmed, then 26 confirmed records of the same département: the
    // last is the 27th dated record but only the 26th confirmed one.
    QList<QByteArray> log {record("45000", "01/01/06", "F6AAA", '2', "SSB", "14 Mhz", "", "LOIRET")};
    for (int i = 1; i <= 26; ++i)
        log << record(QByteArray::number(45000 + i).constData(), "01/01/06", "F6AAA", '4', "SSB", "14 Mhz",
            "", "LOIRET");
    const QStringList contacted = ::windowLines(Selection::Contacte, log, "0.0");
    const QStringList confirmed = ::windowLines(Selection::Confirme, log, "0.0");
    QCOMPARE(contacted.size(), 27 + 2);
    QCOMPARE(confirmed.size(), 26 + 2);
    // The 25th confirmed record is the 26th dated one.
    QCOMPARE(
        contacted.at(25), " 26      45025 01/01/06 F6AAA        SSB    14 Mhz                 0.0   LOIRET");
    QCOMPARE(
        confirmed.at(24), " 25      45025 01/01/06 F6AAA        SSB    14 Mhz             45025.0   LOIRET");
    QCOMPARE(
        confirmed.at(25), " 26      45026 01/01/06 F6AAA        SSB    14 Mhz                 0.0   LOIRET");
}

void TestReportLines::summary_data()
{
    QTest::addColumn<QList<QByteArray>>("log");
    QTest::addColumn<QStringList>("expected"); // the six boxes, in the window's order

    QTest::newRow("empty log") << QList<QByteArray> {} << QStringList {"0", "0", "0", "0", "", "0.0"};
    QTest::newRow("three dated lines of 45, one confirmed")
        << QList<QByteArray> {record("45000", "01/01/06", "F6AAA", '2', "SSB", "14 Mhz", "", "ORLEANS"),
               record("45100", "01/01/06", "F6AAA", '3', "SSB", "14 Mhz", "", "OLIVET"),
               record("45200", "01/01/06", "F6AAA", '1', "SSB", "14 Mhz", "", "MONTARGIS")}
        << QStringList {"3", "1", "1", "1", "", "45100.0"};
    QTest::newRow("Corsica is one département with 20")
        << QList<QByteArray> {record("20000", "01/01/06", "TK5AA", '2', "SSB", "14 Mhz", "", "CORSE"),
               record("2A004", "01/01/06", "TK5AA", '4', "SSB", "14 Mhz", "", "AJACCIO"),
               record("2B200", "01/01/06", "TK5AA", '3', "SSB", "14 Mhz", "", "BASTIA")}
        << QStringList {"3", "2", "1", "1", "", "40204.0"};
    QTest::newRow("small-letter 2a is département 2")
        << QList<QByteArray> {record("02000", "01/01/06", "F6AAA", '2', "SSB", "14 Mhz", "", "LAON"),
               record("2a004", "01/01/06", "TK5AA", '2', "SSB", "14 Mhz", "", "AJACCIO"),
               record("2A004", "01/01/06", "TK5AA", '2', "SSB", "14 Mhz", "", "AJACCIO")}
        << QStringList {"3", "0", "2", "0", "", "0.0"};
    QTest::newRow("00000 line with a reference: no département")
        << QList<QByteArray> {record("00000", "12/03/06", "F5XXX", '4', "SSB", "14 Mhz", "45050", ""),
               record("45100", "", "", '0', "", "", "45123", "OLIVET")}
        << QStringList {"1", "1", "0", "0", "2", "4505.0"};
    QList<QByteArray> thirty;
    for (int i = 0; i < 30; ++i)
        thirty << record(QByteArray::number(45000 + i).constData(), "01/01/06", "F6AAA", '4', "SSB", "14 Mhz",
            "", "LOIRET");
    // Only the first 25 score: 45000 to 45024.
    QTest::newRow("thirty confirmed lines of one département")
        << thirty << QStringList {"30", "30", "1", "1", "", "1125300.0"};
}

void TestReportLines::summary()
{
    QFETCH(QList<QByteArray>, log);
    QFETCH(QStringList, expected);
    const Summary s = summarise(log);
    QCOMPARE((QStringList {s.Nb_C_Contacte, s.Nb_C_Confirme, s.Nb_D_Contacte, s.Nb_D_Confirme, s.NB_E_DFCF,
                 s.NB_E_Quelvar}),
        expected);
}

QTEST_GUILESS_MAIN(TestReportLines)
#include "tst_reportlines.moc"
