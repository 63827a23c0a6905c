#include "MainFixture.h"
#include "TestFiles.h"
#include "app/WindowPlacement.h"
#include "log/Cp1252.h"

#include <QAction>
#include <QDir>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QAbstractItemView>
#include <QPushButton>
#include <QTest>

using TestFiles::record;

namespace {

QString dataFile(const QString& name)
{
    return QStringLiteral(KERLANIC_REPORTS_DATA "/") + name;
}

// What a window computed when it opened: the lines of its list, or the texts of its boxes.
QStringList textsOf(const QWidget* window)
{
    QStringList texts;
    for (const auto* list : window->findChildren<QAbstractItemView*>()) {
        for (int i = 0; i < list->model()->rowCount(); ++i)
            texts << list->model()->index(i, 0).data().toString();
    }
    for (const auto* box : window->findChildren<QLineEdit*>())
        texts << box->text();
    return texts;
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
    void init();
    void listingWindows_data();
    void listingWindows();
    void summaryWindow();
    void departementPrompt_data();
    void departementPrompt();
    void savedReportCarriesTheLogTotal();
    void printFromTheMenu_data();
    void printFromTheMenu();

private:
    QAction* action(const QString& name) { return f->main->findChild<QAction*>(name); }
    void reopen(const QString& entry, const QString& window);
    std::unique_ptr<MainFixture> f;
};

// Every test starts from the main window on station F6ABC with the fixture log of data/.
void TestReportWindows::init()
{
    f = std::make_unique<MainFixture>();
    f->setStation("F6ABC", "45000");
    QVERIFY(QFile::copy(dataFile("F6ABC_CP.txt"), f->logPath("F6ABC")));
    f->start();
    f->fake.messages.shown.clear();
}

// Chosen again while it is open, a window comes back to the front as it was; closed, it is gone,
// and the next opening counts afresh.
void TestReportWindows::reopen(const QString& entry, const QString& window)
{
    QPointer<QWidget> first = f->main->findChild<QWidget*>(window);
    const QStringList before = textsOf(first);
    const QList<QByteArray> more {record("46000", "01/01/07", "F5AAA", '4', "SSB", "14 Mhz", "", "CAHORS"),
        record("47000", "01/01/07", "F5AAA", '2', "SSB", "14 Mhz", "", "AGEN")};
    f->writeLog("F6ABC", TestFiles::read(f->logPath("F6ABC")) + TestFiles::logOf(more));
    first->showMinimized();
    action(entry)->trigger();
    QCOMPARE(f->main->findChildren<QWidget*>(window), QList<QWidget*> {first.data()});
    QVERIFY(!first->isMinimized());
    QCOMPARE(textsOf(first), before);

    first->close();
    QTRY_VERIFY(first.isNull());
    action(entry)->trigger();
    QWidget* second = f->main->findChild<QWidget*>(window);
    QVERIFY(second && second->isVisible());
    QVERIFY(textsOf(second) != before);
}

void TestReportWindows::listingWindows_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("centred");
    QTest::addColumn<QStringList>("texts"); // the window's caption, its title and its column heads
    QTest::addColumn<QStringList>("lines");
    // A window with points shows the record lines of the printout, less its three first blanks,
    // then an empty line and the total line.
    const auto printout = [](const char* file) {
        QStringList lines;
        // Split at CR LF, the printout ends with an empty piece after its last line.
        const QStringList printed = Cp1252::decode(TestFiles::read(dataFile(file))).split("\r\n");
        for (const QString& line : printed.mid(4, printed.size() - 9))
            lines << line.mid(3);
        return lines << ""
                     << "                                  Total des points : 977954.5";
    };
    const QString pointsHeader = "  N°          C.P.    Date    Indicatif       Mode       "
                                 "QRG       DFCF       Points            Commune";
    QTest::newRow("contacted") << "Mnu_C_Contacte"
                               << "Aff_Contacte" << false
                               << QStringList {"C.P.contactés", "Liste des Codes Postaux contactés",
                                      pointsHeader}
                               << printout("Imprime_Contacte_point.txt");
    QTest::newRow("confirmed") << "Mnu_C_Confirme"
                               << "Aff_Confirme" << true
                               << QStringList {"C.P. confirmés", "Liste des Codes Postaux confirmés",
                                      pointsHeader}
                               << printout("Imprime_Confirme_point.txt");
    QTest::newRow("not confirmed")
        << "Mnu_non_confirme"
        << "Aff_Non_Confirme" << true
        << QStringList {"C.P. non confirmés", "Liste des Codes Postaux non confirmés",
               "  N°          C.P.    Date    Indicatif       Mode       QRG       DFCF         Commune"}
        << QStringList {" 1       45020 03/03/07 F3ABC        SSB    14 Mhz            CHÂTEAUNEUF-SUR-LOIRE",
               " 2       45050 06/03/07 F6ABF        SSB    14 Mhz            LOIRET",
               " 3       45090 10/03/07 F1ABJ        SSB    14 Mhz            LOIRET"};
}

void TestReportWindows::listingWindows()
{
    QFETCH(QString, entry);
    QFETCH(QString, window);
    QFETCH(bool, centred);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, lines);
    action(entry)->trigger();

    auto* shown = f->main->findChild<QWidget*>(window);
    QVERIFY(shown);
    QVERIFY(shown->isVisible());
    QVERIFY(!shown->isModal());
    const QString title = shown->findChild<QLabel*>("Label3")->text();
    QCOMPARE((QStringList {shown->windowTitle(), title, shown->findChild<QLabel*>("Label2")->text()}), texts);
    QCOMPARE(shown->findChild<QGroupBox*>("Frame2")->title(), title + " ");
    const auto* list = shown->findChild<QAbstractItemView*>();
    QVERIFY(list->font().fixedPitch());
    // Every row is as wide as the longest line: a narrow window scrolls, never cuts a line short.
    qsizetype longest = 0;
    for (const QString& line : lines)
        longest = std::max(longest, line.size());
    QCOMPARE(list->sizeHintForIndex(list->model()->index(0, 0)).width(),
        QFontMetrics(list->font()).horizontalAdvance(QString(longest, u'0')) + 8);
    QCOMPARE(textsOf(shown), lines);
    QCOMPARE(shown->pos() == centredOn1600x1200(shown), centred);
    reopen(entry, window);
}

void TestReportWindows::summaryWindow()
{
    action("Mnu_Recap")->trigger();
    auto* summary = f->main->findChild<QWidget*>("Recapitulatif");
    QVERIFY(summary);
    QCOMPARE(summary->pos(), centredOn1600x1200(summary));
    const auto box = [&](const char* name) { return summary->findChild<QLineEdit*>(name)->text(); };
    // 33 dated lines; 26 confirmed in 45, plus 00000, 01000 and 2A004; départements 1, 20, 45, 75;
    // two DFCF references.
    QCOMPARE((QStringList {box("Nb_C_Contacte"), box("Nb_C_Confirme"), box("Nb_D_Contacte"),
                 box("Nb_D_Confirme"), box("NB_E_DFCF"), box("NB_E_Quelvar")}),
        (QStringList {"33", "29", "4", "3", "2", "977954.5"}));
    reopen("Mnu_Recap", "Recapitulatif");
}

void TestReportWindows::departementPrompt_data()
{
    QTest::addColumn<QStringList>("typed"); // texts typed, each followed by Enter
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("caption"); // of the main listing once the prompt closed; none: it stays
    const QString twoCharacters = "2 caracteres pour le Département";
    QTest::newRow("empty, one character, then two")
        << QStringList {"", "4", "5"} << QStringList {"Entrez un Département", twoCharacters}
        << " 30 Codes Postaux contactés dans le Département 45      Contactés :  29   Confirmés :  26  ";
    QTest::newRow("three characters") << QStringList {"451"} << QStringList {twoCharacters} << QString();
    QTest::newRow("small letters become capitals")
        << QStringList {"2a"} << QStringList {}
        << " 1 Codes Postaux contactés dans le Département 2A      Contactés :  1   Confirmés :  1  ";
}

void TestReportWindows::departementPrompt()
{
    QFETCH(QStringList, typed);
    QFETCH(QStringList, messages);
    QFETCH(QString, caption);
    const auto* listingCaption = f->main->findChild<QGroupBox*>("L_Communes");
    const QString captionBefore = listingCaption->title();

    f->button("Affiche_Un")->click();
    QPointer<QWidget> prompt = f->main->findChild<QWidget*>("Numero_Dpt");
    QVERIFY(prompt);
    QCOMPARE(prompt->pos(), centredOn1600x1200(prompt));
    auto* box = prompt->findChild<QLineEdit*>("Num_Dep");
    for (const QString& text : typed)
        f->typeAndEnter("Num_Dep", text);
    QCOMPARE(f->fake.messages.shown, messages);
    if (caption.isEmpty()) {
        QVERIFY(prompt->isVisible());
        QCOMPARE(box->text(), typed.last());
        QCOMPARE(listingCaption->title(), captionBefore);
    } else {
        QTRY_VERIFY(prompt.isNull());
        QCOMPARE(listingCaption->title(), caption);
    }
}

void TestReportWindows::savedReportCarriesTheLogTotal()
{
    // The menu's report is the one the report files are checked against, total included.
    action("Mnu_Enr_Confirme")->trigger();
    const QString fileName = "CP_Confirme_F6ABC_05_12_26.txt";
    QCOMPARE(f->fake.messages.shown, QStringList {"Le log a été enregistré sous le nom : " + fileName});
    QCOMPARE(TestFiles::read(QDir(f->dir.path()).filePath(fileName)),
        TestFiles::read(dataFile("CP_Confirme_point.txt")));
}

void TestReportWindows::printFromTheMenu_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("received"); // the printer's answer at the end of the document
    QTest::addColumn<QString>("head"); // the first printed line; none: the print dialog is cancelled
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("contacted") << "Mnu_Imp_Contacte" << true
                               << "                       F6ABC  Codes Postaux contactés au 05/12/2026"
                               << QStringList {};
    QTest::newRow("cancelled") << "Mnu_Imp_Contacte" << true << QString() << QStringList {};
    QTest::newRow("confirmed, printer failed")
        << "Mnu_Imp_Confirme" << false
        << "                       F6ABC  Codes Postaux confirmés au 05/12/2026"
        << QStringList {"L'impression a échoué : l'imprimante n'a pas reçu le compte rendu."};
}

// The printed lines are checked line by line by the report tests; here, that the menu prints the
// right report with the log's total, and gives the printer its own font (Arial 10) back.
void TestReportWindows::printFromTheMenu()
{
    QFETCH(QString, entry);
    QFETCH(bool, received);
    QFETCH(QString, head);
    f->fake.printer.dialogAnswer = !head.isEmpty();
    f->fake.printer.endDocResult = received;
    action(entry)->trigger();
    const QStringList& lines = f->fake.printer.lines;
    QCOMPARE(lines.value(0), head);
    QCOMPARE(
        lines.contains("                                 Total des points :   977954.5"), !head.isEmpty());
    QCOMPARE(f->fake.printer.events.last(3), (QStringList {"bold=0", "font name=Arial", "font size=10"}));
    QTEST(f->fake.messages.shown, "messages");
}

QTEST_MAIN(TestReportWindows)
#include "tst_reportwindows.moc"
