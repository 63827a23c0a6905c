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
    void outcomesInTheFileOrder_data();
    void outcomesInTheFileOrder();
    void centuryOfTheLogDates_data();
    void centuryOfTheLogDates();
    void adxWithoutDeclaration_data();
    void adxWithoutDeclaration();
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
    ImportProposal proposal = proposeImport(read.records, PostalBase::shipped(), kHeader.created.date());
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
    ImportProposal proposal = proposeImport(read.records, PostalBase::shipped(), kHeader.created.date());
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
    QTest::newRow("export over the log") << QStringList {"export-adif", "F6ABC_CP.txt"} << false << 1
                                         << "import_log.txt"
                                         << "kerlanic : Le fichier %1/F6ABC_CP.txt n'a pas pu être écrit : c'est "
                                            "un fichier que Kerlanic tient (un carnet, une sauvegarde ou un "
                                            "fichier du programme) ; choisissez un autre nom\n";
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
        if (argument.endsWith(QStringLiteral("_CP.txt")))
            argument = dir.filePath(argument);
    }
    const TerminalAnswer answer = runAdifCommand(parseCommandLine(QStringList {"kerlanic"} + arguments),
        dir.path(), settings, kHeader, PostalBase::shipped());
    QCOMPARE(answer.error, error.replace("%1", dir.path()).replace("%2", dir.filePath("cut.adi")));
    QCOMPARE(answer.status, status);
    QCOMPARE(TestFiles::read(log), data(logAfter));
}

// What each record of a file does to a log, the records before it in the file counting.
void TestAdif::outcomesInTheFileOrder_data()
{
    QTest::addColumn<QByteArrayList>("log");
    QTest::addColumn<QString>("records");
    QTest::addColumn<QString>("listing");

    const QByteArray craonneF6abc = "02160 01/01/20 F6ABC        2 CW     28 Mhz        CRAONNE";
    const QByteArray craonneF5xyz = "02160 01/01/20 F5XYZ        2 SSB    14 Mhz        CRAONNE";
    const auto craonne = [](const char* call, const char* date, const char* qsl) {
        return QStringLiteral("<CALL:5>%1 <QSO_DATE:8>%2 <BAND:3>20m <MODE:2>CW <QTH:7>Craonne %3<eor>\n")
            .arg(QLatin1String(call), QLatin1String(date), QLatin1String(qsl));
    };
    QTest::newRow("a confirmation after a record that changes nothing")
        << QByteArrayList {craonneF6abc}
        << craonne("F4AAH", "20240105", "") + craonne("F6ABC", "20240106", "<QSL_RCVD:1>Y ")
        << "     1 05/01/24 F4AAH        14 Mhz  CW     02160 CRAONNE                        déjà contacté\n"
           "     2 06/01/24 F6ABC        14 Mhz  CW     02160 CRAONNE                        confirmation\n"
           "\n2 enregistrements lus, dont 2 contacts avec des stations françaises.\n0 contact ajouté.\n"
           "1 confirmation ajoutée.\n1 contact non repris : code postal déjà contacté.\n";
    QTest::newRow("one log line confirmed twice")
        << QByteArrayList {craonneF6abc}
        << craonne("F6ABC", "20240105", "<QSL_RCVD:1>Y ") + craonne("F6ABC", "20240106", "<QSL_RCVD:1>Y ")
        << "     1 05/01/24 F6ABC        14 Mhz  CW     02160 CRAONNE                        confirmation\n"
           "     2 06/01/24 F6ABC        14 Mhz  CW     02160 CRAONNE                        doublon dans le fichier\n"
           "\n2 enregistrements lus, dont 2 contacts avec des stations françaises.\n0 contact ajouté.\n"
           "1 confirmation ajoutée.\n1 contact non repris : doublon dans le fichier.\n";
    QTest::newRow("one code confirmed by two stations")
        << QByteArrayList {craonneF6abc, craonneF5xyz}
        << craonne("F6ABC", "20240105", "<QSL_RCVD:1>Y ") + craonne("F5XYZ", "20240106", "<LOTW_QSL_RCVD:1>Y ")
        << "     1 05/01/24 F6ABC        14 Mhz  CW     02160 CRAONNE                        confirmation\n"
           "     2 06/01/24 F5XYZ        14 Mhz  CW     02160 CRAONNE                        confirmation\n"
           "\n2 enregistrements lus, dont 2 contacts avec des stations françaises.\n0 contact ajouté.\n"
           "2 confirmations ajoutées.\n";
    // The log writes two digits of the year; the file is read on 5 December 2026.
    QTest::newRow("dates the log can hold")
        << QByteArrayList {}
        << "<CALL:5>F4AAA <QSO_DATE:8>19261231 <BAND:3>20m <MODE:2>CW <QTH:7>Craonne <eor>\n"
           "<CALL:5>F4AAB <QSO_DATE:8>19270101 <BAND:3>20m <MODE:2>CW <QTH:7>Craonne <eor>\n"
           "<CALL:5>F4AAC <QSO_DATE:8>20261205 <BAND:3>20m <MODE:2>CW <QTH:8>Chartres <eor>\n"
           "<CALL:5>F4AAD <QSO_DATE:8>20261206 <BAND:3>20m <MODE:2>CW <QTH:5>Brest <eor>\n"
        << "     1 31/12/26 F4AAA        14 Mhz  CW     02160 CRAONNE                        refusé : date antérieure à 1927\n"
           "     2 01/01/27 F4AAB        14 Mhz  CW     02160 CRAONNE                        nouveau\n"
           "     3 05/12/26 F4AAC        14 Mhz  CW     28000 CHARTRES                       nouveau\n"
           "     4 06/12/26 F4AAD        14 Mhz  CW     29200 BREST                          refusé : date à venir\n"
           "\n4 enregistrements lus, dont 4 contacts avec des stations françaises.\n2 contacts ajoutés.\n"
           "0 confirmation ajoutée.\n1 contact non repris : refusé, date antérieure à 1927.\n"
           "1 contact non repris : refusé, date à venir.\n";
    QTest::newRow("one record")
        << QByteArrayList {} << "<CALL:5>F4AAA <QSO_DATE:8>20240105 <BAND:3>20m <MODE:2>CW <QTH:5>Brest <eor>\n"
        << "     1 05/01/24 F4AAA        14 Mhz  CW     29200 BREST                          nouveau\n"
           "\n1 enregistrement lu, dont 1 contact avec des stations françaises.\n1 contact ajouté.\n"
           "0 confirmation ajoutée.\n";
    // A reference cut or padded to five characters would name another castle.
    QTest::newRow("DFCF reference of another length than five")
        << QByteArrayList {}
        << "<CALL:5>F4AAA <QSO_DATE:8>20240105 <BAND:3>20m <MODE:2>CW <QTH:7>Craonne <SIG:4>DFCF <SIG_INFO:6>45-050 <eor>\n"
           "<CALL:5>F4AAB <QSO_DATE:8>20240106 <BAND:3>20m <MODE:2>CW <QTH:8>Chartres <SIG:4>dfcf <SIG_INFO:5>28012 <eor>\n"
        << "     1 05/01/24 F4AAA        14 Mhz  CW     02160 CRAONNE                        refusé : référence DFCF « 45-050 » de 6 caractères au lieu de 5\n"
           "     2 06/01/24 F4AAB        14 Mhz  CW     28000 CHARTRES                       nouveau\n"
           "\n2 enregistrements lus, dont 2 contacts avec des stations françaises.\n1 contact ajouté.\n"
           "0 confirmation ajoutée.\n1 contact non repris : refusé, référence DFCF « 45-050 » de 6 caractères au lieu de 5.\n";
    // The refusal names the field to mend in the file.
    QTest::newRow("own records with characters the log cannot write")
        << QByteArrayList {}
        << "<CALL:5>F4OWN <QSO_DATE:8>20240701 <QTH_INTL:12>Saint\u2011Malo <APP_KERLANIC_CP:5>35400 "
           "<APP_KERLANIC_ETAT:1>2 <APP_KERLANIC_MODE:3>SSB <APP_KERLANIC_BANDE:6>14 Mhz <eor>\n"
           "<CALL:5>F4OWN <QSO_DATE:8>20240702 <QTH:10>Saint-Malo <APP_KERLANIC_CP:5>35400 "
           "<APP_KERLANIC_ETAT:1>2 <APP_KERLANIC_MODE:3>S\tB <APP_KERLANIC_BANDE:6>14 Mhz <eor>\n"
        << "     1 01/07/24 F4OWN        14 Mhz  SSB    35400 Saint\u2011Malo                     refusé : commune avec « \u2011 », caractère que le carnet ne peut pas écrire\n"
           "     2 02/07/24 F4OWN        14 Mhz  S\tB    35400 Saint-Malo                     refusé : mode avec un caractère de contrôle\n"
           "\n2 enregistrements lus, dont 2 contacts avec des stations françaises.\n0 contact ajouté.\n"
           "0 confirmation ajoutée.\n1 contact non repris : refusé, commune avec « \u2011 », caractère que le carnet ne peut pas écrire.\n"
           "1 contact non repris : refusé, mode avec un caractère de contrôle.\n";
    // Another program may have lengthened the commune of Kerlanic's own record.
    QTest::newRow("own record with a commune too long for the log")
        << QByteArrayList {}
        << "<CALL:5>F4OWN <QSO_DATE:8>20240701 <QTH_INTL:44>Saint-Ouen-des-Alleux (canton de Saint-Aubin) "
           "<APP_KERLANIC_CP:5>35140 <APP_KERLANIC_ETAT:1>2 <APP_KERLANIC_MODE:3>SSB <APP_KERLANIC_BANDE:6>14 Mhz <eor>\n"
        << "     1 01/07/24 F4OWN        14 Mhz  SSB    35140 ST-OUEN-DES-ALLEUX             nouveau\n"
           "\n1 enregistrement lu, dont 1 contact avec des stations françaises.\n1 contact ajouté.\n"
           "0 confirmation ajoutée.\n";
}

void TestAdif::outcomesInTheFileOrder()
{
    QFETCH(QByteArrayList, log);
    QFETCH(QString, records);
    QFETCH(QString, listing);
    const AdifReadResult read = readAdif(("<EOH>\n" + records).toUtf8());
    QCOMPARE(read.error, QString());
    ImportProposal proposal = proposeImport(read.records, PostalBase::shipped(), kHeader.created.date());
    const ImportResult result = mergeImport(proposal.lines, log);
    QCOMPARE(importListing(proposal.lines) + u'\n' + importSummary(result, proposal), listing);
}

// The log writes two digits of the year, and a contact is never in the future.
void TestAdif::centuryOfTheLogDates_data()
{
    QTest::addColumn<QString>("logDate");
    QTest::addColumn<QString>("adifDate");
    QTest::newRow("this year") << "05/12/26" << "20261205";
    QTest::newRow("next year's digits are last century's") << "01/01/27" << "19270101";
    QTest::newRow("a contact of 1963") << "24/08/63" << "19630824";
    QTest::newRow("1999") << "31/12/99" << "19991231";
    QTest::newRow("2000") << "01/01/00" << "20000101";
    QTest::newRow("no such day") << "29/02/25" << "";
}

void TestAdif::centuryOfTheLogDates()
{
    QFETCH(QString, logDate);
    QFETCH(QString, adifDate);
    QCOMPARE(adifDateOf(logDate, 2026), adifDate);
}

// Another logger's ADX may open on a comment or a document type instead of the XML declaration.
void TestAdif::adxWithoutDeclaration_data()
{
    QTest::addColumn<QByteArray>("opening");
    QTest::newRow("comment") << QByteArray("<!-- written by a logger -->\n");
    QTest::newRow("document type") << QByteArray("<!DOCTYPE ADX>\n");
    QTest::newRow("root alone") << QByteArray();
}

void TestAdif::adxWithoutDeclaration()
{
    QFETCH(QByteArray, opening);
    const AdifReadResult read = readAdif(
        opening + "<ADX><HEADER></HEADER><RECORDS><RECORD><CALL>F4AAA</CALL></RECORD></RECORDS></ADX>\n");
    QCOMPARE(read.error, QString());
    QCOMPARE(read.records.size(), 1);
    QCOMPARE(read.records.first().value(u"CALL"), QStringLiteral("F4AAA"));
}

QTEST_GUILESS_MAIN(TestAdif)
#include "tst_adif.moc"
