#include "log/Cp1252.h"
#include "log/LogRecord.h"
#include "log/StationLog.h"

#include <QTest>

class TestLogRecord : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void columnsRoundTrip_data();
    void columnsRoundTrip();
    void refusesWhatWouldBreakTheColumns_data();
    void refusesWhatWouldBreakTheColumns();
    void windows1252IsTheProgramsOwnTable();
    void charactersOutsideWindows1252AreRefused_data();
    void charactersOutsideWindows1252AreRefused();
    void splitsLines_data();
    void splitsLines();
    void splitLinesChangeAlone();
    void numericValueAndSortKey_data();
    void numericValueAndSortKey();
};

void TestLogRecord::columnsRoundTrip_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QStringList>("fields");

    QTest::newRow("documented example")
        << QByteArray("45000 12/03/06 FXXXX        4 SSB    14 Mhz  45123Orleans")
        << QStringList {"45000", "12/03/06", "FXXXX       ", "4", "SSB   ", "14 Mhz ", "45123", "Orleans"};
    QTest::newRow("12-character callsign")
        << QByteArray("45000 12/03/06 F1ABCDEFGHIJ 2 CW     7.0 Mhz      Orleans")
        << QStringList {"45000", "12/03/06", "F1ABCDEFGHIJ", "2", "CW    ", "7.0 Mhz", "     ", "Orleans"};
    QTest::newRow("empty town: exactly 50 characters")
        << QByteArray("00000 12/03/06 F5XXX_P      4 SSB    14 Mhz  45050")
        << QStringList {"00000", "12/03/06", "F5XXX_P     ", "4", "SSB   ", "14 Mhz ", "45050", ""};
    // Read as Windows-1252: 0x80 is the euro sign, and 0x81, which the code page leaves
    // undefined, comes back as it was.
    QTest::newRow("town with blanks, accents and bytes of Windows-1252 alone")
        << QByteArray("93200 01/01/99 F4AAA        3 FM     144 Mhz      SAINT DENIS L\xc9GLISE \x80\x81")
        << QStringList {"93200", "01/01/99", "F4AAA       ", "3", "FM    ", "144 Mhz", "     ",
               QString::fromUtf8("SAINT DENIS LÉGLISE €\u0081")};
    QTest::newRow("held postal code, status 0")
        << QByteArray("45100                       0                     ORLEANS")
        << QStringList {"45100", "        ", "            ", "0", "      ", "       ", "     ", "ORLEANS"};
}

void TestLogRecord::columnsRoundTrip()
{
    QFETCH(QByteArray, line);
    QFETCH(QStringList, fields);
    const LogRecord read = LogRecord::fromLine(line);
    QStringList got;
    for (const QString& field : read.fields)
        got << field;
    QCOMPARE(got, fields);
    // Written back, padded to the same line. (The field check tests write fields given without
    // their padding.)
    QCOMPARE(read.toLine().value_or("refused"), line);
}

void TestLogRecord::refusesWhatWouldBreakTheColumns_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("value");
    QTest::newRow("13-character callsign") << int(LogField::Indicatif) << QStringLiteral("F1ABCDEFGHIJK");
    QTest::newRow("6-character reference") << int(LogField::RefDFCF) << QStringLiteral("450501");
    QTest::newRow("letter Windows-1252 lacks") << int(LogField::Commune) << QString::fromUtf8("ŁÓDŹ");
    QTest::newRow("line break in town") << int(LogField::Commune) << QStringLiteral("ORLEANS\r\n45000");
}

void TestLogRecord::refusesWhatWouldBreakTheColumns()
{
    QFETCH(int, field);
    QFETCH(QString, value);
    LogRecord record = LogRecord::fromLine("45000 12/03/06 FXXXX        4 SSB    14 Mhz  45123Orleans");
    record[LogField(field)] = value;
    QVERIFY(!record.toLine().has_value());
}

// The table of Windows-1252, carried by the program so that every build of Qt, with ICU or
// without, reads and writes the same bytes.
void TestLogRecord::windows1252IsTheProgramsOwnTable()
{
    const char16_t high[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030,
        0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QByteArray all;
    QString characters;
    for (int b = 0; b < 256; ++b) {
        all.append(char(b));
        characters.append(QChar(b >= 0x80 && b < 0xA0 ? high[b - 0x80] : char16_t(b)));
    }
    QCOMPARE(Cp1252::decode(all), characters);
    QCOMPARE(Cp1252::encode(characters).value_or("refused"), all);
    // The five bytes the code page leaves undefined, one by one.
    for (const char byte : {'\x81', '\x8D', '\x8F', '\x90', '\x9D'}) {
        const QString decoded = Cp1252::decode(QByteArray(1, byte));
        QCOMPARE(decoded, QString(QChar(uchar(byte))));
        QCOMPARE(Cp1252::encode(decoded).value_or("refused"), QByteArray(1, byte));
    }
}

void TestLogRecord::charactersOutsideWindows1252AreRefused_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("C1 control where the euro sign stands") << QString(QChar(0x80));
    QTest::newRow("emoji") << QString::fromUtf8("F6ABC \xF0\x9F\x93\xBB");
    // A surrogate left alone at the end of a pasted text is refused, never dropped in silence.
    QTest::newRow("lone high surrogate at the end") << QStringLiteral("ORLEANS") + QChar(0xD83D);
    QTest::newRow("lone low surrogate") << QStringLiteral("ORL") + QChar(0xDC00) + QStringLiteral("EANS");
}

void TestLogRecord::charactersOutsideWindows1252AreRefused()
{
    QFETCH(QString, text);
    QVERIFY(!Cp1252::encode(text).has_value());
    QVERIFY(!Cp1252::canEncode(text));
}

void TestLogRecord::splitsLines_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QList<QByteArray>>("lines");
    QTest::newRow("empty file") << QByteArray() << QList<QByteArray> {};
    QTest::newRow("mixed line ends") << QByteArray("a\r\nb\rc\nd\r")
                                     << QList<QByteArray> {"a", "b", "c", "d"};
    QTest::newRow("last line without line end") << QByteArray("a\r\nb") << QList<QByteArray> {"a", "b"};
    QTest::newRow("blank line kept") << QByteArray("a\r\n\r\nb\r\n") << QList<QByteArray> {"a", "", "b"};
}

void TestLogRecord::splitsLines()
{
    QFETCH(QByteArray, contents);
    QFETCH(QList<QByteArray>, lines);
    QCOMPARE(splitLogLines(contents), lines);
}

// The lines share the bytes read; a change to one of them never shows in another.
void TestLogRecord::splitLinesChangeAlone()
{
    QList<QByteArray> lines = splitLogLines("ab\r\ncd\r\nef");
    lines[0][1] = 'X';
    lines[1].append("YZ");
    lines[1].prepend("<");
    QCOMPARE(lines, (QList<QByteArray> {"aX", "<cdYZ", "ef"}));
    // The last line left of its buffer grows over the bytes of lines that are gone.
    QByteArray last = splitLogLines("ab\r\ncd\r\nef").first();
    last.append("++");
    QCOMPARE(last, QByteArray("ab++"));
}

void TestLogRecord::numericValueAndSortKey_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<qint64>("value");
    QTest::addColumn<qint64>("sortKey"); // Corsica counts as 20xxx
    QTest::newRow("log line") << QByteArray("45000 12/03/06") << qint64(45000) << qint64(45000);
    QTest::newRow("leading zero") << QByteArray("01500") << qint64(1500) << qint64(1500);
    QTest::newRow("zeros") << QByteArray("00000") << qint64(0) << qint64(0);
    QTest::newRow("Corsica 2A") << QByteArray("2A004 12/03/06") << qint64(2) << qint64(20004);
    QTest::newRow("Corsica 2b") << QByteArray("2b200") << qint64(2) << qint64(20200);
    QTest::newRow("leading blanks") << QByteArray("  12x") << qint64(12) << qint64(12);
    QTest::newRow("no digit") << QByteArray("ABCDE") << qint64(0) << qint64(0);
    QTest::newRow("empty") << QByteArray() << qint64(0) << qint64(0);
}

void TestLogRecord::numericValueAndSortKey()
{
    QFETCH(QByteArray, text);
    QTEST(::numericValue(text), "value");
    QTEST(::sortKey(text), "sortKey");
}

QTEST_GUILESS_MAIN(TestLogRecord)
#include "tst_logrecord.moc"
