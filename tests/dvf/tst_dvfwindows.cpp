#include "MainFixture.h"
#include "TestFiles.h"
#include "log/Cp1252.h"

#include <QAction>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using TestFiles::record;

namespace {

QString u(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

// A town list and a log where Marseille is logged under its first postal code with status 2 and
// under its second with status 4: the window lists it without "*", the printout counts it.
const char* const kTownList = "01  01000 BOURG EN BRESSE\r\n"
                              "13  13001 MARSEILLE\r\n"
                              "13  13002 MARSEILLE\r\n"
                              "29  29200 BREST\r\n"
                              "45  45000 ORLÉANS\r\n"
                              "56  56100 LORIENT\r\n";

QByteArray cp1252(const char* utf8)
{
    return Cp1252::encode(QString::fromUtf8(utf8)).value_or(QByteArray());
}

struct DvfFixture : MainFixture
{
    DvfFixture()
    {
        setStation("F6ABC_P", "45000");
        writeTownList(kTownList);
        writeLog("F6ABC_P",
            TestFiles::logOf(
                {record("01000", "12/03/06", "F5ABC", '4', "SSB", "14 Mhz", "", "BOURG EN BRESSE"),
                    record("13001", "12/03/06", "F5XYZ", '2', "SSB", "14 Mhz", "", "MARSEILLE"),
                    record("13002", "14/03/06", "F5XYZ", '4', "SSB", "14 Mhz", "", "MARSEILLE"),
                    record("29200", "13/03/06", "F4BRE", '3', "CW", "7.0 Mhz", "", "BREST"),
                    record("45000", "14/03/06", "F6ORL", '4', "SSB", "14 Mhz", "45050", "ORLÉANS")}));
    }

    void writeTownList(const char* utf8)
    {
        TestFiles::write(QDir(dir.path()).filePath("Liste_DVF.txt"), cp1252(utf8));
    }

    QAction* action(const char* name) const { return main->findChild<QAction*>(QLatin1String(name)); }
    QLabel* clockDate() const { return main->findChild<QLabel*>(QStringLiteral("Label33")); }
    QWidget* window(const char* name) const { return main->findChild<QWidget*>(QLatin1String(name)); }
    QStringList items(const char* window, const char* list) const
    {
        QStringList lines;
        const auto* box = this->window(window)->findChild<QListWidget*>(QLatin1String(list));
        for (int i = 0; i < box->count(); ++i)
            lines << box->item(i)->text();
        return lines;
    }
    void closeWindow(const char* name)
    {
        QPointer<QWidget> open = window(name);
        open->close();
        QTRY_VERIFY(!open);
    }
};

const QStringList kExpectedResults {
    "    1  01  01000 BOURG EN BRESSE        *",
    "    2  13  13001 MARSEILLE              ",
    "    3  29  29200 BREST                  ",
    u("    4  45  45000 ORLÉANS                *"),
};

const QStringList kExpectedPrintout {
    u("                F6ABC_P  Villes contactées au 05/12/26"),
    "",
    u("   N°  Dpt   CP    Villes"),
    "",
    "    1  01  01000 BOURG EN BRESSE",
    "    2  13  13002 MARSEILLE",
    u("    3  45  45000 ORLÉANS"),
    "",
    "                Kerlanic, le carnet de trafic des Codes Postaux",
};

} // namespace

class TestDvfWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyEntryIsWired();
    void resultsWindow();
    void resultsWindowIsComputedOnceWhileOpen();
    void missingFiles_data();
    void missingFiles();
    void townsWindow();
    void printout();
    void printoutCountsMoreThanTheWindow();
    void printoutDateFromTheClockLabel();
    void cancelledPrintout();
    void printoutWithoutItsFiles();
    void failedPrintout();
};

void TestDvfWindows::everyEntryIsWired()
{
    MainFixture f;
    MainWindow& main = f.start();
    for (const char* name : {"Mnu_Diplome", "Mnu_Liste_Villes", "Mnu_Imp_Resultats"})
        QVERIFY2(main.findChild<QAction*>(name)->isEnabled(), name);
}

void TestDvfWindows::resultsWindow()
{
    DvfFixture f;
    f.start();
    f.state.Nb_Villes_Confirmees = 57;
    f.action("Mnu_Diplome")->trigger();

    QWidget* dvf = f.window("DVF");
    QVERIFY(dvf && dvf->isVisible() && dvf->isWindow());
    QCOMPARE(dvf->windowTitle(), QStringLiteral("DVF"));
    QCOMPARE(dvf->findChild<QLabel*>("Label2")->text(), u("Dîplome des Villes Françaises"));
    QCOMPARE(dvf->findChild<QLabel*>("Label3")->text(),
        u("     N°   Dpt      CP            Ville                                QSL"));
    QVERIFY(dvf->findChild<QGroupBox*>("Frame1") && dvf->findChild<QGroupBox*>("Frame2"));
    QCOMPARE(f.items("DVF", "Liste_DVF"), kExpectedResults);
    QCOMPARE(f.state.Nb_Villes_Confirmees, 2);
    QVERIFY(f.fake.messages.shown.isEmpty());

    auto* results = dvf->findChild<QPushButton*>("Resultat");
    QCOMPARE(results->text(), u("Résultats"));
    QTest::mouseClick(results, Qt::LeftButton);
    QCOMPARE(f.fake.messages.shown, QStringList {"Encore  8 QSO pour le diplome Classe III"});
}

void TestDvfWindows::resultsWindowIsComputedOnceWhileOpen()
{
    DvfFixture f;
    f.start();
    f.action("Mnu_Diplome")->trigger();
    QPointer<QWidget> first = f.window("DVF");

    // The log changes while the window is open: choosing it again only brings it forward.
    f.writeLog(
        "F6ABC_P", TestFiles::logOf({record("56100", "12/03/06", "F5ABC", '4', "SSB", "14 Mhz", "", "")}));
    f.action("Mnu_Diplome")->trigger();
    QCOMPARE(f.window("DVF"), first.data());
    QCOMPARE(f.items("DVF", "Liste_DVF"), kExpectedResults);

    // Closed, it is built again from the files.
    f.closeWindow("DVF");
    f.action("Mnu_Diplome")->trigger();
    QCOMPARE(f.items("DVF", "Liste_DVF"), QStringList {"    1  56  56100 LORIENT                *"});
    QCOMPARE(f.state.Nb_Villes_Confirmees, 1);
}

void TestDvfWindows::missingFiles_data()
{
    QTest::addColumn<bool>("withList");
    QTest::addColumn<bool>("withLog");
    QTest::addColumn<QStringList>("results");
    QTest::addColumn<QString>("problems");

    const QString listMissing
        = "La liste des villes du DVF, Liste_DVF.txt, est introuvable dans le dossier %1.";
    const QString logMissing
        = "Le carnet de la station F6ABC/P, F6ABC_P_CP.txt, est introuvable dans le dossier %1.";
    QTest::newRow("no town list") << false << true << QStringList {} << listMissing;
    QTest::newRow("no log") << true << false << QStringList {} << logMissing;
    QTest::newRow("neither") << false << false << QStringList {} << listMissing + "\r\n" + logMissing;
}

void TestDvfWindows::missingFiles()
{
    QFETCH(bool, withList);
    QFETCH(bool, withLog);
    DvfFixture f;
    if (!withList)
        QVERIFY(QFile::remove(QDir(f.dir.path()).filePath("Liste_DVF.txt")));
    if (!withLog)
        QVERIFY(QFile::remove(f.logPath("F6ABC_P")));
    f.start();
    f.state.Nb_Villes_Confirmees = 12;

    f.action("Mnu_Diplome")->trigger();
    QVERIFY(f.window("DVF")->isVisible());
    QTEST(f.items("DVF", "Liste_DVF"), "results");
    QCOMPARE(f.state.Nb_Villes_Confirmees, 0);
    QFETCH(QString, problems);
    const QString expected = problems.arg(QDir::toNativeSeparators(f.dir.path()));
    QCOMPARE(f.fake.messages.shown, QStringList {expected});

    // Still usable; choosing it again while open does not repeat the message.
    QTest::mouseClick(f.window("DVF")->findChild<QPushButton*>("Resultat"), Qt::LeftButton);
    f.action("Mnu_Diplome")->trigger();
    QCOMPARE(f.fake.messages.shown, (QStringList {expected, "Encore  10 QSO pour le diplome Classe III"}));

    // The town list window needs the list only.
    f.fake.messages.shown.clear();
    f.action("Mnu_Liste_Villes")->trigger();
    QVERIFY(f.window("Liste_Villes")->isVisible());
    if (withList) {
        QCOMPARE(f.items("Liste_Villes", "ListeVilles").size(), 5);
        QVERIFY(f.fake.messages.shown.isEmpty());
    } else {
        QVERIFY(f.items("Liste_Villes", "ListeVilles").isEmpty());
        QCOMPARE(f.fake.messages.shown, QStringList {expected.section("\r\n", 0, 0)});
    }
}

void TestDvfWindows::townsWindow()
{
    DvfFixture f;
    f.start();
    f.action("Mnu_Liste_Villes")->trigger();
    QWidget* towns = f.window("Liste_Villes");
    QVERIFY(towns && towns->isVisible() && towns->isWindow());
    QCOMPARE(towns->windowTitle(), QStringLiteral("Liste Villes"));
    QCOMPARE(towns->findChild<QLabel*>("Label2")->text(), QStringLiteral("Liste des Villes a contacter"));
    QCOMPARE(towns->findChild<QLabel*>("Label3")->text(), QStringLiteral(" Dpt      CP            Ville"));
    QCOMPARE(f.items("Liste_Villes", "ListeVilles"),
        (QStringList {" 01  01000 BOURG EN BRESSE", " 13  13001 MARSEILLE", " 29  29200 BREST",
            u(" 45  45000 ORLÉANS"), " 56  56100 LORIENT"}));
    QVERIFY(f.fake.messages.shown.isEmpty());
}

void TestDvfWindows::printout()
{
    DvfFixture f;
    f.start();
    f.fake.printer.setFontName("Times New Roman");
    f.fake.printer.setFontSize(12);
    f.fake.printer.events.clear();

    f.action("Mnu_Imp_Resultats")->trigger();
    QCOMPARE(f.fake.printer.lines, kExpectedPrintout);
    QStringList events {"font name=Courier New", "bold=1", "font size=10", "dialog"};
    for (const QString& line : kExpectedPrintout)
        events << "line=" + line;
    events << "end"
           << "bold=0"
           << "font name=Times New Roman"
           << "font size=12";
    QCOMPARE(f.fake.printer.events, events);
    QCOMPARE(f.state.Nb_Villes_Confirmees, 3);
    QVERIFY(f.fake.messages.shown.isEmpty());
}

void TestDvfWindows::printoutCountsMoreThanTheWindow()
{
    DvfFixture f;
    f.start();
    f.action("Mnu_Diplome")->trigger();
    QCOMPARE(f.state.Nb_Villes_Confirmees, 2);
    f.action("Mnu_Imp_Resultats")->trigger();
    QCOMPARE(f.state.Nb_Villes_Confirmees, 3);

    // The button tells the count stored last, the printout's.
    QTest::mouseClick(f.window("DVF")->findChild<QPushButton*>("Resultat"), Qt::LeftButton);
    QCOMPARE(f.fake.messages.shown, QStringList {"Encore  7 QSO pour le diplome Classe III"});
}

void TestDvfWindows::printoutDateFromTheClockLabel()
{
    DvfFixture f;
    f.start();
    // Before the clock's first tick the label is empty: the date is read from the clock.
    QVERIFY(f.clockDate()->text().isEmpty());
    f.fake.clock.utc = QDateTime(QDate(2027, 1, 2), QTime(0, 10), Qt::UTC);
    f.action("Mnu_Imp_Resultats")->trigger();
    QCOMPARE(f.fake.printer.lines.value(0), u("                F6ABC_P  Villes contactées au 02/01/27"));

    f.fake.printer.lines.clear();
    f.clockDate()->setText("31/12/26");
    f.action("Mnu_Imp_Resultats")->trigger();
    QCOMPARE(f.fake.printer.lines.value(0), u("                F6ABC_P  Villes contactées au 31/12/26"));
}

void TestDvfWindows::cancelledPrintout()
{
    DvfFixture f;
    f.start();
    f.state.Nb_Villes_Confirmees = 12;
    f.fake.printer.dialogAnswer = false;
    f.fake.printer.events.clear();
    f.action("Mnu_Imp_Resultats")->trigger();
    QVERIFY(f.fake.printer.lines.isEmpty());
    QCOMPARE(f.fake.printer.events,
        (QStringList {"font name=Courier New", "bold=1", "font size=10", "dialog", "bold=0",
            "font name=Arial", "font size=10"}));
    QCOMPARE(f.state.Nb_Villes_Confirmees, 12);
    QVERIFY(f.fake.messages.shown.isEmpty());
}

void TestDvfWindows::printoutWithoutItsFiles()
{
    DvfFixture f;
    QVERIFY(QFile::remove(QDir(f.dir.path()).filePath("Liste_DVF.txt")));
    f.start();
    f.fake.printer.events.clear();
    f.action("Mnu_Imp_Resultats")->trigger();
    QVERIFY(f.fake.printer.events.isEmpty());
    QCOMPARE(f.fake.messages.shown,
        QStringList {"La liste des villes du DVF, Liste_DVF.txt, est introuvable dans le dossier "
            + QDir::toNativeSeparators(f.dir.path())
            + u(".\r\n\r\nLes résultats du DVF ne sont pas imprimés.")});
}

void TestDvfWindows::failedPrintout()
{
    DvfFixture f;
    f.start();
    f.fake.printer.endDocResult = false;
    f.action("Mnu_Imp_Resultats")->trigger();
    QCOMPARE(f.fake.messages.shown,
        QStringList {
            u("L'impression des résultats du DVF a échoué : l'imprimante n'a pas reçu le document.")});
    QVERIFY(!f.fake.printer.fontBold());
}

QTEST_MAIN(TestDvfWindows)
#include "tst_dvfwindows.moc"
