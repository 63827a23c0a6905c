#include "FakePlatform.h"
#include "MainFixture.h"
#include "app/ClockTexts.h"

#include <QLabel>
#include <QTest>
#include <QTimer>

class TestClock : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void labels_data()
    {
        QTest::addColumn<QDateTime>("utc");
        QTest::addColumn<QDateTime>("local");
        QTest::addColumn<QStringList>("labels"); // UTC, local, date
        const auto row = [](const char* name, QDateTime utc, QDateTime local, const QStringList& labels) {
            utc.setTimeSpec(Qt::UTC);
            QTest::newRow(name) << utc << local << labels;
        };
        row("morning", {{2026, 12, 5}, {9, 5, 7}}, {{2026, 12, 5}, {10, 5, 7}},
            {"09:05 Utc", "10:05 Loc", "05/12/26"});
        // East of Greenwich, just after local midnight: the date still follows UTC.
        row("after local midnight", {{2026, 12, 5}, {23, 30}}, {{2026, 12, 6}, {0, 30}},
            {"23:30 Utc", "00:30 Loc", "05/12/26"});
        row("new year", {{2027, 1, 1}, {0, 0, 59}}, {{2026, 12, 31}, {19, 0, 59}},
            {"00:00 Utc", "19:00 Loc", "01/01/27"});
    }

    void labels()
    {
        FakeClock clock;
        QFETCH(QDateTime, utc);
        QFETCH(QDateTime, local);
        clock.utc = utc;
        clock.local = local;
        const ClockLabels labels = clockTick(clock);
        QTEST((QStringList {labels.utc, labels.local, labels.date}), "labels");
    }

    // The main window's labels are empty until the one-second timer first ticks.
    void labelsEmptyUntilTheFirstTick()
    {
        MainFixture f;
        f.setStation("F6ABC", "45000");
        MainWindow& main = f.start();
        const auto texts = [&main] {
            QStringList texts;
            for (const char* name : {"Label37", "Label34", "Label33"}) // UTC, local, date
                texts << main.findChild<QLabel*>(name)->text();
            return texts;
        };
        QCOMPARE(texts(), QStringList(3, QString()));
        auto* timer = main.findChild<QTimer*>("Timer1");
        QVERIFY(timer && timer->isActive());
        QCOMPARE(timer->interval(), 1000);
        // The fake clock stands at 09:05:07 UTC, 10:05:07 local on 5 December 2026.
        QTRY_COMPARE_WITH_TIMEOUT(texts(), (QStringList {"09:05 Utc", "10:05 Loc", "05/12/26"}), 3000);
    }
};

QTEST_MAIN(TestClock)
#include "tst_clock.moc"
