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

using Lines = QList<QByteArray>;

// Adds the record when no line is chosen, deletes the chosen line when there is no record, and
// replaces the chosen line with the record otherwise.
RewriteResult run(const StationLog& log, const QByteArray& record, const QByteArray& chosen)
{
    if (chosen.isEmpty())
        return Ajoute_Ligne(log, record);
    const LineMatcher isChosen = [chosen](QByteArrayView line) { return line == chosen; };
    return record.isEmpty() ? Supprime_Ligne(log, isChosen) : Remplace_Ligne(log, record, isChosen);
}

void row(const char* name, const Lines& before, const QByteArray& chosen, const QByteArray& record,
    const Lines& after)
{
    QTest::newRow(name) << logOf(before) << chosen << record << logOf(after);
}

} // namespace

class TestLogRewriter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void rewrite_data();
    void rewrite();
    void oldLogKeepsItsOrder_data();
    void oldLogKeepsItsOrder();

private:
    QString path(const char* name) const { return QDir(m_dir.path()).filePath(QLatin1String(name)); }

    QTemporaryDir m_dir;
};

void TestLogRewriter::init()
{
    QVERIFY(m_dir.isValid());
    QFile::remove(path("F6ABC_CP.txt"));
}

void TestLogRewriter::rewrite_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("chosen");
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QByteArray>("after");

    const QByteArray bastia = record("2B200", "01/01/10", "TK5AA", '4', "SSB", "14 Mhz", "", "BASTIA");
    const QByteArray dijon = record("21000", "01/01/10", "F5BBB", '4', "SSB", "14 Mhz", "", "DIJON");
    const QByteArray source = record("45100", "02/02/10", "F6CCC", '2', "SSB", "14 Mhz", "", "LA SOURCE");
    const QByteArray sourceQsl = record("45100", "02/02/10", "F6CCC", '4', "SSB", "14 Mhz", "", "LA SOURCE");
    const QByteArray dfcfFixed = record("00000", "12/03/06", "F5XXX_P", '4', "SSB", "14 Mhz", "45051", "");
    // The order of records, and how a change moves one, are also checked against a model of the
    // log over random sequences (tst_logmodel): these rows are the cases worth a name.
    row("add a contact after its held code", {kHeld, kParis}, {}, source, {kHeld, source, kParis});
    row("add Corsica as 20xxx", {kBourg, kAjaccio, dijon}, {}, bastia, {kBourg, kAjaccio, bastia, dijon});
    // Lines typed long ago (trailing blanks, bytes above 127, LF alone, no last line end) keep
    // their bytes; each comes back ended by CR LF.
    QTest::newRow("copied lines keep their bytes")
        << QByteArray("01000 01/02/07 F6ABC        2 CW     7.0 Mhz      B\xc9LEY \x80  \n"
                      "75001 05/05/09 F4XYZ        1 FM     432 Mhz      PARIS")
        << QByteArray() << kOrleans
        << "01000 01/02/07 F6ABC        2 CW     7.0 Mhz      B\xc9LEY \x80  \r\n" + kOrleans
            + "\r\n75001 05/05/09 F4XYZ        1 FM     432 Mhz      PARIS\r\n";

    row("replace the first of two 00000 lines", {kDfcf, kDfcfOther, kBourg}, kDfcf, dfcfFixed,
        {dfcfFixed, kDfcfOther, kBourg});
    row("replace the second of two 00000 lines", {kDfcf, kDfcfOther, kBourg}, kDfcfOther, dfcfFixed,
        {kDfcf, dfcfFixed, kBourg});
    row("replace a contact beside its held code", {kHeld, source, kParis}, source, sourceQsl,
        {kHeld, sourceQsl, kParis});
    row("replace a line gone: inserted in order", {kBourg, kParis}, kOlivet, kOrleans,
        {kBourg, kOrleans, kParis});

    row("delete one of two 00000 lines", {kDfcf, kDfcfOther, kBourg}, kDfcfOther, {}, {kDfcf, kBourg});
    row("delete a contact beside its held code", {kHeld, source}, source, {}, {kHeld});
    row("delete a line gone: unchanged", {kBourg, kParis}, kOrleans, {}, {kBourg, kParis});
}

void TestLogRewriter::rewrite()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, chosen);
    QFETCH(QByteArray, record);
    QFETCH(QByteArray, after);
    if (!before.isEmpty())
        TestFiles::write(path("F6ABC_CP.txt"), before);

    const RewriteResult result = run(StationLog(m_dir.path(), "F6ABC"), record, chosen);
    QVERIFY2(result.done, qPrintable(result.reason));
    QCOMPARE(TestFiles::read(path("F6ABC_CP.txt")), after);
}

// The old program sorted Corsica as 2, right after the "00000" lines: such a log is taken as it is,
// and new records still join their own département. The changes are made one after the other: a
// record alone is added, a record with a chosen line takes that line's place.
namespace {
QByteArray contact(const char* code, const char* town)
{
    return record(code, "05/12/26", "F5ABC", '2', "SSB", "14 Mhz", "", town);
}
const QByteArray kOldZero = contact("00000", "");
const QByteArray kOldAjaccio = contact("2A004", "AJACCIO");
const QByteArray kOldBastia = contact("2B200", "BASTIA");
const QByteArray kOldBourg = contact("01000", "BOURG EN BRESSE");
const QByteArray kOldSaintFlour = contact("15100", "SAINT FLOUR");
const QByteArray kOldOrleans = contact("45000", "ORLEANS");
// [00000, 2A004, 2B200, 01000, 15100, 45000], as the old program left it.
const QByteArray kOldLog = logOf({kOldZero, kOldAjaccio, kOldBastia, kOldBourg, kOldSaintFlour, kOldOrleans});
} // namespace

void TestLogRewriter::oldLogKeepsItsOrder_data()
{
    using Changes = QList<QPair<QByteArray, QByteArray>>; // (chosen line, record)
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<Changes>("changes");
    QTest::addColumn<QByteArray>("after");

    const QByteArray mauriac = contact("15200", "MAURIAC");
    const QByteArray anglards = contact("15050", "ANGLARDS DE SALERS");
    const QByteArray corte = contact("2B250", "CORTE");
    const QByteArray ajaccioCentre = contact("2A000", "AJACCIO");
    const auto add = [](const QByteArray& r) { return QPair<QByteArray, QByteArray> {{}, r}; };

    const QByteArray cantalInOrder = logOf(
        {kOldZero, kOldAjaccio, kOldBastia, kOldBourg, anglards, kOldSaintFlour, mauriac, kOldOrleans});
    QTest::newRow("add 15200 then 15050") << kOldLog << Changes {add(mauriac), add(anglards)} << cantalInOrder;
    QTest::newRow("add 15050 then 15200") << kOldLog << Changes {add(anglards), add(mauriac)} << cantalInOrder;
    // A new Corsican record takes its place as 20xxx; the old block stays where it is.
    QTest::newRow("add a Corsican record") << kOldLog
        << Changes {add(corte)}
        << logOf({kOldZero, kOldAjaccio, kOldBastia, kOldBourg, kOldSaintFlour, corte, kOldOrleans});
    QTest::newRow("a modified code moves on into its département") << kOldLog
        << Changes {{kOldBourg, mauriac}}
        << logOf({kOldZero, kOldAjaccio, kOldBastia, kOldSaintFlour, mauriac, kOldOrleans});
    QTest::newRow("a modified code moves back into its département") << kOldLog
        << Changes {{kOldOrleans, anglards}}
        << logOf({kOldZero, kOldAjaccio, kOldBastia, kOldBourg, anglards, kOldSaintFlour});
    // A blank line, often left at the end of a hand-edited log, holds no place in the order.
    QTest::newRow("add before a blank last line")
        << kOldLog + "\r\n" << Changes {add(mauriac)}
        << logOf({kOldZero, kOldAjaccio, kOldBastia, kOldBourg, kOldSaintFlour, mauriac, kOldOrleans, {}});
    QTest::newRow("add across a blank line")
        << logOf({kOldZero, kOldAjaccio, kOldBastia, kOldBourg, {}, kOldOrleans}) << Changes {add(mauriac)}
        << logOf({kOldZero, kOldAjaccio, kOldBastia, kOldBourg, mauriac, {}, kOldOrleans});
    QTest::newRow("a modified Corsican code leaves the old block") << kOldLog
        << Changes {{kOldAjaccio, ajaccioCentre}}
        << logOf({kOldZero, kOldBastia, kOldBourg, kOldSaintFlour, ajaccioCentre, kOldOrleans});
}

void TestLogRewriter::oldLogKeepsItsOrder()
{
    using Changes = QList<QPair<QByteArray, QByteArray>>;
    QFETCH(QByteArray, before);
    QFETCH(Changes, changes);
    QFETCH(QByteArray, after);
    TestFiles::write(path("F6ABC_CP.txt"), before);
    const StationLog log(m_dir.path(), "F6ABC");
    for (const auto& [chosen, record] : std::as_const(changes)) {
        const RewriteResult result = run(log, record, chosen);
        QVERIFY2(result.done, qPrintable(result.reason));
    }
    QCOMPARE(TestFiles::read(path("F6ABC_CP.txt")), after);
}

QTEST_GUILESS_MAIN(TestLogRewriter)
#include "tst_logrewriter.moc"
