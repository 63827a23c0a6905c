#include "TestFiles.h"
#include "reports/Listing.h"

#include <QTest>

using TestFiles::record;

namespace {

// The postal codes a listing shows, in its order.
QStringList codesOf(const Listing& listing)
{
    QStringList codes;
    for (const QString& line : listing.lines())
        codes << listingField(line, ListingField::CodePostal);
    return codes;
}

} // namespace

class TestListing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listingLine_data();
    void listingLine();
    void departement_data();
    void departement();
    void wholeLog();

};

void TestListing::listingLine_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("line");
    QTest::newRow("status 4, reference, 12-character callsign")
        << "45000 12/03/06 F1ABCDEFGHIJ 4 SSB    14 Mhz  45123ORLÉANS"
        << "   CP 45000 12/03/06  F1ABCDEFGHIJ  45123  SSB     14 Mhz    O      O   ORLÉANS";
    QTest::newRow("status 2: contact made only")
        << "01000 01/02/07 F6ABC        2 CW     7.0 Mhz      BOURG EN BRESSE"
        << "   CP 01000 01/02/07  F6ABC                CW      7.0 Mhz   O      N   BOURG EN BRESSE";
    QTest::newRow("status 3: confirmed only")
        << "2A004 03/04/08 TK5XY        3 PSK31  144 Mhz      AJACCIO"
        << "   CP 2A004 03/04/08  TK5XY                PSK31   144 Mhz   N      O   AJACCIO";
    QTest::newRow("status 1: neither mark")
        << "75001 05/05/09 F4XYZ        1 FM     432 Mhz      PARIS"
        << "   CP 75001 05/05/09  F4XYZ                FM      432 Mhz   N      N   PARIS";
    QTest::newRow("status no writer produces")
        << "45000 12/03/06 F6ABC        7 SSB    14 Mhz       ORLEANS"
        << "   CP 45000 12/03/06  F6ABC                SSB     14 Mhz    N      N   ORLEANS";
    QTest::newRow("held postal code")
        << "45100                       0                     ORLEANS"
        << "   CP 45100                                                  N      N   ORLEANS";
    QTest::newRow("empty town ends after the flags")
        << "00000 12/03/06 F5XXX_P      4 SSB    14 Mhz  45050"
        << "   CP 00000 12/03/06  F5XXX_P       45050  SSB     14 Mhz    O      O   ";
    QTest::newRow("short line keeps the columns")
        << "45000 12/03/06 F6ABC"
        << "   CP 45000 12/03/06  F6ABC                                  N      N   ";
}

void TestListing::listingLine()
{
    QFETCH(QString, record);
    QFETCH(QString, line);
    QCOMPARE(::listingLine(record.toLatin1()), line); // Windows-1252 and Latin-1 agree on É
}

void TestListing::departement_data()
{
    QTest::addColumn<QString>("dpt");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("codes"); // the postal codes listed, in the log's order
    // The log: 44000, twelve records of 45 (statuses 222223334401), 46000, then Corsica.
    QStringList loiret;
    for (int i = 0; i < 12; ++i)
        loiret << QString::number(45000 + i * 10);
    QTest::newRow("45") << "45"
                        << " 12 Codes Postaux contactés dans le Département 45      "
                           "Contactés :  10   Confirmés :  5  "
                        << loiret;
    // The two characters are compared exactly: 2A is neither 20 nor 2a.
    QTest::newRow("2A") << "2A" << QString() << QStringList {"2A004", "2A100"};
    QTest::newRow("2B") << "2B" << QString() << QStringList {"2B200"};
    QTest::newRow("20") << "20" << QString() << QStringList {"20000"};
    QTest::newRow("small letters") << "2a" << QString() << QStringList {"2a300"};
}

void TestListing::departement()
{
    QFETCH(QString, dpt);
    QFETCH(QString, caption);
    QFETCH(QStringList, codes);
    QList<QByteArray> records {record("44000", "01/01/06", "F6AAA", '4', "SSB", "14 Mhz", "", "NANTES")};
    const char statuses[] = "222223334401";
    for (int i = 0; i < 12; ++i)
        records << record(QByteArray::number(45000 + i * 10).constData(), "01/01/06", "F6BBB", statuses[i],
            "SSB", "14 Mhz", "", "LOIRET");
    records << record("46000", "01/01/06", "F6CCC", '4', "SSB", "14 Mhz", "", "CAHORS");
    for (const char* code : {"20000", "2A004", "2A100", "2B200", "2a300"})
        records << record(code, "01/01/06", "TK5AA", '2', "SSB", "14 Mhz", "", "CORSE");
    const Listing listing = Liste_Dpt(records, dpt);
    if (!caption.isEmpty())
        QCOMPARE(listing.caption, caption);
    QCOMPARE(codesOf(listing), codes);
}

void TestListing::wholeLog()
{
    QCOMPARE(Liste_Tous({}).caption, " 0 Codes Postaux contactés dans tous les Départements");
    const Listing listing = Liste_Tous({"75001", "45100", "00000"});
    QCOMPARE(listing.caption, " 3 Codes Postaux contactés dans tous les Départements");
    QCOMPARE(codesOf(listing), (QStringList {"75001", "45100", "00000"}));
}

QTEST_GUILESS_MAIN(TestListing)
#include "tst_listing.moc"
