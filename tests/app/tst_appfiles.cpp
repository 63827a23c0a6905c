#include "TestFiles.h"
#include "app/AppDir.h"
#include "app/Version.h"
#include "app/WindowPlacement.h"
#include "platform/QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestAppFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void placement_data();
    void placement();
    void unusableProgramFolderGivesTheUserFolder();
    void settingsSectionsKeepTheirBlanks();
    void filesKeptByKerlanic_data();
    void filesKeptByKerlanic();
    void logsLeftInTheProgramFolder_data();
    void logsLeftInTheProgramFolder();
};

void TestAppFiles::settingsSectionsKeepTheirBlanks()
{
    QTemporaryDir dir;
    const QString file = QDir(dir.path()).filePath("C_Postal.ini");
    {
        QtSettingsStore settings(file);
        settings.write("Setup ", "Indicatif Station", "F6ABC_P");
        settings.write("Setup F6ABC_P", "CP Station", "45000");
    }
    const QtSettingsStore settings(file);
    QCOMPARE(settings.read("Setup ", "Indicatif Station", "FXXXX"), QStringLiteral("F6ABC_P"));
    QCOMPARE(settings.read("Setup", "Indicatif Station", "FXXXX"), QStringLiteral("FXXXX"));
    QCOMPARE(settings.read("Setup F6ABC_P", "CP Station", "XXXX"), QStringLiteral("45000"));
    QCOMPARE(settings.read("Setup F6ABC_P", "bande Utilisee", "0"), QStringLiteral("0"));
}

void TestAppFiles::placement_data()
{
    QTest::addColumn<double>("screen");
    QTest::addColumn<double>("window");
    QTest::addColumn<qint64>("offset");
    QTest::newRow("even room") << 1280.0 << 730.0 << qint64(275);
    QTest::newRow("odd room: integer halving") << 1281.0 << 730.0 << qint64(275);
    QTest::newRow("half rounds to even, down") << 1280.5 << 730.0 << qint64(275); // 550.5 -> 550
    QTest::newRow("half rounds to even, up") << 1281.5 << 730.0 << qint64(276); // 551.5 -> 552
    QTest::newRow("window larger than screen") << 100.0 << 105.0 << qint64(-2); // toward zero
    QTest::newRow("twips") << 19200.0 << 10950.0 << qint64(4125);
}

void TestAppFiles::placement()
{
    QFETCH(double, screen);
    QFETCH(double, window);
    QFETCH(qint64, offset);
    QCOMPARE(centredOffset(screen, window), offset);
}

void TestAppFiles::unusableProgramFolderGivesTheUserFolder()
{
    QTemporaryDir dir;
    const QString user = QDir(dir.path()).filePath("user/Kerlanic");
    QCOMPARE(chooseAppDir(QDir(dir.path()).filePath("no-such-folder"), user), user);
    QVERIFY(QFileInfo(user).isDir());
    QCOMPARE(chooseAppDir(dir.path(), user), QDir::cleanPath(dir.path()));

    // An installed copy keeps the user's files apart even when it could write beside itself.
    QVERIFY(QDir(dir.path()).mkpath("bin") && QDir(dir.path()).mkpath("share/applications"));
    TestFiles::write(QDir(dir.path()).filePath("share/applications/" KERLANIC_DESKTOP_ID ".desktop"), "");
    QCOMPARE(chooseAppDir(QDir(dir.path()).filePath("bin"), user), user);
}

// What an export or a saved summary may replace: never a log, a backup or a file of the program.
void TestAppFiles::filesKeptByKerlanic_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("kept");
    QTest::newRow("station log") << "F6ABC_CP.txt" << true;
    QTest::newRow("portable station's log") << "F6ABC_P_CP.txt" << true;
    QTest::newRow("a log copied elsewhere") << "ailleurs/f6abc_cp.txt" << true;
    QTest::newRow("a backup on a key") << "cle/F6ABC_CP_2026-12-07_2.txt" << true;
    QTest::newRow("anything in the backups folder") << "Sauvegardes/notes.txt" << true;
    QTest::newRow("shipped town list") << "Liste_DVF.txt" << true;
    QTest::newRow("lock") << "Kerlanic.lock" << true;
    QTest::newRow("search program") << "CodePostal" << true;
    QTest::newRow("link to the log") << "lien.adi" << true;
    QTest::newRow("an earlier export") << "F6ABC_CP.adi" << false;
    QTest::newRow("an import summary") << "Import_ADIF_F6ABC.txt" << false;
    QTest::newRow("a town list elsewhere") << "ailleurs/Liste_DVF.txt" << false;
    QTest::newRow("nothing there yet") << "nouveau.adi" << false;
}

void TestAppFiles::filesKeptByKerlanic()
{
    QFETCH(QString, file);
    QFETCH(bool, kept);
    QTemporaryDir dir;
    const QString appDir = dir.filePath(QStringLiteral("Kerlanic"));
    for (const char* folder : {"Kerlanic/Sauvegardes", "ailleurs", "cle"})
        QVERIFY(QDir(dir.path()).mkpath(folder));
    for (const char* name : {"F6ABC_CP.txt", "F6ABC_P_CP.txt", "Liste_DVF.txt", "Kerlanic.lock", "CodePostal",
             "F6ABC_CP.adi", "Import_ADIF_F6ABC.txt", "Sauvegardes/notes.txt"})
        TestFiles::write(QDir(appDir).filePath(QLatin1String(name)), "x");
    for (const char* name : {"ailleurs/f6abc_cp.txt", "ailleurs/Liste_DVF.txt", "cle/F6ABC_CP_2026-12-07_2.txt"})
        TestFiles::write(dir.filePath(QLatin1String(name)), "x");
    QVERIFY(QFile::link(QDir(appDir).filePath("F6ABC_CP.txt"), QDir(appDir).filePath("lien.adi")));
    const QString path = file.contains(u'/') && !file.startsWith(u"Sauvegardes") ? dir.filePath(file)
                                                                              : QDir(appDir).filePath(file);
    QCOMPARE(isKeptByKerlanic(path, appDir), kept);
}

// The program's folder became read-only and Kerlanic works elsewhere: the logs it leaves are named.
void TestAppFiles::logsLeftInTheProgramFolder_data()
{
    QTest::addColumn<QStringList>("logs");
    QTest::addColumn<bool>("elsewhere");
    QTest::addColumn<QString>("message");
    QTest::newRow("logs left in the program folder")
        << QStringList {"FXXXX_CP.txt", "F6ABC_CP.txt", "F6ABC_P_CP.txt"} << true
        << "Le dossier %1 ne peut pas être modifié : Kerlanic travaille dans le dossier %2.\r\n\r\n"
           "Les carnets du dossier %1 (F6ABC_CP.txt, F6ABC_P_CP.txt) ne sont ni lus ni complétés. Pour "
           "continuer avec eux, rendez ce dossier modifiable, ou copiez-les dans le dossier %2.";
    QTest::newRow("the program folder is the one used") << QStringList {"F6ABC_CP.txt"} << false << "";
    QTest::newRow("only the template") << QStringList {"FXXXX_CP.txt"} << true << "";
}

void TestAppFiles::logsLeftInTheProgramFolder()
{
    QFETCH(QStringList, logs);
    QFETCH(bool, elsewhere);
    QFETCH(QString, message);
    QTemporaryDir program;
    QTemporaryDir user;
    for (const QString& name : logs)
        TestFiles::write(program.filePath(name), "x");
    const QString appDir = elsewhere ? user.path() : program.path();
    QCOMPARE(logsLeftAsideMessage(program.path(), appDir),
        message.replace("%1", program.path()).replace("%2", user.path()));
}

QTEST_GUILESS_MAIN(TestAppFiles)
#include "tst_appfiles.moc"
