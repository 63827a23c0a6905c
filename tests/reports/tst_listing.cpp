#include "TestFiles.h"
#include "log/StationLog.h"
#include "reports/Listing.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using TestFiles::record;

class TestListing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void listingLine_data();
    void listingLine();
    void departementCaption();
    void departementIsComparedExactly_data();
    void departementIsComparedExactly();
    void wholeLog();
    void emptyAndMissingLog();

private:
    void writeLog(const QList<QByteArray>& records);
    StationLog log() const { return StationLog(m_dir.path(), "F6ABC"); }
    QTemporaryDir m_dir;
};

void TestListing::init()
{
    QFile::remove(QDir(m_dir.path()).filePath("F6ABC_CP.txt"));
}

void TestListing::writeLog(const QList<QByteArray>& records)
{
    TestFiles::write(QDir(m_dir.path()).filePath("F6ABC_CP.txt"), TestFiles::logOf(records));
}

void TestListing::listingLine_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QString>("line");
    QTest::newRow("confirmed with reference")
        << record("45000", "12/03/06", "F1ABCDEFGHIJ", '4', "SSB", "14 Mhz", "45123", "ORLÉANS")
        << QString::fromUtf8(
               "   CP 45000 12/03/06  F1ABCDEFGHIJ  45123  SSB     14 Mhz    O      O   ORLÉANS");
    QTest::newRow("contact made only")
        << record("01000", "01/02/07", "F6ABC", '2', "CW", "7.0 Mhz", "", "BOURG EN BRESSE")
        << QStringLiteral(
               "   CP 01000 01/02/07  F6ABC                CW      7.0 Mhz   O      N   BOURG EN BRESSE");
    QTest::newRow("confirmed only")
        << record("2A004", "03/04/08", "TK5XY", '3', "PSK31", "144 Mhz", "", "AJACCIO")
        << QStringLiteral("   CP 2A004 03/04/08  TK5XY                PSK31   144 Mhz   N      O   AJACCIO");
    QTest::newRow("neither mark")
        << record("75001", "05/05/09", "F4XYZ", '1', "FM", "432 Mhz", "", "PARIS")
        << QStringLiteral("   CP 75001 05/05/09  F4XYZ                FM      432 Mhz   N      N   PARIS");
    QTest::newRow("held postal code")
        << record("45100", "", "", '0', "", "", "", "ORLEANS")
        << QStringLiteral("   CP 45100                                                  N      N   ORLEANS");
    QTest::newRow("empty town ends after the flags")
        << record("00000", "12/03/06", "F5XXX_P", '4', "SSB", "14 Mhz", "45050", "")
        << QStringLiteral("   CP 00000 12/03/06  F5XXX_P       45050  SSB     14 Mhz    O      O   ");
    QTest::newRow("status no writer produces")
        << record("45000", "12/03/06", "F6ABC", '7', "SSB", "14 Mhz", "", "ORLEANS")
        << QStringLiteral("   CP 45000 12/03/06  F6ABC                SSB     14 Mhz    N      N   ORLEANS");
    QTest::newRow("short line keeps the columns")
        << QByteArray("45000 12/03/06 F6ABC")
        << QStringLiteral("   CP 45000 12/03/06  F6ABC                                  N      N   ");
}

void TestListing::listingLine()
{
    QFETCH(QByteArray, record);
    QFETCH(QString, line);
    QCOMPARE(::listingLine(record), line);
}

void TestListing::departementCaption()
{
    // 12 records of 45: 10 contacted (2 to 4), 5 of them confirmed; others around them.
    QList<QByteArray> records {record("44000", "01/01/06", "F6AAA", '4', "SSB", "14 Mhz", "", "NANTES")};
    const char statuses[] = "222223334401";
    for (int i = 0; i < 12; ++i)
        records << record(QByteArray::number(45000 + i * 10).constData(), "01/01/06", "F6BBB", statuses[i],
            "SSB", "14 Mhz", "", "LOIRET");
    records << record("46000", "01/01/06", "F6CCC", '4', "SSB", "14 Mhz", "", "CAHORS");
    writeLog(records);

    const Listing listing = Liste_Dpt(log(), "45");
    QCOMPARE(listing.caption,
        QString::fromUtf8(
            " 12 Codes Postaux contactés dans le Département 45      Contactés :  10   Confirmés :  5  "));
    QCOMPARE(listing.lines.size(), 12);
    QCOMPARE(listing.lines.first(), ::listingLine(records.at(1)));
    QCOMPARE(listing.lines.last(), ::listingLine(records.at(12)));

    const Listing none = Liste_Dpt(log(), "99");
    QVERIFY(none.lines.isEmpty());
    QCOMPARE(none.caption,
        QString::fromUtf8(
            " 0 Codes Postaux contactés dans le Département 99      Contactés :  0   Confirmés :  0  "));
}

void TestListing::departementIsComparedExactly_data()
{
    QTest::addColumn<QString>("dpt");
    QTest::addColumn<QStringList>("codes");
    QTest::newRow("2A") << "2A" << QStringList {"2A004", "2A100"};
    QTest::newRow("2B") << "2B" << QStringList {"2B200"};
    QTest::newRow("20") << "20" << QStringList {"20000"};
    QTest::newRow("small letters") << "2a" << QStringList {"2a300"};
}

void TestListing::departementIsComparedExactly()
{
    QFETCH(QString, dpt);
    QFETCH(QStringList, codes);
    QList<QByteArray> records;
    for (const char* code : {"20000", "2A004", "2A100", "2B200", "2a300"})
        records << record(code, "01/01/06", "TK5AA", '2', "SSB", "14 Mhz", "", "CORSE");
    writeLog(records);
    QStringList listed;
    for (const QString& line : Liste_Dpt(log(), dpt).lines)
        listed << line.mid(6, 5);
    QCOMPARE(listed, codes);
}

void TestListing::wholeLog()
{
    const QList<QByteArray> records {
        record("00000", "12/03/06", "F5XXX_P", '4', "SSB", "14 Mhz", "45050", ""),
        record("45100", "", "", '0', "", "", "", "ORLEANS"),
        record("75001", "05/05/09", "F4XYZ", '1', "FM", "432 Mhz", "", "PARIS")};
    writeLog(records);
    const Listing listing = Liste_Tous(log());
    QCOMPARE(listing.caption, QString::fromUtf8(" 3 Codes Postaux contactés dans tous les Départements"));
    QCOMPARE(listing.lines,
        (QStringList {::listingLine(records[0]), ::listingLine(records[1]), ::listingLine(records[2])}));
}

void TestListing::emptyAndMissingLog()
{
    QCOMPARE(Liste_Tous(log()).caption,
        QString::fromUtf8(" 0 Codes Postaux contactés dans tous les Départements"));
    writeLog({});
    QVERIFY(Liste_Tous(log()).lines.isEmpty());
    QCOMPARE(Liste_Tous(log()).caption,
        QString::fromUtf8(" 0 Codes Postaux contactés dans tous les Départements"));
}

QTEST_GUILESS_MAIN(TestListing)
#include "tst_listing.moc"
