#include "entry/FieldChecks.h"
#include "postal/PostalBase.h"
#include "postal/PostalText.h"

#include <QRegularExpression>
#include <QTest>

#include <numeric>

namespace {

const PostalBase& base()
{
    return PostalBase::shipped();
}

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
    void shippedBaseIsWholeAndEveryTownPassesTheTownCheck()
    {
        QCOMPARE(base().rejectedLines(), 0);
        // About 35,500 pairs over 6,300 postal codes, overseas included.
        QVERIFY2(base().entryCount() > 35000 && base().entryCount() < 36500,
            qPrintable(QString::number(base().entryCount())));
        QVERIFY(base().postalCodeCount() > 6200 && base().postalCodeCount() < 6500);
        // Whatever the user picks under Ville_A must pass its check (length, storable characters).
        for (int c = 0; c < base().communeCount(); ++c) {
            const QString town = PostalText::townEntryName(base().commune(c).name);
            QVERIFY2(
                checkField(EntryField::Ville_A, town).isEmpty() && town == town.toUpper(), qPrintable(town));
        }
    }

    // The name the entry row takes: capitals, within 30 characters. Each row is named by its name.
    void townEntryName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("town");
        const auto row = [](const char* name, const char* town) { QTest::newRow(name) << name << town; };
        row("Œuilly", "ŒUILLY");
        row("L'Haÿ-les-Roses", "L'HAŸ-LES-ROSES");
        row("Saint-Laurent-de-la-Cabrerisse", "SAINT-LAURENT-DE-LA-CABRERISSE"); // 30: kept whole
        row("Saint-Remy-en-Bouzemont-Saint-Genest-et-Isson", "ST-REMY-EN-BOUZEMONT-ST-GENEST");
        row("Saint-Christophe-en-Bourbonnais", "ST-CHRISTOPHE-EN-BOURBONNAIS"); // 31
        row("Ouroux-sous-le-Bois-Sainte-Marie", "OUROUX-SOUS-LE-BOIS-STE-MARIE");
        row("Saintes-et-Saint-Georges-des-Coteaux-Loin", "SAINTES-ET-ST-GEORGES-DES-COTE");
        row("Bors (Canton de Tude-et-Lavalette)", "BORS");
        row("Montigny-Mornay-Villeneuve-su-Vingeanne", "MONTIGNY-MORNAY-VILLENEUVE-SU"); // no "-" left
        row("La Ville-aux-Bois-lès-Pontavert", "LA VILLE-AUX-BOIS-LÈS-PONTAVER");
    }

    void townEntryName()
    {
        QFETCH(QString, name);
        QTEST(PostalText::townEntryName(name), "town");
    }

    void searchWordsAreFoldedAndSplit()
    {
        QCOMPARE(foldedWords("L'Haÿ-les-Roses, Œuilly; Châteaubriant Ça"),
            QStringLiteral("l hay les roses oeuilly chateaubriant ca"));
        QCOMPARE(foldedWords("  st. -  denis 45000  "), QStringLiteral("st denis 45000"));
    }

    // The towns of a postal code, as the suggestions offer them: alphabetical, É sorted as E. (The
    // entry row tests see 45000 and 45800; the town list test, a code of every département.)
    void townNamesOf_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("towns");
        const auto row
            = [](const char* code, const QStringList& towns) { QTest::newRow(code) << code << towns; };
        row(" 2a000 ", {"AJACCIO"}); // as the log writes Corsica
        row("2B000", {}); // Ajaccio is not in Haute-Corse
        row("2B200", {"BASTIA", "SAN-MARTINO-DI-LOTA", "SANTA-MARIA-DI-LOTA", "VILLE-DI-PIETRABUGNO"});
        row("52290", {"ÉCLARON-BRAUCOURT-STE-LIVIÈRE", "HUMBÉCOURT"}); // shortened
        row("4500", {}); // a prefix is not a postal code
        row("00000", {}); // the DFCF-only records
    }

    void townNamesOf()
    {
        QFETCH(QString, code);
        QTEST(base().townNamesOf(code), "towns");
    }

    void search_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("found"); // every row found; with "every", the first ones
        QTest::addColumn<QString>("every"); // what every row, as "code foldedname", matches
        const auto row = [](const char* name, const char* text, const QStringList& found,
                             const char* every = "") { QTest::newRow(name) << text << found << every; };
        // The Code Postal window tests see "orleans", "2a000" and a text that matches nothing.
        row("a whole postal code", "45000", {"45000 Orléans"});
        row("a prefix", "451", {"45100 Orléans"}, "^451");
        row("capitals and accent", "ORLÉANS", {"45000 Orléans", "45100 Orléans"});
        row("hyphens as blanks", "saint jean de braye", {"45800 Saint-Jean-de-Braye"});
        row("no hyphens, no apostrophe", "lhaylesroses", {"94240 L'Haÿ-les-Roses"});
        row("apostrophe and hyphens typed", "l'haÿ-les-r", {"94240 L'Haÿ-les-Roses"});
        row("ste stands for Sainte", "ste marie", {"08400 Sainte-Marie", "15230 Sainte-Marie"},
            "saintemarie");
        row("st while typing: Saint or a name in St", "stena", {"55700 Stenay"});
        // Whole words first: the Sainte- names before Saint-Edmond, whose letters also begin so.
        row("sainte: its own names first", "sainte", {"76310 Sainte-Adresse"}, "sainte");
        // Words are compared without the breaks between them: "braye" also finds Bray-et-Lû.
        row("a later part of the name", "braye", {}, "braye");
        row("postal code and name together", "45 saint jean de b", {"45800 Saint-Jean-de-Braye"});
        row("Haute-Corse only", "2B2", {"20200 Bastia"}, "^202");
        row("no postal code of 6 digits", "450000", {});
        row("empty", "", {});
        row("only blanks and hyphens", "  - ' ", {});
    }

    void search()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, found);
        QFETCH(QString, every);
        const QStringList got = rowsOf(base(), base().search(text));
        if (every.isEmpty()) {
            QCOMPARE(got, found);
            return;
        }
        QCOMPARE(got.mid(0, found.size()), found);
        QVERIFY(got.size() > found.size());
        const QRegularExpression pattern(every);
        for (const QString& row : got)
            QVERIFY2(pattern.match(row.left(6) + foldedWords(row.mid(6)).remove(u' ')).hasMatch(),
                qPrintable(row));
    }

    // Saint-Denis, Saint-Denis-de-Pile, Villiers-Saint-Denis, and Saint-Deniscourt: the last word
    // typed may still be growing. Names that begin with Saint-Denis come first.
    void searchFindsEverySaintDenis_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("st denis") << "st denis";
        QTest::newRow("Saint-Denis") << "Saint-Denis";
    }

    void searchFindsEverySaintDenis()
    {
        QFETCH(QString, text);
        std::vector<int> all(std::size_t(base().entryCount()));
        std::iota(all.begin(), all.end(), 0);
        QStringList expected;
        for (const QString& row : rowsOf(base(), all)) {
            if (QString(u' ' + foldedWords(row.mid(6))).contains(u" saint denis"))
                expected << row;
        }
        QVERIFY(expected.size() > 40);
        QStringList got = rowsOf(base(), base().search(text));
        static const QRegularExpression laterFirst(
            QStringLiteral("\\d{5} (?!Saint-Denis).*\\n\\d{5} Saint-Denis"));
        QVERIFY(!got.join(u'\n').contains(laterFirst));
        got.sort();
        expected.sort();
        QCOMPARE(got, expected);
    }

    void crLfReadAndUnreadableLinesSkipped()
    {
        // A checkout may give the compiled-in base CR LF line ends. The first line comes before any
        // département, the last two have a wrong postal code and no name.
        const PostalBase base = PostalBase::parse(
            "X\t45300\r\nD\t45\tLoiret\r\nOrléans\t45000 45100\r\nY\t4500\r\n\t45200\r\n");
        QCOMPARE(base.rejectedLines(), 3);
        QCOMPARE(rowsOf(base, base.search(u"45")), (QStringList {"45000 Orléans", "45100 Orléans"}));
    }
};

QTEST_GUILESS_MAIN(TestPostalBase)
#include "tst_postalbase.moc"
