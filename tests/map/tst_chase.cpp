#include "TestFiles.h"
#include "dvf/TownList.h"
#include "log/Callsign.h"
#include "log/StationLog.h"
#include "map/Chase.h"

#include <QTest>

namespace {

// The fixture: a full département (45, 26 confirmed records), a contacted-only one (37), one of
// each in Corsica sharing its 25 places (2A, 2B), one with room left (29) and an empty one (01).
Chase fixtureChase()
{
    return chaseOf(splitLogLines(TestFiles::read(KERLANIC_MAP_DATA "/F6ABC_CP.txt")),
        townLines(TestFiles::read(KERLANIC_MAP_DATA "/Liste_DVF.txt")));
}

} // namespace

class TestChase : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Each row: colour state (0 none to 3 full), contacted, confirmed, places left, points in
    // tenths, DVF state (0 not yet to 2 confirmed).
    void departements_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QList<qint64>>("facts");
        QTest::newRow("45 full: the 26th confirmed record scores nothing")
            << "45" << QList<qint64> {3, 26, 26, 0, 11280000, 2};
        QTest::newRow("37 contacted only; the held code takes a place, not a contact")
            << "37" << QList<qint64> {1, 1, 0, 23, 0, 1};
        QTest::newRow("29 confirmed with places left") << "29" << QList<qint64> {2, 2, 1, 23, 292000, 2};
        QTest::newRow("2A confirmed by Conf alone, which the DVF does not take")
            << "2A" << QList<qint64> {2, 1, 1, 22, 220010, 1};
        QTest::newRow("2B contacted; a line without a mark is not, yet takes a shared place")
            << "2B" << QList<qint64> {1, 1, 0, 22, 0, 1};
        QTest::newRow("01 empty") << "01" << QList<qint64> {0, 0, 0, 25, 0, 0};
    }
    void departements()
    {
        QFETCH(QString, code);
        QFETCH(QList<qint64>, facts);
        const Chase chase = fixtureChase();
        QCOMPARE(chase.departements.size(), kMapDepartements);
        const DepartementChase* d = chase.find(code);
        QVERIFY(d);
        QCOMPARE((QList<qint64> {
                     qint64(d->state), d->contacted, d->confirmed, d->placesLeft, d->tenths, qint64(d->dvf)}),
            facts);
    }

    void hoverAndProgressTexts()
    {
        const Chase chase = fixtureChase();
        QCOMPARE(hoverText(*chase.find(u"2A"), QStringLiteral("Corse-du-Sud")),
            QString::fromUtf8(TestFiles::read(KERLANIC_MAP_DATA "/hover_2A.txt")));
        QCOMPARE(hoverText(*chase.find(u"01"), QStringLiteral("Ain")),
            QString::fromUtf8(TestFiles::read(KERLANIC_MAP_DATA "/hover_01.txt")));
        const ChaseProgress progress = progressOf(chase);
        QCOMPARE(QStringList({progress.points, progress.departements, progress.dvf}).join(u'\n'),
            QString::fromUtf8(TestFiles::read(KERLANIC_MAP_DATA "/progress.txt")));
        QCOMPARE(progress.permille, 118);
    }

    // Each class names the next threshold; past the last one, the award is won.
    void dvfClasses_data()
    {
        QTest::addColumn<int>("towns");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << 0 << "DVF : 0 ville confirmée sur 10 (Classe III)";
        QTest::newRow("at a threshold, the next") << 30 << "DVF : 30 villes confirmées sur 50 (Classe I)";
        QTest::newRow("89") << 89 << "DVF : 89 villes confirmées sur 90 (d'Honneur)";
        QTest::newRow("won") << 90 << "DVF : 90 villes confirmées, diplôme d'Honneur obtenu";
    }
    void dvfClasses()
    {
        QFETCH(int, towns);
        QFETCH(QString, text);
        Chase chase;
        chase.dvfConfirmed = towns;
        QCOMPARE(progressOf(chase).dvf, text);
    }
};

QTEST_GUILESS_MAIN(TestChase)
#include "tst_chase.moc"
