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
    void storedBandAndMode_data();
    void storedBandAndMode();
    void portableCallsignShownAsStored();
    void callsignThatCannotNameAFileFallsBack_data();
    void callsignThatCannotNameAFileFallsBack();
    void totalAndListingOfTheStationLog();
    void missingLogIsAnEmptyLog();
    void menusAndCaptions();
    void entryFieldsAreBuddiesOfTheirHeads();
    void historyAndAbout();
    void manual();
    void searchProgram();
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
            "Setup FXXXX|Revision= 1.1.0"}));

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

void TestMainWindow::storedBandAndMode_data()
{
    QTest::addColumn<QString>("band");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("bandShown");
    QTest::addColumn<QString>("modeShown");
    QTest::newRow("144 Mhz, PSK31") << "10"
                                    << "3"
                                    << "144 Mhz"
                                    << "PSK31";
    QTest::newRow("last band") << "16"
                               << "1"
                               << "24 Ghz"
                               << "CW";
    QTest::newRow("typed texts: nothing selected") << "-1"
                                                   << "-1"
                                                   << ""
                                                   << "";
    QTest::newRow("out of the lists") << "17"
                                      << "4"
                                      << "1.8 Mhz"
                                      << "SSB";
    QTest::newRow("not numbers") << "abc"
                                 << ""
                                 << "1.8 Mhz"
                                 << "SSB";
}

void TestMainWindow::storedBandAndMode()
{
    QFETCH(QString, band);
    QFETCH(QString, mode);
    QFETCH(QString, bandShown);
    QFETCH(QString, modeShown);
    MainFixture f;
    f.setStation("F6ABC", "45000");
    f.fake.settings.write(StationSettings::stationSection("F6ABC"), StationSettings::kBandeUtilisee, band);
    f.fake.settings.write(StationSettings::stationSection("F6ABC"), StationSettings::kModeUtilise, mode);
    f.start();
    QCOMPARE(f.combo("Bande_A")->currentText(), bandShown);
    QCOMPARE(f.combo("Mode_A")->currentText(), modeShown);
    QVERIFY(f.fake.messages.shown.isEmpty());
}

void TestMainWindow::portableCallsignShownAsStored()
{
    MainFixture f;
    f.setStation("FXXXX_P", "45000");
    MainWindow& main = f.start();
    QCOMPARE(main.findChild<QLabel*>("I_Station")->text(), QStringLiteral("FXXXX_P"));
    QCOMPARE(main.findChild<QLabel*>("C_Station")->text(), QStringLiteral("45000"));
    QVERIFY(f.fake.messages.shown.isEmpty()); // not the first installation
    QCOMPARE(f.fake.settings.value("Setup FXXXX_P", "Revision"), QStringLiteral(" 1.1.0"));
}

void TestMainWindow::callsignThatCannotNameAFileFallsBack_data()
{
    QTest::addColumn<QString>("stored");
    QTest::newRow("path") << "../../etc/passwd";
    QTest::newRow("slash") << "F6ABC/P";
    QTest::newRow("small letters") << "f6abc";
    QTest::newRow("13 characters") << "F1ABCDEFGHIJK";
    QTest::newRow("empty") << "";
}

void TestMainWindow::callsignThatCannotNameAFileFallsBack()
{
    QFETCH(QString, stored);
    MainFixture f;
    f.setStation(stored, "45000");
    MainWindow& main = f.start();
    QCOMPARE(f.state.Indicatif_Station, QStringLiteral("FXXXX"));
    QCOMPARE(main.findChild<QLabel*>("I_Station")->text(), QStringLiteral("FXXXX"));
    QCOMPARE(f.state.stationLog().path(), QDir(f.dir.path()).filePath("FXXXX_CP.txt"));
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

    const QList<QPair<const char*, const char*>> entries {
        {"Mnu_Quitter", "Quitter"},
        {"Mnu_New_Indicatif", "Nouvel Indicatif"},
        {"Mnu_Imp_Contacte", "les Codes Postaux contactés"},
        {"Mnu_Imp_Confirme", "les Codes Postauxs confirmés"},
        {"Mnu_Enr_Contacte", "les Codes Postaux contactés"},
        {"Mnu_Enr_Confirme", "Les Codes Postaux Confirmés"},
        {"Mnu_C_Contacte", "les Codes Postaux contactes"},
        {"Mnu_C_Confirme", "les Codes Postaux confirmés"},
        {"Mnu_non_confirme", "les Codes Postaux non confirmés"},
        {"Mnu_Recap", "Récapitulatif"},
        {"Mnu_Regle_10Millions", "du diplôme 10 Millions"},
        {"Mnu_Reglement_DVF", "Règlement du Diplôme des Villes Francaises"},
        {"Mnu_Liste_Villes", "Liste des Villes du DVF"},
        {"Mnu_Diplome", "Résultats du DVF"},
        {"Mnu_Imp_Resultats", "Impression des résultats"},
        {"Mnu_Historique", "Historique"},
        {"Mnu_Mode_Emploi", "Mode d'emploi"},
        {"Mnu_Apropos", "A propos"},
    };
    for (const auto& [name, caption] : entries) {
        auto* action = main.findChild<QAction*>(QLatin1String(name));
        QVERIFY2(action, name);
        QCOMPARE(action->text(), QString::fromUtf8(caption));
        QVERIFY2(action->isEnabled(), name); // every entry is wired
    }

    const QList<QPair<const char*, const char*>> buttons {
        {"Affiche_Un", "Affiche N° de C P d'un Département"},
        {"Affiche_All", " Affiche tous les   N° de C. P."},
        {"Modi_Saisie", "Modifie une saisie"},
        {"Annule_Saisie", "Annule une saisie"},
        {"Recherche", "Recherche C.P. ou Commune"},
        {"Liste_DFCF", "Liste DFCF"},
        {"Efface_A", "Effacer saisie"},
    };
    for (const auto& [name, caption] : buttons) {
        QCOMPARE(f.button(name)->text(), QString::fromUtf8(caption));
        QVERIFY2(f.button(name)->isEnabled(), name);
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
    const QList<QPair<const char*, const char*>> heads {
        {"Label36", "C_Postal_A"},
        {"Label6", "Ville_A"},
        {"Label1", "DFCF_A"},
        {"Date", "Date_A"},
        {"Label8", "Ind_A"},
        {"Label16", "Mode_A"},
        {"Label26", "Bande_A"},
        {"Label41", "QSLE_A"},
        {"Label40", "QSLR_A"},
    };
    const QStringList texts {
        "N° du C.P.", "Nom de la Commune", "N° DFCF", "Date", "Indicatif", "Mode", "QRG", "Cont", "Conf"};
    for (int i = 0; i < heads.size(); ++i) {
        auto* label = main.findChild<QLabel*>(QLatin1String(heads[i].first));
        QVERIFY2(label, heads[i].first);
        QCOMPARE(label->text(), QString(texts[i]));
        QVERIFY2(label->buddy() && label->buddy()->objectName() == QLatin1String(heads[i].second),
            heads[i].second);
    }
}

void TestMainWindow::historyAndAbout()
{
    MainFixture f;
    f.setStation("F6ABC", "45000");
    MainWindow& main = f.start();
    main.findChild<QAction*>("Mnu_Historique")->trigger();
    main.findChild<QAction*>("Mnu_Apropos")->trigger();
    QCOMPARE(f.fake.messages.shown.size(), 2);
    const QStringList history = f.fake.messages.shown[0].split(QStringLiteral("\r\n"));
    QCOMPARE(history.size(), 12);
    QCOMPARE(history.first(), QStringLiteral("V1.0.0   le 19/12/2005 creation"));
    QCOMPARE(history[4], QStringLiteral("V1.0.4   le 01/01/2006 Ajout gestion des dpt 2a et 2b"));
    QCOMPARE(history[10], QStringLiteral("V1.1.0   le 07/05/2008 Ajout acces liste DFCF "));
    QCOMPARE(history[11], QString());
    QVERIFY(f.fake.messages.shown[1].startsWith(QStringLiteral("Kerlanic  Revision  1.1.0\r\n\r\n    ")));
    QVERIFY(f.fake.messages.shown[1].size() > 40);
}

void TestMainWindow::manual()
{
    MainFixture f;
    f.setStation("F6ABC", "45000");
    MainWindow& main = f.start();
    QAction* help = main.findChild<QAction*>("Mnu_Mode_Emploi");

    help->trigger();
    QCOMPARE(f.fake.messages.shown,
        QStringList {QString::fromUtf8("Le mode d'emploi Kerlanic.hlp est introuvable dans le dossier ")
            + QDir::toNativeSeparators(f.dir.path()) + u'.'});
    QVERIFY(f.fake.help.shown.isEmpty());

    const QString file = QDir(f.dir.path()).filePath("Kerlanic.hlp");
    TestFiles::write(file, "<html><body>Sommaire</body></html>");
    help->trigger();
    QCOMPARE(f.fake.help.shown, QStringList {file});
}

void TestMainWindow::searchProgram()
{
    MainFixture f;
    f.setStation("F6ABC", "45000");
    f.start();
    QTest::mouseClick(f.button("Recherche"), Qt::LeftButton);
    QCOMPARE(f.fake.messages.shown,
        QStringList {"Le programme de recherche CodePostal est introuvable dans le dossier "
            + QDir::toNativeSeparators(f.dir.path()) + u'.'});

    const QString program = QDir(f.dir.path()).filePath(searchProgramName());
    TestFiles::write(program, "#!/bin/sh\n");
    QTest::mouseClick(f.button("Recherche"), Qt::LeftButton);
    QCOMPARE(f.fake.launcher.started, QStringList {program});

    f.fake.launcher.result = false;
    QTest::mouseClick(f.button("Recherche"), Qt::LeftButton);
    QCOMPARE(f.fake.messages.shown.last(),
        QString::fromUtf8("Le programme de recherche CodePostal n'a pas pu être lancé."));
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
