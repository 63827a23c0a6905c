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
    void labels_data();
    void labels();
    void labelsEmptyUntilTheFirstTick();
};

void TestClock::labels_data()
{
    QTest::addColumn<QDateTime>("utc");
    QTest::addColumn<QDateTime>("local");
    QTest::addColumn<QString>("utcLabel");
    QTest::addColumn<QString>("localLabel");
    QTest::addColumn<QString>("dateLabel");
    QTest::newRow("morning") << QDateTime(QDate(2026, 12, 5), QTime(9, 5, 7), Qt::UTC)
                             << QDateTime(QDate(2026, 12, 5), QTime(10, 5, 7)) << "09:05 Utc"
                             << "10:05 Loc"
                             << "05/12/26";
    // East of Greenwich, just after local midnight: the date still follows UTC.
    QTest::newRow("after local midnight") << QDateTime(QDate(2026, 12, 5), QTime(23, 30, 0), Qt::UTC)
                                          << QDateTime(QDate(2026, 12, 6), QTime(0, 30, 0)) << "23:30 Utc"
                                          << "00:30 Loc"
                                          << "05/12/26";
    QTest::newRow("new year") << QDateTime(QDate(2027, 1, 1), QTime(0, 0, 59), Qt::UTC)
                              << QDateTime(QDate(2026, 12, 31), QTime(19, 0, 59)) << "00:00 Utc"
                              << "19:00 Loc"
                              << "01/01/27";
}

void TestClock::labels()
{
    QFETCH(QDateTime, utc);
    QFETCH(QDateTime, local);
    FakeClock clock;
    clock.utc = utc;
    clock.local = local;
    const ClockLabels labels = clockTick(clock);
    QTEST(labels.utc, "utcLabel");
    QTEST(labels.local, "localLabel");
    QTEST(labels.date, "dateLabel");
    QCOMPARE(Heure_UTC(clock), utc.time().toString("HH:mm:ss"));
}

void TestClock::labelsEmptyUntilTheFirstTick()
{
    MainFixture f;
    f.setStation("F6ABC", "45000");
    MainWindow& main = f.start();
    auto* utc = main.findChild<QLabel*>("Label37");
    auto* local = main.findChild<QLabel*>("Label34");
    auto* date = main.findChild<QLabel*>("Label33");
    QVERIFY(utc->text().isEmpty() && local->text().isEmpty() && date->text().isEmpty());
    auto* timer = main.findChild<QTimer*>("Timer1");
    QVERIFY(timer && timer->isActive());
    QCOMPARE(timer->interval(), 1000);
    QTRY_COMPARE_WITH_TIMEOUT(utc->text(), QStringLiteral("09:05 Utc"), 3000);
    QCOMPARE(local->text(), QStringLiteral("10:05 Loc"));
    QCOMPARE(date->text(), QStringLiteral("05/12/26"));
}

QTEST_MAIN(TestClock)
#include "tst_clock.moc"
