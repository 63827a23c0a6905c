#include "entry/FieldChecks.h"
#include "postal/PostalBase.h"
#include "postal/PostalText.h"

#include <QRegularExpression>
#include <QTest>

#include <numeric>

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
    void shippedBaseIsWholeAndEveryTownPassesTheTownCheck();
    void names_data();
    void names();
    void search_data();
    void search();
    void searchFindsEverySaintDenis();
    void crLfReadAndUnreadableLinesSkipped();
};

void TestPostalBase::shippedBaseIsWholeAndEveryTownPassesTheTownCheck()
{
    const PostalBase& base = PostalBase::shipped();
    QCOMPARE(base.rejectedLines(), 0);
    // About 35,500 pairs over 6,300 postal codes, overseas included.
    QVERIFY2(base.entryCount() > 35000 && base.entryCount() < 36500,
        qPrintable(QString::number(base.entryCount())));
    QVERIFY(base.postalCodeCount() > 6200 && base.postalCodeCount() < 6500);
    // Whatever the user picks under Ville_A must pass its check (length, storable characters).
    for (int c = 0; c < base.communeCount(); ++c) {
        const QString town = PostalText::townEntryName(base.commune(c).name);
        QVERIFY2(checkField(EntryField::Ville_A, town).isEmpty() && town == town.toUpper(), qPrintable(town));
    }
}

void TestPostalBase::names_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    // "town": the name the entry row takes; "words": the comparison form of a search; "code": the
    // towns of a postal code, as the suggestions offer them.
    static const char* const rows[][3] = {
        {"town", "Œuilly", "ŒUILLY"}, {"town", "L'Haÿ-les-Roses", "L'HAŸ-LES-ROSES"},
        {"town", "Saint-Laurent-de-la-Cabrerisse", "SAINT-LAURENT-DE-LA-CABRERISSE"}, // 30: kept whole
        {"town", "Saint-Remy-en-Bouzemont-Saint-Genest-et-Isson", "ST-REMY-EN-BOUZEMONT-ST-GENEST"},
        {"town", "Saint-Christophe-en-Bourbonnais", "ST-CHRISTOPHE-EN-BOURBONNAIS"}, // 31
        {"town", "Ouroux-sous-le-Bois-Sainte-Marie", "OUROUX-SOUS-LE-BOIS-STE-MARIE"},
        {"town", "Saintes-et-Saint-Georges-des-Coteaux-Loin", "SAINTES-ET-ST-GEORGES-DES-COTE"},
        {"town", "Bors (Canton de Tude-et-Lavalette)", "BORS"},
        {"town", "Montigny-Mornay-Villeneuve-su-Vingeanne", "MONTIGNY-MORNAY-VILLENEUVE-SU"}, // no "-" left
        {"town", "La Ville-aux-Bois-lès-Pontavert", "LA VILLE-AUX-BOIS-LÈS-PONTAVER"},
        {"words", "L'Haÿ-les-Roses, Œuilly; Châteaubriant Ça", "l hay les roses oeuilly chateaubriant ca"},
        {"words", "  st. -  denis 45000  ", "st denis 45000"}, {"code", "45000", "ORLÉANS"},
        {"code", "45100", "ORLÉANS"}, {"code", "45800", "COMBLEUX|SAINT-JEAN-DE-BRAYE"}, // alphabetical
        {"code", "20000", "AJACCIO"}, {"code", " 2a000 ", "AJACCIO"}, // as the log writes Corsica
        {"code", "2B000", ""}, // Ajaccio is not in Haute-Corse
        {"code", "2B200", "BASTIA|SAN-MARTINO-DI-LOTA|SANTA-MARIA-DI-LOTA|VILLE-DI-PIETRABUGNO"},
        {"code", "52290", "ÉCLARON-BRAUCOURT-STE-LIVIÈRE|HUMBÉCOURT"}, // shortened; É sorted as E
        {"code", "4500", ""}, // a prefix is not a postal code
        {"code", "00000", ""}, // the DFCF-only records
    };
    for (const auto& [kind, text, expected] : rows)
        QTest::addRow("%s %s", kind, text) << QString(kind) << QString(text) << QString(expected);
}

void TestPostalBase::names()
{
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    if (kind == u"town")
        QCOMPARE(PostalText::townEntryName(text), expected);
    else if (kind == u"words")
        QCOMPARE(foldedWords(text), expected);
    else
        QCOMPARE(PostalBase::shipped().townNamesOf(text).join(u'|'), expected);
}

void TestPostalBase::search_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("found"); // every row found, or the first ones then "..."
    QTest::addColumn<QString>("every"); // what every row, as "code foldedname", matches

    static const char* const cases[][4] = {
        {"a whole postal code", "45000", "45000 Orléans", ""},
        {"a prefix", "451", "45100 Orléans|...", "^451"},
        {"without accent", "orleans", "45000 Orléans|45100 Orléans", ""},
        {"capitals and accent", "ORLÉANS", "45000 Orléans|45100 Orléans", ""},
        {"hyphens as blanks", "saint jean de braye", "45800 Saint-Jean-de-Braye", ""},
        {"no hyphens, no apostrophe", "lhaylesroses", "94240 L'Haÿ-les-Roses", ""},
        {"apostrophe and hyphens typed", "l'haÿ-les-r", "94240 L'Haÿ-les-Roses", ""},
        {"ste stands for Sainte", "ste marie", "08400 Sainte-Marie|15230 Sainte-Marie|...", "saintemarie"},
        {"st while typing: Saint or a name in St", "stena", "55700 Stenay", ""},
        // Words are compared without the breaks between them: "braye" also finds Bray-et-Lû.
        {"a later part of the name", "braye", "...", "braye"},
        {"postal code and name together", "45 saint jean de b", "45800 Saint-Jean-de-Braye", ""},
        {"Corsica as the log writes it", "2a000", "20000 Ajaccio", ""},
        {"Haute-Corse only", "2B2", "20200 Bastia|...", "^202"},
        {"nothing matches", "zzzz", "", ""},
        {"no postal code of 6 digits", "450000", "", ""},
        {"empty", "", "", ""},
        {"only blanks and hyphens", "  - ' ", "", ""},
    };
    for (const auto& [tag, text, found, every] : cases)
        QTest::newRow(tag) << QString(text) << QString(found) << QString(every);
}

void TestPostalBase::search()
{
    QFETCH(QString, text);
    QFETCH(QString, found);
    QFETCH(QString, every);

    const QStringList got = rowsOf(PostalBase::shipped(), PostalBase::shipped().search(text));
    QStringList expected = found.split(u'|', Qt::SkipEmptyParts);
    const bool more = expected.endsWith(QStringLiteral("..."));
    if (more)
        expected.removeLast();
    QCOMPARE(more ? got.mid(0, expected.size()) : got, expected);
    const QRegularExpression pattern(every);
    for (const QString& row : got)
        QVERIFY2(
            pattern.match(row.left(6) + foldedWords(row.mid(6)).remove(u' ')).hasMatch(), qPrintable(row));
}

void TestPostalBase::searchFindsEverySaintDenis()
{
    const PostalBase& base = PostalBase::shipped();
    std::vector<int> all(std::size_t(base.entryCount()));
    std::iota(all.begin(), all.end(), 0);
    // Saint-Denis, Saint-Denis-de-Pile, Villiers-Saint-Denis, and Saint-Deniscourt: the last word
    // typed may still be growing.
    QStringList expected;
    for (const QString& row : rowsOf(base, all)) {
        if (QString(u' ' + foldedWords(row.mid(6))).contains(u" saint denis"))
            expected << row;
    }
    QVERIFY(expected.size() > 40);
    expected.sort();
    // Names that begin with Saint-Denis come first, then those where it comes later.
    static const QRegularExpression laterFirst(
        QStringLiteral("\\d{5} (?!Saint-Denis).*\\n\\d{5} Saint-Denis"));
    for (const char* text : {"st denis", "saint-denis", "St Denis", "ST-DENIS"}) {
        QStringList got = rowsOf(base, base.search(QString::fromLatin1(text)));
        QVERIFY2(!got.join(u'\n').contains(laterFirst), text);
        got.sort();
        QCOMPARE(got, expected);
    }
}

void TestPostalBase::crLfReadAndUnreadableLinesSkipped()
{
    // A checkout may give the compiled-in base CR LF line ends. The first line comes before any
    // département, the last two have a wrong postal code and no name.
    const PostalBase base
        = PostalBase::parse("X\t45300\r\nD\t45\tLoiret\r\nOrléans\t45000 45100\r\nY\t4500\r\n\t45200\r\n");
    QCOMPARE(base.rejectedLines(), 3);
    QCOMPARE(rowsOf(base, base.search(u"45")), (QStringList {"45000 Orléans", "45100 Orléans"}));
}

QTEST_GUILESS_MAIN(TestPostalBase)
#include "tst_postalbase.moc"
