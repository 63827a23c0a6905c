#include "TestFiles.h"
#include "log/SafeFileWriter.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

enum class Setup { PlainLog, PrivateLog, ScratchIsAFolder, ScratchLinksOut, LogLinksOut };

class TestSafeFileWriter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void write_data();
    void write();
};

void TestSafeFileWriter::write_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QString>("error"); // {dir} stands for the folder; empty when written

    QTest::newRow("plain log replaced whole") << Setup::PlainLog << QString();
    QTest::newRow("private log stays private") << Setup::PrivateLog << QString();
    QTest::newRow("scratch file is a folder")
        << Setup::ScratchIsAFolder
        << QString::fromUtf8("impossible de créer le fichier {dir}/Temporaire.txt (le fichier existe déjà)");
    // Whatever the link points to must not receive the log.
    QTest::newRow("scratch file links out") << Setup::ScratchLinksOut << QString();
    // The log kept elsewhere through a link goes on receiving the contacts.
    QTest::newRow("log links out") << Setup::LogLinksOut << QString();
}

void TestSafeFileWriter::write()
{
    QFETCH(Setup, setup);
    QFETCH(QString, error);
    QTemporaryDir dir;
    QTemporaryDir elsewhere;
    const QString target = QDir(dir.path()).filePath("F6ABC_CP.txt");
    const QString scratch = QDir(dir.path()).filePath("Temporaire.txt");
    const QString outside = QDir(elsewhere.path()).filePath("F6ABC_CP.txt");
    const QByteArray old = "45000 12/03/06 F6ABC        4 SSB    14 Mhz       ORLEANS\r\n";
    TestFiles::write(setup == Setup::LogLinksOut ? outside : target, old);
    TestFiles::write(outside + ".autre", "other file\r\n");
    if (setup == Setup::LogLinksOut)
        QVERIFY(QFile::link(outside, target));
    if (setup == Setup::PrivateLog)
        QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner));
    if (setup == Setup::ScratchIsAFolder)
        QVERIFY(QDir(dir.path()).mkdir("Temporaire.txt"));
    if (setup == Setup::ScratchLinksOut)
        QVERIFY(QFile::link(outside + ".autre", scratch));
    const QFile::Permissions permissions = QFile::permissions(target);

    const QByteArray fresh = "new contents\r\n";
    QString reason;
    QCOMPARE(writeFileSafely(target, scratch, fresh, &reason), error.isEmpty());
    QCOMPARE(reason, error.replace("{dir}", dir.path()));
    QCOMPARE(TestFiles::read(target), error.isEmpty() ? fresh : old);
    QCOMPARE(QFile::permissions(target), permissions);
    QCOMPARE(QFileInfo(target).isSymLink(), setup == Setup::LogLinksOut);
    QCOMPARE(TestFiles::read(outside + ".autre"), QByteArray("other file\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(),
        setup == Setup::ScratchIsAFolder ? 2 : 1);
    QCOMPARE(QDir(elsewhere.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(),
        setup == Setup::LogLinksOut ? 2 : 1);
}

QTEST_GUILESS_MAIN(TestSafeFileWriter)
#include "tst_safefilewriter.moc"
