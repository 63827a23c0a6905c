#include "FullDisk.h"
#include "SampleLog.h"
#include "TestFiles.h"
#include "log/LogRewriter.h"
#include "log/StationLog.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using TestFiles::logOf;
using TestFiles::record;
using namespace SampleLog;

namespace {

// A few lines of a real-looking log, in postal-code order.

LineMatcher exactly(const QByteArray& chosen)
{
    return [chosen](QByteArrayView line) { return line == chosen; };
}

enum class Operation { Add, Replace, Delete };

} // namespace

class TestLogRewriter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void addKeepsPostalCodeOrder_data();
    void addKeepsPostalCodeOrder();
    void copiedLinesKeepTheirBytes();
    void replaceTheChosenLine_data();
    void replaceTheChosenLine();
    void deleteTheChosenLineOnly_data();
    void deleteTheChosenLineOnly();
    void failedWriteLeavesLogByteIdentical_data();
    void failedWriteLeavesLogByteIdentical();
    void fullDiskLeavesLogByteIdentical();
    void unreadableLogIsNotReplaced();

private:
    QString path(const char* name) const { return QDir(m_dir.path()).filePath(QLatin1String(name)); }
    StationLog log() const { return StationLog(m_dir.path(), "F6ABC"); }
    RewriteResult run(Operation operation);

    QTemporaryDir m_dir;
};

void TestLogRewriter::init()
{
    QVERIFY(m_dir.isValid());
    QFile::remove(path("F6ABC_CP.txt"));
}

void TestLogRewriter::addKeepsPostalCodeOrder_data()
{
    QTest::addColumn<QList<QByteArray>>("before");
    QTest::addColumn<QByteArray>("added");
    QTest::addColumn<QList<QByteArray>>("after");

    const QByteArray orleansAgain = record("45000", "14/07/09", "F8AAA", '2', "FM", "144 Mhz", "", "ORLEANS");
    const QByteArray first = record("00100", "01/01/10", "F4AAA", '1', "SSB", "3.5 Mhz", "", "");
    const QByteArray last = record("97400", "01/01/10", "FR4AA", '4', "SSB", "14 Mhz", "", "SAINT DENIS");
    const QByteArray dfcf = record("00000", "01/01/10", "F4AAA", '4', "SSB", "14 Mhz", "18001", "");
    const QByteArray bastia = record("2B200", "01/01/10", "TK5AA", '4', "SSB", "14 Mhz", "", "BASTIA");
    const QByteArray limoges = record("19000", "01/01/10", "F5AAA", '4', "SSB", "14 Mhz", "", "TULLE");
    const QByteArray dijon = record("21000", "01/01/10", "F5BBB", '4', "SSB", "14 Mhz", "", "DIJON");

    QTest::newRow("empty log") << QList<QByteArray> {} << kOrleans << QList<QByteArray> {kOrleans};
    QTest::newRow("head: smallest key")
        << QList<QByteArray> {kBourg, kOrleans} << first << QList<QByteArray> {first, kBourg, kOrleans};
    QTest::newRow("middle, after the lines of an equal key") << QList<QByteArray> {kBourg, kOrleans, kHeld,
        kParis} << orleansAgain << QList<QByteArray> {kBourg, kOrleans, orleansAgain, kHeld, kParis};
    QTest::newRow("end: greatest key")
        << QList<QByteArray> {kBourg, kParis} << last << QList<QByteArray> {kBourg, kParis, last};
    QTest::newRow("reference record after the other 00000 lines") << QList<QByteArray> {
        kDfcf, kDfcfOther, kBourg} << dfcf << QList<QByteArray> {kDfcf, kDfcfOther, dfcf, kBourg};
    QTest::newRow("contact after its held postal code")
        << QList<QByteArray> {kOrleans, kHeld, kParis}
        << record("45100", "02/02/10", "F6CCC", '2', "SSB", "14 Mhz", "", "ORLÉANS LA SOURCE")
        << QList<QByteArray> {kOrleans, kHeld,
               record("45100", "02/02/10", "F6CCC", '2', "SSB", "14 Mhz", "", "ORLÉANS LA SOURCE"), kParis};
    QTest::newRow("Corsica sorts as 20xxx") << QList<QByteArray> {kDfcf, kBourg, limoges, kAjaccio,
        dijon} << bastia << QList<QByteArray> {kDfcf, kBourg, limoges, kAjaccio, bastia, dijon};
}

void TestLogRewriter::addKeepsPostalCodeOrder()
{
    QFETCH(QList<QByteArray>, before);
    QFETCH(QByteArray, added);
    QFETCH(QList<QByteArray>, after);
    if (!before.isEmpty())
        TestFiles::write(path("F6ABC_CP.txt"), logOf(before));

    const RewriteResult result = Ajoute_Ligne(log(), added);
    QVERIFY2(result.done, qPrintable(result.reason));
    QCOMPARE(TestFiles::read(path("F6ABC_CP.txt")), logOf(after));
    QVERIFY(!QFileInfo::exists(path("Temporaire.txt")));
}

void TestLogRewriter::copiedLinesKeepTheirBytes()
{
    // Lines typed long ago: trailing blanks, bytes above 127, a line end without CR, and a last
    // line without line end. Every line comes back with its own bytes, each ended by CR LF.
    const QByteArray oldLog = "00000 12/03/06 F5XXX_P      4 SSB    14 Mhz  45050\r\n"
                              "01000 01/02/07 F6ABC        2 CW     7.0 Mhz      B\xc9LEY \x80  \n"
                              "75001 05/05/09 F4XYZ        1 FM     432 Mhz      PARIS";
    TestFiles::write(path("F6ABC_CP.txt"), oldLog);
    QVERIFY(Ajoute_Ligne(log(), kOrleans).done);
    QCOMPARE(TestFiles::read(path("F6ABC_CP.txt")),
        QByteArray("00000 12/03/06 F5XXX_P      4 SSB    14 Mhz  45050\r\n"
                   "01000 01/02/07 F6ABC        2 CW     7.0 Mhz      B\xc9LEY \x80  \r\n")
            + kOrleans
            + "\r\n"
              "75001 05/05/09 F4XYZ        1 FM     432 Mhz      PARIS\r\n");
}

void TestLogRewriter::replaceTheChosenLine_data()
{
    QTest::addColumn<QList<QByteArray>>("before");
    QTest::addColumn<QByteArray>("chosen");
    QTest::addColumn<QByteArray>("modified");
    QTest::addColumn<QList<QByteArray>>("after");

    const QByteArray orleansConfirmed
        = record("45000", "12/03/06", "F1ABC", '4', "CW", "7.0 Mhz", "", "ORLEANS");
    QTest::newRow("same postal code: keeps its place") << QList<QByteArray> {kBourg, kOrleans,
        kParis} << kOrleans << orleansConfirmed << QList<QByteArray> {kBourg, orleansConfirmed, kParis};

    const QByteArray dfcfBFixed = record("00000", "20/05/07", "F6ZZZ", '4', "CW", "7.0 Mhz", "37002", "");
    QTest::newRow("second of two 00000 lines: the first stays") << QList<QByteArray> {kDfcf, kDfcfOther,
        kBourg} << kDfcfOther << dfcfBFixed << QList<QByteArray> {kDfcf, dfcfBFixed, kBourg};

    const QByteArray dfcfAFixed = record("00000", "12/03/06", "F5XXX_P", '4', "SSB", "14 Mhz", "45051", "");
    QTest::newRow("first of two 00000 lines: the second stays") << QList<QByteArray> {kDfcf, kDfcfOther,
        kBourg} << kDfcf << dfcfAFixed << QList<QByteArray> {dfcfAFixed, kDfcfOther, kBourg};

    const QByteArray sourceContact
        = record("45100", "02/02/10", "F6CCC", '2', "SSB", "14 Mhz", "", "LA SOURCE");
    const QByteArray sourceConfirmed
        = record("45100", "02/02/10", "F6CCC", '4', "SSB", "14 Mhz", "", "LA SOURCE");
    QTest::newRow("contact beside its held code: the held line stays")
        << QList<QByteArray> {kHeld, sourceContact, kParis} << sourceContact << sourceConfirmed
        << QList<QByteArray> {kHeld, sourceConfirmed, kParis};

    const QByteArray movedToParis
        = record("75002", "12/03/06", "F1ABC", '4', "SSB", "14 Mhz", "", "PARIS 2E");
    QTest::newRow("postal code changed: leaves its place for its own") << QList<QByteArray> {kBourg, kOrleans,
        kParis} << kOrleans << movedToParis << QList<QByteArray> {kBourg, kParis, movedToParis};

    const QByteArray movedToHead = record("00100", "12/03/06", "F1ABC", '4', "SSB", "14 Mhz", "", "");
    QTest::newRow("postal code changed to a smaller one") << QList<QByteArray> {kBourg, kOrleans,
        kParis} << kOrleans << movedToHead << QList<QByteArray> {movedToHead, kBourg, kParis};

    QTest::newRow("chosen line gone: inserted in order") << QList<QByteArray> {kBourg,
        kParis} << kOrleans << orleansConfirmed << QList<QByteArray> {kBourg, orleansConfirmed, kParis};
}

void TestLogRewriter::replaceTheChosenLine()
{
    QFETCH(QList<QByteArray>, before);
    QFETCH(QByteArray, chosen);
    QFETCH(QByteArray, modified);
    QFETCH(QList<QByteArray>, after);
    TestFiles::write(path("F6ABC_CP.txt"), logOf(before));

    const RewriteResult result = Remplace_Ligne(log(), modified, exactly(chosen));
    QVERIFY2(result.done, qPrintable(result.reason));
    QCOMPARE(TestFiles::read(path("F6ABC_CP.txt")), logOf(after));
    QVERIFY(!QFileInfo::exists(path("Temporaire.txt")));
}

void TestLogRewriter::deleteTheChosenLineOnly_data()
{
    QTest::addColumn<QList<QByteArray>>("before");
    QTest::addColumn<QByteArray>("chosen");
    QTest::addColumn<QList<QByteArray>>("after");

    QTest::newRow("one of two 00000 lines")
        << QList<QByteArray> {kDfcf, kDfcfOther, kBourg} << kDfcfOther << QList<QByteArray> {kDfcf, kBourg};
    QTest::newRow("contact beside its held code")
        << QList<QByteArray> {kHeld,
               record("45100", "02/02/10", "F6CCC", '2', "SSB", "14 Mhz", "", "LA SOURCE")}
        << record("45100", "02/02/10", "F6CCC", '2', "SSB", "14 Mhz", "", "LA SOURCE")
        << QList<QByteArray> {kHeld};
    QTest::newRow("last line") << QList<QByteArray> {kBourg, kParis} << kParis << QList<QByteArray> {kBourg};
    QTest::newRow("no longer in the log: unchanged")
        << QList<QByteArray> {kBourg, kParis} << kOrleans << QList<QByteArray> {kBourg, kParis};
}

void TestLogRewriter::deleteTheChosenLineOnly()
{
    QFETCH(QList<QByteArray>, before);
    QFETCH(QByteArray, chosen);
    QFETCH(QList<QByteArray>, after);
    TestFiles::write(path("F6ABC_CP.txt"), logOf(before));

    const RewriteResult result = Supprime_Ligne(log(), exactly(chosen));
    QVERIFY2(result.done, qPrintable(result.reason));
    QCOMPARE(TestFiles::read(path("F6ABC_CP.txt")), logOf(after));
    QVERIFY(!QFileInfo::exists(path("Temporaire.txt")));
}

RewriteResult TestLogRewriter::run(Operation operation)
{
    switch (operation) {
    case Operation::Add:
        return Ajoute_Ligne(log(), kParis);
    case Operation::Replace:
        return Remplace_Ligne(log(), kParis, exactly(kOrleans));
    case Operation::Delete:
        return Supprime_Ligne(log(), exactly(kOrleans));
    }
    return {};
}

void TestLogRewriter::failedWriteLeavesLogByteIdentical_data()
{
    QTest::addColumn<int>("operation");
    QTest::newRow("add") << int(Operation::Add);
    QTest::newRow("replace") << int(Operation::Replace);
    QTest::newRow("delete") << int(Operation::Delete);
}

void TestLogRewriter::failedWriteLeavesLogByteIdentical()
{
    QFETCH(int, operation);
    // Without a line end at the end: any rewrite would add one.
    const QByteArray oldLog = logOf({kDfcf, kOrleans}) + kHeld;
    TestFiles::write(path("F6ABC_CP.txt"), oldLog);
    // The scratch file cannot be created where a folder of that name stands.
    QVERIFY(QDir(m_dir.path()).mkdir("Temporaire.txt"));

    const RewriteResult result = run(Operation(operation));
    QVERIFY(QDir(m_dir.path()).rmdir("Temporaire.txt"));
    QVERIFY(!result.done);
    QVERIFY2(result.reason.startsWith(QString::fromUtf8("Impossible de créer le fichier ")
                 + QDir::toNativeSeparators(path("Temporaire.txt"))),
        qPrintable(result.reason));
    QVERIFY(result.reason.endsWith(u'.'));
    QCOMPARE(TestFiles::read(path("F6ABC_CP.txt")), oldLog);
}

void TestLogRewriter::fullDiskLeavesLogByteIdentical()
{
    // A log larger than the file size limit cannot be rewritten, as on a full disk.
    QList<QByteArray> lines;
    for (int i = 0; i < 200; ++i)
        lines << record(QByteArray::number(10000 + i * 100).constData(), "12/03/06", "F6ABC", '4', "SSB",
            "14 Mhz", "", "SAINT REMY EN BOUZEMONT");
    const QByteArray oldLog = logOf(lines);
    TestFiles::write(path("F6ABC_CP.txt"), oldLog);

    RewriteResult result;
    {
        FullDisk full;
        QVERIFY(full.isSet());
        result = Ajoute_Ligne(log(), kOrleans);
    }

    QVERIFY(!result.done);
    QVERIFY2(result.reason.startsWith(QString::fromUtf8("Écriture impossible")), qPrintable(result.reason));
    QCOMPARE(TestFiles::read(path("F6ABC_CP.txt")), oldLog);
    QVERIFY(!QFileInfo::exists(path("Temporaire.txt")));
}

void TestLogRewriter::unreadableLogIsNotReplaced()
{
    // A folder stands where the log should be: it exists, cannot be read, and must not be replaced
    // by a log made of the one new record.
    QVERIFY(QDir(m_dir.path()).mkdir("F6ABC_CP.txt"));
    const RewriteResult result = Ajoute_Ligne(log(), kParis);
    QVERIFY(!result.done);
    QVERIFY2(result.reason.startsWith(QStringLiteral("Le fichier ")
                 + QDir::toNativeSeparators(path("F6ABC_CP.txt")) + " ne peut pas"),
        qPrintable(result.reason));
    QVERIFY(QFileInfo(path("F6ABC_CP.txt")).isDir());
    QVERIFY(!QFileInfo::exists(path("Temporaire.txt")));
    QVERIFY(QDir(m_dir.path()).rmdir("F6ABC_CP.txt"));
}

QTEST_GUILESS_MAIN(TestLogRewriter)
#include "tst_logrewriter.moc"
