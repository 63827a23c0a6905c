#include "FakePlatform.h"
#include "SampleLog.h"
#include "TestFiles.h"
#include "app/StationSettings.h"
#include "model/Logbook.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace SampleLog;
using TestFiles::logOf;

// The daily backups the logbook takes before rewriting a log.
class TestBackups : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void oneBackupADayOfTheLogAsItStood();
    void thirtyKeptPerStation();
    void secondFolder_data();
    void secondFolder();
    void keyPluggedInLateGetsTheDaysBackup();
    void undoRefusedOverAChangeMadeElsewhere();
};

namespace {

struct Bench
{
    Bench()
        : logbook(dir.path())
    {
        logbook.setStation(QStringLiteral("F6ABC"), QStringLiteral("45000"));
        logbook.keepBackups(fake.clock, fake.settings);
    }
    QString backup(const QString& name) const { return dir.path() + "/Sauvegardes/" + name; }
    QStringList backups() const { return QDir(dir.path() + "/Sauvegardes").entryList(QDir::Files); }
    void startLog(const QByteArray& bytes) { TestFiles::write(logbook.stationLog().path(), bytes); }

    QTemporaryDir dir;
    FakePlatform fake;
    Logbook logbook;
};

} // namespace

void TestBackups::oneBackupADayOfTheLogAsItStood()
{
    Bench b;
    // An empty log is not worth a backup.
    QVERIFY(b.logbook.Ajoute_Ligne(kBourg).done);
    QCOMPARE(b.backups(), QStringList {});
    // Kept byte for byte, LF line ends included, before the rewrite: a first change that fails
    // (no room for the scratch file) leaves it behind all the same. The day's later changes leave
    // it alone.
    b.startLog(kBourg + "\n" + kOrleans);
    QVERIFY(QDir(b.dir.path()).mkdir("Temporaire.txt"));
    QVERIFY(!b.logbook.Ajoute_Ligne(kParis).done);
    QCOMPARE(b.backups(), QStringList {"F6ABC_CP_2026-12-05.txt"});
    QVERIFY(QDir(b.dir.path()).rmdir("Temporaire.txt"));
    QVERIFY(b.logbook.Ajoute_Ligne(kParis).done);
    QVERIFY(b.logbook.Ajoute_Ligne(kOlivet).done);
    QCOMPARE(TestFiles::read(b.backup("F6ABC_CP_2026-12-05.txt")), kBourg + "\n" + kOrleans);
    b.fake.clock.local = b.fake.clock.local.addDays(1);
    QVERIFY(b.logbook.Supprime_Ligne([](QByteArrayView line) { return line == kParis; }).done);
    QCOMPARE(
        TestFiles::read(b.backup("F6ABC_CP_2026-12-06.txt")), logOf({kBourg, kOrleans, kOlivet, kParis}));
    QCOMPARE(b.backups(), (QStringList {"F6ABC_CP_2026-12-05.txt", "F6ABC_CP_2026-12-06.txt"}));
}

void TestBackups::thirtyKeptPerStation()
{
    Bench b;
    const auto dayName = [&](int back) {
        return QStringLiteral("F6ABC_CP_%1.txt")
            .arg(b.fake.clock.local.date().addDays(-back).toString(Qt::ISODate));
    };
    QDir(b.dir.path()).mkdir(QStringLiteral("Sauvegardes"));
    // Another station's backup and a copy kept before a restore stand beside thirty days.
    QStringList expected {"F6ABC_CP_2026-12-04_2.txt", "F6ABC_P_CP_2026-01-01.txt"};
    for (const QString& name : expected)
        TestFiles::write(b.backup(name), kBourg);
    for (int back = 1; back <= 30; ++back)
        TestFiles::write(b.backup(dayName(back)), kBourg);
    for (int back = 0; back <= 28; ++back)
        expected << dayName(back);
    b.startLog(logOf({kOrleans}));
    QVERIFY(b.logbook.Ajoute_Ligne(kParis).done);
    expected.sort();
    QCOMPARE(b.backups(), expected);
}

void TestBackups::secondFolder_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<bool>("writable");
    QTest::newRow("present: the day's backup is copied there") << true << true;
    QTest::newRow("missing: told once, nothing else fails") << false << true;
    QTest::newRow("not writable: told once, with the cause") << true << false;
}

void TestBackups::secondFolder()
{
    QFETCH(bool, present);
    QFETCH(bool, writable);
    Bench b;
    QTemporaryDir key;
    const QString folder = present ? key.path() : key.path() + QStringLiteral("/absente");
    // A folder in the way of the backup's scratch file: even root cannot write there.
    const QString inTheWay = QDir(folder).filePath(QStringLiteral("F6ABC_CP_2026-12-05.txt.Temporaire/x"));
    if (!writable)
        QVERIFY(QDir().mkpath(inTheWay));
    b.fake.settings.write(StationSettings::kGlobalSection, kDossierSauvegarde, folder);
    QSignalSpy told(&b.logbook, &Logbook::backupNotKept);
    b.startLog(logOf({kOrleans}));
    for (int day = 0; day < 2; ++day) {
        QVERIFY(b.logbook.Ajoute_Ligne(kParis).done);
        b.fake.clock.local = b.fake.clock.local.addDays(1);
    }
    QCOMPARE(b.backups(), (QStringList {"F6ABC_CP_2026-12-05.txt", "F6ABC_CP_2026-12-06.txt"}));
    // The next day's backup, unhindered, is copied.
    const QStringList copied = !present ? QStringList {} : writable ? b.backups() : QStringList {"F6ABC_CP_2026-12-06.txt"};
    QCOMPARE(QDir(folder).entryList(QDir::Files), copied);
    QCOMPARE(told.size(), present && writable ? 0 : 1);
    if (!writable)
        QCOMPARE(told.first().first().toString(),
            "La sauvegarde du jour n'a pas pu être écrite dans le dossier " + folder
                + " : impossible de créer le fichier " + folder
                + "/F6ABC_CP_2026-12-05.txt.Temporaire (le fichier existe déjà). Vos contacts sont enregistrés "
                  "dans le carnet.");
    if (!present)
        QCOMPARE(told.first().first().toString(),
            "Le dossier de sauvegarde " + folder
                + " n'est pas accessible : la sauvegarde du jour n'y est pas copiée. Vos contacts sont "
                  "enregistrés dans le carnet.");
}

// A key plugged in after the day's first change gets the day's backup, not the log of that moment.
void TestBackups::keyPluggedInLateGetsTheDaysBackup()
{
    Bench b;
    QTemporaryDir key;
    const QString folder = key.path() + QStringLiteral("/cle");
    b.fake.settings.write(StationSettings::kGlobalSection, kDossierSauvegarde, folder);
    b.startLog(logOf({kOrleans}));
    QVERIFY(b.logbook.Ajoute_Ligne(kParis).done);
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(b.logbook.Ajoute_Ligne(kBourg).done);
    QCOMPARE(TestFiles::read(folder + "/F6ABC_CP_2026-12-05.txt"), logOf({kOrleans}));
}

void TestBackups::undoRefusedOverAChangeMadeElsewhere()
{
    Bench b;
    b.startLog(logOf({kOrleans}));
    QVERIFY(b.logbook.Ajoute_Ligne(kParis).done);
    // Another program put a line where the saved one stood: undoing by position would lose it.
    b.startLog(logOf({kOrleans, kOlivet}));
    const RewriteResult undone = b.logbook.undo();
    QCOMPARE(undone.reason,
        QStringLiteral("Le carnet a été changé en dehors de Kerlanic depuis : cette étape ne "
                       "peut plus être reprise."));
    QCOMPARE(TestFiles::read(b.logbook.stationLog().path()), logOf({kOrleans, kOlivet}));
    QVERIFY(b.logbook.canUndo());
}

QTEST_GUILESS_MAIN(TestBackups)
#include "tst_backups.moc"
