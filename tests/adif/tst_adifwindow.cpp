#include "FullDisk.h"
#include "MainFixture.h"
#include "TestFiles.h"
#include "adif/AdifMenu.h"
#include "log/Cp1252.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <optional>

namespace {

QString dataPath(const QString& name)
{
    return QStringLiteral(KERLANIC_ADIF_DATA "/") + name;
}

QByteArray data(const QString& name)
{
    return TestFiles::read(dataPath(name));
}

enum Column { Tick = 0, PostalCode = 6, Commune = 7, Outcome = 8 };

} // namespace

class TestAdifWindow : public QObject
{
    Q_OBJECT

    MainFixture f;
    QString chosenFile;

    QWidget* review() const { return f.main->findChild<QWidget*>(QStringLiteral("Import_ADIF")); }
    QTableWidget* table() const { return review()->findChild<QTableWidget*>(QStringLiteral("Liste_Import")); }
    void choose(const char* entry) { f.main->findChild<QAction*>(QLatin1String(entry))->trigger(); }
    void click(const char* button)
    {
        QTest::mouseClick(review()->findChild<QPushButton*>(button), Qt::LeftButton);
    }

private Q_SLOTS:
    void init()
    {
        f.setStation("F6ABC", "45000", data("log.txt"));
        f.start();
        f.main->findChild<AdifMenu*>()->setFileChooser([this](bool, const QString&) { return chosenFile; });
        f.fake.messages.shown.clear();
    }
    void cleanup() { f.main.reset(); }

    void exportWritesTheChosenFile()
    {
        chosenFile = f.dir.filePath("F6ABC_CP.adx");
        choose("Mnu_Export_ADIF");
        QCOMPARE(TestFiles::read(chosenFile), data("log.adx"));
        QCOMPARE(f.fake.messages.shown,
            QStringList {"17 contacts exportés dans le fichier " + chosenFile
                + ".\n1 code postal réservé sans contact, non exporté."});
    }

    // The dialogs open in the documents folder, or in the home folder on a desktop without one.
    void dialogsOpenInTheDocumentsFolder_data()
    {
        QTest::addColumn<bool>("documents");
        QTest::newRow("documents folder") << true;
        QTest::newRow("no documents folder") << false;
    }

    void dialogsOpenInTheDocumentsFolder()
    {
        QFETCH(bool, documents);
        const QString folder = QDir::home().filePath(QStringLiteral("Documents"));
        QVERIFY(documents ? QDir::home().mkpath(QStringLiteral("Documents")) : QDir(folder).removeRecursively());
        QStringList proposed;
        f.main->findChild<AdifMenu*>()->setFileChooser([&proposed](bool, const QString& path) {
            proposed << path;
            return QString();
        });
        choose("Mnu_Export_ADIF");
        choose("Mnu_Import_ADIF");
        QDir(folder).removeRecursively();
        const QString start = documents ? folder : QDir::homePath();
        QCOMPARE(proposed, (QStringList {start + "/F6ABC_CP.adi", start}));
    }

    // From the list, Tab goes on to the search and the buttons: the keyboard alone imports.
    void tabLeavesTheList()
    {
        chosenFile = dataPath("general.adi");
        choose("Mnu_Import_ADIF");
        QVERIFY(QTest::qWaitForWindowActive(review()));
        table()->setFocus();
        QTest::keyClick(table(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), "Recherche_CP");
    }

    void malformedFileOpensNoReview()
    {
        chosenFile = f.dir.filePath("cut.adi");
        TestFiles::write(chosenFile, "<eoh>\n<CALL:5>F4AAA<eor>\n<CALL:10>F4B");
        choose("Mnu_Import_ADIF");
        QCOMPARE(f.fake.messages.shown,
            QStringList {chosenFile
                + "\r\n\r\nLe champ CALL de l'enregistrement 2 (ligne 3) annonce 10 "
                  "octets, mais le fichier s'arrête avant : il semble coupé.\r\n\r\n"
                  "Rien n'est importé."});
        QVERIFY(!review());
    }

    // The user gives Orléans its code, unticks TM5X and imports; a full disk first leaves the log as
    // it was.
    void reviewedImportIsWrittenOnce()
    {
        f.writeLog("F6ABC", data("import_log.txt"));
        chosenFile = dataPath("general.adi");
        choose("Mnu_Import_ADIF");
        QCOMPARE(table()->item(0, Outcome)->text(), "à compléter (45000 45100)");
        table()->item(0, PostalCode)->setText("45100");
        QCOMPARE(table()->item(0, Commune)->text(), "ORLÉANS");
        QCOMPARE(table()->item(0, Outcome)->text(), "nouveau");
        table()->item(6, Tick)->setCheckState(Qt::Unchecked);
        QCOMPARE(table()->item(6, Outcome)->text(), "nouveau");

        std::optional<FullDisk> full(std::in_place, 100);
        click("Importer");
        full.reset();
        QCOMPARE(TestFiles::read(f.logPath("F6ABC")), data("import_log.txt"));
        QVERIFY(f.fake.messages.shown.value(0).endsWith(".\r\n\r\nRien n'est importé."));

        click("Importer");
        QCOMPARE(TestFiles::read(f.logPath("F6ABC")), data("general.window.log"));
        // Each line keeps the outcome it was imported with.
        QCOMPARE(table()->item(0, Outcome)->text(), "nouveau");
        const QString summary = QString::fromUtf8(data("general.window.summary"));
        QCOMPARE(f.fake.messages.shown.value(1), summary);
        // The listing shows the département of the first record imported.
        QCOMPARE(f.listedLines(),
            QStringList {"   CP 45100 05/01/24  F4AAA                SSB     14 Mhz    O      N   ORLÉANS"});

        chosenFile = f.dir.filePath("resume.txt");
        click("Enregistre_Resume");
        QCOMPARE(TestFiles::read(chosenFile), Cp1252::encode(QString(summary).replace("\n", "\r\n")).value());
    }
};

QTEST_MAIN(TestAdifWindow)
#include "tst_adifwindow.moc"
