#include "SampleLog.h"
#include "TestFiles.h"
#include "entry/LookUp.h"

#include <QTest>

using TestFiles::record;
using namespace SampleLog;

namespace {

const QByteArray kBastia = record("2B200", "04/04/08", "TK5ZZ", '4', "FM", "144 Mhz", "", "BASTIA");
const QByteArray kPithiviers = record("45300", "01/01/10", "F4BBB", '1', "CW", "3.5 Mhz", "", "PITHIVIERS");
// Confirmed only.
const QByteArray kParisConfirmed = record("75001", "05/05/09", "F4XYZ", '3', "FM", "432 Mhz", "", "PARIS");

// Everything the look-up puts on the window, "what=value" per change.
QStringList shown(const LookUpOutcome& outcome)
{
    QStringList codes;
    for (const QByteArray& record : outcome.records)
        codes << QString::fromLatin1(record.left(5));
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
    return all << "result=" + QString::number(outcome.result);
}

// The boxes filled from a line with a contact, and the status that names it.
QStringList found(const QString& town, const QString& dfcf, const QString& date, const QString& callsign,
    const QString& mode, const QString& band, const QString& made, const QString& confirmed)
{
    return {"Ville_A=" + town, "DFCF_A=" + dfcf, "Date_A=" + date, "Ind_A=" + callsign, "Mode_A=" + mode,
        "Bande_A=" + band, "QSLE_A=" + made, "QSLR_A=" + confirmed,
        "status=C.P. deja contacté avec " + callsign + " le " + date};
}

QStringList newCode(const QString& code)
{
    return {"Ville_A=", "status=Nouveau Code Postal", "save=Enregistrer C.P.",
        "message=Le Code Postal " + code + " n'a pas été contacté", "result=1"};
}

} // namespace

class TestLookUp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void outcome_data();
    void outcome();
};

void TestLookUp::outcome_data()
{
    QTest::addColumn<QList<QByteArray>>("log");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("expected");

    const QList<QByteArray> log {
        kDfcf, kBourg, kAjaccio, kBastia, kOrleans, kHeld, kOlivet, kPithiviers, kParisConfirmed};
    const QStringList in45 {"listed=45000,45100,45160,45300", "caption=Communes du Departement 45"};
    const auto row = [](const char* name, const QList<QByteArray>& log, const char* code,
                         const QStringList& expected) { QTest::newRow(name) << log << code << expected; };

    row("new code in a listed département", log, "45200", in45 + newCode("45200"));
    row("new code in a département without lines: caption untouched", log, "37000",
        QStringList {"listed="} + newCode("37000"));
    row("code trimmed", log, " 4500", in45 + newCode("4500"));
    row("empty log", {}, "45000", QStringList {"listed="} + newCode("45000"));
    row("confirmed contact: the earlier line, blocked", log, "45000",
        in45 + found("ORLÉANS", "45123", "12/03/06", "F1ABC", "SSB", "14 Mhz", "X", "X") << "result=0");
    row("contact made only, next département not listed", log, "45160",
        in45 + found("OLIVET", "     ", "14/07/09", "F8AAA", "FM", "144 Mhz", "X", "") << "result=0");
    row("neither mark", log, "45300",
        in45 + found("PITHIVIERS", "     ", "01/01/10", "F4BBB", "CW", "3.5 Mhz", "", "") << "result=0");
    row("found in the last département: read to the end, no message", log, "75001",
        QStringList {"listed=75001", "caption=Communes du Departement 75"}
                + found("PARIS", "     ", "05/05/09", "F4XYZ", "FM", "432 Mhz", "", "X")
            << "result=0");
    row("Corsica: 2B and 20 lines are not listed",
        {kBourg, record("20000", "01/01/10", "F5CCC", '4', "SSB", "14 Mhz", "", "X"), kAjaccio, kBastia},
        "2A004",
        QStringList {"listed=2A004", "caption=Communes du Departement 2A"}
                + found("AJACCIO", "     ", "03/04/08", "TK5XY", "SSB", "14 Mhz", "", "X")
            << "result=0");

    // A held code is a new canton wherever its line stands.
    const QStringList held = in45
        + QStringList {"Ville_A=ORLÉANS LA SOURCE", "Date_A=", "status=Nouveau Canton",
            "save=Enregistrer Canton", "result=1"};
    row("held code followed by another département", log, "45100", held);
    row("held code followed by its own département", {kDfcf, kOrleans, kHeld, kOlivet, kPithiviers}, "45100",
        held);
    // An old log holds its Corsican lines at its head; a Corsican contact added since stands
    // after 19. The look-up sees both, or the same code could be logged twice.
    const QByteArray heldBastelica = record("2A200", "", "", '0', "", "", "", "BASTELICA");
    row("old Corsican block and a contact added since: blocked",
        {kDfcf, heldBastelica, kBastia, kBourg,
            record("2A200", "15/12/26", "TK5BAS", '2', "SSB", "1.8 Mhz", "", "BASTELICA"), kOrleans},
        "2A200",
        QStringList {"listed=2A200,2A200", "caption=Communes du Departement 2A"}
                + found("BASTELICA", "     ", "15/12/26", "TK5BAS", "SSB", "1.8 Mhz", "X", "")
            << "save=Enregistrer Canton"
            << "result=0");
    row("held code with its contact: blocked",
        {kHeld, record("45100", "02/02/10", "F6CCC", '2', "SSB", "14 Mhz", "", "LA SOURCE")}, "45100",
        QStringList {"listed=45100,45100", "caption=Communes du Departement 45"}
                + found("LA SOURCE", "     ", "02/02/10", "F6CCC", "SSB", "14 Mhz", "X", "")
            << "save=Enregistrer Canton"
            << "result=0");
}

void TestLookUp::outcome()
{
    QFETCH(QList<QByteArray>, log);
    QFETCH(QString, code);
    QFETCH(QStringList, expected);
    QCOMPARE(shown(Cherche_CP(code, log)), expected);
}

QTEST_GUILESS_MAIN(TestLookUp)
#include "tst_lookup.moc"
