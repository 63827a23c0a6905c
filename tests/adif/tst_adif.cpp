#include "FakePlatform.h"
#include "TestFiles.h"
#include "adif/AdifOperations.h"
#include "app/CommandLine.h"
#include "app/SingleCopy.h"
#include "log/StationLog.h"
#include "postal/PostalBase.h"

#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The fixture log, the files of other loggers and what Kerlanic must make of them, in data/.
QString dataPath(const QString& name)
{
    return QStringLiteral(KERLANIC_ADIF_DATA "/") + name;
}
QByteArray data(const QString& name)
{
    return TestFiles::read(dataPath(name));
}

const AdifHeader kHeader {QStringLiteral("1.1.0"), QDateTime(QDate(2026, 12, 5), QTime(9, 5, 7), Qt::UTC)};

QByteArray logBytes(const QList<QByteArray>& lines)
{
    return TestFiles::logOf(lines);
}

} // namespace

class TestAdif : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exportIsExact_data();
    void exportIsExact();
    void roundTripIntoAnEmptyLog_data();
    void roundTripIntoAnEmptyLog();
    void importOfOtherLoggers_data();
    void importOfOtherLoggers();
    void frenchStationsAndModes_data();
    void frenchStationsAndModes();
    void malformedFileImportsNothing_data();
    void malformedFileImportsNothing();
    void commandLine_data();
    void commandLine();
};

void TestAdif::exportIsExact_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("expected");
    QTest::newRow("ADI") << int(AdifFormat::Adi) << "log.adi";
    QTest::newRow("ADX") << int(AdifFormat::Adx) << "log.adx";
}

void TestAdif::exportIsExact()
{
    QFETCH(int, format);
    QFETCH(QString, expected);
    const AdifExport done = exportLog(splitLogLines(data("log.txt")), AdifFormat(format), kHeader);
    QCOMPARE(done.bytes, data(expected));
    QCOMPARE(done.exported, 17);
    QCOMPARE(done.held, 1);
}

void TestAdif::roundTripIntoAnEmptyLog_data()
{
    exportIsExact_data();
}

// What comes back is the log without its held line, which is no contact; through ADI the towns
// lose their accents.
void TestAdif::roundTripIntoAnEmptyLog()
{
    QFETCH(QString, expected);
    const AdifReadResult read = readAdif(data(expected));
    QCOMPARE(read.error, QString());
    ImportProposal proposal = proposeImport(read.records, PostalBase::shipped());
    QList<QByteArray> log;
    const ImportResult result = mergeImport(proposal.lines, log);
    QCOMPARE(result.added, 17);
    QCOMPARE(logBytes(log), data(expected + QStringLiteral(".txt")));
}

void TestAdif::importOfOtherLoggers_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("QTH, STATE, DXCC, LoTW, Windows-1252") << "general.adi";
    QTest::newRow("WSJT-X: no QTH, FREQ without BAND") << "wsjtx.adi";
    QTest::newRow("ADX with QTH_INTL and Kerlanic's own") << "log4om.adx";
}

// Each file's French contacts as the dry run lists them, then the log once imported.
void TestAdif::importOfOtherLoggers()
{
    QFETCH(QString, file);
    const AdifReadResult read = readAdif(data(file));
    QCOMPARE(read.error, QString());
    ImportProposal proposal = proposeImport(read.records, PostalBase::shipped());
    QList<QByteArray> log = splitLogLines(data("import_log.txt"));
    const ImportResult result = mergeImport(proposal.lines, log);
    QCOMPARE(importListing(proposal.lines) + u'\n' + importSummary(result, proposal),
        QString::fromUtf8(data(file + QStringLiteral(".listing"))));
    QCOMPARE(logBytes(log), data(file + QStringLiteral(".log")));
}

void TestAdif::frenchStationsAndModes_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<bool>("french");
    QTest::addColumn<QString>("mode");
    QTest::newRow("portable") << QByteArray("<CALL:7>F4ABC/P<MODE:3>SSB<SUBMODE:3>LSB") << true << "SSB";
    QTest::newRow("working from France") << QByteArray("<CALL:8>F/ON4ABC<MODE:3>USB") << true << "SSB";
    QTest::newRow("Belgian") << QByteArray("<CALL:6>ON4ABC<MODE:5>PSK31") << false << "PSK31";
    QTest::newRow("Corsica") << QByteArray("<CALL:5>TK5AA<MODE:4>MFSK<SUBMODE:3>JS8") << true << "JS8";
    QTest::newRow("special call") << QByteArray("<CALL:6>TM100X<MODE:3>PSK<SUBMODE:5>PSK63") << true
                                  << "PSK63";
    QTest::newRow("HW prefix") << QByteArray("<CALL:4>HW9X<MODE:6>OLIVIA<SUBMODE:12>OLIVIA 8/250") << true
                               << "OLIVIA";
    QTest::newRow("DXCC wins over the prefix")
        << QByteArray("<CALL:5>FG5XY<DXCC:2>79<MODE:2>CW") << false << "CW";
    QTest::newRow("DXCC 227 of a foreign-looking call")
        << QByteArray("<CALL:6>DL1ABC<DXCC:3>227<MODE:12>DIGITALVOICE") << true << "DIGITA";
    QTest::newRow("Kerlanic's own") << QByteArray(
        "<CALL:6>DL1ABC<DXCC:3>230<APP_KERLANIC_CP:5>45000<MODE:2>FM")
                                    << true << "FM";
}

void TestAdif::frenchStationsAndModes()
{
    QFETCH(QByteArray, record);
    QFETCH(bool, french);
    QFETCH(QString, mode);
    const AdifReadResult read = readAdif(record + "<EOR>");
    QCOMPARE(read.records.size(), 1);
    QCOMPARE(isFrenchRecord(read.records[0]), french);
    QCOMPARE(logModeOf({read.records[0].value(u"MODE"), read.records[0].value(u"SUBMODE")}), mode);
}

void TestAdif::malformedFileImportsNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << QByteArray() << "Le fichier est vide : il ne contient aucun contact.";
    QTest::newRow("blanks only") << QByteArray(" \r\n")
                                 << "Le fichier est vide : il ne contient aucun contact.";
    QTest::newRow("length past the end")
        << QByteArray("<eoh>\n<CALL:5>F4AAA<eor>\n<CALL:10>F4B")
        << "Le champ CALL de l'enregistrement 2 (ligne 3) annonce 10 octets, mais le fichier s'arrête "
           "avant : il semble coupé.";
    QTest::newRow("missing EOR") << QByteArray("<eoh>\n<CALL:5>F4AAA<eor>\n<CALL:5>F4BBB <BAND:3>20m\n")
                                 << "L'enregistrement 2 (ligne 3) n'est pas terminé par <EOR> : le fichier "
                                    "semble coupé.";
    QTest::newRow("unreadable length") << QByteArray("<CALL:x>F4AAA<EOR>")
                                       << "Le champ CALL de l'enregistrement 1 (ligne 1) n'a pas de "
                                          "longueur lisible.";
    QTest::newRow("binary") << QByteArray("<CALL:5>F4AAA<eor>\nPK\x03\x04", 24)
                            << "Le fichier contient des données binaires (ligne 2, enregistrement 2) : ce "
                               "n'est pas un fichier ADIF.";
    QTest::newRow("text that is no ADIF")
        << QByteArray("Bonjour")
        << "Le fichier commence par du texte sans balise <EOH> qui le termine : "
           "ce n'est pas un fichier ADIF lisible.";
    QTest::newRow("ADX not well-formed")
        << QByteArray("<?xml version=\"1.0\"?>\n<ADX><RECORDS><RECORD><CALL>F4AAA</CALL></RECORD>\n"
                      "<RECORD><CALL>F4B</RECORD></RECORDS></ADX>")
        << "Le fichier ADX n'est pas un document XML bien formé : erreur à la ligne 3, colonne 26 "
           "(l'enregistrement 2).";
}

void TestAdif::malformedFileImportsNothing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const AdifReadResult read = readAdif(bytes);
    QCOMPARE(read.error, message);
    QVERIFY(read.records.isEmpty());
}

void TestAdif::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("locked");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("logAfter");
    QTest::addColumn<QString>("error");
    QTest::newRow("import") << QStringList {"import-adif", "general.adi"} << false << 0 << "general.adi.log"
                            << "";
    QTest::newRow("dry run writes nothing")
        << QStringList {"import-adif", "--dry-run", "general.adi"} << true << 0 << "import_log.txt"
        << "";
    QTest::newRow("Kerlanic open on the folder")
        << QStringList {"import-adif", "general.adi"} << true << 1 << "import_log.txt"
        << "kerlanic : Kerlanic est déjà ouvert.\n\nUn seul Kerlanic à la fois peut tenir les carnets du "
           "dossier %1 : utilisez la fenêtre déjà ouverte.\n";
    QTest::newRow("malformed file") << QStringList {"import-adif", "cut.adi"} << false << 1
                                    << "import_log.txt"
                                    << "kerlanic : %2\nLe fichier est vide : il ne contient aucun contact.\n"
                                       "Rien n'est importé.\n";
    QTest::newRow("another station") << QStringList {"import-adif", "--station", "f5xyz/p", "general.adi"}
                                     << false << 1 << "import_log.txt"
                                     << "kerlanic : Le carnet de F5XYZ/P n'existe pas dans le dossier %1.\n";
}

void TestAdif::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, locked);
    QFETCH(int, status);
    QFETCH(QString, logAfter);
    QFETCH(QString, error);
    QTemporaryDir dir;
    FakeSettings settings;
    settings.values.insert(QStringLiteral("Setup \x1fIndicatif Station"), QStringLiteral("F6ABC"));
    const QString log = dir.filePath(QStringLiteral("F6ABC_CP.txt"));
    TestFiles::write(log, data("import_log.txt"));
    TestFiles::write(dir.filePath(QStringLiteral("cut.adi")), {});
    QLockFile lock(appDirLockPath(dir.path()));
    if (locked)
        QVERIFY(lock.tryLock(0));
    for (QString& argument : arguments) {
        if (argument.endsWith(QStringLiteral(".adi")))
            argument = argument == u"cut.adi" ? dir.filePath(argument) : dataPath(argument);
    }
    const TerminalAnswer answer = runAdifCommand(parseCommandLine(QStringList {"kerlanic"} + arguments),
        dir.path(), settings, kHeader, PostalBase::shipped());
    QCOMPARE(answer.error, error.replace("%1", dir.path()).replace("%2", dir.filePath("cut.adi")));
    QCOMPARE(answer.status, status);
    QCOMPARE(TestFiles::read(log), data(logAfter));
}

QTEST_GUILESS_MAIN(TestAdif)
#include "tst_adif.moc"
