#include "MainFixture.h"
#include "TestFiles.h"
#include "log/Cp1252.h"

#include <QAction>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using TestFiles::record;

namespace {

// Line ends of every kind and blank lines, as editors leave them. Marseille is logged under its
// first postal code with status 2 and under its second with status 4: the first code decides, it
// is not confirmed. Lorient was held ("Nouveau Canton") before its contact was confirmed.
const char* const kTownList = "\r\n01  01000 BOURG EN BRESSE\r\n"
                              "13  13001 MARSEILLE\n"
                              "13  13002 MARSEILLE\r\n   \r\n\r\n"
                              "29  29200 BREST\r\n"
                              "45  45000 ORLÉANS\r\n"
                              "56  56100 LORIENT";

struct DvfFixture : MainFixture
{
    DvfFixture()
    {
        TestFiles::write(townListPath(), Cp1252::encode(QString(kTownList)).value_or(""));
        setStation("F6ABC_P", "45000",
            TestFiles::logOf({record("01000", "12/03/06", "F5ABC", '4', "SSB", "14 Mhz", "", ""),
                record("13001", "12/03/06", "F5XYZ", '2', "SSB", "14 Mhz", "", ""),
                record("13002", "14/03/06", "F5XYZ", '4', "SSB", "14 Mhz", "", ""),
                record("29200", "13/03/06", "F4BRE", '3', "CW", "7.0 Mhz", "", ""),
                record("45000", "14/03/06", "F6ORL", '4', "SSB", "14 Mhz", "45050", ""),
                record("56100", "", "", '0', "", "", "", "LORIENT"),
                record("56100", "15/03/06", "F5LOR", '4', "SSB", "14 Mhz", "", "LORIENT")}));
        start();
        logbook.Nb_Villes_Confirmees = 12;
    }

    QString townListPath() const { return QDir(dir.path()).filePath("Liste_DVF.txt"); }
    void choose(const char* entry) const { main->findChild<QAction*>(QLatin1String(entry))->trigger(); }
    QWidget* window(const char* name) const { return main->findChild<QWidget*>(QLatin1String(name)); }
    QStringList items(const char* window, const char* list) const
    {
        QStringList lines;
        const auto* box = this->window(window)->findChild<QListWidget*>(QLatin1String(list));
        for (int i = 0; i < box->count(); ++i)
            lines << box->item(i)->text();
        return lines;
    }
    void clickResults() const
    {
        QTest::mouseClick(window("DVF")->findChild<QPushButton*>("Resultat"), Qt::LeftButton);
    }
};

} // namespace

class TestDvfWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Both windows, the printout and the button on one log, in the order a user would take them.
    void windowsAndPrintout()
    {
        DvfFixture f;
        f.choose("Mnu_Liste_Villes");
        QCOMPARE(f.items("Liste_Villes", "ListeVilles"),
            (QStringList {" 01  01000 BOURG EN BRESSE", " 13  13001 MARSEILLE", " 29  29200 BREST",
                " 45  45000 ORLÉANS", " 56  56100 LORIENT"}));

        f.choose("Mnu_Diplome");
        QPointer<QWidget> dvf = f.window("DVF");
        const QStringList results {"    1  01  01000 BOURG EN BRESSE        *",
            "    2  13  13001 MARSEILLE              ", "    3  29  29200 BREST                  ",
            "    4  45  45000 ORLÉANS                *", "    5  56  56100 LORIENT                *"};
        QCOMPARE(f.items("DVF", "Liste_DVF"), results);
        f.clickResults();

        // Dated by the clock while its label is still empty, before its first tick; the fonts
        // kept are put back.
        f.fake.printer.setFontName("Times New Roman");
        f.fake.printer.setFontSize(12);
        f.fake.printer.events.clear();
        f.choose("Mnu_Imp_Resultats");
        QCOMPARE(f.fake.printer.events,
            (QStringList {"font name=Courier New", "bold=1", "font size=10", "dialog",
                "line=                F6ABC_P  Villes contactées au 05/12/26",
                "line=", "line=   N°  Dpt   CP    Villes", "line=", "line=    1  01  01000 BOURG EN BRESSE",
                "line=    2  45  45000 ORLÉANS", "line=    3  56  56100 LORIENT",
                "line=", "line=                Kerlanic, le carnet de trafic des Codes Postaux", "end",
                "bold=0", "font name=Times New Roman", "font size=12"}));
        // The window and the printout count the same towns; the button tells that count.
        QCOMPARE(f.logbook.Nb_Villes_Confirmees, 3);
        f.clickResults();
        QCOMPARE(f.fake.messages.shown,
            (QStringList {
                "Encore  7 QSO pour le diplome Classe III", "Encore  7 QSO pour le diplome Classe III"}));

        f.fake.printer.lines.clear();
        f.logbook.dateShown = "31/12/26";
        f.choose("Mnu_Imp_Resultats");
        QCOMPARE(
            f.fake.printer.lines.value(0), QString("                F6ABC_P  Villes contactées au 31/12/26"));

        // Closed, it is built again from the files. (Chosen while open, it is only brought forward,
        // as every secondary window is: the report windows' tests check that.)
        f.writeLog(
            "F6ABC_P", TestFiles::logOf({record("56100", "12/03/06", "F5ABC", '4', "SSB", "", "", "")}));
        dvf->close();
        QTRY_VERIFY(!dvf);
        f.choose("Mnu_Diplome");
        QCOMPARE(f.items("DVF", "Liste_DVF"), QStringList {"    1  56  56100 LORIENT                *"});
        QCOMPARE(f.logbook.Nb_Villes_Confirmees, 1);
    }

    // The windows open empty and usable and say what is missing; the printout says it prints nothing.
    void missingFiles_data()
    {
        QTest::addColumn<bool>("withList");
        QTest::addColumn<bool>("withLog");
        QTest::addColumn<QString>("problems");

        const QString list = "La liste des villes du DVF, Liste_DVF.txt, est introuvable dans le dossier %1.";
        const QString log
            = "Le carnet de la station F6ABC/P, F6ABC_P_CP.txt, est introuvable dans le dossier %1.";
        QTest::newRow("no town list") << false << true << list;
        QTest::newRow("no log") << true << false << log;
        QTest::newRow("neither") << false << false << list + "\r\n" + log;
    }

    void missingFiles()
    {
        QFETCH(bool, withList);
        QFETCH(bool, withLog);
        QFETCH(QString, problems);
        DvfFixture f;
        QVERIFY(withList || QFile::remove(f.townListPath()));
        QVERIFY(withLog || QFile::remove(f.logPath("F6ABC_P")));
        const QString expected = problems.arg(QDir::toNativeSeparators(f.dir.path()));
        QStringList& shown = f.fake.messages.shown;

        f.choose("Mnu_Diplome");
        QVERIFY(f.window("DVF")->isVisible() && f.window("DVF")->isWindow());
        QVERIFY(f.items("DVF", "Liste_DVF").isEmpty());
        QCOMPARE(f.logbook.Nb_Villes_Confirmees, 0);
        // Still usable; choosing it again while open does not repeat the message.
        f.clickResults();
        f.choose("Mnu_Diplome");
        QCOMPARE(shown, (QStringList {expected, "Encore  10 QSO pour le diplome Classe III"}));

        // The town list window needs the list only.
        shown.clear();
        f.choose("Mnu_Liste_Villes");
        QVERIFY(f.window("Liste_Villes")->isVisible() && f.window("Liste_Villes")->isWindow());
        QCOMPARE(f.items("Liste_Villes", "ListeVilles").size(), withList ? 5 : 0);
        QCOMPARE(shown, withList ? QStringList {} : QStringList {expected.section("\r\n", 0, 0)});

        shown.clear();
        f.fake.printer.events.clear();
        f.choose("Mnu_Imp_Resultats");
        QVERIFY(f.fake.printer.events.isEmpty());
        QCOMPARE(shown, QStringList {expected + "\r\n\r\nLes résultats du DVF ne sont pas imprimés."});
    }

    // A cancelled dialog prints and counts nothing; a failed printout says so. The font is put
    // back either way.
    void printerTrouble_data()
    {
        QTest::addColumn<bool>("dialogAnswer");
        QTest::addColumn<int>("confirmed");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("cancelled") << false << 12 << QStringList {};
        QTest::newRow("failed") << true << 3
                                << QStringList {"L'impression des résultats du DVF a échoué : l'imprimante "
                                                "n'a pas reçu le document."};
    }

    void printerTrouble()
    {
        QFETCH(bool, dialogAnswer);
        DvfFixture f;
        f.fake.printer.dialogAnswer = dialogAnswer;
        f.fake.printer.endDocResult = false;
        f.choose("Mnu_Imp_Resultats");
        QCOMPARE(f.fake.printer.lines.isEmpty(), !dialogAnswer);
        QCOMPARE(f.fake.printer.events.last(3), (QStringList {"bold=0", "font name=Arial", "font size=10"}));
        QTEST(f.logbook.Nb_Villes_Confirmees, "confirmed");
        QTEST(f.fake.messages.shown, "messages");
    }
};

QTEST_MAIN(TestDvfWindows)
#include "tst_dvfwindows.moc"
