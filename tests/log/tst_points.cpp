#include "TestFiles.h"
#include "log/Points.h"
#include "log/StationLog.h"

#include <QDir>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray rec(const char* code, char status, const char* dfcf = "")
{
    return TestFiles::record(code, "12/03/06", "F6ABC", status, "SSB", "14 Mhz", dfcf, "VILLE");
}

// count confirmed records of one département: 45001, 45002, ...
QList<QByteArray> run(int first, int count, char status)
{
    QList<QByteArray> lines;
    for (int i = 0; i < count; ++i)
        lines << rec(QByteArray::number(first + i).rightJustified(5, '0').constData(), status);
    return lines;
}

QStringList pointsOfPass(const QList<QByteArray>& lines)
{
    ScoringPass pass;
    QStringList points;
    for (const QByteArray& line : lines)
        points << pass.Points_CP(line);
    return points;
}

} // namespace

class TestPoints : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale::c()); }
    void total_data();
    void total();
    void pointsOfEachRecord_data();
    void pointsOfEachRecord();
    void decimalSeparatorOfTheLocale();
};

void TestPoints::total_data()
{
    QTest::addColumn<QList<QByteArray>>("lines");
    QTest::addColumn<QString>("total");

    QTest::newRow("empty log") << QList<QByteArray> {} << "0.0";
    QTest::newRow("postal code and DFCF reference")
        << QList<QByteArray> {rec("45000", '4', "45050")} << "49505.0";
    QTest::newRow("DFCF tenth") << QList<QByteArray> {rec("45000", '3', "45055")} << "49505.5";
    QTest::newRow("DFCF only, postal code 00000")
        << QList<QByteArray> {rec("00000", '4', "45050")} << "4505.0";
    QTest::newRow("unconfirmed scores nothing")
        << QList<QByteArray> {rec("45000", '1'), rec("45100", '2'), rec("45200", '0')} << "0.0";
    QTest::newRow("Corsica 2A") << QList<QByteArray> {rec("2A004", '4')} << "20004.0";
    QTest::newRow("Corsica 2b") << QList<QByteArray> {rec("2b200", '4')} << "20200.0";

    // 45001..45030: the first 25 score.
    QTest::newRow("thirty confirmed in one département")
        << run(45001, 30, '4') << QString::number(25 * 45013) + ".0";

    // Five unconfirmed records take five of the 25 places; records 26 to 30 do not score.
    QList<QByteArray> withUnconfirmed = run(45001, 5, '2') + run(45006, 25, '3');
    QTest::newRow("unconfirmed records take places")
        << withUnconfirmed << QString::number(20 * (45006 + 45025) / 2) + ".0";

    QTest::newRow("line shorter than 50: partial reference")
        << QList<QByteArray> {QByteArray("45000 12/03/06 F6ABC        4 SSB    14 Mhz  45")} << "45004.5";
    QTest::newRow("line shorter than 50: no reference")
        << QList<QByteArray> {QByteArray("45000 12/03/06 F6ABC        4 SSB    14 Mhz ")} << "45000.0";

    // Corsica counts as département 20 wherever it stands: after a full département 19 it still
    // has its own 25 places.
    QTest::newRow("Corsica between 19 and 21")
        << run(19001, 25, '4') + QList<QByteArray> {rec("2A004", '4'), rec("21000", '4')}
        << QString::number(25 * 19013 + 20004 + 21000) + ".0";
    // At the head of a legacy log, Corsica does not eat the places of départements 01 to 20.
    QTest::newRow("Corsica at the head of a legacy log") << QList<QByteArray> {rec("2A004", '4')}
            + run(1001, 25, '4') << QString::number(20004 + 25 * 1013) + ".0";
    // 2A, 2B and 20xxx share the 25 places of département 20.
    QTest::newRow("Corsica is one département")
        << run(20001, 20, '4')
            + QList<QByteArray> {rec("2A001", '4'), rec("2A002", '4'), rec("2B001", '4'), rec("2B002", '4'),
                rec("2B003", '4'), rec("2B004", '4')}
        << QString::number((20001 + 20020) * 10 + 20001 + 20002 + 20001 + 20002 + 20003) + ".0";
    QTest::newRow("00000 records have 25 places too") << [] {
        QList<QByteArray> lines;
        for (int i = 0; i < 26; ++i)
            lines << rec("00000", '4', "45050");
        return lines;
    }() << QString::number(25 * 4505) + ".0";
}

void TestPoints::total()
{
    QFETCH(QList<QByteArray>, lines);
    QFETCH(QString, total);
    QCOMPARE(Total_Points(lines), total);
}

void TestPoints::pointsOfEachRecord_data()
{
    QTest::addColumn<QList<QByteArray>>("lines");
    QTest::addColumn<QStringList>("points");

    QStringList thirty;
    for (int i = 0; i < 30; ++i)
        thirty << (i < 25 ? QString::number(45001 + i) + ".0" : QStringLiteral("0.0"));
    QTest::newRow("26th to 30th score 0.0") << run(45001, 30, '4') << thirty;

    QTest::newRow("first record of département 01 is first of its run")
        << QList<QByteArray> {rec("01000", '4'), rec("01100", '2')} << QStringList {"1000.0", "0.0"};
    QTest::newRow("Corsica after a full département 19")
        << run(19001, 25, '4') + QList<QByteArray> {rec("2A004", '4')} << [] {
               QStringList p;
               for (int i = 0; i < 25; ++i)
                   p << QString::number(19001 + i) + ".0";
               return p << "20004.0";
           }();
    QTest::newRow("00000 with reference")
        << QList<QByteArray> {rec("00000", '3', "45050")} << QStringList {"4505.0"};
}

void TestPoints::pointsOfEachRecord()
{
    QFETCH(QList<QByteArray>, lines);
    QFETCH(QStringList, points);
    QCOMPARE(pointsOfPass(lines), points);
}

void TestPoints::decimalSeparatorOfTheLocale()
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    QCOMPARE(Total_Points({rec("45000", '3', "45055")}), QStringLiteral("49505,5"));
    QCOMPARE(formatPoints(0), QStringLiteral("0,0"));
    QCOMPARE(formatPoints(1234567), QStringLiteral("123456,7")); // never grouped
}

QTEST_GUILESS_MAIN(TestPoints)
#include "tst_points.moc"
