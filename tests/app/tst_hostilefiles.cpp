#include "MainFixture.h"
#include "TestFiles.h"
#include "app/AppDir.h"

#include <QAction>
#include <QDir>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

enum class Log { Bytes, Folder, LinkLoop };

// Broken logs as years on real disks leave them: Kerlanic starts on each, every window opens,
// every button is pressed, and nothing crashes or changes the log. (Settings edited by hand are
// met by the main window's start-up tests.)
class TestHostileFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyWindowOnEach_data();
    void everyWindowOnEach();
};

void TestHostileFiles::everyWindowOnEach_data()
{
    QTest::addColumn<Log>("kind");
    QTest::addColumn<QByteArray>("log");
    QTest::addColumn<QStringList>("messages"); // at start-up; {dir} stands for the program folder
    QTest::addColumn<int>("listed"); // lines listed by the look-up of 45000

    const QByteArray orleans
        = TestFiles::record("45000", "12/03/06", "F1ABC", '4', "SSB", "14 Mhz", "45123", "ORLÉANS");
    const QByteArray olivet
        = TestFiles::record("45160", "14/07/09", "F8AAA", '2', "FM", "144 Mhz", "", "OLIVET");
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary += char(i * 7 % 256);
    const QString unread = QString::fromUtf8("Le fichier {dir}/F6ABC_CP.txt ne peut pas être lu (%1).");

    QTest::newRow("binary") << Log::Bytes << binary << QStringList() << 0;
    QTest::newRow("NUL bytes") << Log::Bytes << orleans + '\0' + "\r\n" + QByteArray(60, '\0')
                               << QStringList() << 1;
    QTest::newRow("10,000-character line")
        << Log::Bytes << "45" + QByteArray(9998, 'X') + "\r\n" + olivet << QStringList() << 2;
    QTest::newRow("records cut short")
        << Log::Bytes << QByteArray("4\r\n45\r\n45000 12/0\r\n") << QStringList() << 2;
    QTest::newRow("folder in place of the log")
        << Log::Folder << QByteArray() << QStringList {unread.arg(QString::fromUtf8("c'est un dossier"))} << 0;
    QTest::newRow("log that links to itself")
        << Log::LinkLoop << QByteArray() << QStringList {unread.arg("trop de liens symboliques")}
        << 0;
}

void TestHostileFiles::everyWindowOnEach()
{
    QFETCH(Log, kind);
    QFETCH(QByteArray, log);
    QFETCH(QStringList, messages);
    QFETCH(int, listed);
    MainFixture f;
    f.setStation("F6ABC", "45000");
    QVERIFY(installShippedFiles(f.dir.path()).isEmpty());
    if (kind == Log::Bytes)
        f.writeLog("F6ABC", log);
    if (kind == Log::Folder)
        QVERIFY(QDir(f.dir.path()).mkdir("F6ABC_CP.txt"));
    if (kind == Log::LinkLoop)
        QVERIFY(QFile::link(f.logPath("F6ABC"), f.logPath("F6ABC")));

    MainWindow& main = f.start();
    QCOMPARE(f.fake.messages.shown, messages.replaceInStrings("{dir}", f.dir.path()));
    f.typeAndEnter("C_Postal_A", "45000");
    QCOMPARE(f.listedLines().size(), listed);
    for (QAction* action : main.findChildren<QAction*>(QRegularExpression("^Mnu_"))) {
        if (action->objectName() != "Mnu_Quitter")
            action->trigger();
    }
    // The DFCF list is a web page: no file of the program is read for it.
    QList<QPointer<QPushButton>> buttons;
    for (QPushButton* button : main.findChildren<QPushButton*>())
        buttons << button;
    for (const QPointer<QPushButton>& button : std::as_const(buttons)) {
        if (button && button->objectName() != "Liste_DFCF")
            QTest::mouseClick(button, Qt::LeftButton);
    }
    if (kind == Log::Bytes)
        QCOMPARE(TestFiles::read(f.logPath("F6ABC")), log);
}

QTEST_MAIN(TestHostileFiles)
#include "tst_hostilefiles.moc"
