#include "TestFiles.h"
#include "dvf/DvfResults.h"
#include "dvf/TownList.h"
#include "log/Cp1252.h"
#include "log/StationLog.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

QList<QByteArray> townList(std::initializer_list<const char*> lines)
{
    QList<QByteArray> list;
    for (const char* line : lines)
        list << Cp1252::encode(QString(line)).value_or("");
    return list;
}

using Log = QList<QByteArray>;

// A log record of a postal code with a QSL status.
QByteArray at(const char* code, char status)
{
    return TestFiles::record(code, "12/03/06", "F5ABC", status, "SSB", "14 Mhz", "", "");
}

} // namespace

class TestDvfResults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The window's towns and the printout's confirmed towns from the same list and log: the same
    // towns, so the same count.
    void townsFoundAndConfirmed_data()
    {
        QTest::addColumn<QList<QByteArray>>("list");
        QTest::addColumn<Log>("log");
        QTest::addColumn<QStringList>("window");
        QTest::addColumn<QStringList>("printout");

        const QList<QByteArray> twoTowns = townList({"45  45000 ORLÉANS", "56  56100 LORIENT"});
        const QList<QByteArray> marseille = townList({"13  13001 MARSEILLE", "13  13002 MARSEILLE"});

        QTest::newRow("postal code logged twice: the first record decides, for the printout too")
            << twoTowns << Log {at("45000", '4'), at("45000", '2'), at("56100", '2'), at("56100", '4')}
            << QStringList {"    1  45  45000 ORLÉANS                *",
                   "    2  56  56100 LORIENT                "}
            << QStringList {"    1  45  45000 ORLÉANS"};
        QTest::newRow("status 3 is not confirmed; a postal code not on the list matches no town")
            << twoTowns << Log {at("45000", '3'), at("56200", '4')}
            << QStringList {"    1  45  45000 ORLÉANS                "} << QStringList {};
        // The first code in list order that the log holds decides, for the printout as well.
        QTest::newRow("town with two postal codes, first 2 second 4")
            << marseille << Log {at("13001", '2'), at("13002", '4')}
            << QStringList {"    1  13  13001 MARSEILLE              "} << QStringList {};
        // A held line ("Nouveau Canton") is no contact: the contact after it decides.
        QTest::newRow("held code later confirmed")
            << twoTowns << Log {at("45000", '0'), at("45000", '4'), at("56100", '0')}
            << QStringList {"    1  45  45000 ORLÉANS                *"}
            << QStringList {"    1  45  45000 ORLÉANS"};
        QTest::newRow("held code later contacted, not confirmed")
            << twoTowns << Log {at("45000", '0'), at("45000", '2')}
            << QStringList {"    1  45  45000 ORLÉANS                "} << QStringList {};
        QTest::newRow("held first code, second code confirmed")
            << marseille << Log {at("13001", '0'), at("13002", '4')}
            << QStringList {"    1  13  13002 MARSEILLE              *"}
            << QStringList {"    1  13  13002 MARSEILLE"};
        QTest::newRow("town with two postal codes, only the second logged")
            << marseille << Log {at("13002", '4')}
            << QStringList {"    1  13  13002 MARSEILLE              *"}
            << QStringList {"    1  13  13002 MARSEILLE"};
        QTest::newRow("consecutive towns sharing the first two characters")
            << townList({"45  45000 ORLEANS", "45  45200 MONTARGIS", "56  56100 LORIENT"})
            << Log {at("45000", '2'), at("45200", '4'), at("56100", '4')}
            << QStringList {"    1  45  45000 ORLEANS                ",
                   "    2  56  56100 LORIENT                *"}
            << QStringList {"    1  56  56100 LORIENT"};
        QTest::newRow("same département again after another one")
            << townList({"45  45000 ORLEANS", "56  56100 LORIENT", "45  45200 MONTARGIS"})
            << Log {at("45000", '4'), at("45200", '4'), at("56100", '4')}
            << QStringList {"    1  45  45000 ORLEANS                *",
                   "    2  56  56100 LORIENT                *", "    3  45  45200 MONTARGIS              *"}
            << QStringList {
                   "    1  45  45000 ORLEANS", "    2  56  56100 LORIENT", "    3  45  45200 MONTARGIS"};
        // The window pads or cuts to 33 characters, so that "*" stands in one column; the printout
        // keeps the line whole.
        QTest::newRow("short, long and overseas lines")
            << townList({"01  01000 BOURG", "62  62000 ARRAS-SUR-LA-SCARPE-ET-ENVIRONS",
                   "971 97110 POINTE À PITRE"})
            << Log {at("01000", '4'), at("62000", '4'), at("97110", '4')}
            << QStringList {"    1  01  01000 BOURG                  *",
                   "    2  62  62000 ARRAS-SUR-LA-SCARPE-ET-*", "    3  971 97110 POINTE À PITRE         *"}
            << QStringList {"    1  01  01000 BOURG", "    2  62  62000 ARRAS-SUR-LA-SCARPE-ET-ENVIRONS",
                   "    3  971 97110 POINTE À PITRE"};
    }

    void townsFoundAndConfirmed()
    {
        QFETCH(QList<QByteArray>, list);
        QFETCH(Log, log);
        QFETCH(QStringList, window);
        QFETCH(QStringList, printout);
        const DvfTowns found = townsFound(list, log);
        QCOMPARE(found.lines, window);
        QCOMPARE(found.confirmed, window.filter("*").size());
        const DvfTowns confirmed = confirmedTowns(list, log);
        QCOMPARE(confirmed.lines, printout);
        QCOMPARE(confirmed.confirmed, printout.size());
        QCOMPARE(confirmed.confirmed, found.confirmed);
    }

    void lineTooShortForAPostalCode()
    {
        const QList<QByteArray> shortRecords {"", "45"};
        QVERIFY(townsFound({"45 "}, shortRecords).lines.isEmpty());
        QVERIFY(confirmedTowns({"45 "}, shortRecords).lines.isEmpty());
    }

    // The tables above number towns of one digit.
    void townNumbers() { QCOMPARE(townNumber(10) + townNumber(100), QString("   10  100")); }

    void awardMessage_data()
    {
        QTest::addColumn<int>("confirmed");
        QTest::addColumn<QString>("message");

        const auto bravo = [](const QString& reached, int n, int missing, const QString& next) {
            return QString("      Bravo pour le diplôme %1\r\n                %2 villes confirmées\r\n"
                           "Encore  %3 villes pour le diplome %4")
                .arg(reached, QString::number(n), QString::number(missing), next);
        };
        const QString honour = "Félicitations vous obtenez le diplôme d'honneur des villes Françaises";
        QTest::newRow("none") << 0 << "Encore  10 QSO pour le diplome Classe III";
        QTest::newRow("one short of class III") << 9 << "Encore  1 QSO pour le diplome Classe III";
        QTest::newRow("class III reached") << 10 << bravo("classe III", 10, 20, "Classe II");
        QTest::newRow("one short of class II") << 29 << bravo("classe III", 29, 1, "Classe II");
        QTest::newRow("class II reached") << 30 << bravo("classe II", 30, 20, "Classe I");
        QTest::newRow("one short of class I") << 49 << bravo("classe II", 49, 1, "Classe I");
        QTest::newRow("class I reached, next misspelt as written")
            << 50 << bravo("classe I", 50, 20, "Excellece");
        QTest::newRow("one short of excellence") << 69 << bravo("classe I", 69, 1, "Excellece");
        QTest::newRow("excellence reached") << 70 << bravo("Excellence", 70, 20, "d'Honneur");
        QTest::newRow("one short of honour") << 89 << bravo("Excellence", 89, 1, "d'Honneur");
        QTest::newRow("honour reached") << 90 << honour;
        QTest::newRow("past honour") << 102 << honour;
    }

    void awardMessage()
    {
        QFETCH(int, confirmed);
        QTEST(::awardMessage(confirmed), "message");
    }

    // Each département once, by its first line, compared without its blanks; met again, shown again.
    void townsToContact()
    {
        QCOMPARE(::townsToContact(townList({"13  13001 MARSEILLE", "13  13002 MARSEILLE", "2A  20000 AJACCIO",
                     "45  45000 ORLÉANS", " 45 45100 ORLÉANS", "56  56100 LORIENT", "45  45200 MONTARGIS",
                     "971 97110 POINTE A PITRE"})),
            (QStringList {" 13  13001 MARSEILLE", " 2A  20000 AJACCIO", " 45  45000 ORLÉANS",
                " 56  56100 LORIENT", " 45  45200 MONTARGIS", " 971 97110 POINTE A PITRE"}));
    }

    // Missing files are told through the windows; here, files that are there but cannot be read.
    void unreadableFiles()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("Liste_DVF.txt") && QDir(dir.path()).mkdir("F6ABC_P_CP.txt"));
        const DvfSources sources
            = readTownListAndLog(dir.path(), StationLog(dir.path(), "F6ABC_P"), "F6ABC_P");
        QVERIFY(sources.towns.isEmpty() && sources.log.isEmpty());
        QCOMPARE(sources.problems.size(), 2);
        for (const QString& problem : sources.problems)
            QVERIFY2(problem.startsWith("Le fichier " + QDir::toNativeSeparators(dir.path()))
                    && problem.contains(" ne peut pas être lu ("),
                qPrintable(problem));
    }
};

QTEST_GUILESS_MAIN(TestDvfResults)
#include "tst_dvfresults.moc"
