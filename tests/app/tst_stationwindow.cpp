#include "MainFixture.h"
#include "SampleLog.h"
#include "TestFiles.h"
#include "reports/Listing.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using TestFiles::logOf;
using namespace SampleLog;

namespace {

const QByteArray kTemplate = logOf({kAjaccio, kOrleans, kOlivet});

struct StationFixture : MainFixture
{
    StationFixture() { TestFiles::write(QDir(dir.path()).filePath("FXXXX_CP.txt"), kTemplate); }

    void startAndOpen()
    {
        start();
        fake.messages.shown.clear();
        fake.settings.writes.clear();
        main->findChild<QAction*>("Mnu_New_Indicatif")->trigger();
        window = main->findChild<QWidget*>("Station");
        QVERIFY(window);
    }

    QLineEdit* box(const char* name) const { return window->findChild<QLineEdit*>(QLatin1String(name)); }
    void validate() { QTest::mouseClick(window->findChild<QPushButton*>("Validation"), Qt::LeftButton); }
    // Types both boxes, each ended by Enter, then validates.
    void setUp(const QString& callsign, const QString& postalCode)
    {
        for (const auto& [name, text] :
            {std::pair {"New_Indicatif", callsign}, std::pair {"New_CP", postalCode}}) {
            QTest::keyClicks(box(name), text);
            QTest::keyClick(box(name), Qt::Key_Return);
        }
        validate();
    }
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
    void refusalsChangeNothing_data();
    void refusalsChangeNothing();
    void knownStationKeepsItsLogBandAndMode();
    void newLogWithoutRoomOrTemplate();
    void stationNotKeptInTheSettingsIsSaid();
};

void TestStationWindow::refusalsChangeNothing_data()
{
    QTest::addColumn<QString>("callsign");
    QTest::addColumn<QString>("postalCode");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("callsignLeft");
    QTest::addColumn<QString>("focus"); // the box to correct, lit and given the keys
    const auto row = [](const char* name, const char* callsign, const char* code, const char* message,
                         const char* left, const char* focus) {
        QTest::newRow(name) << callsign << code << message << left << focus;
    };

    row("no callsign", "", "45000", "Vous devez entrer un indicatif", "", "New_Indicatif");
    row("13 characters", "f1abcdefghijk", "45000", "12 caracteres maximum pour l'indicatif", "F1ABCDEFGHIJK",
        "New_Indicatif");
    row("hyphen empties the box", "f6-abc", "45000",
        "L'indicatif ne doit comporter que des lettres des chiffres ou le signe _ ", "", "New_Indicatif");
    row("no postal code", "f6abc", "", "Vous devez entrer un Code Postal", "F6ABC", "New_CP");
    row("postal code of 4", "f6abc", "4500", "Le Code Postal doit comporter 5 chiffres", "F6ABC", "New_CP");
    row("postal code of 6", "f6abc", "450000", "Le Code Postal doit comporter 5 chiffres", "F6ABC", "New_CP");
}

void TestStationWindow::refusalsChangeNothing()
{
    QFETCH(QString, callsign);
    QFETCH(QString, postalCode);
    QFETCH(QString, message);
    QFETCH(QString, callsignLeft);
    QFETCH(QString, focus);
    StationFixture f;
    f.setStation("F6ABC", "45000", logOf({kOrleans}));
    f.startAndOpen();
    const QStringList filesBefore = f.files();
    f.setUp(callsign, postalCode);

    QCOMPARE(f.fake.messages.shown, QStringList {message});
    QCOMPARE(f.box("New_Indicatif")->text(), callsignLeft);
    QCOMPARE(f.window->focusWidget()->objectName(), focus);
    QVERIFY(f.window->isVisible());
    QVERIFY(f.fake.settings.writes.isEmpty());
    QCOMPARE(f.files(), filesBefore);
    QCOMPARE(f.logbook.Indicatif_Station() + u' ' + f.label("I_Station"), QStringLiteral("F6ABC F6ABC"));
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
    QCOMPARE(f.combo("Bande_A")->currentText() + u' ' + f.combo("Mode_A")->currentText(),
        QStringLiteral("144 Mhz PSK31"));
    QCOMPARE(f.label("I_Station") + u' ' + f.label("C_Station"), QStringLiteral("F6ABC 45160"));
    QCOMPARE(f.listedLines(), QStringList {listingLine(kOlivet)});
}

void TestStationWindow::newLogWithoutRoomOrTemplate()
{
    StationFixture f;
    f.startAndOpen();
    // No room for the new log: the station is not changed.
    QVERIFY(QDir(f.dir.path()).mkdir("Temporaire.txt"));
    f.setUp("f6abc", "45000");
    QVERIFY(QDir(f.dir.path()).rmdir("Temporaire.txt"));
    QCOMPARE(f.fake.messages.shown.size(), 1);
    const QString message = f.fake.messages.shown.first();
    QVERIFY2(message.startsWith(QString::fromUtf8("Le carnet F6ABC_CP.txt n'a pas pu être créé : impossible "
                                                  "de créer le fichier "))
            && message.endsWith(QString::fromUtf8(".\r\nLa station n'a pas été changée.")),
        qPrintable(message));
    QVERIFY(!QFileInfo::exists(f.logPath("F6ABC")));
    QVERIFY(f.fake.settings.writes.isEmpty());
    QCOMPARE(f.logbook.Indicatif_Station() + u' ' + f.label("I_Station"), QStringLiteral("FXXXX FXXXX"));
    QVERIFY(f.window->isVisible());

    // No template: the new station gets an empty log. Pasted in small letters, past the key
    // filters: 12 characters pass, Corsica in capitals.
    QVERIFY(QFile::remove(QDir(f.dir.path()).filePath("FXXXX_CP.txt")));
    f.box("New_Indicatif")->setText("f1abcdefghij");
    f.box("New_CP")->setText("2a004");
    f.validate();
    QCOMPARE(f.fake.messages.shown.size(), 1);
    QVERIFY(QFileInfo::exists(f.logPath("F1ABCDEFGHIJ")));
    QCOMPARE(TestFiles::read(f.logPath("F1ABCDEFGHIJ")), QByteArray());
    QCOMPARE(f.logbook.Indicatif_Station() + u' ' + f.label("C_Station"), QStringLiteral("F1ABCDEFGHIJ 2A004"));
    QCOMPARE(f.edit("Tot_Points")->text(), QStringLiteral("0.0"));
}

// The settings file cannot be written: the new station stays in service until the program closes.
void TestStationWindow::stationNotKeptInTheSettingsIsSaid()
{
    StationFixture f;
    f.startAndOpen();
    QPointer<QWidget> window = f.window;
    f.fake.settings.failWrites = true;
    f.setUp("f6abc_p", "45000");
    QCOMPARE(f.fake.messages.shown,
        QStringList {"La station F6ABC/P n'a pas pu être enregistrée dans les réglages (écriture impossible "
                     "dans /home/f6abc/.config/Kerlanic/C_Postal.conf).\r\n"
                     "Elle reste en service jusqu'à la fermeture de Kerlanic, mais au prochain démarrage "
                     "Kerlanic reprendra la station précédente. Ses contacts restent dans le carnet "
                     "F6ABC_P_CP.txt."});
    QCOMPARE(f.logbook.Indicatif_Station() + u' ' + f.label("I_Station"), QStringLiteral("F6ABC_P F6ABC/P"));
    QTRY_VERIFY(!window);
}

QTEST_MAIN(TestStationWindow)
#include "tst_stationwindow.moc"
