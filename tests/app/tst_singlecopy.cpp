#include "TestFiles.h"
#include "app/SingleCopy.h"

#include <QDateTime>
#include <QDir>
#include <QLockFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

enum class Lock {
    None,
    OfARunningCopy,
    OfACrashedCopy,
    EmptyJustMade,
    EmptyAndOld,
    GarbageAndOld,
    Folder,
    DanglingLink
};

class TestSingleCopy : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void claim_data();
    void claim();
};

void TestSingleCopy::claim_data()
{
    QTest::addColumn<Lock>("lock");
    QTest::addColumn<QString>("refusal"); // {dir} stands for the folder; empty when Kerlanic starts

    const QString open = QString::fromUtf8(
        "Kerlanic est déjà ouvert.\r\n\r\nUn seul Kerlanic à la fois peut tenir les carnets du dossier "
        "{dir} : utilisez la fenêtre déjà ouverte.");
    const QString odd = QString::fromUtf8(
        "{dir}/Kerlanic.lock n'est pas un fichier ordinaire (c'est un dossier ou un lien) : Kerlanic ne "
        "peut pas vérifier qu'il n'est pas déjà ouvert.\r\n\r\nSupprimez-le, puis relancez Kerlanic.");
    QTest::newRow("free folder") << Lock::None << QString();
    QTest::newRow("held by a running copy") << Lock::OfARunningCopy << open;
    QTest::newRow("left by a crashed copy") << Lock::OfACrashedCopy << QString();
    // A copy starting at this very moment has made its lock and not yet written its number in it.
    QTest::newRow("empty, just made") << Lock::EmptyJustMade << open;
    QTest::newRow("empty, left by a copy killed long ago") << Lock::EmptyAndOld << QString();
    QTest::newRow("garbage, old") << Lock::GarbageAndOld << QString();
    QTest::newRow("a folder") << Lock::Folder << odd;
    QTest::newRow("a dangling link") << Lock::DanglingLink << odd;
}

void TestSingleCopy::claim()
{
    QFETCH(Lock, lock);
    QFETCH(QString, refusal);
    QTemporaryDir dir;
    const QString path = appDirLockPath(dir.path());
    QLockFile other(path);
    if (lock == Lock::OfARunningCopy)
        QVERIFY(other.tryLock(0));
    // No process ever has that number.
    if (lock == Lock::OfACrashedCopy)
        TestFiles::write(path, "99999999\nkerlanic\n" + QSysInfo::machineHostName().toUtf8() + '\n');
    if (lock == Lock::EmptyJustMade || lock == Lock::EmptyAndOld || lock == Lock::GarbageAndOld) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write(lock == Lock::GarbageAndOld ? "\x01garbage\n" : "") >= 0 && file.flush());
        if (lock != Lock::EmptyJustMade)
            QVERIFY(file.setFileTime(
                QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
    }
    if (lock == Lock::Folder)
        QVERIFY(QDir(dir.path()).mkdir("Kerlanic.lock"));
    if (lock == Lock::DanglingLink)
        QVERIFY(QFile::link(QDir(dir.path()).filePath("nowhere"), path));

    QLockFile mine(path);
    QCOMPARE(claimAppDir(mine, dir.path()), refusal.replace("{dir}", dir.path()));
    QCOMPARE(mine.isLocked(), refusal.isEmpty());
}

QTEST_GUILESS_MAIN(TestSingleCopy)
#include "tst_singlecopy.moc"
