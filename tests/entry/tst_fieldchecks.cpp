#include "entry/ChosenLine.h"
#include "entry/EntryRecord.h"
#include "entry/FieldChecks.h"
#include "reports/Listing.h"

#include <QTest>

using enum EntryField;
using Boxes = QList<std::pair<EntryField, const char*>>;
Q_DECLARE_METATYPE(Boxes)

namespace {

// A contact as typed, with some boxes changed.
EntryTexts contact(const Boxes& changes = {})
{
    EntryTexts texts {{"45000", "ORLÉANS", "45123", "12/03/06", "F5XYZ", "SSB", "14 Mhz", "X", "X"}};
    for (const auto& [field, text] : changes)
        texts[field] = QString::fromUtf8(text);
    return texts;
}

// What an operation puts in the boxes, in chain order, "~" for a box it leaves alone.
QStringList boxesOf(const EntryChanges& changes)
{
    QStringList boxes;
    for (EntryField field : kEntryChain)
        boxes << changes[field].value_or(QStringLiteral("~"));
    return boxes;
}

} // namespace

class TestFieldChecks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void checkOnEnter_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, EntryField field, const char* text, const char* message) {
            QTest::newRow(name) << int(field) << QString::fromUtf8(text) << QString::fromUtf8(message);
        };
        row("postal code empty", C_Postal_A, "", "Entrez un numéro de Code Postal");
        row("postal code of 4", C_Postal_A, "4500", "Format du Code Postal 5 chiffres");
        row("postal code of 6", C_Postal_A, "450000", "Format du Code Postal 5 chiffres");
        row("Corsica passes", C_Postal_A, "2A004", "");
        row("town empty", Ville_A, "", "Entrez un nom de Commune");
        row("town of 31", Ville_A, "SAINT REMY EN BOUZEMONT SAINT G",
            "Non de la Commune 30 chiffres maximum");
        row("town of 30 with accents", Ville_A, "SAINT RÉMY EN BOUZEMONT SAINT ", "");
        row("reference empty passes", DFCF_A, "", "");
        row("reference of 4", DFCF_A, "1234", "5 chiffres pour le N° du Chateau");
        row("reference letters pass", DFCF_A, "ABCDE", "");
        row("date empty", Date_A, "", "Entrez une date");
        row("date of 7", Date_A, "1/02/07", "Format de la date JJ/MM/AA");
        row("date with hyphens", Date_A, "01-02-07", "Le format date doit etre JJ/MM/AA");
        row("date out of any calendar passes", Date_A, "99/99/99", "");
        row("date with a letter for a digit", Date_A, "O1/02/07", "Le format date doit etre JJ/MM/AA");
        row("callsign empty", Ind_A, "", "Entrez un indicatif");
        row("callsign of 12 passes", Ind_A, "F1ABCDEFGHIJ", "");
        row("callsign of 13", Ind_A, "F1ABCDEFGHIJK", "12 caracteres maxi pour l'indicatif");
        row("mode empty", Mode_A, "", "Entrez un Mode");
        row("mode padded to 6 passes", Mode_A, "SSB   ", "");
        row("mode of 7", Mode_A, "OLIVIA8", "6 caracteres maxi pour l'indicatif");
        row("band empty", Bande_A, "", "Entrez une Bande");
        row("band of 7 passes", Bande_A, "144 Mhz", "");
        row("band of 8", Bande_A, "1296 Mhz", "7 caracteres maxi pour la Bande");
        row("contact mark empty", QSLE_A, "", "Entrez un X pour valider");
        row("contact mark XX", QSLE_A, "XX", "1 caracteres maximum");
        row("contact mark O", QSLE_A, "O", "Caractere X seuleument");
        row("contact mark pasted small x", QSLE_A, "x", "Caractere X seuleument");
        row("confirmation mark empty passes", QSLR_A, "", "");
        row("confirmation mark XX", QSLR_A, "XX", "1 caracteres maximum");
        row("confirmation mark N", QSLR_A, "N", "Caractere X seuleument");
        row("letter the log cannot hold", Ville_A, "ŁÓDŹ",
            "Le caractère « Ł » ne peut pas être enregistré dans le carnet.\r\n"
            "Corrigez le champ « Nom de la Commune ».");
        row("emoji counts as one character", Ind_A, "F6😀",
            "Le caractère « 😀 » ne peut pas être enregistré dans le carnet.\r\n"
            "Corrigez le champ « Indicatif ».");
        row("letter with macron in the mode", Mode_A, "ĀM",
            "Le caractère « Ā » ne peut pas être enregistré dans le carnet.\r\nCorrigez le champ « Mode ».");
        row("pasted tab", Ville_A, "ORLEANS\tNORD",
            "Un caractère invisible ne peut pas être enregistré dans le carnet.\r\n"
            "Corrigez le champ « Nom de la Commune ».");
        row("euro sign is in the code page", Ville_A, "€URO", "");
    }

    void checkOnEnter()
    {
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        QCOMPARE(checkField(EntryField(field), text), message);
    }

    void recordAsWritten_data()
    {
        QTest::addColumn<Boxes>("changes");
        QTest::addColumn<QByteArray>("record");
        const auto row = [](const char* name, const Boxes& changes, const char* record) {
            QTest::newRow(name) << changes << QByteArray(record);
        };
        row("both marks: 4", {}, "45000 12/03/06 F5XYZ        4 SSB    14 Mhz  45123ORL\311ANS");
        row("contact made only: 2, no reference", {{QSLR_A, ""}, {DFCF_A, ""}},
            "45000 12/03/06 F5XYZ        2 SSB    14 Mhz       ORL\311ANS");
        row("confirmed only: 3", {{QSLE_A, ""}},
            "45000 12/03/06 F5XYZ        3 SSB    14 Mhz  45123ORL\311ANS");
        row("neither: 1", {{QSLE_A, ""}, {QSLR_A, ""}},
            "45000 12/03/06 F5XYZ        1 SSB    14 Mhz  45123ORL\311ANS");
        row("texts as they stand, blanks kept", {{Mode_A, "SSB   "}, {Ville_A, " ORLEANS "}},
            "45000 12/03/06 F5XYZ        4 SSB    14 Mhz  45123 ORLEANS ");
    }

    void recordAsWritten()
    {
        QFETCH(Boxes, changes);
        QTEST(buildRecord(contact(changes)).value_or("refused"), "record");
    }

    void firstRefusedFieldInChainOrder()
    {
        QVERIFY(!firstRefusedField(contact()));
        // Boxes changed with the mouse after their Enter: the save finds the first one, in chain order.
        const auto refusal = firstRefusedField(contact({{Bande_A, "1296 Mhz"}, {Ville_A, ""}}));
        QVERIFY(refusal);
        QCOMPARE(refusal->field, Ville_A);
        QCOMPARE(refusal->message, QStringLiteral("Entrez un nom de Commune"));
    }

    void modifyAndCancelTheChosenLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("cancel"); // its refusal or its question
        // With no line chosen yet, the entry row tests see both refusals.
        const QStringList untouched(9, "~");
        QTest::newRow("held postal code")
            << listingLine("45100                       0                     ORLEANS LA SOURCE")
            << "Il n'y a pas de données a modifier" << untouched << "Il n'y a pas de données a annuler";
        const auto contact = [](const char* name, const QString& line, const QStringList& boxes) {
            QTest::newRow(name) << line << QString() << boxes
                                << "Voulez vous effacer le Code Postal N° " + line.mid(6, 5) + " ?";
        };
        contact("confirmed only: both marks",
            listingLine("2A004 03/04/08 TK5XY        3 SSB    14 Mhz       AJACCIO"),
            {"2A004", "AJACCIO", "", "03/04/08", "TK5XY", "SSB   ", "14 Mhz ", "X", "X"});
        contact("neither mark: contact mark set, confirmation emptied",
            listingLine("75001 05/05/09 F1ABCDEFGHIJ 1 PSK31  432 Mhz 75123PARIS 1ER"),
            {"75001", "PARIS 1ER", "75123", "05/05/09", "F1ABCDEFGHIJ", "PSK31 ", "432 Mhz", "X", ""});
        contact("empty town", listingLine("00000 12/03/06 F5XXX_P      2 CW     7.0 Mhz 45050"),
            {"00000", "", "45050", "12/03/06", "F5XXX_P", "CW    ", "7.0 Mhz", "X", ""});
        QString strangeFlags = listingLine("45000 12/03/06 F5XYZ        4 SSB    14 Mhz       ORLEANS");
        strangeFlags[61] = u'?';
        strangeFlags[68] = u'?';
        contact("flags that are not O or N leave the marks", strangeFlags,
            {"45000", "ORLEANS", "", "12/03/06", "F5XYZ", "SSB   ", "14 Mhz ", "~", "~"});
    }

    void modifyAndCancelTheChosenLine()
    {
        QFETCH(QString, line);
        const ModificationStart start = startModification(line);
        QTEST(start.refusal, "refusal");
        QTEST(boxesOf(start.fields), "boxes");
        const CancelStart cancelStart = startCancel(line);
        QTEST(QString(cancelStart.refusal + cancelStart.question), "cancel");
    }

    // Statuses 0 and 1 list alike ("N      N"): either line answers to that listing line, and a line
    // of another status does not. (The entry row tests pick one of two 00000 lines.)
    void chosenLineMatchesByStatusToo()
    {
        const QByteArray statusOne = "00000 20/05/07 F6ZZZ        1 CW     7.0 Mhz 37001";
        QVERIFY(
            chosenLineMatcher(listingLine(statusOne))("00000 20/05/07 F6ZZZ        0 CW     7.0 Mhz 37001"));
        QVERIFY(
            !chosenLineMatcher(listingLine(statusOne))("00000 20/05/07 F6ZZZ        2 CW     7.0 Mhz 37001"));
    }
};

QTEST_GUILESS_MAIN(TestFieldChecks)
#include "tst_fieldchecks.moc"
