#include "MainFixture.h"
#include "SampleLog.h"
#include "TestFiles.h"
#include "platform/QtSettingsStore.h"

#include <QComboBox>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

// When the settings file cannot be written, QSettings keeps the values in memory and the program
// would go on as if they were saved: the user is told what will be lost at the next start.
class TestSettingsNotKept : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void realStoreSaysWhenAWriteIsLost();
    void realStoreRewritesOnlyAChange_data();
    void realStoreRewritesOnlyAChange();
    void bandAndModeSayItOnce();
};

void TestSettingsNotKept::realStoreSaysWhenAWriteIsLost()
{
    QTemporaryDir dir;
    const QString file = QDir(dir.path()).filePath("C_Postal.conf");
    // A folder where the file should be: nothing can be written, whoever runs the test.
    QVERIFY(QDir(dir.path()).mkdir("C_Postal.conf"));
    QtSettingsStore settings(file);
    QCOMPARE(settings.location(), QDir::toNativeSeparators(file));
    settings.write("Setup ", "Indicatif Station", "F6ABC");
    QVERIFY(!settings.lastWriteKept());
    QCOMPARE(settings.read("Setup ", "Indicatif Station", "FXXXX"), QStringLiteral("F6ABC")); // in memory
    settings.write("Setup F6ABC", "CP Station", "45000");
    QVERIFY(!settings.lastWriteKept());

    // The folder gone, the next write is kept, and the one lost before goes with it.
    QVERIFY(QDir(dir.path()).rmdir("C_Postal.conf"));
    settings.write("Setup F6ABC", "Mode Utilise", "1");
    QVERIFY(settings.lastWriteKept());
    const QtSettingsStore again(file);
    QCOMPARE(again.read("Setup ", "Indicatif Station", "FXXXX"), QStringLiteral("F6ABC"));
    QCOMPARE(again.read("Setup F6ABC", "CP Station", "XXXX"), QStringLiteral("45000"));
    QCOMPARE(again.read("Setup F6ABC", "Mode Utilise", "0"), QStringLiteral("1"));
}

// Every start writes the folder and the revision; the file is replaced only when a value changes.
void TestSettingsNotKept::realStoreRewritesOnlyAChange_data()
{
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("same value") << "F6ABC" << false;
    QTest::newRow("new value") << "F5XYZ" << true;
}

void TestSettingsNotKept::realStoreRewritesOnlyAChange()
{
    QFETCH(QString, second);
    QFETCH(bool, replaced);
    QTemporaryDir dir;
    const QString file = QDir(dir.path()).filePath("C_Postal.conf");
    const auto inode = [&file] {
        struct stat status {};
        return ::stat(QFile::encodeName(file).constData(), &status) == 0 ? status.st_ino : 0;
    };
    QtSettingsStore settings(file);
    settings.write("Setup ", "Indicatif Station", "F6ABC");
    const auto first = inode();
    QVERIFY(first != 0);
    settings.write("Setup ", "Indicatif Station", second);
    QVERIFY(settings.lastWriteKept());
    QCOMPARE(inode() != first, replaced);
    QCOMPARE(QtSettingsStore(file).read("Setup ", "Indicatif Station", "FXXXX"), second);
}

void TestSettingsNotKept::bandAndModeSayItOnce()
{
    MainFixture f;
    f.setStation("F6ABC", "45000", TestFiles::logOf({SampleLog::kOrleans}));
    f.start();
    f.fake.settings.failWrites = true;
    f.fake.settings.writes.clear();
    // Every key in the band and mode boxes writes the position; the loss is said at the first one.
    for (const char* name : {"Mode_A", "Bande_A", "Mode_A"}) {
        QComboBox* box = f.combo(name);
        box->setEnabled(true);
        QTest::keyClicks(box, "fm");
    }
    QCOMPARE(f.fake.settings.writes.size(), 6);
    QCOMPARE(f.fake.messages.shown,
        QStringList {"La bande et le mode utilisés n'ont pas pu être enregistrés dans les réglages "
                     "(écriture impossible dans /home/f6abc/.config/Kerlanic/C_Postal.conf).\r\n"
                     "Au prochain démarrage, Kerlanic proposera la bande et le mode enregistrés auparavant. "
                     "Ce message n'est montré qu'une fois."});
}

QTEST_MAIN(TestSettingsNotKept)
#include "tst_settingsnotkept.moc"
