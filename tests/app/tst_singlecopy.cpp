#include "TestFiles.h"
#include "app/SingleCopy.h"

#include <QDir>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestSingleCopy : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void secondCopyIsTurnedAway();
    void lockOfACrashedCopyIsTakenOver();
    void message();
};

void TestSingleCopy::secondCopyIsTurnedAway()
{
    QTemporaryDir dir;
    QCOMPARE(appDirLockPath(dir.path()), QDir(dir.path()).filePath("Kerlanic.lock"));
    QLockFile first(appDirLockPath(dir.path()));
    QCOMPARE(claimAppDir(first), AppDirClaim::Claimed);
    QLockFile second(appDirLockPath(dir.path()));
    QCOMPARE(claimAppDir(second), AppDirClaim::HeldByAnotherCopy);

    // Once the first copy has ended, the folder is free again.
    first.unlock();
    QCOMPARE(claimAppDir(second), AppDirClaim::Claimed);
}

void TestSingleCopy::lockOfACrashedCopyIsTakenOver()
{
    QTemporaryDir dir;
    const QString path = appDirLockPath(dir.path());

    // A process that has ended: its number names no running program.
    QProcess ended;
    ended.start("true");
    QVERIFY(ended.waitForStarted());
    const qint64 deadPid = ended.processId();
    QVERIFY(ended.waitForFinished());

    // The lock file such a copy leaves behind when it crashes: a real one, with its number.
    QByteArray contents;
    {
        QLockFile crashed(path);
        QVERIFY(crashed.tryLock(0));
        contents = TestFiles::read(path);
    }
    TestFiles::write(path, QByteArray::number(deadPid) + contents.mid(contents.indexOf('\n')));

    QLockFile next(path);
    QCOMPARE(claimAppDir(next), AppDirClaim::Claimed);
}

void TestSingleCopy::message()
{
    QCOMPARE(alreadyOpenMessage("/home/f6abc/Kerlanic"),
        QString::fromUtf8(
            "Kerlanic est déjà ouvert.\r\n\r\nUn seul Kerlanic à la fois peut tenir les carnets du "
            "dossier /home/f6abc/Kerlanic : utilisez la fenêtre déjà ouverte."));
}

QTEST_GUILESS_MAIN(TestSingleCopy)
#include "tst_singlecopy.moc"
