#include "TestFiles.h"

#include <QDir>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The log as a real desktop attacks it: the rewrite killed at each of its system calls in turn,
// and each system call it depends on failing, both from outside through strace, on a child
// process (logtool) that makes one change as Kerlanic does.
class TestSystemFaults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void killedAtEverySystemCall_data();
    void killedAtEverySystemCall();
    void failedSystemCall_data();
    void failedSystemCall();

private:
    // logtool under strace, which sees only the system calls on the watched files and tampers with
    // them as inject says ("write:error=ENOSPC"). Gives whether it was killed, and the calls seen.
    bool underStrace(const QStringList& watched, const QString& inject, const QStringList& tool,
        QByteArrayList* calls = nullptr) const;
    QString path(const QString& name) const { return QDir(m_dir.path()).filePath(name); }

    QTemporaryDir m_dir;
    QTemporaryDir m_traces;
    QByteArrayList m_lines;
    QByteArray m_old;
    mutable QProcess m_strace;
};

bool TestSystemFaults::underStrace(
    const QStringList& watched, const QString& inject, const QStringList& tool, QByteArrayList* calls) const
{
    const QString trace = QDir(m_traces.path()).filePath("trace");
    QStringList arguments {"-qq", "-o", trace};
    if (!inject.isEmpty())
        arguments << "-e"
                  << "inject=" + inject;
    for (const QString& file : watched)
        arguments << "-P" << file;
    m_strace.start("strace", arguments << LOGTOOL << m_dir.path() << tool);
    m_strace.waitForFinished(60000);
    for (const QByteArray& line : TestFiles::read(trace).split('\n')) {
        if (calls && !line.isEmpty() && QChar(line[0]).isLetter())
            *calls << line.left(line.indexOf('('));
    }
    return m_strace.exitStatus() == QProcess::CrashExit;
}

void TestSystemFaults::initTestCase()
{
    if (QProcess::execute("strace", {"-o", QDir(m_traces.path()).filePath("probe"), "true"}) != 0)
        QSKIP("strace is missing or may not trace here");
    for (int i = 0; i < 2000; ++i)
        m_lines << QByteArray::number(10000 + 7 * i) + " 12/03/06 F6ABC        4 SSB    14 Mhz       ORLEANS";
    m_old = TestFiles::logOf(m_lines);
}

void TestSystemFaults::killedAtEverySystemCall_data()
{
    QTest::addColumn<QStringList>("tool");
    const QString moved = QString::fromLatin1(m_lines[1000]).replace("ORLEANS", "OLIVET");
    QTest::newRow("add") << QStringList {
        "add", QString::fromLatin1(m_lines[1000]).replace(" F6ABC ", " F5XYZ ")};
    QTest::newRow("replace") << QStringList {"replace", QString::fromLatin1(m_lines[1000]), moved};
    QTest::newRow("delete") << QStringList {"delete", QString::fromLatin1(m_lines[1000])};
}

void TestSystemFaults::killedAtEverySystemCall()
{
    QFETCH(QStringList, tool);
    const QStringList watched {path("F6ABC_CP.txt"), path("Temporaire.txt"), m_dir.path()};
    TestFiles::write(path("F6ABC_CP.txt"), m_old);
    QByteArrayList calls;
    QVERIFY(!underStrace(watched, {}, tool, &calls) && m_strace.exitCode() == 0);
    const QByteArray fresh = TestFiles::read(path("F6ABC_CP.txt"));
    QVERIFY(fresh != m_old && calls.size() > 10);

    QHash<QByteArray, int> seen;
    for (const QByteArray& call : std::as_const(calls)) {
        const QString at = QStringLiteral("%1:signal=SIGKILL:when=%2").arg(call).arg(++seen[call]);
        TestFiles::write(path("F6ABC_CP.txt"), m_old);
        QVERIFY2(underStrace(watched, at, tool), qPrintable(at));
        const QByteArray left = TestFiles::read(path("F6ABC_CP.txt"));
        QVERIFY2(left == m_old || left == fresh, qPrintable(at));
        // The next rewrite works from what was left, scratch file and all.
        QCOMPARE(QProcess::execute(LOGTOOL, {m_dir.path(), "delete", QString::fromLatin1(m_lines[0])}), 0);
        QCOMPARE(TestFiles::read(path("F6ABC_CP.txt")), left.mid(m_lines[0].size() + 2));
        QVERIFY(!QFileInfo::exists(path("Temporaire.txt")));
    }
}

void TestSystemFaults::failedSystemCall_data()
{
    QTest::addColumn<QString>("watched");
    QTest::addColumn<QString>("inject");
    QTest::addColumn<QString>("reason"); // {dir} stands for the program folder
    const auto row = [](const char* name, const char* watched, const char* inject, const QString& reason) {
        QTest::newRow(name) << QString(watched) << QString(inject) << reason;
    };
    const QString unread = QString::fromUtf8("Le fichier {dir}/F6ABC_CP.txt ne peut pas être lu (%1).");
    const QString unwritten = QString::fromUtf8("Écriture impossible (%1).");
    const QString unreplaced = QStringLiteral("Impossible de remplacer le fichier {dir}/F6ABC_CP.txt (%1).");
    const char* scratch = "Temporaire.txt";
    row("full disk on creating the scratch file", scratch, "openat:error=ENOSPC",
        QString::fromUtf8("Impossible de créer le fichier {dir}/Temporaire.txt (disque plein)."));
    row("full disk on the write", scratch, "write:error=ENOSPC", unwritten.arg("disque plein"));
    row("quota on the write", scratch, "write:error=EDQUOT", unwritten.arg("disque plein"));
    row("EIO on the write", scratch, "write:error=EIO", unwritten.arg(QString::fromUtf8("erreur de lecture ou d'écriture sur le disque")));
    row("EIO on fsync", scratch, "fsync:error=EIO",
        QString::fromUtf8("Le disque n'a pas confirmé l'écriture (erreur de lecture ou d'écriture sur le disque)."));
    row("EIO on close", scratch, "close:error=EIO", unwritten.arg(QString::fromUtf8("erreur de lecture ou d'écriture sur le disque")));
    row("EXDEV on rename", scratch, "rename:error=EXDEV", unreplaced.arg(QString::fromUtf8("les deux fichiers sont sur des disques différents")));
    row("EACCES on rename", scratch, "rename:error=EACCES", unreplaced.arg(QString::fromUtf8("accès refusé")));
    row("EIO on opening the log", "F6ABC_CP.txt", "openat:error=EIO", unread.arg(QString::fromUtf8("erreur de lecture ou d'écriture sur le disque")));
    row("EIO on reading the log", "F6ABC_CP.txt", "read:error=EIO", unread.arg(QString::fromUtf8("erreur de lecture ou d'écriture sur le disque")));
    row("read of the log cut short", "F6ABC_CP.txt", "read:retval=0:when=1",
        unread.arg("lecture interrompue avant la fin du fichier"));
}

void TestSystemFaults::failedSystemCall()
{
    QFETCH(QString, watched);
    QFETCH(QString, inject);
    QFETCH(QString, reason);
    TestFiles::write(path("F6ABC_CP.txt"), m_old);
    QVERIFY(!underStrace({path(watched)}, inject, {"add", QString::fromLatin1(m_lines[5])}));
    QCOMPARE(m_strace.exitCode(), 1);
    QCOMPARE(QString::fromUtf8(m_strace.readAllStandardOutput()), reason.replace("{dir}", m_dir.path()));
    QCOMPARE(TestFiles::read(path("F6ABC_CP.txt")), m_old);
    QVERIFY(!QFileInfo::exists(path("Temporaire.txt")));
}

QTEST_GUILESS_MAIN(TestSystemFaults)
#include "tst_systemfaults.moc"
