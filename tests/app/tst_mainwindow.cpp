#include "MainFixture.h"
#include "TestFiles.h"
#include "app/FieldColour.h"
#include "app/StationSettings.h"
#include "platform/QtMessages.h"
#include "reports/Listing.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTranslator>

using TestFiles::record;

namespace {

const QString kFirstInstallation = QString::fromUtf8(
    "\r\n  Premiere installation, vous devez entrer votre Indicatif et votre N° de Code Postal\r\n\r\n"
    "    Pour cela dans la barre des menus allez dans Station puis Nouvel Indicatif.");

QString searchProgramName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("CodePostal.exe");
#else
    return QStringLiteral("CodePostal");
#endif
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startUpOnEmptySettings();
    void storedStation_data();
    void storedStation();
    void totalAndListingOfTheStationLog();
    void missingLogIsAnEmptyLog();
    void menusAndCaptions();
    void entryFieldsAreBuddiesOfTheirHeads();
    void helpMenuAndSearchProgram();
    void quitClosesEveryWindow();
    void realMessageBoxSpeaksFrench();
};

void TestMainWindow::startUpOnEmptySettings()
{
    MainFixture f;
    MainWindow& main = f.start();

    QCOMPARE(main.windowTitle(), QStringLiteral("  Kerlanic    Revision  1.1.0"));
    QCOMPARE(main.findChild<QLabel*>("I_Station")->text(), QStringLiteral("FXXXX"));
    QCOMPARE(main.findChild<QLabel*>("C_Station")->text(), QStringLiteral("XXXX"));
    QCOMPARE(f.combo("Bande_A")->currentText(), QStringLiteral("1.8 Mhz"));
    QCOMPARE(f.combo("Bande_A")->count(), 17);
    QCOMPARE(f.combo("Mode_A")->currentText(), QStringLiteral("SSB"));
    QCOMPARE(f.combo("Mode_A")->count(), 4);
    QCOMPARE(f.edit("QSLE_A")->text(), QStringLiteral("X"));
    QCOMPARE(f.fake.messages.shown, QStringList {kFirstInstallation});
    QCOMPARE(f.edit("Tot_Points")->text(), QStringLiteral("0.0"));
    QCOMPARE(f.listing()->count(), 0);
    QCOMPARE(f.state.Indicatif_Station, QStringLiteral("FXXXX"));
    QVERIFY(!f.state.Modif_En_Cours);

    // The settings written, in the order of the start-up sequence.
    QCOMPARE(f.fake.settings.writes,
        (QStringList {"Setup |Chemin Repertoire=" + QDir::toNativeSeparators(f.dir.path()),
            "Setup |Adresse DFCF=http://www.diplomes-quelvar.fr", "Setup FXXXX|Revision= 1.1.0"}));

    // The entry row waits for a postal code.
    QVERIFY(f.edit("C_Postal_A")->isEnabled());
    QVERIFY(isMarkedWaiting(f.edit("C_Postal_A")));
    for (const char* name : {"Ville_A", "DFCF_A", "Date_A", "Ind_A", "QSLE_A", "QSLR_A"}) {
        QVERIFY2(!f.edit(name)->isEnabled(), name);
        QVERIFY2(!isMarkedWaiting(f.edit(name)), name);
    }
    QVERIFY(!f.combo("Mode_A")->isEnabled());
    QVERIFY(!f.combo("Bande_A")->isEnabled());
    QVERIFY(!f.button("Valide_A")->isEnabled());
    QVERIFY(f.button("Valide_A")->text().isEmpty());
}

void TestMainWindow::storedStation_data()
{
    // stored callsign | band | mode || callsign used | band shown | mode shown
    QTest::addColumn<QString>("row");
    for (const char* row : {"F6ABC|10|3||F6ABC|144 Mhz|PSK31", "F6ABC|16|1||F6ABC|24 Ghz|CW",
             "F6ABC|-1|-1||F6ABC||", "F6ABC|17|4||F6ABC|1.8 Mhz|SSB", "F6ABC|abc|||F6ABC|1.8 Mhz|SSB",
             "FXXXX_P|0|0||FXXXX_P|1.8 Mhz|SSB",
             // A setting that could not name a file is never used as one.
             "../../etc/passwd|0|0||FXXXX|1.8 Mhz|SSB", "F6ABC/P|0|0||FXXXX|1.8 Mhz|SSB",
             "f6abc|0|0||FXXXX|1.8 Mhz|SSB", "F1ABCDEFGHIJK|0|0||FXXXX|1.8 Mhz|SSB",
             "|0|0||FXXXX|1.8 Mhz|SSB"})
        QTest::newRow(row) << QString::fromUtf8(row);
}

void TestMainWindow::storedStation()
{
    QFETCH(QString, row);
    const QStringList v = row.split(u'|');
    MainFixture f;
    f.setStation(v[0], "45000");
    f.fake.settings.write(StationSettings::stationSection(v[0]), StationSettings::kBandeUtilisee, v[1]);
    f.fake.settings.write(StationSettings::stationSection(v[0]), StationSettings::kModeUtilise, v[2]);
    MainWindow& main = f.start();
    QCOMPARE(f.state.Indicatif_Station, v[4]);
    QCOMPARE(main.findChild<QLabel*>("I_Station")->text(), v[4]); // shown as stored, "_" kept
    QCOMPARE(f.state.stationLog().path(), f.logPath(v[4]));
    QCOMPARE(f.combo("Bande_A")->currentText(), v[5]);
    QCOMPARE(f.combo("Mode_A")->currentText(), v[6]);
    QCOMPARE(f.fake.messages.shown.size(), v[4] == "FXXXX" ? 1 : 0); // first installation only
}

void TestMainWindow::totalAndListingOfTheStationLog()
{
    MainFixture f;
    f.setStation("F6ABC", "45000");
    const QList<QByteArray> records {
        record("00000", "12/03/06", "F5XXX_P", '4', "SSB", "14 Mhz", "45050", ""),
        record("2A004", "03/04/08", "TK5XY", '3', "SSB", "14 Mhz", "", "AJACCIO"),
        record("45000", "12/03/06", "F1ABCDEFGHIJ", '4', "SSB", "14 Mhz", "45055", "ORLÉANS"),
        record("45100", "", "", '0', "", "", "", "ORLEANS LA SOURCE")};
    f.writeLog("F6ABC", TestFiles::logOf(records));
    MainWindow& main = f.start();
    QCOMPARE(f.edit("Tot_Points")->text(), QStringLiteral("74014.5")); // 4505 + 20004 + 49505.5
    QCOMPARE(f.listing()->count(), 0); // the listing waits until asked

    QTest::mouseClick(f.button("Affiche_All"), Qt::LeftButton);
    QStringList expected;
    for (const QByteArray& r : records)
        expected << listingLine(r);
    QCOMPARE(f.listedLines(), expected);
    QCOMPARE(main.findChild<QGroupBox*>("L_Communes")->title(),
        QString::fromUtf8(" 4 Codes Postaux contactés dans tous les Départements"));
    QVERIFY(f.edit("C_Postal_A")->isEnabled());

    main.Liste_Dpt("2A");
    QCOMPARE(f.listedLines(), QStringList {listingLine(records[1])});
}

void TestMainWindow::missingLogIsAnEmptyLog()
{
    MainFixture f;
    f.setStation("F6ABC", "45000");
    f.start();
    QCOMPARE(f.edit("Tot_Points")->text(), QStringLiteral("0.0"));
    QTest::mouseClick(f.button("Affiche_All"), Qt::LeftButton);
    QCOMPARE(f.listing()->count(), 0);
    QVERIFY(f.fake.messages.shown.isEmpty());
}

void TestMainWindow::menusAndCaptions()
{
    MainFixture f;
    MainWindow& main = f.start();
    QStringList bar;
    for (QAction* action : main.menuBar()->actions())
        bar << action->text();
    QCOMPARE(bar,
        (QStringList {"Fichier", "Station", "Imprimer", "Enregistrer", "Afficher",
            QString::fromUtf8("Récapitulatif"), QString::fromUtf8("Règlement"), "DVF", "Aide"}));

    // Every entry and button carries its caption and is wired.
    for (const char* row : {"Mnu_Quitter|Quitter", "Mnu_New_Indicatif|Nouvel Indicatif",
             "Mnu_Imp_Contacte|les Codes Postaux contactés", "Mnu_Imp_Confirme|les Codes Postauxs confirmés",
             "Mnu_Enr_Contacte|les Codes Postaux contactés", "Mnu_Enr_Confirme|Les Codes Postaux Confirmés",
             "Mnu_C_Contacte|les Codes Postaux contactes", "Mnu_C_Confirme|les Codes Postaux confirmés",
             "Mnu_non_confirme|les Codes Postaux non confirmés", "Mnu_Recap|Récapitulatif",
             "Mnu_Regle_10Millions|du diplôme 10 Millions",
             "Mnu_Reglement_DVF|Règlement du Diplôme des Villes Francaises",
             "Mnu_Liste_Villes|Liste des Villes du DVF", "Mnu_Diplome|Résultats du DVF",
             "Mnu_Imp_Resultats|Impression des résultats", "Mnu_Historique|Historique",
             "Mnu_Mode_Emploi|Mode d'emploi", "Mnu_Apropos|A propos"}) {
        const QStringList v = QString::fromUtf8(row).split(u'|');
        auto* action = main.findChild<QAction*>(v[0]);
        QVERIFY2(action && action->isEnabled(), row);
        QCOMPARE(action->text(), v[1]);
    }
    for (const char* row :
        {"Affiche_Un|Affiche N° de C P d'un Département", "Affiche_All| Affiche tous les   N° de C. P.",
            "Modi_Saisie|Modifie une saisie", "Annule_Saisie|Annule une saisie",
            "Recherche|Recherche C.P. ou Commune", "Liste_DFCF|Liste DFCF", "Efface_A|Effacer saisie"}) {
        const QStringList v = QString::fromUtf8(row).split(u'|');
        QVERIFY2(f.button(qPrintable(v[0]))->isEnabled(), row);
        QCOMPARE(f.button(qPrintable(v[0]))->text(), v[1]);
    }
    QCOMPARE(
        f.listing()->toolTip(), QStringLiteral("Cliquez sur une ligne pour editer ou annuler cette ligne"));
    QCOMPARE(f.button("Modi_Saisie")->toolTip(),
        QString::fromUtf8("Permet de modifier la saisie d'un Code Postal contacté"));
    QCOMPARE(main.findChild<QGroupBox*>("Frame3")->title(),
        QStringLiteral("Saisie ou modification d'un Code Postal"));
    QCOMPARE(main.findChild<QLabel*>("Label7")->text(), QStringLiteral("Nb points 10 Millions"));
}

void TestMainWindow::entryFieldsAreBuddiesOfTheirHeads()
{
    MainFixture f;
    MainWindow& main = f.start();
    for (const char* row : {"Label36|C_Postal_A|N° du C.P.", "Label6|Ville_A|Nom de la Commune",
             "Label1|DFCF_A|N° DFCF", "Date|Date_A|Date", "Label8|Ind_A|Indicatif", "Label16|Mode_A|Mode",
             "Label26|Bande_A|QRG", "Label41|QSLE_A|Cont", "Label40|QSLR_A|Conf"}) {
        const QStringList v = QString::fromUtf8(row).split(u'|');
        auto* label = main.findChild<QLabel*>(v[0]);
        QVERIFY2(label && label->buddy(), row);
        QCOMPARE(label->text(), v[2]);
        QCOMPARE(label->buddy()->objectName(), v[1]);
    }
}

void TestMainWindow::helpMenuAndSearchProgram()
{
    MainFixture f;
    f.setStation("F6ABC", "45000");
    MainWindow& main = f.start();
    const QString folder = QDir::toNativeSeparators(f.dir.path());
    FakeMessages& shown = f.fake.messages;

    main.findChild<QAction*>("Mnu_Historique")->trigger();
    const QStringList history = shown.shown.takeLast().split(QStringLiteral("\r\n"));
    QCOMPARE(history.size(), 12);
    QCOMPARE(history.first(), QStringLiteral("V1.0.0   le 19/12/2005 creation"));
    QCOMPARE(history[4], QStringLiteral("V1.0.4   le 01/01/2006 Ajout gestion des dpt 2a et 2b"));
    QCOMPARE(history[10], QStringLiteral("V1.1.0   le 07/05/2008 Ajout acces liste DFCF "));
    QCOMPARE(history[11], QString());
    main.findChild<QAction*>("Mnu_Apropos")->trigger();
    QVERIFY(shown.shown.takeLast().startsWith(QStringLiteral("Kerlanic  Revision  1.1.0\r\n\r\n    Carnet")));

    // The manual and the search program, missing and then present.
    QAction* help = main.findChild<QAction*>("Mnu_Mode_Emploi");
    help->trigger();
    QTest::mouseClick(f.button("Recherche"), Qt::LeftButton);
    QCOMPARE(shown.shown,
        (QStringList {"Le mode d'emploi Kerlanic.hlp est introuvable dans le dossier " + folder + u'.',
            "Le programme de recherche CodePostal est introuvable dans le dossier " + folder + u'.'}));
    QVERIFY(f.fake.help.shown.isEmpty() && f.fake.launcher.started.isEmpty());

    const QString manual = QDir(f.dir.path()).filePath("Kerlanic.hlp");
    const QString program = QDir(f.dir.path()).filePath(searchProgramName());
    TestFiles::write(manual, "<html><body>Sommaire</body></html>");
    TestFiles::write(program, "#!/bin/sh\n");
    help->trigger();
    QTest::mouseClick(f.button("Recherche"), Qt::LeftButton);
    QCOMPARE(f.fake.help.shown, QStringList {manual});
    QCOMPARE(f.fake.launcher.started, QStringList {program});

    f.fake.launcher.result = false;
    QTest::mouseClick(f.button("Recherche"), Qt::LeftButton);
    QCOMPARE(
        shown.shown.last(), QString::fromUtf8("Le programme de recherche CodePostal n'a pas pu être lancé."));
}

void TestMainWindow::quitClosesEveryWindow()
{
    MainFixture f;
    f.setStation("F6ABC", "45000");
    MainWindow& main = f.start();
    auto* other = new QWidget(&main, Qt::Window);
    other->show();
    QVERIFY(main.isVisible());
    main.findChild<QAction*>("Mnu_Quitter")->trigger();
    QVERIFY(!other->isVisible());
    QVERIFY(!main.isVisible());
}

void TestMainWindow::realMessageBoxSpeaksFrench()
{
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    QCoreApplication::installTranslator(&translator);

    QString title;
    QStringList buttons;
    bool hadIcon = true;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        title = box->windowTitle();
        hadIcon = box->icon() != QMessageBox::NoIcon;
        for (QAbstractButton* button : box->buttons())
            buttons << button->text().remove(u'&');
        box->button(QMessageBox::No)->click();
    });
    QtMessages messages;
    QVERIFY(!messages.ask(QStringLiteral("Voulez vous enregistrer ces données ?")));
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(title, QStringLiteral("Kerlanic"));
    QVERIFY(!hadIcon);
    buttons.sort();
    QCOMPARE(buttons, (QStringList {"Non", "Oui"}));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
