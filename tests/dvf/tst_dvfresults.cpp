#include "TestFiles.h"
#include "dvf/DvfResults.h"
#include "dvf/TownList.h"
#include "log/Cp1252.h"
#include "log/StationLog.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using TestFiles::record;

namespace {

QByteArray cp1252(const char* utf8)
{
    return Cp1252::encode(QString::fromUtf8(utf8)).value_or(QByteArray());
}

QList<QByteArray> townList(std::initializer_list<const char*> lines)
{
    QList<QByteArray> list;
    for (const char* line : lines)
        list << cp1252(line);
    return list;
}

QByteArray withStatus(const char* postalCode, char status)
{
    return record(postalCode, status == '0' ? "" : "12/03/06", status == '0' ? "" : "F5ABC", status,
        status == '0' ? "" : "SSB", status == '0' ? "" : "14 Mhz", "", "VILLE");
}

QString u(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

class TestDvfResults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void townsFound_data();
    void townsFound();
    void confirmedTowns_data();
    void confirmedTowns();
    void townNumbers_data();
    void townNumbers();
    void awardMessage_data();
    void awardMessage();
    void townsToContact_data();
    void townsToContact();
    void printoutLines();
    void readingTheTownList_data();
    void readingTheTownList();
    void unreadableFiles();
};

void TestDvfResults::townsFound_data()
{
    QTest::addColumn<QList<QByteArray>>("list");
    QTest::addColumn<QList<QByteArray>>("log");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("confirmed");

    const QList<QByteArray> orleans = townList({"45  45000 ORLÉANS"});
    const QString orleansLine = u("    1  45  45000 ORLÉANS                ");

    QTest::newRow("postal code logged twice, confirmed first")
        << orleans << QList {withStatus("45000", '4'), withStatus("45000", '2')}
        << QStringList {orleansLine + "*"} << 1;
    QTest::newRow("postal code logged twice, confirmed second")
        << orleans << QList {withStatus("45000", '2'), withStatus("45000", '4')} << QStringList {orleansLine}
        << 0;
    QTest::newRow("status 3 is not confirmed for the award")
        << orleans << QList {withStatus("45000", '3')} << QStringList {orleansLine} << 0;
    QTest::newRow("held postal code without contact")
        << orleans << QList {withStatus("45000", '0')} << QStringList {orleansLine} << 0;
    QTest::newRow("town not in the log")
        << orleans << QList {withStatus("45100", '4')} << QStringList {} << 0;
    QTest::newRow("empty log") << orleans << QList<QByteArray> {} << QStringList {} << 0;

    QTest::newRow("town with two postal codes, first 2 second 4")
        << townList({"13  13001 MARSEILLE", "13  13002 MARSEILLE"})
        << QList {withStatus("13001", '2'), withStatus("13002", '4')}
        << QStringList {"    1  13  13001 MARSEILLE              "} << 0;
    QTest::newRow("town with two postal codes, only the second logged")
        << townList({"13  13001 MARSEILLE", "13  13002 MARSEILLE"}) << QList {withStatus("13002", '4')}
        << QStringList {"    1  13  13002 MARSEILLE              *"} << 1;
    QTest::newRow("consecutive towns sharing the first two characters")
        << townList({"45  45000 ORLEANS", "45  45200 MONTARGIS", "56  56100 LORIENT"})
        << QList {withStatus("45000", '2'), withStatus("45200", '4'), withStatus("56100", '4')}
        << QStringList {"    1  45  45000 ORLEANS                ",
               "    2  56  56100 LORIENT                *"}
        << 1;
    QTest::newRow("same département again after another one")
        << townList({"45  45000 ORLEANS", "56  56100 LORIENT", "45  45200 MONTARGIS"})
        << QList {withStatus("45000", '4'), withStatus("45200", '4'), withStatus("56100", '4')}
        << QStringList {"    1  45  45000 ORLEANS                *",
               "    2  56  56100 LORIENT                *", "    3  45  45200 MONTARGIS              *"}
        << 3;
    QTest::newRow("short line padded, long line cut after 33 characters")
        << townList({"01  01000 BOURG", "62  62000 ARRAS-SUR-LA-SCARPE-ET-ENVIRONS"})
        << QList {withStatus("01000", '4'), withStatus("62000", '4')}
        << QStringList {"    1  01  01000 BOURG                  *",
               "    2  62  62000 ARRAS-SUR-LA-SCARPE-ET-*"}
        << 2;
    QTest::newRow("overseas département of three characters")
        << townList({"971 97110 POINTE À PITRE"}) << QList {withStatus("97110", '4')}
        << QStringList {u("    1  971 97110 POINTE À PITRE         *")} << 1;
    QTest::newRow("line too short for a postal code matches no short record")
        << townList({"45 "}) << QList<QByteArray> {"", "45"} << QStringList {} << 0;
}

void TestDvfResults::townsFound()
{
    QFETCH(QList<QByteArray>, list);
    QFETCH(QList<QByteArray>, log);
    const DvfTowns towns = ::townsFound(list, log);
    QTEST(towns.lines, "lines");
    QTEST(towns.confirmed, "confirmed");
}

void TestDvfResults::confirmedTowns_data()
{
    QTest::addColumn<QList<QByteArray>>("list");
    QTest::addColumn<QList<QByteArray>>("log");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("town with two postal codes, first 2 second 4: printed through the second")
        << townList({"13  13001 MARSEILLE", "13  13002 MARSEILLE"})
        << QList {withStatus("13001", '2'), withStatus("13002", '4')}
        << QStringList {"    1  13  13002 MARSEILLE"};
    QTest::newRow("postal code logged twice with 4: printed once")
        << townList({"45  45000 ORLÉANS"}) << QList {withStatus("45000", '4'), withStatus("45000", '4')}
        << QStringList {u("    1  45  45000 ORLÉANS")};
    QTest::newRow("no status 4 prints no town")
        << townList({"45  45000 ORLEANS", "56  56100 LORIENT"})
        << QList {withStatus("45000", '3'), withStatus("56100", '2')} << QStringList {};
    QTest::newRow("the whole line, neither padded nor cut")
        << townList({"62  62000 ARRAS-SUR-LA-SCARPE-ET-ENVIRONS-LONG"}) << QList {withStatus("62000", '4')}
        << QStringList {"    1  62  62000 ARRAS-SUR-LA-SCARPE-ET-ENVIRONS-LONG"};
}

void TestDvfResults::confirmedTowns()
{
    QFETCH(QList<QByteArray>, list);
    QFETCH(QList<QByteArray>, log);
    QFETCH(QStringList, lines);
    const DvfTowns towns = ::confirmedTowns(list, log);
    QCOMPARE(towns.lines, lines);
    QCOMPARE(towns.confirmed, lines.size());
}

void TestDvfResults::townNumbers_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("last");
    QTest::newRow("9") << 9 << "    9  09  09000 VILLE 09";
    QTest::newRow("10") << 10 << "   10  10  10000 VILLE 10";
    QTest::newRow("99") << 99 << "   99  99  99000 VILLE 99";
}

void TestDvfResults::townNumbers()
{
    QFETCH(int, count);
    QList<QByteArray> list;
    QList<QByteArray> log;
    for (int d = 1; d <= count; ++d) {
        const QByteArray dpt = QByteArray::number(d).rightJustified(2, '0');
        list << dpt + "  " + dpt + "000 VILLE " + dpt;
        log << withStatus(QByteArray(dpt + "000").constData(), '4');
    }
    const DvfTowns printed = ::confirmedTowns(list, log);
    QCOMPARE(printed.confirmed, count);
    QTEST(printed.lines.last(), "last");
    const DvfTowns shown = ::townsFound(list, log);
    QFETCH(QString, last);
    QCOMPARE(shown.lines.last(), last.leftJustified(7 + 33) + "*");
}

void TestDvfResults::awardMessage_data()
{
    QTest::addColumn<int>("confirmed");
    QTest::addColumn<QString>("message");

    const auto bravo = [](const char* reached, int n, int missing, const char* next) -> QString {
        return u("      Bravo pour le diplôme ") + reached + "\r\n" + QString(15, ' ') + " "
            + QString::number(n) + u(" villes confirmées") + "\r\nEncore  " + QString::number(missing)
            + " villes pour le diplome " + next;
    };
    QTest::newRow("0") << 0 << "Encore  10 QSO pour le diplome Classe III";
    QTest::newRow("9") << 9 << "Encore  1 QSO pour le diplome Classe III";
    QTest::newRow("10") << 10 << bravo("classe III", 10, 20, "Classe II");
    QTest::newRow("29") << 29 << bravo("classe III", 29, 1, "Classe II");
    QTest::newRow("30") << 30 << bravo("classe II", 30, 20, "Classe I");
    QTest::newRow("49") << 49 << bravo("classe II", 49, 1, "Classe I");
    QTest::newRow("50") << 50 << bravo("classe I", 50, 20, "Excellece");
    QTest::newRow("69") << 69 << bravo("classe I", 69, 1, "Excellece");
    QTest::newRow("70") << 70 << bravo("Excellence", 70, 20, "d'Honneur");
    QTest::newRow("89") << 89 << bravo("Excellence", 89, 1, "d'Honneur");
    const QString honour = u("Félicitations vous obtenez le diplôme d'honneur des villes Françaises");
    QTest::newRow("90") << 90 << honour;
    QTest::newRow("102") << 102 << honour;

    // One spelled out whole, so the helper above cannot hide a fault shared with the code.
    QTest::newRow("10 spelled out") << 10
                                    << u("      Bravo pour le diplôme classe III\r\n"
                                         "                10 villes confirmées\r\n"
                                         "Encore  20 villes pour le diplome Classe II");
}

void TestDvfResults::awardMessage()
{
    QFETCH(int, confirmed);
    QTEST(::awardMessage(confirmed), "message");
}

void TestDvfResults::townsToContact_data()
{
    QTest::addColumn<QList<QByteArray>>("list");
    QTest::addColumn<QStringList>("items");

    QTest::newRow("each département once, by its first line")
        << townList({"13  13001 MARSEILLE", "13  13002 MARSEILLE", "2A  20000 AJACCIO", "45  45000 ORLÉANS",
               "45  45100 ORLÉANS"})
        << QStringList {" 13  13001 MARSEILLE", " 2A  20000 AJACCIO", u(" 45  45000 ORLÉANS")};
    QTest::newRow("département compared without its blanks")
        << townList({"45  45000 ORLEANS", " 45 45100 ORLEANS", "971 97110 POINTE A PITRE"})
        << QStringList {" 45  45000 ORLEANS", " 971 97110 POINTE A PITRE"};
    QTest::newRow("a département met again is shown again")
        << townList({"45  45000 ORLEANS", "56  56100 LORIENT", "45  45100 ORLEANS"})
        << QStringList {" 45  45000 ORLEANS", " 56  56100 LORIENT", " 45  45100 ORLEANS"};
    QTest::newRow("empty list") << QList<QByteArray> {} << QStringList {};
}

void TestDvfResults::townsToContact()
{
    QFETCH(QList<QByteArray>, list);
    QTEST(::townsToContact(list), "items");
}

void TestDvfResults::printoutLines()
{
    const QList<QByteArray> list
        = townList({"13  13001 MARSEILLE", "13  13002 MARSEILLE", "45  45000 ORLÉANS"});
    const DvfTowns towns = ::confirmedTowns(
        list, {withStatus("13001", '2'), withStatus("13002", '4'), withStatus("45000", '4')});
    QCOMPARE(dvfPrintout("F6ABC_P", "05/12/26", towns),
        (QStringList {u("                F6ABC_P  Villes contactées au 05/12/26"), "",
            u("   N°  Dpt   CP    Villes"), "", "    1  13  13002 MARSEILLE", u("    2  45  45000 ORLÉANS"),
            "", "                Kerlanic, le carnet de trafic des Codes Postaux"}));

    QCOMPARE(dvfPrintout("F6ABC", "05/12/26", {}),
        (QStringList {u("                F6ABC  Villes contactées au 05/12/26"), "",
            u("   N°  Dpt   CP    Villes"), "", "",
            "                Kerlanic, le carnet de trafic des Codes Postaux"}));
}

void TestDvfResults::readingTheTownList_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QList<QByteArray>>("lines");

    QTest::newRow("CR LF") << QByteArray("45  45000 ORL\xC9"
                                         "ANS\r\n56  56100 LORIENT\r\n")
                           << QList<QByteArray> {"45  45000 ORL\xC9"
                                                 "ANS",
                                  "56  56100 LORIENT"};
    QTest::newRow("LF alone, no end on the last line")
        << QByteArray("45  45000 ORLEANS\n56  56100 LORIENT")
        << QList<QByteArray> {"45  45000 ORLEANS", "56  56100 LORIENT"};
    QTest::newRow("blank lines left out")
        << QByteArray("\r\n45  45000 ORLEANS\r\n   \r\n\r\n") << QList<QByteArray> {"45  45000 ORLEANS"};
}

void TestDvfResults::readingTheTownList()
{
    QFETCH(QByteArray, contents);
    QTemporaryDir dir;
    TestFiles::write(QDir(dir.path()).filePath("Liste_DVF.txt"), contents);
    const DvfSources sources = readTownList(dir.path());
    QTEST(sources.towns, "lines");
    QVERIFY(sources.problems.isEmpty());
}

void TestDvfResults::unreadableFiles()
{
    QTemporaryDir dir;
    const QString folder = QDir::toNativeSeparators(dir.path());
    const StationLog log(dir.path(), "F6ABC_P");

    DvfSources sources = readTownListAndLog(dir.path(), log, "F6ABC_P");
    QCOMPARE(sources.problems,
        (QStringList {
            "La liste des villes du DVF, Liste_DVF.txt, est introuvable dans le dossier " + folder + ".",
            "Le carnet de la station F6ABC/P, F6ABC_P_CP.txt, est introuvable dans le dossier " + folder
                + "."}));
    QVERIFY(sources.towns.isEmpty() && sources.log.isEmpty());

    // A folder where the files should be cannot be read as one.
    QVERIFY(QDir(dir.path()).mkdir("Liste_DVF.txt"));
    QVERIFY(QDir(dir.path()).mkdir("F6ABC_P_CP.txt"));
    sources = readTownListAndLog(dir.path(), log, "F6ABC_P");
    QCOMPARE(sources.problems.size(), 2);
    for (const QString& problem : sources.problems)
        QVERIFY2(problem.startsWith("Le fichier " + folder) && problem.contains(u(" ne peut pas être lu (")),
            qPrintable(problem));
}

QTEST_GUILESS_MAIN(TestDvfResults)
#include "tst_dvfresults.moc"
