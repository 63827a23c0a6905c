#include "MainFixture.h"
#include "TestFiles.h"
#include "app/WindowPlacement.h"
#include "log/Cp1252.h"
#include "reports/ReportLines.h"

#include <QAction>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using TestFiles::record;

namespace {

QString dataFile(const QString& name)
{
    return QStringLiteral(KERLANIC_REPORTS_DATA "/") + name;
}

QStringList itemsOf(const QListWidget* list)
{
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

QList<QByteArray> smallLog()
{
    return {record("01000", "01/02/07", "F1ABCDEFGHIJ", '2', "CW", "7.0 Mhz", "", "BOURG EN BRESSE"),
        record("2A004", "03/04/08", "TK5XY", '3', "PSK31", "144 Mhz", "", "AJACCIO"),
        record("45000", "12/03/06", "F6ABC", '4', "SSB", "14 Mhz", "45123", "ORLÉANS"),
        record("45100", "", "", '0', "", "", "", "OLIVET")};
}

// Where a window that places itself lands on the fake 1600 x 1200 screen. It places itself
// before it is shown, when its frame is not known yet.
QPoint centredOn1600x1200(const QWidget* window)
{
    return {int(centredOffset(1600, window->width())), int(centredOffset(1200, window->height()))};
}

} // namespace

class TestReportWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void entriesAreEnabled();

    void listingWindows_data();
    void listingWindows();
    void openingTwiceRaisesTheSameWindow_data();
    void openingTwiceRaisesTheSameWindow();

    void summaryWindow();

    void departementPrompt_data();
    void departementPrompt();

    void savedReportsReadTheMainWindowTotal_data();
    void savedReportsReadTheMainWindowTotal();
    void failedSaveSaysSo();
    void printFromTheMenu_data();
    void printFromTheMenu();
    void cancelledPrintPrintsNothing();
    void failedPrintSaysSo();

private:
    MainWindow& startWith(MainFixture& f, const QList<QByteArray>& records);
    QAction* action(MainFixture& f, const char* name) { return f.main->findChild<QAction*>(name); }
};

MainWindow& TestReportWindows::startWith(MainFixture& f, const QList<QByteArray>& records)
{
    f.setStation("F6ABC", "45000");
    f.writeLog("F6ABC", TestFiles::logOf(records));
    return f.start();
}

void TestReportWindows::entriesAreEnabled()
{
    MainFixture f;
    startWith(f, {});
    for (const char* name : {"Mnu_Recap", "Mnu_C_Contacte", "Mnu_C_Confirme", "Mnu_non_confirme",
             "Mnu_Enr_Confirme", "Mnu_Enr_Contacte", "Mnu_Imp_Confirme", "Mnu_Imp_Contacte"})
        QVERIFY2(action(f, name)->isEnabled(), name);
    QVERIFY(f.button("Affiche_Un")->isEnabled());
}

void TestReportWindows::listingWindows_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("header");
    QTest::addColumn<bool>("centred");
    QTest::addColumn<QStringList>("lines");

    const QString pointsHeader = QString::fromUtf8("  N°          C.P.    Date    Indicatif       Mode       "
                                                   "QRG       DFCF       Points            Commune");
    const QString total = "                                  Total des points : 65004.0";
    QTest::newRow("contacted")
        << "Mnu_C_Contacte"
        << "Aff_Contacte" << QString::fromUtf8("C.P.contactés") << "Liste_CP_Contacte"
        << QString::fromUtf8("Liste des Codes Postaux contactés") << pointsHeader << false
        << QStringList {" 1       01000 01/02/07 F1ABCDEFGHIJ CW     7.0 Mhz                0.0   "
                        "BOURG EN BRESSE",
               " 2       2A004 03/04/08 TK5XY        PSK31  144 Mhz            20004.0   AJACCIO",
               QString::fromUtf8(" 3       45000 12/03/06 F6ABC        SSB    14 Mhz    45123  "
                                 "  49512.3   ORLÉANS"),
               "", total};
    QTest::newRow("confirmed")
        << "Mnu_C_Confirme"
        << "Aff_Confirme" << QString::fromUtf8("C.P. confirmés") << "Liste_CP_Confirme"
        << QString::fromUtf8("Liste des Codes Postaux confirmés") << pointsHeader << true
        << QStringList {" 1       2A004 03/04/08 TK5XY        PSK31  144 Mhz            20004.0   AJACCIO",
               QString::fromUtf8(" 2       45000 12/03/06 F6ABC        SSB    14 Mhz    45123  "
                                 "  49512.3   ORLÉANS"),
               "", total};
    QTest::newRow("not confirmed")
        << "Mnu_non_confirme"
        << "Aff_Non_Confirme" << QString::fromUtf8("C.P. non confirmés") << "Liste_CP_N_Confirme"
        << QString::fromUtf8("Liste des Codes Postaux non confirmés")
        << QString::fromUtf8(
               "  N°          C.P.    Date    Indicatif       Mode       QRG       DFCF         Commune")
        << true
        << QStringList {" 1       01000 01/02/07 F1ABCDEFGHIJ CW     7.0 Mhz           BOURG EN BRESSE"};
}

void TestReportWindows::listingWindows()
{
    QFETCH(QString, entry);
    QFETCH(QString, window);
    QFETCH(QString, caption);
    QFETCH(QString, list);
    QFETCH(QString, title);
    QFETCH(QString, header);
    QFETCH(bool, centred);
    QFETCH(QStringList, lines);

    MainFixture f;
    startWith(f, smallLog());
    // The total line copies the main window's box as it stands, whatever the log adds up to.
    f.edit("Tot_Points")->setText("65004.0");
    action(f, qPrintable(entry))->trigger();

    auto* shown = f.main->findChild<QWidget*>(window);
    QVERIFY(shown);
    QVERIFY(shown->isVisible());
    QVERIFY(!shown->isModal());
    QCOMPARE(shown->windowTitle(), caption);
    QCOMPARE(shown->findChild<QLabel*>("Label3")->text(), title);
    QCOMPARE(shown->findChild<QGroupBox*>("Frame2")->title(), title + " ");
    QCOMPARE(shown->findChild<QLabel*>("Label2")->text(), header);
    auto* listBox = shown->findChild<QListWidget*>(list);
    QVERIFY(listBox);
    QVERIFY(listBox->font().fixedPitch());
    QCOMPARE(itemsOf(listBox), lines);
    QCOMPARE(shown->pos() == centredOn1600x1200(shown), centred);
}

void TestReportWindows::openingTwiceRaisesTheSameWindow_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("content"); // the control whose text follows the log
    QTest::newRow("contacted") << "Mnu_C_Contacte"
                               << "Aff_Contacte"
                               << "Liste_CP_Contacte";
    QTest::newRow("confirmed") << "Mnu_C_Confirme"
                               << "Aff_Confirme"
                               << "Liste_CP_Confirme";
    QTest::newRow("not confirmed") << "Mnu_non_confirme"
                                   << "Aff_Non_Confirme"
                                   << "Liste_CP_N_Confirme";
    QTest::newRow("summary") << "Mnu_Recap"
                             << "Recapitulatif"
                             << "Nb_C_Contacte";
}

void TestReportWindows::openingTwiceRaisesTheSameWindow()
{
    QFETCH(QString, entry);
    QFETCH(QString, window);
    QFETCH(QString, content);
    const auto contentOf = [&](QWidget* w) {
        if (auto* list = w->findChild<QListWidget*>(content))
            return itemsOf(list).join('\n');
        return w->findChild<QLineEdit*>(content)->text();
    };

    MainFixture f;
    startWith(f, smallLog());
    action(f, qPrintable(entry))->trigger();
    QPointer<QWidget> first = f.main->findChild<QWidget*>(window);
    QVERIFY(first);
    const QString before = contentOf(first);

    // A new contact in the log: the open window keeps what it computed when it opened.
    QList<QByteArray> more = smallLog();
    more << record("46000", "01/01/07", "F5AAA", '4', "SSB", "14 Mhz", "", "CAHORS")
         << record("47000", "01/01/07", "F5AAA", '2', "SSB", "14 Mhz", "", "AGEN");
    f.writeLog("F6ABC", TestFiles::logOf(more));
    first->showMinimized();
    action(f, qPrintable(entry))->trigger();
    QCOMPARE(f.main->findChildren<QWidget*>(window).size(), 1);
    QCOMPARE(f.main->findChild<QWidget*>(window), first.data());
    QVERIFY(!first->isMinimized());
    QCOMPARE(contentOf(first), before);

    // Closed, the window is gone; opened again, it counts afresh.
    first->close();
    QTRY_VERIFY(first.isNull());
    action(f, qPrintable(entry))->trigger();
    QWidget* second = f.main->findChild<QWidget*>(window);
    QVERIFY(second);
    QVERIFY(second->isVisible());
    QVERIFY(contentOf(second) != before);
}

void TestReportWindows::summaryWindow()
{
    MainFixture f;
    QVERIFY(QFile::copy(dataFile("F6ABC_CP.txt"), f.logPath("F6ABC")));
    f.setStation("F6ABC", "45000");
    f.start();
    action(f, "Mnu_Recap")->trigger();
    auto* summary = f.main->findChild<QWidget*>("Recapitulatif");
    QVERIFY(summary);
    QCOMPARE(summary->windowTitle(), QString::fromUtf8("Feuille Récapitulative"));
    QCOMPARE(summary->pos(), centredOn1600x1200(summary));
    const auto box = [&](const char* name) { return summary->findChild<QLineEdit*>(name)->text(); };
    // 33 dated lines; 26 confirmed in 45, plus 00000, 01000 and 2A004; départements 1, 20, 45, 75;
    // two DFCF references.
    QCOMPARE(box("Nb_C_Contacte"), "33");
    QCOMPARE(box("Nb_C_Confirme"), "29");
    QCOMPARE(box("Nb_D_Contacte"), "4");
    QCOMPARE(box("Nb_D_Confirme"), "3");
    QCOMPARE(box("NB_E_DFCF"), "2");
    QCOMPARE(box("NB_E_Quelvar"), "977954.5");
    QCOMPARE(summary->findChild<QLabel*>("Label2")->text(), "RECAPITULATIF DES CONTACTS");
    QCOMPARE(summary->findChild<QLabel*>("Label9")->text(), "du challenge 10 Millions de Quelvar");
}

void TestReportWindows::departementPrompt_data()
{
    QTest::addColumn<QStringList>("typed"); // texts typed, each followed by Enter
    QTest::addColumn<QString>("shown"); // what Num_Dep holds at the end
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<QString>("caption");

    const QString none;
    QTest::newRow("empty") << QStringList {""} << ""
                           << QStringList {QString::fromUtf8("Entrez un Département")} << false << none;
    QTest::newRow("one character") << QStringList {"1"} << "1"
                                   << QStringList {QString::fromUtf8("2 caracteres pour le Département")}
                                   << false << none;
    QTest::newRow("three characters")
        << QStringList {"451"} << "451" << QStringList {QString::fromUtf8("2 caracteres pour le Département")}
        << false << none;
    QTest::newRow("01")
        << QStringList {"01"} << "01" << QStringList {} << true
        << QString::fromUtf8(
               " 1 Codes Postaux contactés dans le Département 01      Contactés :  1   Confirmés :  0  ");
    QTest::newRow("small letters become capitals")
        << QStringList {"2b"} << "2B" << QStringList {} << true
        << QString::fromUtf8(
               " 1 Codes Postaux contactés dans le Département 2B      Contactés :  1   Confirmés :  1  ");
    QTest::newRow("nothing in that département")
        << QStringList {"99"} << "99" << QStringList {} << true
        << QString::fromUtf8(
               " 0 Codes Postaux contactés dans le Département 99      Contactés :  0   Confirmés :  0  ");
    QTest::newRow("corrected after a message")
        << QStringList {"4", "5"} << "45"
        << QStringList {QString::fromUtf8("2 caracteres pour le Département")} << true
        << QString::fromUtf8(
               " 2 Codes Postaux contactés dans le Département 45      Contactés :  1   Confirmés :  1  ");
}

void TestReportWindows::departementPrompt()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, shown);
    QFETCH(QStringList, messages);
    QFETCH(bool, closed);
    QFETCH(QString, caption);

    MainFixture f;
    QList<QByteArray> log = smallLog();
    log.insert(2, record("2B200", "03/04/08", "TK5XY", '4', "SSB", "14 Mhz", "", "BASTIA"));
    startWith(f, log);
    f.fake.messages.shown.clear();
    const QString captionBefore = f.main->findChild<QGroupBox*>("L_Communes")->title();

    f.button("Affiche_Un")->click();
    QPointer<QWidget> prompt = f.main->findChild<QWidget*>("Numero_Dpt");
    QVERIFY(prompt);
    QCOMPARE(prompt->windowTitle(), QString::fromUtf8("Numero Département"));
    QCOMPARE(prompt->pos(), centredOn1600x1200(prompt));
    QCOMPARE(prompt->findChild<QLabel*>("Label2")->text(), QString::fromUtf8("N° du Département "));
    auto* box = prompt->findChild<QLineEdit*>("Num_Dep");
    QVERIFY(box->text().isEmpty());
    for (const QString& text : typed) {
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
        if (!closed)
            QCOMPARE(box->text(), shown);
    }
    QCOMPARE(f.fake.messages.shown, messages);
    if (closed) {
        QTRY_VERIFY(prompt.isNull());
        QCOMPARE(f.main->findChild<QGroupBox*>("L_Communes")->title(), caption);
        QVERIFY(f.listedLines().size() == caption.mid(1, caption.indexOf(' ', 1) - 1).toInt());
        for (const QString& line : f.listedLines())
            QCOMPARE(line.mid(6, 2), shown);
    } else {
        QVERIFY(prompt->isVisible());
        QCOMPARE(f.main->findChild<QGroupBox*>("L_Communes")->title(), captionBefore);
    }
}

void TestReportWindows::savedReportsReadTheMainWindowTotal_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("confirmed") << "Mnu_Enr_Confirme"
                               << "CP_Confirme_F6ABC_05_12_26.txt";
    QTest::newRow("contacted") << "Mnu_Enr_Contacte"
                               << "CP_Contacte_F6ABC_05_12_26.txt";
}

void TestReportWindows::savedReportsReadTheMainWindowTotal()
{
    QFETCH(QString, entry);
    QFETCH(QString, fileName);
    MainFixture f;
    startWith(f, smallLog());
    f.fake.messages.shown.clear();
    f.edit("Tot_Points")->setText("12.3");
    action(f, qPrintable(entry))->trigger();

    QCOMPARE(f.fake.messages.shown,
        QStringList {QString::fromUtf8("Le log a été enregistré sous le nom : ") + fileName});
    const QStringList lines
        = Cp1252::decode(TestFiles::read(QDir(f.dir.path()).filePath(fileName))).split("\r\n");
    QVERIFY(lines.first().startsWith("                    F6ABC "));
    QVERIFY(lines.first().endsWith(" au 05/12/2026"));
    QCOMPARE(lines.at(lines.size() - 4), "                                  Total des points : 12.3");
}

void TestReportWindows::failedSaveSaysSo()
{
    MainFixture f;
    startWith(f, smallLog());
    f.fake.messages.shown.clear();
    QVERIFY(QDir(f.dir.path()).mkdir("Temporaire.txt"));
    action(f, "Mnu_Enr_Confirme")->trigger();
    QCOMPARE(f.fake.messages.shown.size(), 1);
    QVERIFY2(f.fake.messages.shown.first().startsWith(QString::fromUtf8(
                 "Le compte rendu CP_Confirme_F6ABC_05_12_26.txt n'a pas été enregistré : ")),
        qPrintable(f.fake.messages.shown.first()));
    QVERIFY(!QFileInfo::exists(QDir(f.dir.path()).filePath("CP_Confirme_F6ABC_05_12_26.txt")));
}

void TestReportWindows::printFromTheMenu_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("expected");
    QTest::newRow("confirmed") << "Mnu_Imp_Confirme"
                               << "Imprime_Confirme_point.txt";
    QTest::newRow("contacted") << "Mnu_Imp_Contacte"
                               << "Imprime_Contacte_point.txt";
}

void TestReportWindows::printFromTheMenu()
{
    QFETCH(QString, entry);
    QFETCH(QString, expected);
    MainFixture f;
    QVERIFY(QFile::copy(dataFile("F6ABC_CP.txt"), f.logPath("F6ABC")));
    f.setStation("F6ABC", "45000");
    f.start();
    f.fake.messages.shown.clear();
    QCOMPARE(f.edit("Tot_Points")->text(), "977954.5");
    action(f, qPrintable(entry))->trigger();

    QStringList lines = Cp1252::decode(TestFiles::read(dataFile(expected))).split("\r\n");
    lines.removeLast();
    QCOMPARE(f.fake.printer.lines, lines);
    QCOMPARE(f.fake.printer.events.first(), "font name=Courier New");
    QCOMPARE(f.fake.printer.events.mid(f.fake.printer.events.size() - 4),
        (QStringList {"end", "bold=0", "font name=Arial", "font size=10"}));
    // No message once printed.
    QVERIFY(f.fake.messages.shown.isEmpty());
}

void TestReportWindows::cancelledPrintPrintsNothing()
{
    MainFixture f;
    startWith(f, smallLog());
    f.fake.messages.shown.clear();
    f.fake.printer.dialogAnswer = false;
    action(f, "Mnu_Imp_Contacte")->trigger();
    QVERIFY(f.fake.printer.lines.isEmpty());
    QCOMPARE(f.fake.printer.events,
        (QStringList {"font name=Courier New", "bold=1", "font size=9", "dialog", "bold=0", "font name=Arial",
            "font size=10"}));
    QVERIFY(f.fake.messages.shown.isEmpty());
}

void TestReportWindows::failedPrintSaysSo()
{
    MainFixture f;
    startWith(f, smallLog());
    f.fake.messages.shown.clear();
    f.fake.printer.endDocResult = false;
    action(f, "Mnu_Imp_Confirme")->trigger();
    QCOMPARE(f.fake.messages.shown,
        QStringList {
            QString::fromUtf8("L'impression a échoué : l'imprimante n'a pas reçu le compte rendu.")});
    QVERIFY(!f.fake.printer.fontBold());
}

QTEST_MAIN(TestReportWindows)
#include "tst_reportwindows.moc"
