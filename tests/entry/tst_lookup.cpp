#include "SampleLog.h"
#include "TestFiles.h"
#include "entry/LookUp.h"
#include "log/StationLog.h"
#include "reports/Listing.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using TestFiles::record;
using namespace SampleLog;

namespace {

const QByteArray kBastia = record("2B200", "04/04/08", "TK5ZZ", '4', "FM", "144 Mhz", "", "BASTIA");
const QByteArray kPithiviers = record("45300", "01/01/10", "F4BBB", '1', "CW", "3.5 Mhz", "", "PITHIVIERS");
// Confirmed only.
const QByteArray kParisConfirmed = record("75001", "05/05/09", "F4XYZ", '3', "FM", "432 Mhz", "", "PARIS");

// Everything the look-up puts on the window, one "what=value" per change.
QStringList shown(const LookUpOutcome& outcome)
{
    QStringList codes;
    for (const QString& line : outcome.lines)
        codes << line.mid(6, 5);
    QStringList all {"listed=" + codes.join(u',')};
    if (outcome.caption)
        all << "caption=" + *outcome.caption;
    for (EntryField field : kEntryChain) {
        if (outcome.fields[field])
            all << entryFieldName(field) + u'=' + *outcome.fields[field];
    }
    if (outcome.status)
        all << "status=" + *outcome.status;
    if (outcome.saveCaption)
        all << "save=" + *outcome.saveCaption;
    if (!outcome.message.isEmpty())
        all << "message=" + outcome.message;
    all << "result=" + QString::number(outcome.result);
    return all;
}

QStringList utf8(std::initializer_list<const char*> texts)
{
    QStringList list;
    for (const char* text : texts)
        list << QString::fromUtf8(text);
    return list;
}

} // namespace

class TestLookUp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void outcome_data();
    void outcome();
    void listsTheDepartementAsTheListingDoes();
    void unreadableLogBlocksTheEntry();
};

void TestLookUp::outcome_data()
{
    QTest::addColumn<QList<QByteArray>>("log");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("callsign");
    QTest::addColumn<QStringList>("expected");

    const QList<QByteArray> log {
        kDfcf, kBourg, kAjaccio, kBastia, kOrleans, kHeld, kOlivet, kPithiviers, kParisConfirmed};

    QTest::newRow("new code in a listed département")
        << log << "45200"
        << ""
        << utf8({"listed=45000,45100,45160,45300", "caption=Communes du Departement 45",
               "Ville_A=", "status=Nouveau Code Postal", "save=Enregistrer C.P.",
               "message=Le Code Postal 45200 n'a pas été contacté", "result=1"});
    QTest::newRow("new code in a département without lines: caption untouched")
        << log << "37000"
        << ""
        << utf8({"listed=", "Ville_A=", "status=Nouveau Code Postal", "save=Enregistrer C.P.",
               "message=Le Code Postal 37000 n'a pas été contacté", "result=1"});
    QTest::newRow("new code, callsign already typed: blocked, nothing said")
        << log << "45200"
        << "F5XYZ"
        << utf8({"listed=45000,45100,45160,45300", "caption=Communes du Departement 45",
               "Ville_A=", "result=0"});
    QTest::newRow("confirmed contact: the earlier line, blocked")
        << log << "45000"
        << ""
        << utf8({"listed=45000,45100,45160,45300", "caption=Communes du Departement 45", "Ville_A=ORLÉANS",
               "DFCF_A=45123", "Date_A=12/03/06", "Ind_A=F1ABC", "Mode_A=SSB", "Bande_A=14 Mhz", "QSLE_A=X",
               "QSLR_A=X", "status=C.P. deja contacté avec F1ABC le 12/03/06", "result=0"});
    QTest::newRow("contact made only, next département not listed")
        << log << "45160"
        << ""
        << utf8({"listed=45000,45100,45160,45300", "caption=Communes du Departement 45", "Ville_A=OLIVET",
               "DFCF_A=     ", "Date_A=14/07/09", "Ind_A=F8AAA", "Mode_A=FM", "Bande_A=144 Mhz", "QSLE_A=X",
               "QSLR_A=", "status=C.P. deja contacté avec F8AAA le 14/07/09", "result=0"});
    QTest::newRow("neither mark")
        << log << "45300"
        << ""
        << utf8({"listed=45000,45100,45160,45300", "caption=Communes du Departement 45", "Ville_A=PITHIVIERS",
               "DFCF_A=     ", "Date_A=01/01/10", "Ind_A=F4BBB", "Mode_A=CW", "Bande_A=3.5 Mhz",
               "QSLE_A=", "QSLR_A=", "status=C.P. deja contacté avec F4BBB le 01/01/10", "result=0"});
    QTest::newRow("found in the last département: read to the end, no message")
        << log << "75001"
        << ""
        << utf8({"listed=75001", "caption=Communes du Departement 75", "Ville_A=PARIS",
               "DFCF_A=     ", "Date_A=05/05/09", "Ind_A=F4XYZ", "Mode_A=FM", "Bande_A=432 Mhz",
               "QSLE_A=", "QSLR_A=X", "status=C.P. deja contacté avec F4XYZ le 05/05/09", "result=0"});
    QTest::newRow("Corsica: 2B and 20 lines are not listed")
        << (QList<QByteArray> {kBourg, record("20000", "01/01/10", "F5CCC", '4', "SSB", "14 Mhz", "", "X"),
               kAjaccio, kBastia})
        << "2A004"
        << ""
        << utf8({"listed=2A004", "caption=Communes du Departement 2A", "Ville_A=AJACCIO",
               "DFCF_A=     ", "Date_A=03/04/08", "Ind_A=TK5XY", "Mode_A=SSB", "Bande_A=14 Mhz",
               "QSLE_A=", "QSLR_A=X", "status=C.P. deja contacté avec TK5XY le 03/04/08", "result=0"});
    QTest::newRow("code trimmed") << log << " 4500"
                                  << ""
                                  << utf8({"listed=45000,45100,45160,45300",
                                         "caption=Communes du Departement 45",
                                         "Ville_A=", "status=Nouveau Code Postal", "save=Enregistrer C.P.",
                                         "message=Le Code Postal 4500 n'a pas été contacté", "result=1"});

    const QStringList heldOutcome = utf8(
        {"listed=45000,45100,45160,45300", "caption=Communes du Departement 45", "Ville_A=ORLÉANS LA SOURCE",
            "Date_A=", "status=Nouveau Canton", "save=Enregistrer Canton", "result=1"});
    QTest::newRow("held code followed by another département") << log << "45100"
                                                               << "" << heldOutcome;
    QTest::newRow("held code at the end of the log")
        << (QList<QByteArray> {kDfcf, kOrleans, kHeld, kOlivet, kPithiviers}) << "45100"
        << "" << heldOutcome;
    QTest::newRow("held code, callsign already typed: still a new canton") << log << "45100"
                                                                           << "F5XYZ" << heldOutcome;
    QTest::newRow("held code with its contact: blocked")
        << (QList<QByteArray> {
               kHeld, record("45100", "02/02/10", "F6CCC", '2', "SSB", "14 Mhz", "", "LA SOURCE")})
        << "45100"
        << ""
        << utf8({"listed=45100,45100", "caption=Communes du Departement 45", "Ville_A=LA SOURCE",
               "DFCF_A=     ", "Date_A=02/02/10", "Ind_A=F6CCC", "Mode_A=SSB", "Bande_A=14 Mhz", "QSLE_A=X",
               "QSLR_A=", "status=C.P. deja contacté avec F6CCC le 02/02/10", "save=Enregistrer Canton",
               "result=0"});
    QTest::newRow("empty log") << QList<QByteArray> {} << "45000"
                               << ""
                               << utf8({"listed=", "Ville_A=", "status=Nouveau Code Postal",
                                      "save=Enregistrer C.P.",
                                      "message=Le Code Postal 45000 n'a pas été contacté", "result=1"});
}

void TestLookUp::outcome()
{
    QFETCH(QList<QByteArray>, log);
    QFETCH(QString, code);
    QFETCH(QString, callsign);
    QFETCH(QStringList, expected);
    QCOMPARE(shown(Cherche_CP(code, log, callsign)), expected);
}

void TestLookUp::listsTheDepartementAsTheListingDoes()
{
    QTemporaryDir dir;
    const QList<QByteArray> log {kBourg, kOrleans, kHeld, kParis};
    TestFiles::write(QDir(dir.path()).filePath("F6ABC_CP.txt"), TestFiles::logOf(log));
    const LookUpOutcome outcome = Cherche_CP("45200", StationLog(dir.path(), "F6ABC"), "");
    QCOMPARE(outcome.lines,
        QStringList({QString::fromUtf8(
                         "   CP 45000 12/03/06  F1ABC         45123  SSB     14 Mhz    O      O   ORLÉANS"),
            QStringLiteral("   CP 45100") + QString(50, u' ')
                + QString::fromUtf8("N      N   ORLÉANS LA SOURCE")}));
    QCOMPARE(outcome.result, 1);
}

void TestLookUp::unreadableLogBlocksTheEntry()
{
    // A folder where the log should be: it exists but cannot be read, even by root.
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("F6ABC_CP.txt");
    QVERIFY(QDir(dir.path()).mkdir("F6ABC_CP.txt"));
    const LookUpOutcome outcome = Cherche_CP("45000", StationLog(dir.path(), "F6ABC"), "");
    QCOMPARE(outcome.result, 0);
    QVERIFY2(outcome.message.startsWith(
                 QString::fromUtf8("Le fichier ") + QDir::toNativeSeparators(path) + " ne peut pas être lu"),
        qPrintable(outcome.message));
    QVERIFY(!outcome.status);
}

QTEST_GUILESS_MAIN(TestLookUp)
#include "tst_lookup.moc"
