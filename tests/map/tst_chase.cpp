#include "TestFiles.h"
#include "dvf/TownList.h"
#include "log/Callsign.h"
#include "log/StationLog.h"
#include "map/Chase.h"

#include <QTest>

namespace {

QString data(const char* name)
{
    return QStringLiteral(KERLANIC_MAP_DATA "/") + QLatin1String(name);
}

// The fixture: a full département (45, 26 confirmed records), a contacted-only one (37), one of
// each in Corsica sharing its 25 places (2A, 2B), one with room left (29) and an empty one (01).
Chase fixtureChase()
{
    return chaseOf(splitLogLines(TestFiles::read(data("F6ABC_CP.txt"))),
        townLines(TestFiles::read(data("Liste_DVF.txt"))));
}

} // namespace

class TestChase : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void departements_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<ChaseState>("state");
        QTest::addColumn<int>("contacted");
        QTest::addColumn<int>("confirmed");
        QTest::addColumn<int>("placesLeft");
        QTest::addColumn<qint64>("tenths");
        QTest::addColumn<DvfState>("dvf");

        QTest::newRow("45 full: the 26th confirmed record scores nothing")
            << "45" << ChaseState::Full << 26 << 26 << 0 << qint64(11280000) << DvfState::Confirmed;
        QTest::newRow("37 contacted only; the held code takes a place, not a contact")
            << "37" << ChaseState::Contacted << 1 << 0 << 23 << qint64(0) << DvfState::Contacted;
        QTest::newRow("29 confirmed with places left")
            << "29" << ChaseState::Confirmed << 2 << 1 << 23 << qint64(292000) << DvfState::Confirmed;
        QTest::newRow("2A confirmed by Conf alone, which the DVF does not take")
            << "2A" << ChaseState::Confirmed << 1 << 1 << 22 << qint64(220010) << DvfState::Contacted;
        QTest::newRow("2B contacted; a line without a mark is not, yet takes a shared place")
            << "2B" << ChaseState::Contacted << 1 << 0 << 22 << qint64(0) << DvfState::Contacted;
        QTest::newRow("01 empty") << "01" << ChaseState::None << 0 << 0 << 25 << qint64(0)
                                  << DvfState::NotYet;
    }
    void departements()
    {
        QFETCH(QString, code);
        QFETCH(ChaseState, state);
        QFETCH(int, contacted);
        QFETCH(int, confirmed);
        QFETCH(int, placesLeft);
        QFETCH(qint64, tenths);
        QFETCH(DvfState, dvf);
        const Chase chase = fixtureChase();
        QCOMPARE(chase.departements.size(), kMapDepartements);
        const DepartementChase* departement = chase.find(code);
        QVERIFY(departement);
        QCOMPARE(departement->state, state);
        QCOMPARE(departement->contacted, contacted);
        QCOMPARE(departement->confirmed, confirmed);
        QCOMPARE(departement->placesLeft, placesLeft);
        QCOMPARE(departement->tenths, tenths);
        QCOMPARE(departement->dvf, dvf);
    }

    void hoverAndProgressTexts()
    {
        const Chase chase = fixtureChase();
        QCOMPARE(hoverText(*chase.find(u"2A"), QStringLiteral("Corse-du-Sud")),
            QString::fromUtf8(TestFiles::read(data("hover_2A.txt"))));
        QCOMPARE(hoverText(*chase.find(u"01"), QStringLiteral("Ain")),
            QString::fromUtf8(TestFiles::read(data("hover_01.txt"))));
        const ChaseProgress progress = progressOf(chase);
        QCOMPARE(QStringList({progress.points, progress.departements, progress.dvf}).join(u'\n'),
            QString::fromUtf8(TestFiles::read(data("progress.txt"))));
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
