#include "log/Cp1252.h"
#include "postal/PostalBase.h"
#include "postal/PostalSearchModel.h"
#include "postal/PostalText.h"

#include <QTest>

namespace {

// A result row as "postal code commune".
QStringList rowsOf(const PostalBase& base, const std::vector<int>& found)
{
    QStringList rows;
    for (const int i : found)
        rows << base.entry(i).postalCode + u' ' + base.commune(base.entry(i).commune).name;
    return rows;
}

QString foldedWords(const QString& text)
{
    QStringList words;
    for (const std::string& w : PostalText::searchWords(text))
        words << QString::fromStdString(w);
    return words.join(u' ');
}

} // namespace

class TestPostalBase : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shippedBaseIsWhole();
    void communesOfAPostalCode_data();
    void communesOfAPostalCode();
    void townEntryName_data();
    void townEntryName();
    void everySuggestionPassesTheTownCheck();
    void searchWords_data();
    void searchWords();
    void search_data();
    void search();
    void searchFindsEverySaintDenis();
    void unreadableLinesAreSkipped();
    void modelShowsPostalCodeCommuneAndDepartement();
};

void TestPostalBase::shippedBaseIsWhole()
{
    const PostalBase& base = PostalBase::shipped();
    QCOMPARE(base.rejectedLines(), 0);
    // About 35,500 pairs over 6,300 postal codes for some 35,000 communes, overseas included.
    QVERIFY2(base.entryCount() > 35000 && base.entryCount() < 36500,
        qPrintable(QString::number(base.entryCount())));
    QVERIFY(base.postalCodeCount() > 6200 && base.postalCodeCount() < 6500);
    QVERIFY(base.communeCount() > 34500 && base.communeCount() < 35500);
    QCOMPARE(&PostalBase::shipped(), &base);
}

void TestPostalBase::communesOfAPostalCode_data()
{
    QTest::addColumn<QString>("postalCode");
    QTest::addColumn<QStringList>("communes");
    QTest::addColumn<QStringList>("towns");

    QTest::newRow("Orléans 45000") << "45000" << QStringList {"Orléans"} << QStringList {"ORLÉANS"};
    QTest::newRow("Orléans 45100") << "45100" << QStringList {"Orléans"} << QStringList {"ORLÉANS"};
    QTest::newRow("two communes, alphabetical") << "45800" << QStringList {"Combleux", "Saint-Jean-de-Braye"}
                                                << QStringList {"COMBLEUX", "SAINT-JEAN-DE-BRAYE"};
    QTest::newRow("Ajaccio") << "20000" << QStringList {"Ajaccio"} << QStringList {"AJACCIO"};
    QTest::newRow("Ajaccio as the log writes it")
        << "2A000" << QStringList {"Ajaccio"} << QStringList {"AJACCIO"};
    QTest::newRow("small letter, blanks around")
        << " 2a000 " << QStringList {"Ajaccio"} << QStringList {"AJACCIO"};
    QTest::newRow("Ajaccio is not in Haute-Corse") << "2B000" << QStringList {} << QStringList {};
    QTest::newRow("Bastia and its neighbours")
        << "2B200"
        << QStringList {"Bastia", "San-Martino-di-Lota", "Santa-Maria-di-Lota", "Ville-di-Pietrabugno"}
        << QStringList {"BASTIA", "SAN-MARTINO-DI-LOTA", "SANTA-MARIA-DI-LOTA", "VILLE-DI-PIETRABUGNO"};
    QTest::newRow("second code of Paris 16e") << "75116" << QStringList {"Paris"} << QStringList {"PARIS"};
    QTest::newRow("accented capital Ÿ")
        << "94240" << QStringList {"L'Haÿ-les-Roses"} << QStringList {"L'HAŸ-LES-ROSES"};
    QTest::newRow("a prefix is not a postal code") << "4500" << QStringList {} << QStringList {};
    QTest::newRow("letters") << "ABCDE" << QStringList {} << QStringList {};
    QTest::newRow("DFCF-only records") << "00000" << QStringList {} << QStringList {};
}

void TestPostalBase::communesOfAPostalCode()
{
    QFETCH(QString, postalCode);
    QFETCH(QStringList, communes);
    QFETCH(QStringList, towns);
    const PostalBase& base = PostalBase::shipped();
    QCOMPARE(base.communesOf(postalCode), communes);
    QCOMPARE(base.townNamesOf(postalCode), towns);
}

void TestPostalBase::townEntryName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("town");

    QTest::newRow("accents") << "Orléans"
                             << "ORLÉANS";
    QTest::newRow("hyphens kept") << "Saint-Jean-de-Braye"
                                  << "SAINT-JEAN-DE-BRAYE";
    QTest::newRow("ligature") << "Œuilly"
                              << "ŒUILLY";
    QTest::newRow("ÿ") << "L'Haÿ-les-Roses"
                       << "L'HAŸ-LES-ROSES";
    QTest::newRow("exactly 30 kept whole") << "Saint-Laurent-de-la-Cabrerisse"
                                           << "SAINT-LAURENT-DE-LA-CABRERISSE";
    QTest::newRow("45 characters") << "Saint-Remy-en-Bouzemont-Saint-Genest-et-Isson"
                                   << "ST-REMY-EN-BOUZEMONT-ST-GENEST";
    QTest::newRow("31: Saint becomes ST") << "Saint-Christophe-en-Bourbonnais"
                                          << "ST-CHRISTOPHE-EN-BOURBONNAIS";
    QTest::newRow("Sainte becomes STE") << "Ouroux-sous-le-Bois-Sainte-Marie"
                                        << "OUROUX-SOUS-LE-BOIS-STE-MARIE";
    QTest::newRow("Saintes is not Sainte") << "Saintes-et-Saint-Georges-des-Coteaux-Loin"
                                           << "SAINTES-ET-ST-GEORGES-DES-COTE";
    QTest::newRow("canton in brackets dropped") << "Bors (Canton de Tude-et-Lavalette)"
                                                << "BORS";
    QTest::newRow("cut at a word") << "Montigny-Mornay-Villeneuve-sur-Vingeanne"
                                   << "MONTIGNY-MORNAY-VILLENEUVE-SUR";
    QTest::newRow("cut, no hyphen left at the end") << "Montigny-Mornay-Villeneuve-su-Vingeanne"
                                                    << "MONTIGNY-MORNAY-VILLENEUVE-SU";
    QTest::newRow("cut at 30") << "La Ville-aux-Bois-lès-Pontavert"
                               << "LA VILLE-AUX-BOIS-LÈS-PONTAVER";
}

void TestPostalBase::townEntryName()
{
    QFETCH(QString, name);
    QFETCH(QString, town);
    QCOMPARE(PostalText::townEntryName(name), town);
}

void TestPostalBase::everySuggestionPassesTheTownCheck()
{
    // Whatever the user picks must be accepted by the entry row (at most 30 characters) and be
    // storable in the log (Windows-1252).
    const PostalBase& base = PostalBase::shipped();
    QString last;
    int codes = 0;
    for (qsizetype i = 0; i < base.entryCount(); ++i) {
        const QString& code = base.entry(i).postalCode;
        if (code == last)
            continue;
        last = code;
        ++codes;
        const QStringList towns = base.townNamesOf(code);
        QVERIFY2(!towns.isEmpty(), qPrintable(code));
        for (const QString& town : towns) {
            QVERIFY2(
                !town.isEmpty() && town.size() <= PostalText::kMaxTownLength, qPrintable(code + ' ' + town));
            QVERIFY2(Cp1252::canEncode(town), qPrintable(code + ' ' + town));
            QCOMPARE(town, town.toUpper());
        }
    }
    QCOMPARE(codes, base.postalCodeCount());
}

void TestPostalBase::searchWords_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("words");

    QTest::newRow("accents and case") << "ORLÉANS"
                                      << "orleans";
    QTest::newRow("hyphens and apostrophes") << "L'Haÿ-les-Roses"
                                             << "l hay les roses";
    QTest::newRow("ligature") << "Œuilly"
                              << "oeuilly";
    QTest::newRow("cedilla, circumflex") << "Châteaubriant Ça"
                                         << "chateaubriant ca";
    QTest::newRow("runs of breaks") << "  st. -  denis  "
                                    << "st denis";
    QTest::newRow("digits kept") << "45000 orl"
                                 << "45000 orl";
}

void TestPostalBase::searchWords()
{
    QFETCH(QString, text);
    QFETCH(QString, words);
    QCOMPARE(foldedWords(text), words);
}

void TestPostalBase::search_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("first"); // the first rows, in order
    QTest::addColumn<QString>("everyCode"); // every postal code found begins with this
    QTest::addColumn<QString>("everyName"); // every name found holds these words
    QTest::addColumn<int>("rows"); // -1: any number

    QTest::newRow("a whole postal code") << "45000" << QStringList {"45000 Orléans"} << "45000"
                                         << "" << 1;
    QTest::newRow("a prefix") << "451" << QStringList {"45100 Orléans"} << "451"
                              << "" << -1;
    QTest::newRow("a département") << "2" << QStringList {} << "2"
                                   << "" << -1;
    QTest::newRow("without accent") << "orleans" << QStringList {"45000 Orléans", "45100 Orléans"} << ""
                                    << "orleans" << -1;
    QTest::newRow("capitals and accent") << "ORLÉANS" << QStringList {"45000 Orléans", "45100 Orléans"} << ""
                                         << "orleans" << -1;
    QTest::newRow("hyphens as blanks")
        << "saint jean de braye" << QStringList {"45800 Saint-Jean-de-Braye"} << ""
        << "saint jean de braye" << 1;
    QTest::newRow("no hyphens, no apostrophe")
        << "lhaylesroses" << QStringList {"94240 L'Haÿ-les-Roses"} << ""
        << "" << 1;
    QTest::newRow("apostrophe and hyphens typed")
        << "l'haÿ-les-r" << QStringList {"94240 L'Haÿ-les-Roses"} << ""
        << "" << 1;
    QTest::newRow("st stands for Saint")
        << "st denis"
        << QStringList {"11310 Saint-Denis", "30500 Saint-Denis", "93200 Saint-Denis", "93210 Saint-Denis",
               "93380 Saint-Denis", "97400 Saint-Denis", "97417 Saint-Denis", "97490 Saint-Denis"}
        << ""
        << "saint denis" << -1;
    QTest::newRow("st-denis as typed in a log")
        << "ST-DENIS" << QStringList {"11310 Saint-Denis", "30500 Saint-Denis"} << ""
        << "saint denis" << -1;
    QTest::newRow("ste stands for Sainte")
        << "ste marie" << QStringList {"08400 Sainte-Marie", "15230 Sainte-Marie"} << ""
        << "sainte marie" << -1;
    QTest::newRow("st while typing: Saint or a name in St") << "stena" << QStringList {"55700 Stenay"} << ""
                                                            << "stenay" << 1;
    QTest::newRow("a later part of the name comes after") << "braye" << QStringList {} << ""
                                                          << "braye" << -1;
    QTest::newRow("postal code and name together")
        << "45 saint jean de b" << QStringList {"45800 Saint-Jean-de-Braye"} << "45"
        << "saint jean de b" << 1;
    QTest::newRow("Corsica as the log writes it") << "2a000" << QStringList {"20000 Ajaccio"} << "20000"
                                                  << "" << 1;
    QTest::newRow("Haute-Corse only") << "2B2" << QStringList {"20200 Bastia"} << "202"
                                      << "" << -1;
    QTest::newRow("nothing matches") << "zzzz" << QStringList {} << ""
                                     << "" << 0;
    QTest::newRow("no postal code of 6 digits") << "450000" << QStringList {} << ""
                                                << "" << 0;
    QTest::newRow("empty") << "" << QStringList {} << ""
                           << "" << 0;
    QTest::newRow("only blanks and hyphens") << "  - ' " << QStringList {} << ""
                                             << "" << 0;
}

void TestPostalBase::search()
{
    QFETCH(QString, text);
    QFETCH(QStringList, first);
    QFETCH(QString, everyCode);
    QFETCH(QString, everyName);
    QFETCH(int, rows);

    const PostalBase& base = PostalBase::shipped();
    const std::vector<int> found = base.search(text);
    const QStringList got = rowsOf(base, found);
    if (rows >= 0)
        QCOMPARE(got.size(), rows);
    QCOMPARE(got.mid(0, first.size()), first);
    for (const int i : found) {
        const PostalBase::Entry& e = base.entry(i);
        const QString name = base.commune(e.commune).name;
        QVERIFY2(e.postalCode.startsWith(everyCode), qPrintable(e.postalCode + ' ' + name));
        // Words are compared without the breaks between them: "braye" also finds Bray-et-Lû.
        const QString words = u' ' + foldedWords(name);
        QVERIFY2(words.contains(u' ' + everyName)
                || QString(words).remove(u' ').contains(QString(everyName).remove(u' ')),
            qPrintable(e.postalCode + ' ' + name));
    }
}

void TestPostalBase::searchFindsEverySaintDenis()
{
    const PostalBase& base = PostalBase::shipped();
    QStringList expected;
    for (qsizetype i = 0; i < base.entryCount(); ++i) {
        const PostalBase::Entry& e = base.entry(i);
        // Saint-Denis, Saint-Denis-de-Pile, Villiers-Saint-Denis, and Saint-Deniscourt: the last
        // word typed may still be growing.
        const QString words = u' ' + foldedWords(base.commune(e.commune).name);
        if (words.contains(u" saint denis"))
            expected << e.postalCode + u' ' + base.commune(e.commune).name;
    }
    QVERIFY(expected.size() > 40);
    for (const QString& text :
        {QStringLiteral("st denis"), QStringLiteral("saint-denis"), QStringLiteral("St Denis")}) {
        QStringList got = rowsOf(base, base.search(text));
        // Names that begin with Saint-Denis first, then those where it comes later
        // (Villiers-Saint-Denis).
        const qsizetype firstInside
            = got.indexOf(QRegularExpression(QStringLiteral("^\\d{5} (?!Saint-Denis).*")));
        QVERIFY(firstInside > 0);
        for (qsizetype i = firstInside; i < got.size(); ++i)
            QVERIFY2(!got[i].mid(6).startsWith(QStringLiteral("Saint-Denis")), qPrintable(got[i]));
        got.sort();
        expected.sort();
        QCOMPARE(got, expected);
    }
}

void TestPostalBase::unreadableLinesAreSkipped()
{
    const PostalBase base = PostalBase::parse(QByteArray("# comment\n"
                                                         "Orphan\t99999\n" // no département yet
                                                         "D\t45\tLoiret\n"
                                                         "Orléans\t45000 45100\r\n" // CR LF read too
                                                         "Broken\t4500\n"
                                                         "No tab 45000\n"
                                                         "\t45200\n"
                                                         "Montargis\t45200\n"));
    QCOMPARE(base.rejectedLines(), 4);
    QCOMPARE(base.communeCount(), 2);
    QCOMPARE(rowsOf(base, base.search(u"45")),
        (QStringList {"45000 Orléans", "45100 Orléans", "45200 Montargis"}));
    QCOMPARE(base.departementOf(base.entry(0)).name, QStringLiteral("Loiret"));
    QVERIFY(PostalBase::parse("").search(u"45").empty());
}

void TestPostalBase::modelShowsPostalCodeCommuneAndDepartement()
{
    PostalSearchModel model(PostalBase::shipped());
    model.setSearchText("2a000");
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.columnCount(), 3);
    const QStringList heads {model.headerData(0, Qt::Horizontal).toString(),
        model.headerData(1, Qt::Horizontal).toString(), model.headerData(2, Qt::Horizontal).toString()};
    QCOMPARE(heads, (QStringList {"Code Postal", "Commune", "Département"}));
    const QStringList row {model.index(0, 0).data().toString(), model.index(0, 1).data().toString(),
        model.index(0, 2).data().toString()};
    QCOMPARE(row, (QStringList {"20000", "Ajaccio", "2A Corse-du-Sud"}));
    QCOMPARE(model.postalCode(0), QStringLiteral("20000"));
    QCOMPARE(model.postalCode(1), QString());
    model.setSearchText("");
    QCOMPARE(model.rowCount(), 0);
}

QTEST_GUILESS_MAIN(TestPostalBase)
#include "tst_postalbase.moc"
