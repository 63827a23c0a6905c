#include "FullDisk.h"
#include "TestFiles.h"
#include "log/SafeFileWriter.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>


class TestSafeFileWriter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void replacesTheTargetWhole();
    void scratchThatCannotBeCreatedLeavesTargetAlone();
    void fullDiskLeavesTargetAlone();

private:
    QTemporaryDir m_dir;
    QString m_target;
    QString m_scratch;
    const QByteArray m_old = "45000 12/03/06 F6ABC        4 SSB    14 Mhz       ORLEANS\r\n";
};

void TestSafeFileWriter::init()
{
    QVERIFY(m_dir.isValid());
    m_target = QDir(m_dir.path()).filePath("F6ABC_CP.txt");
    m_scratch = QDir(m_dir.path()).filePath("Temporaire.txt");
    TestFiles::write(m_target, m_old);
}

void TestSafeFileWriter::replacesTheTargetWhole()
{
    const QByteArray fresh = "new contents\r\n";
    QString error;
    QVERIFY(writeFileSafely(m_target, m_scratch, fresh, &error));
    QVERIFY(error.isEmpty());
    QCOMPARE(TestFiles::read(m_target), fresh);
    QVERIFY(!QFileInfo::exists(m_scratch));
}

void TestSafeFileWriter::scratchThatCannotBeCreatedLeavesTargetAlone()
{
    QVERIFY(QDir(m_dir.path()).mkdir("Temporaire.txt"));
    QString error;
    QVERIFY(!writeFileSafely(m_target, m_scratch, "lost", &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(TestFiles::read(m_target), m_old);
    QVERIFY(QDir(m_dir.path()).rmdir("Temporaire.txt"));
}

void TestSafeFileWriter::fullDiskLeavesTargetAlone()
{
    bool ok = false;
    SafeFileWriter writer(m_target, m_scratch);
    {
        const FullDisk full;
        QVERIFY(full.isSet());
        ok = writer.open();
        for (int i = 0; ok && i < 1000; ++i)
            ok = writer.write(m_old);
        ok = ok && writer.commit();
    }
    QVERIFY(!ok);
    QVERIFY(!writer.errorString().isEmpty());
    QCOMPARE(TestFiles::read(m_target), m_old);
    QVERIFY(!QFileInfo::exists(m_scratch));
}

QTEST_GUILESS_MAIN(TestSafeFileWriter)
#include "tst_safefilewriter.moc"
