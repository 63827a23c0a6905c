#include "TestFiles.h"
#include "log/Points.h"

#include <QLocale>
#include <QTest>

using Log = QList<QByteArray>;

namespace {

QByteArray rec(const char* code, char status, const char* dfcf = "")
{
    return TestFiles::record(code, "12/03/06", "F6ABC", status, "SSB", "14 Mhz", dfcf, "VILLE");
}

// count records of one status with postal codes first, first + 1, ...
Log run(int first, int count, char status)
{
    Log lines;
    for (int i = 0; i < count; ++i)
        lines << rec(QByteArray::number(first + i).rightJustified(5, '0').constData(), status);
    return lines;
}

} // namespace

class TestPoints : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale::c()); }

    void total_data()
    {
        QTest::addColumn<Log>("lines");
        QTest::addColumn<QString>("total");
        QTest::newRow("empty log") << Log {} << "0.0";
        QTest::newRow("postal code and DFCF reference") << Log {rec("45000", '4', "45050")} << "49505.0";
        QTest::newRow("status 3 and a DFCF tenth") << Log {rec("45000", '3', "45055")} << "49505.5";
        QTest::newRow("DFCF only, postal code 00000") << Log {rec("00000", '4', "45050")} << "4505.0";
        QTest::newRow("statuses 1, 2 and 0 score nothing")
            << Log {rec("45000", '1'), rec("45100", '2'), rec("45200", '0')} << "0.0";
        QTest::newRow("Corsica 2A and 2b count as 20")
            << Log {rec("2A004", '4'), rec("2b200", '4')} << "40204.0";
        QTest::newRow("line shorter than 50: partial reference")
            << Log {"45000 12/03/06 F6ABC        4 SSB    14 Mhz  45"} << "45004.5";
        QTest::newRow("line shorter than 50: no reference")
            << Log {"45000 12/03/06 F6ABC        4 SSB    14 Mhz "} << "45000.0";
        // 45001..45030: the first 25 score.
        QTest::newRow("thirty confirmed in one département")
            << run(45001, 30, '4') << QString::number(25 * 45013) + ".0";
        // Five unconfirmed records take five of the 25 places; records 26 to 30 do not score.
        QTest::newRow("unconfirmed records take places")
            << run(45001, 5, '2') + run(45006, 25, '3') << QString::number(20 * (45006 + 45025) / 2) + ".0";
        QTest::newRow("00000 records have 25 places too")
            << Log(26, rec("00000", '4', "45050")) << QString::number(25 * 4505) + ".0";
        // Corsica is département 20 wherever it stands: after a full 19 it has its own places, and at
        // the head of a legacy log it takes none of 01's.
        QTest::newRow("Corsica between 19 and 21")
            << run(19001, 25, '4') + Log {rec("2A004", '4'), rec("21000", '4')}
            << QString::number(25 * 19013 + 20004 + 21000) + ".0";
        QTest::newRow("Corsica at the head of a legacy log")
            << Log {rec("2A004", '4')} + run(1001, 25, '4') << QString::number(20004 + 25 * 1013) + ".0";
        // 2A, 2B and 20xxx share the 25 places of département 20.
        QTest::newRow("Corsica is one département")
            << run(20001, 20, '4')
                + Log {rec("2A001", '4'), rec("2A002", '4'), rec("2B001", '4'), rec("2B002", '4'),
                    rec("2B003", '4'), rec("2B004", '4')}
            << QString::number((20001 + 20020) * 10 + 20001 + 20002 + 20001 + 20002 + 20003) + ".0";
    }

    // The points of each record of a pass, 0.0 past the 25th of a département, and the French
    // decimal comma are in the report tests.
    void total()
    {
        QFETCH(Log, lines);
        QTEST(Total_Points(lines), "total");
    }
};

QTEST_GUILESS_MAIN(TestPoints)
#include "tst_points.moc"
