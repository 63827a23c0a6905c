#include "MainFixture.h"
#include "SampleLog.h"
#include "TestFiles.h"
#include "app/FieldColour.h"
#include "reports/Listing.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using TestFiles::logOf;
using TestFiles::record;
using namespace SampleLog;

namespace {

const QByteArray kTemplate = logOf({kAjaccio, kOrleans, kOlivet});

struct StationFixture : MainFixture
{
    StationFixture() { TestFiles::write(QDir(dir.path()).filePath("FXXXX_CP.txt"), kTemplate); }

    void startAndOpen()
    {
        start();
        QVERIFY(QTest::qWaitForWindowActive(main.get()));
        fake.messages.shown.clear();
        fake.settings.writes.clear();
        open();
    }
    void open()
    {
        main->findChild<QAction*>("Mnu_New_Indicatif")->trigger();
        window = main->findChild<QWidget*>("Station");
        QVERIFY(window);
        // The offscreen platform leaves activation to the test.
        window->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), window);
    }

    QLineEdit* box(const char* name) const { return window->findChild<QLineEdit*>(QLatin1String(name)); }
    void type(const char* name, const QString& text) { QTest::keyClicks(box(name), text); }
    void enter(const char* name) { QTest::keyClick(box(name), Qt::Key_Return); }
    void validate() { QTest::mouseClick(window->findChild<QPushButton*>("Validation"), Qt::LeftButton); }
    void setUp(const QString& callsign, const QString& postalCode)
    {
        type("New_Indicatif", callsign);
        enter("New_Indicatif");
        type("New_CP", postalCode);
        enter("New_CP");
        validate();
    }
    QString label(const char* name) const { return main->findChild<QLabel*>(QLatin1String(name))->text(); }
    QStringList files() const
    {
        return QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    }

    QWidget* window = nullptr;
};

} // namespace

class TestStationWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowAsDesigned();
    void portableCallsignGetsItsLog();
    void refusalsChangeNothing_data();
    void refusalsChangeNothing();
    void pastedSmallLettersPass();
    void knownStationKeepsItsLogBandAndMode();
    void missingTemplateGivesAnEmptyLog();
    void logThatCannotBeCreatedChangesNothing();
    void closingWithoutValidatingChangesNothing();
};

void TestStationWindow::windowAsDesigned()
{
    StationFixture f;
    f.startAndOpen();
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Selection Indicatif et C.P."));
    QCOMPARE(
        f.window->findChild<QLabel*>("Label2")->text(), QStringLiteral("INDICATIF et C.P de  la STATION "));
    QCOMPARE(f.window->findChild<QLabel*>("Label3")->text(), QStringLiteral("Indicatif"));
    QCOMPARE(f.window->findChild<QLabel*>("Label4")->text(), QStringLiteral("Code Postal"));
    QCOMPARE(f.window->findChild<QLabel*>("Label5")->text(),
        QString::fromUtf8("!!! Pour la saisie la \"/\" est remplacée par le \"_\" "));
    QCOMPARE(f.window->findChild<QPushButton*>("Validation")->text(), QStringLiteral("Validez"));
    QVERIFY(f.window->findChild<QGroupBox*>("Frame1"));
    QVERIFY(f.window->findChild<QGroupBox*>("Frame2"));
    QVERIFY(isMarkedWaiting(f.box("New_Indicatif")));
    QVERIFY(!isMarkedWaiting(f.box("New_CP")));
    QVERIFY(f.box("New_Indicatif")->text().isEmpty() && f.box("New_CP")->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), f.box("New_Indicatif"));

    // Chosen again while open: the same window, as the user left it.
    f.type("New_Indicatif", "f6");
    f.open();
    QCOMPARE(f.main->findChildren<QWidget*>("Station").size(), 1);
    QCOMPARE(f.box("New_Indicatif")->text(), QStringLiteral("F6"));
}

void TestStationWindow::portableCallsignGetsItsLog()
{
    StationFixture f;
    f.startAndOpen();
    f.type("New_Indicatif", "fxxxx/p");
    QCOMPARE(f.box("New_Indicatif")->text(), QStringLiteral("FXXXX_P"));
    f.enter("New_Indicatif");
    QVERIFY(!isMarkedWaiting(f.box("New_Indicatif")));
    QVERIFY(isMarkedWaiting(f.box("New_CP")));
    QCOMPARE(QApplication::focusWidget(), f.box("New_CP"));
    f.type("New_CP", "45000");
    f.enter("New_CP");
    QVERIFY(!isMarkedWaiting(f.box("New_CP")));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Validation"));
    f.validate();

    QVERIFY(f.fake.messages.shown.isEmpty());
    QCOMPARE(TestFiles::read(f.logPath("FXXXX_P")), kTemplate);
    QCOMPARE(f.fake.settings.writes,
        (QStringList {"Setup |Indicatif Station=FXXXX_P", "Setup FXXXX_P|CP Station=45000",
            "Setup FXXXX_P|bande Utilisee=0", "Setup FXXXX_P|Mode Utilise=0"}));
    QCOMPARE(f.state.Indicatif_Station, QStringLiteral("FXXXX_P"));
    QCOMPARE(f.label("I_Station"), QStringLiteral("FXXXX/P"));
    QCOMPARE(f.label("C_Station"), QStringLiteral("45000"));
    QCOMPARE(f.listedLines(), (QStringList {listingLine(kOrleans), listingLine(kOlivet)}));
    QCOMPARE(f.main->findChild<QGroupBox*>("L_Communes")->title(),
        QString::fromUtf8(
            " 2 Codes Postaux contactés dans le Département 45      Contactés :  2   Confirmés :  1  "));
    QCOMPARE(f.edit("Tot_Points")->text(), QStringLiteral("69516.3"));
    QCOMPARE(f.combo("Bande_A")->currentText(), QStringLiteral("1.8 Mhz"));
    QCOMPARE(f.combo("Mode_A")->currentText(), QStringLiteral("SSB"));
    QVERIFY(!f.window->isVisible());
    QTRY_VERIFY(!f.main->findChild<QWidget*>("Station"));
    // The postal-code box works normally now: no more first-installation message.
    QTest::keyClicks(f.edit("C_Postal_A"), "4");
    QVERIFY(f.fake.messages.shown.isEmpty());
}

void TestStationWindow::refusalsChangeNothing_data()
{
    QTest::addColumn<QString>("callsign");
    QTest::addColumn<QString>("postalCode");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("callsignLeft");

    QTest::newRow("no callsign") << ""
                                 << "45000"
                                 << "Vous devez entrer un indicatif"
                                 << "";
    QTest::newRow("13 characters") << "f1abcdefghijk"
                                   << "45000"
                                   << "12 caracteres maximum pour l'indicatif"
                                   << "F1ABCDEFGHIJK";
    QTest::newRow("hyphen empties the box")
        << "f6-abc"
        << "45000"
        << "L'indicatif ne doit comporter que des lettres des chiffres ou le signe _ "
        << "";
    QTest::newRow("no postal code") << "f6abc"
                                    << ""
                                    << "Vous devez entrer un Code Postal"
                                    << "F6ABC";
    QTest::newRow("postal code of 4") << "f6abc"
                                      << "4500"
                                      << "Le Code Postal doit comporter 5 chiffres"
                                      << "F6ABC";
    QTest::newRow("postal code of 6") << "f6abc"
                                      << "450000"
                                      << "Le Code Postal doit comporter 5 chiffres"
                                      << "F6ABC";
}

void TestStationWindow::refusalsChangeNothing()
{
    QFETCH(QString, callsign);
    QFETCH(QString, postalCode);
    QFETCH(QString, message);
    QFETCH(QString, callsignLeft);
    StationFixture f;
    f.setStation("F6ABC", "45000");
    f.writeLog("F6ABC", logOf({kOrleans}));
    f.startAndOpen();
    const QStringList filesBefore = f.files();
    f.setUp(callsign, postalCode);

    QCOMPARE(f.fake.messages.shown, QStringList {message});
    QCOMPARE(f.box("New_Indicatif")->text(), callsignLeft);
    QVERIFY(f.window->isVisible());
    QVERIFY(f.fake.settings.writes.isEmpty());
    QCOMPARE(f.files(), filesBefore);
    QCOMPARE(f.state.Indicatif_Station, QStringLiteral("F6ABC"));
    QCOMPARE(f.state.stationLog().path(), f.logPath("F6ABC"));
    QCOMPARE(f.label("I_Station"), QStringLiteral("F6ABC"));
}

void TestStationWindow::pastedSmallLettersPass()
{
    StationFixture f;
    f.startAndOpen();
    f.box("New_Indicatif")->setText("f1abcdefghij");
    f.box("New_CP")->setText("2a004");
    f.validate();
    QVERIFY(f.fake.messages.shown.isEmpty());
    QCOMPARE(f.state.Indicatif_Station, QStringLiteral("F1ABCDEFGHIJ"));
    QCOMPARE(f.label("C_Station"), QStringLiteral("2A004"));
    QCOMPARE(f.listedLines(), QStringList {listingLine(kAjaccio)});
    QCOMPARE(TestFiles::read(f.logPath("F1ABCDEFGHIJ")), kTemplate);
}

void TestStationWindow::knownStationKeepsItsLogBandAndMode()
{
    StationFixture f;
    const QByteArray ownLog = logOf({kOlivet});
    f.writeLog("F6ABC", ownLog);
    f.fake.settings.write("Setup F6ABC", "bande Utilisee", "10");
    f.fake.settings.write("Setup F6ABC", "Mode Utilise", "3");
    f.fake.settings.write("Setup F6ABC", "CP Station", "75001");
    f.startAndOpen();
    f.setUp("f6abc", "45160");

    QCOMPARE(TestFiles::read(f.logPath("F6ABC")), ownLog);
    QCOMPARE(f.fake.settings.writes,
        (QStringList {"Setup |Indicatif Station=F6ABC", "Setup F6ABC|CP Station=45160"}));
    QCOMPARE(f.combo("Bande_A")->currentText(), QStringLiteral("144 Mhz"));
    QCOMPARE(f.combo("Mode_A")->currentText(), QStringLiteral("PSK31"));
    QCOMPARE(f.label("I_Station") + u' ' + f.label("C_Station"), QStringLiteral("F6ABC 45160"));
    QCOMPARE(f.listedLines(), QStringList {listingLine(kOlivet)});
    QCOMPARE(f.edit("Tot_Points")->text(), QStringLiteral("0.0"));
}

void TestStationWindow::missingTemplateGivesAnEmptyLog()
{
    StationFixture f;
    QVERIFY(QFile::remove(QDir(f.dir.path()).filePath("FXXXX_CP.txt")));
    f.startAndOpen();
    f.setUp("f6abc", "45000");
    QVERIFY(f.fake.messages.shown.isEmpty());
    QVERIFY(QFileInfo::exists(f.logPath("F6ABC")));
    QCOMPARE(TestFiles::read(f.logPath("F6ABC")), QByteArray());
    QCOMPARE(f.state.Indicatif_Station, QStringLiteral("F6ABC"));
    QCOMPARE(f.listing()->count(), 0);
    QCOMPARE(f.edit("Tot_Points")->text(), QStringLiteral("0.0"));
}

void TestStationWindow::logThatCannotBeCreatedChangesNothing()
{
    StationFixture f;
    f.startAndOpen();
    QVERIFY(QDir(f.dir.path()).mkdir("Temporaire.txt"));
    f.setUp("f6abc", "45000");
    QVERIFY(QDir(f.dir.path()).rmdir("Temporaire.txt"));

    QCOMPARE(f.fake.messages.shown.size(), 1);
    const QString message = f.fake.messages.shown.first();
    QVERIFY2(
        message.startsWith(QString::fromUtf8("Le carnet F6ABC_CP.txt n'a pas pu être créé : impossible de "
                                             "créer le fichier ")),
        qPrintable(message));
    QVERIFY(message.endsWith(QString::fromUtf8(".\r\nLa station n'a pas été changée.")));
    QVERIFY(!QFileInfo::exists(f.logPath("F6ABC")));
    QVERIFY(f.fake.settings.writes.isEmpty());
    QCOMPARE(f.state.Indicatif_Station, QStringLiteral("FXXXX"));
    QCOMPARE(f.label("I_Station"), QStringLiteral("FXXXX"));
    QVERIFY(f.window->isVisible());
}

void TestStationWindow::closingWithoutValidatingChangesNothing()
{
    StationFixture f;
    f.setStation("F6ABC", "45000");
    f.startAndOpen();
    f.type("New_Indicatif", "f5zzz");
    f.window->close();
    QTRY_VERIFY(!f.main->findChild<QWidget*>("Station"));
    QVERIFY(f.fake.settings.writes.isEmpty());
    QCOMPARE(f.state.Indicatif_Station, QStringLiteral("F6ABC"));
    QCOMPARE(f.label("I_Station"), QStringLiteral("F6ABC"));

    // Opened again, it starts afresh.
    f.open();
    QVERIFY(f.box("New_Indicatif")->text().isEmpty());
}

QTEST_MAIN(TestStationWindow)
#include "tst_stationwindow.moc"
